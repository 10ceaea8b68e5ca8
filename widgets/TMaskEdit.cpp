#include "TMaskEdit.h"

#include "TextChanges.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QValidator>

namespace {

constexpr int kLength = 8;
constexpr QChar kBlank = u'_';
constexpr QChar kColon = u':';

bool IsColonPlace(int pos) { return pos == 2 || pos == 5; }
bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The shown form of any text, position by position: a digit stays, the colons are
// fixed, anything else is a blank.
QString ShownForm(const QString& text)
{
    QString shown(kLength, kBlank);
    for (int i = 0; i < kLength; ++i) {
        if (IsColonPlace(i))
            shown[i] = kColon;
        else if (i < text.size() && IsAsciiDigit(text.at(i)))
            shown[i] = text.at(i);
    }
    return shown;
}

// Refuses every edit that would break the shown form (a cut, a paste of the
// wrong length, a dropped text), whichever way QLineEdit makes it.
class ShownFormValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return input.size() == kLength && ShownForm(input) == input ? Acceptable : Invalid;
    }
};

} // namespace

TMaskEdit::TMaskEdit(QWidget* parent) : QLineEdit(parent)
{
    QLineEdit::setText(ShownForm({}));
    setValidator(new ShownFormValidator(this));
    OnRealTextChange(this, [this] { return text(); }, [this] { emit changed(); });
}

QString TMaskEdit::text() const
{
    QString t = ShownForm(QLineEdit::text());
    t.replace(kBlank, u' ');
    return t;
}

void TMaskEdit::setText(const QString& t)
{
    QLineEdit::setText(ShownForm(t));
}

void TMaskEdit::keyPressEvent(QKeyEvent* e)
{
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const bool plain = (e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
    if (e->matches(QKeySequence::Paste)) {
        typeDigits(QApplication::clipboard()->text());
    } else if (e->matches(QKeySequence::Cut)) {
        copy();
        blankSelection();
    } else if (plain && e->key() == Qt::Key_Delete) {
        if (hasSelectedText())
            blankSelection();
        else
            blankAt(cursorPosition());
    } else if (plain && e->key() == Qt::Key_Backspace) {
        if (hasSelectedText()) {
            blankSelection();
        } else {
            int pos = cursorPosition() - 1;
            if (IsColonPlace(pos))
                --pos;
            if (pos >= 0) {
                blankAt(pos);
                setCursorPosition(pos);
            }
        }
    } else if (!e->text().isEmpty() && e->text().at(0).isPrint()) {
        typeDigits(e->text()); // other characters are dropped, never inserted
    } else {
        QLineEdit::keyPressEvent(e);
        return;
    }
    e->accept();
}

// Each digit overwrites the next digit place from the cursor (a selection is
// blanked first); other characters are skipped.
void TMaskEdit::typeDigits(const QString& typed)
{
    QString digits;
    for (QChar c : typed)
        if (IsAsciiDigit(c))
            digits += c;
    if (digits.isEmpty())
        return;
    if (hasSelectedText())
        blankSelection();
    QString shown = QLineEdit::text();
    int pos = cursorPosition();
    const int from = pos;
    for (QChar d : digits) {
        if (IsColonPlace(pos))
            ++pos;
        if (pos >= kLength)
            break;
        shown[pos++] = d;
    }
    if (pos > from)
        replaceShown(from, pos, shown, IsColonPlace(pos) ? pos + 1 : pos);
}

void TMaskEdit::blankSelection()
{
    const int from = selectionStart();
    const int to = from + selectedText().size();
    replaceShown(from, to, ShownForm({}), from);
}

void TMaskEdit::blankAt(int pos)
{
    if (IsColonPlace(pos))
        ++pos;
    if (pos < kLength)
        replaceShown(pos, pos + 1, ShownForm({}), cursorPosition());
}

// Puts positions [from, to) of `shown` in place as one undoable edit; an edit
// that changes nothing is skipped so it leaves no undo step.
void TMaskEdit::replaceShown(int from, int to, const QString& shown, int cursor)
{
    const QString part = shown.mid(from, to - from);
    if (part != QLineEdit::text().mid(from, to - from)) {
        setSelection(from, to - from);
        insert(part);
    }
    setCursorPosition(cursor);
}
