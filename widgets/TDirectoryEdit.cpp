#include "TDirectoryEdit.h"

#include <QFileDialog>

TDirectoryEdit::TDirectoryEdit(QWidget* parent) : TBrowseEdit(BrowseTarget::Folder, parent) {}

void TDirectoryEdit::prepareDialog(QFileDialog& dialog) const
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    prepareCommon(dialog);
}
