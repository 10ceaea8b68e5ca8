#pragma once
#include "BrowseSupport.h"

#include <QLineEdit>

class QFileDialog;
class QToolButton;

// What the file and folder edits share: the browse button, the dialog title, the
// dialog run from the button and dropped paths of the edit's kind.
class TBrowseEdit : public QLineEdit {
    Q_OBJECT
public:
    void setDialogTitle(const QString& title);
    QString dialogTitle() const;
    QToolButton* browseButton() const;

    // Sets up the dialog the browse button runs, starting at the current text.
    virtual void prepareDialog(QFileDialog& dialog) const = 0;

protected:
    TBrowseEdit(BrowseTarget target, QWidget* parent);
    // Title and start folder, for every kind of dialog.
    void prepareCommon(QFileDialog& dialog) const;

    void dragEnterEvent(class QDragEnterEvent* e) override;
    void dragMoveEvent(class QDragMoveEvent* e) override;
    void dropEvent(class QDropEvent* e) override;

private:
    void browse();

    BrowseTarget target_;
    QString title_;
    QToolButton* button_;
};
