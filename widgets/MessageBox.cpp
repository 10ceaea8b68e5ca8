#include "MessageBox.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QPointer>
#include <QWidget>

namespace {

// Guarded: a box asked for after its window is gone gets no parent.
QPointer<QWidget> g_parent;

class BoxMessages : public IMessages {
public:
    void Info(const QString& text) override { MakeMessageBox(MessageKind::Info, text)->exec(); }
    void Warning(const QString& text) override { MakeMessageBox(MessageKind::Warning, text)->exec(); }
    bool AskYesNo(const QString& text) override
    {
        return MakeMessageBox(MessageKind::YesNo, text)->exec() == QMessageBox::Yes;
    }
    bool AskOkCancel(const QString& text) override
    {
        return MakeMessageBox(MessageKind::OkCancel, text)->exec() == QMessageBox::Ok;
    }
    bool AskText(const QString& prompt, QString* text) override
    {
        QInputDialog dialog(g_parent.data());
        dialog.setWindowTitle(QStringLiteral("Corvane"));
        dialog.setLabelText(prompt);
        dialog.setTextValue(*text);
        dialog.setWindowModality(Qt::ApplicationModal);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *text = dialog.textValue();
        return true;
    }
};

struct MakeUp {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

MakeUp MakeUpOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Info: return {QMessageBox::Information, QMessageBox::Ok};
    case MessageKind::Warning: return {QMessageBox::Warning, QMessageBox::Ok};
    case MessageKind::YesNo: return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No};
    case MessageKind::OkCancel: return {QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel};
    }
    return {QMessageBox::NoIcon, QMessageBox::Ok};
}

} // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(MessageKind kind, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(g_parent.data());
    box->setWindowTitle(QStringLiteral("Corvane"));
    box->setText(text);
    box->setWindowModality(Qt::ApplicationModal);
    const MakeUp makeUp = MakeUpOf(kind);
    box->setIcon(makeUp.icon);
    box->setStandardButtons(makeUp.buttons);
    // Some styles put a stock icon on each button, right against its short caption.
    for (QAbstractButton* button : box->buttons())
        button->setIcon(QIcon());
    return box;
}

IMessages& MessageBoxes()
{
    static BoxMessages boxes;
    return boxes;
}

void SetMessageParent(QWidget* parent)
{
    g_parent = parent;
}
