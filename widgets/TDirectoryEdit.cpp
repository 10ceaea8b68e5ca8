#include "TDirectoryEdit.h"

#include "BrowseSupport.h"

#include <QDragEnterEvent>
#include <QFileDialog>
#include <QToolButton>

TDirectoryEdit::TDirectoryEdit(QWidget* parent)
    : QLineEdit(parent), button_(AddBrowseButton(this))
{
    connect(button_, &QToolButton::clicked, this, &TDirectoryEdit::browse);
    setAcceptDrops(true);
}

void TDirectoryEdit::setDialogTitle(const QString& title) { title_ = title; }
QString TDirectoryEdit::dialogTitle() const { return title_; }
QToolButton* TDirectoryEdit::browseButton() const { return button_; }

void TDirectoryEdit::prepareDialog(QFileDialog& dialog) const
{
    dialog.setWindowTitle(title_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const QString folder = StartFolder(text(), BrowseTarget::Folder);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
}

void TDirectoryEdit::browse()
{
    QFileDialog dialog(this);
    prepareDialog(dialog);
    RunBrowseDialog(this, dialog);
}

void TDirectoryEdit::dragEnterEvent(QDragEnterEvent* e) { TakeDrop(e, this, BrowseTarget::Folder); }
void TDirectoryEdit::dragMoveEvent(QDragMoveEvent* e) { TakeDrop(e, this, BrowseTarget::Folder); }

void TDirectoryEdit::dropEvent(QDropEvent* e)
{
    const QString path = TakeDrop(e, this, BrowseTarget::Folder);
    if (!path.isEmpty())
        setText(path);
}
