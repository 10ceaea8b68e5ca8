#include "TSpinEdit.h"

#include "InnerButtons.h"
#include "TextChanges.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QWheelEvent>

namespace {

// The whole text as a decimal integer with an optional sign; QString::toInt alone
// would also take surrounding blanks.
bool ReadInt(const QString& text, int* value)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    if (!decimal.match(text).hasMatch())
        return false;
    bool ok = false;
    *value = text.toInt(&ok, 10);
    return ok;
}

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
      down_(MakeArrow(Qt::DownArrow)),
      validator_(new QRegularExpressionValidator(this))
{
    new InnerButtons(this, {up_, down_});
    connect(up_, &QToolButton::clicked, this, [this] { userStep(1); });
    connect(down_, &QToolButton::clicked, this, [this] { userStep(-1); });
    setFocusPolicy(Qt::WheelFocus);
    updateValidator();
    setValidator(validator_);
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
    updateValidator();
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

void TSpinEdit::updateValidator()
{
    validator_->setRegularExpression(QRegularExpression(
        minimum_ < 0 ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*")));
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
