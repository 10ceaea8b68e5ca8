#include "InnerButtons.h"

#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

InnerButtons::InnerButtons(QLineEdit* edit, const QList<QToolButton*>& buttons)
    : QObject(edit), edit_(edit), buttons_(buttons)
{
    for (QToolButton* b : buttons_) {
        b->setParent(edit);
        b->setFocusPolicy(Qt::NoFocus); // the edit keeps the keyboard
        b->setCursor(Qt::ArrowCursor);  // not the edit's text cursor
        b->setAutoRaise(true);
    }
    edit->installEventFilter(this);
    place();
}

bool InnerButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange
                             || event->type() == QEvent::StyleChange))
        place();
    return false;
}

void InnerButtons::place()
{
    const int frame = edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit_);
    // As wide as a text line is high, so the buttons follow the font and DPI.
    const int width = edit_->fontMetrics().height();
    const int inner = qMax(0, edit_->height() - 2 * frame);
    const int count = int(buttons_.size());
    int top = frame;
    for (int i = 0; i < count; ++i) {
        const int h = inner * (i + 1) / count - inner * i / count;
        buttons_[i]->setGeometry(edit_->width() - frame - width, top, width, h);
        top += h;
    }
    edit_->setTextMargins(0, 0, width, 0);
}
