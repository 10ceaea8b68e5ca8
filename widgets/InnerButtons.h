#pragma once
#include <QList>
#include <QObject>

class QLineEdit;
class QToolButton;

// Keeps tool buttons inside the right end of a line edit, stacked top to bottom,
// and the text clear of them. Parented to the edit.
class InnerButtons : public QObject {
public:
    InnerButtons(QLineEdit* edit, const QList<QToolButton*>& buttons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QLineEdit* edit_;
    QList<QToolButton*> buttons_;
};
