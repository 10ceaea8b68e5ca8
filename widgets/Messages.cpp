#include "Messages.h"

#include "MessageBox.h"

#include <QPointer>
#include <QWidget>

namespace {

// Guarded: a box asked for after its window is gone gets no parent.
QPointer<QWidget> g_parent;
IMessages* g_installed = nullptr;

class BoxMessages : public IMessages {
public:
    void Info(const QString& text) override { MakeMessageBox(MessageKind::Info, text)->exec(); }
    bool AskYesNo(const QString& text) override
    {
        return MakeMessageBox(MessageKind::YesNo, text)->exec() == QMessageBox::Yes;
    }
    bool AskOkCancel(const QString& text) override
    {
        return MakeMessageBox(MessageKind::OkCancel, text)->exec() == QMessageBox::Ok;
    }
};

} // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(MessageKind kind, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(g_parent.data());
    box->setWindowTitle(QStringLiteral("Corvane"));
    box->setText(text);
    box->setWindowModality(Qt::ApplicationModal);
    switch (kind) {
    case MessageKind::Info:
        box->setIcon(QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::YesNo:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageKind::OkCancel:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    return box;
}

IMessages& Messages()
{
    static BoxMessages boxes;
    return g_installed != nullptr ? *g_installed : boxes;
}

void SetMessages(IMessages* messages)
{
    g_installed = messages;
}

void SetMessageParent(QWidget* parent)
{
    g_parent = parent;
}
