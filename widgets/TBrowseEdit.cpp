#include "TBrowseEdit.h"

#include <QDragEnterEvent>
#include <QFileDialog>
#include <QToolButton>

TBrowseEdit::TBrowseEdit(BrowseTarget target, QWidget* parent)
    : QLineEdit(parent), target_(target), button_(AddBrowseButton(this))
{
    connect(button_, &QToolButton::clicked, this, &TBrowseEdit::browse);
    setAcceptDrops(true);
}

void TBrowseEdit::setDialogTitle(const QString& title) { title_ = title; }
QString TBrowseEdit::dialogTitle() const { return title_; }
QToolButton* TBrowseEdit::browseButton() const { return button_; }

void TBrowseEdit::prepareCommon(QFileDialog& dialog) const
{
    dialog.setWindowTitle(title_);
    const QString folder = StartFolder(text(), target_);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
}

void TBrowseEdit::browse()
{
    QFileDialog dialog(this);
    prepareDialog(dialog);
    RunBrowseDialog(this, dialog);
}

void TBrowseEdit::dragEnterEvent(QDragEnterEvent* e) { TakeDrop(e, this, target_); }
void TBrowseEdit::dragMoveEvent(QDragMoveEvent* e) { TakeDrop(e, this, target_); }

void TBrowseEdit::dropEvent(QDropEvent* e)
{
    const QString path = TakeDrop(e, this, target_);
    if (!path.isEmpty())
        setText(path);
}
