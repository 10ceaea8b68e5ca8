#include "TSpinEdit.h"

#include "InnerButtons.h"
#include "TextChanges.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QValidator>
#include <QWheelEvent>

#include <algorithm>

namespace {

bool AllDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The whole text as a decimal integer with an optional sign; QString::toInt alone
// would also take surrounding blanks.
bool ReadInt(const QString& text, int* value)
{
    QStringView digits(text);
    if (digits.startsWith(u'+') || digits.startsWith(u'-'))
        digits = digits.mid(1);
    if (digits.isEmpty() || !AllDigits(digits))
        return false;
    bool ok = false;
    *value = text.toInt(&ok, 10);
    return ok;
}

// Typing keeps to digits, after a leading "-" while the minimum is negative. Hand
// written: a regular expression per field was compiled at every start.
class DigitsValidator final : public QValidator {
public:
    DigitsValidator(const int& minimum, QObject* parent) : QValidator(parent), minimum_(minimum) {}
    State validate(QString& input, int&) const override
    {
        QStringView digits(input);
        if (minimum_ < 0 && digits.startsWith(u'-'))
            digits = digits.mid(1);
        return AllDigits(digits) ? Acceptable : Invalid;
    }

private:
    const int& minimum_;
};

QToolButton* MakeArrow(Qt::ArrowType arrow)
{
    auto* button = new QToolButton;
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    return button;
}

constexpr int kWheelNotch = 120;

} // namespace

TSpinEdit::TSpinEdit(QWidget* parent)
    : QLineEdit(parent),
      up_(MakeArrow(Qt::UpArrow)),
      down_(MakeArrow(Qt::DownArrow))
{
    new InnerButtons(this, {up_, down_});
    connect(up_, &QToolButton::clicked, this, [this] { userStep(1); });
    connect(down_, &QToolButton::clicked, this, [this] { userStep(-1); });
    setFocusPolicy(Qt::WheelFocus);
    setValidator(new DigitsValidator(minimum_, this));
    OnRealTextChange(this, [this] { return QLineEdit::text(); }, [this] { emit changed(); });
}

int TSpinEdit::value() const
{
    int v = 0;
    return ReadInt(text(), &v) ? v : minimum_;
}

void TSpinEdit::setValue(int v)
{
    setText(QString::number(clamped(v)));
}

int TSpinEdit::minimum() const { return minimum_; }
int TSpinEdit::maximum() const { return maximum_; }
int TSpinEdit::increment() const { return increment_; }

void TSpinEdit::setMinimum(int v)
{
    minimum_ = v;
}

void TSpinEdit::setMaximum(int v)
{
    maximum_ = v;
}

void TSpinEdit::setIncrement(int step)
{
    increment_ = step;
}

void TSpinEdit::stepUp() { stepBy(1); }
void TSpinEdit::stepDown() { stepBy(-1); }

QToolButton* TSpinEdit::upButton() const { return up_; }
QToolButton* TSpinEdit::downButton() const { return down_; }

void TSpinEdit::stepBy(int steps)
{
    setValue(clamped(qint64(value()) + qint64(steps) * increment_));
}

void TSpinEdit::userStep(int steps)
{
    if (!isReadOnly())
        stepBy(steps);
}

// While the bounds cross (the form moves one after the other) the minimum wins,
// as value() falls back to it too.
int TSpinEdit::clamped(qint64 v) const
{
    if (v > maximum_)
        v = maximum_;
    if (v < minimum_)
        v = minimum_;
    return int(v);
}

bool TSpinEdit::holdsValueInBounds() const
{
    int v = 0;
    return ReadInt(text(), &v) && v >= minimum_ && v <= maximum_;
}

void TSpinEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) {
        userStep(e->key() == Qt::Key_Up ? 1 : -1);
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TSpinEdit::wheelEvent(QWheelEvent* e)
{
    if (isReadOnly()) {
        QLineEdit::wheelEvent(e);
        return;
    }
    // Touchpads send fractions of a notch; they add up to whole steps.
    wheelRest_ += e->angleDelta().y();
    const int steps = wheelRest_ / kWheelNotch;
    wheelRest_ %= kWheelNotch;
    if (steps != 0)
        stepBy(steps);
    e->accept();
}

void TSpinEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    // A context menu or a switch to another window is not leaving the field.
    const bool leaving = e->reason() != Qt::PopupFocusReason
                         && e->reason() != Qt::ActiveWindowFocusReason;
    if (leaving && !holdsValueInBounds())
        setValue(value());
}
