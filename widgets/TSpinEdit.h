#pragma once
#include <QLineEdit>

class QToolButton;

// Integer field with up/down stepping. Unlike QSpinBox, changing the bounds
// leaves the current value alone; it is clamped only when set, stepped or left.
// The text is the field's own QLineEdit text, so what is typed is what is read.
class TSpinEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int increment READ increment WRITE setIncrement)
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    // The text read as a decimal integer, or the minimum when it is not one.
    int value() const;
    void setValue(int v);          // clamps to [minimum, maximum]

    int minimum() const;
    int maximum() const;
    void setMinimum(int v);        // does not touch the value
    void setMaximum(int v);        // does not touch the value
    int increment() const;
    void setIncrement(int step);
    // setMaxLength() is QLineEdit's own.

    void stepUp();                 // value + increment, clamped
    void stepDown();

    QToolButton* upButton() const;
    QToolButton* downButton() const;

signals:
    void changed();                // every text change, the program's own included

protected:
    void keyPressEvent(QKeyEvent* e) override;   // Up/Down step
    void wheelEvent(QWheelEvent* e) override;    // one step per notch
    void focusOutEvent(QFocusEvent* e) override; // clamps on leaving

private:
    void stepBy(int steps);
    void userStep(int steps);      // a step asked by the user; none while read-only
    int clamped(qint64 v) const;
    bool holdsValueInBounds() const;

    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
    int wheelRest_ = 0;            // wheel delta short of a whole notch
    QToolButton* up_;
    QToolButton* down_;
};
