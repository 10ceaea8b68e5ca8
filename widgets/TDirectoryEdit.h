#pragma once
#include <QLineEdit>

class QFileDialog;
class QToolButton;

// Line edit with a browse button opening the folder dialog; accepts a dropped folder.
class TDirectoryEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDirectoryEdit(QWidget* parent = nullptr);
    void setDialogTitle(const QString& title);
    QString dialogTitle() const;
    QToolButton* browseButton() const;

    // Sets up the folder dialog the browse button runs, starting at the current text.
    void prepareDialog(QFileDialog& dialog) const;

protected:
    void dragEnterEvent(class QDragEnterEvent* e) override;
    void dragMoveEvent(class QDragMoveEvent* e) override;
    void dropEvent(class QDropEvent* e) override;

private:
    void browse();

    QString title_;
    QToolButton* button_;
};
