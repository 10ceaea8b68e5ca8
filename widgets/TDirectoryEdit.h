#pragma once
#include <QLineEdit>

class QToolButton;

// Line edit with a browse button opening the folder dialog; accepts a dropped folder.
class TDirectoryEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDirectoryEdit(QWidget* parent = nullptr);
    void setDialogTitle(const QString& title);
    QString dialogTitle() const;
    QToolButton* browseButton() const;
protected:
    void dragEnterEvent(class QDragEnterEvent* e) override;
    void dropEvent(class QDropEvent* e) override;
};
