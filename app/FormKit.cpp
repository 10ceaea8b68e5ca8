#include "FormKit.h"

#include "TMaskEdit.h"
#include "TSpinEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

namespace form {

namespace {

// Parameter texts are one command-line line: Enter must not break them.
class EnterSwallower : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

template <typename W>
W* Named(W* w, const char* name, const QString& hint)
{
    w->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        w->setToolTip(hint);
    return w;
}

} // namespace

QString ExecutableFilter()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Executable files (*.exe)|*.exe");
#else
    return QStringLiteral("Executable files (*)|*");
#endif
}

QLabel* Label(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* l = new QLabel(text, parent);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

TFilenameEdit* FileEdit(QWidget* parent, const char* name, TFilenameEdit::DialogKind kind,
                        const QString& filter, const QString& title, const QString& defaultExt,
                        int filterIndex)
{
    auto* e = Named(new TFilenameEdit(parent), name, {});
    e->setDialogKind(kind);
    e->setFilter(filter);
    e->setFilterIndex(filterIndex);
    e->setDialogTitle(title);
    e->setDefaultExt(defaultExt);
    return e;
}

QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items, int index,
                 const QString& hint, int visibleRows)
{
    auto* c = Named(new QComboBox(parent), name, hint);
    c->addItems(items);
    c->setCurrentIndex(index);
    if (visibleRows > 0)
        c->setMaxVisibleItems(visibleRows);
    return c;
}

TSpinEdit* Spin(QWidget* parent, const char* name, int minimum, int maximum, int increment,
                int maxLength, int value, const QString& hint)
{
    auto* s = Named(new TSpinEdit(parent), name, hint);
    s->setMinimum(minimum);
    s->setMaximum(maximum);
    s->setIncrement(increment);
    s->setMaxLength(maxLength);
    s->setValue(value);
    return s;
}

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption, bool checked,
                 const QString& hint)
{
    auto* c = Named(new QCheckBox(caption, parent), name, hint);
    c->setChecked(checked);
    return c;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    return Named(new QPushButton(caption, parent), name, hint);
}

QPushButton* InfoButton(QWidget* parent, const char* name)
{
    auto* b = Button(parent, name, QStringLiteral("i"), QStringLiteral("Media info"));
    b->setFixedWidth(24);
    return b;
}

QPlainTextEdit* Memo(QWidget* parent, const char* name, const QString& hint)
{
    auto* m = Named(new QPlainTextEdit(parent), name, hint);
    SetMemoEditable(m, false);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->installEventFilter(new EnterSwallower(m));
    return m;
}

void SetMemoEditable(QPlainTextEdit* memo, bool editable)
{
    memo->setReadOnly(!editable);
    // The text area paints with the Base colour, so that is the one to change.
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(editable ? QPalette::Base
                                                                            : QPalette::Button));
    memo->setPalette(palette);
}

TMaskEdit* Duration(QWidget* parent, const char* name)
{
    auto* e = Named(new TMaskEdit(parent), name, {});
    e->setText(QStringLiteral("00:00:00"));
    return e;
}

QFrame* Panel(QWidget* parent)
{
    auto* p = new QFrame(parent);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setLineWidth(1);
    return p;
}

} // namespace form
