#include "JobPreviewDialog.h"

#include "FormKit.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

JobPreviewDialog::JobPreviewDialog(QWidget* parent, const QString& title, const QString& script)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgJobPreview"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    mJobScript = new QPlainTextEdit(script, this);
    mJobScript->setObjectName(QStringLiteral("mJobScript"));
    mJobScript->setReadOnly(true);
    mJobScript->setLineWrapMode(QPlainTextEdit::NoWrap);
    mJobScript->setFont(form::FixedPitchFont());
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("btnCopyScript"));
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btnClosePreview"));
    for (QPushButton* b : {copy, close})
        b->setIcon(QIcon());
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(mJobScript->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* v = new QVBoxLayout(this);
    v->addWidget(mJobScript, 1);
    v->addWidget(buttons);
    resize(600, 260);
}
