#include "FormKit.h"

#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "TTabSheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

namespace {
const char* const kLabelGrid = "labelGrid";
}

EncoderPage NewEncoderPage(QWidget* pages, const char* name, QPushButton* encode)
{
    auto* page = new TTabSheet(pages);
    page->setObjectName(QString::fromLatin1(name));
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    auto* main = Panel(page);
    auto* strip = Panel(page);
    strip->setFixedHeight(kStripHeight);
    auto* h = new QHBoxLayout(strip);
    h->setContentsMargins(4, 3, 6, 3);
    h->addStretch();
    encode->setParent(strip);
    encode->setMinimumWidth(130);
    h->addWidget(encode);
    v->addWidget(main, 1);
    v->addWidget(strip);
    auto* column = new QVBoxLayout(main);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(6);
    return {page, main, column};
}

QGridLayout* Grid(bool labelColumn)
{
    auto* g = new QGridLayout;
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    if (labelColumn)
        g->setObjectName(QString::fromLatin1(kLabelGrid));
    return g;
}

void EqualiseLabelColumns(QWidget* window)
{
    const QList<QGridLayout*> grids = window->findChildren<QGridLayout*>(QString::fromLatin1(kLabelGrid));
    int width = 0;
    for (QGridLayout* g : grids)
        for (int i = 0; i < g->count(); ++i) {
            int row = 0, column = 0, rows = 0, columns = 0;
            g->getItemPosition(i, &row, &column, &rows, &columns);
            // Only what stands in the label column alone: a row spanning the grid is no label.
            if (column == 0 && columns == 1)
                width = qMax(width, g->itemAt(i)->sizeHint().width());
        }
    for (QGridLayout* g : grids)
        g->setColumnMinimumWidth(0, width);
}

void FileRow(QGridLayout* g, int row, const QString& label, QWidget* edit, QWidget* extra)
{
    g->addWidget(Label(edit->parentWidget(), label, edit), row, 0);
    if (extra) {
        auto* h = new QHBoxLayout;
        h->setSpacing(2);
        h->addWidget(edit, 1);
        h->addWidget(extra);
        g->addLayout(h, row, 1);
    } else {
        g->addWidget(edit, row, 1);
    }
}

void LabelledRow(QGridLayout* g, int row, const QString& label, QWidget* field, int span)
{
    g->addWidget(Label(field->parentWidget(), label, field), row, 0);
    g->addWidget(field, row, 1, 1, span);
}

QLayout* MemoBlock(QWidget* parent, const QString& title, QPlainTextEdit* memo, QPushButton* reset,
                   QPushButton* edit)
{
    auto* v = new QVBoxLayout;
    v->setSpacing(2);
    auto* h = new QHBoxLayout;
    h->setSpacing(2);
    h->addWidget(Label(parent, title, memo), 1);
    for (QPushButton* b : {reset, edit}) {
        b->setFixedWidth(48);
        h->addWidget(b);
    }
    v->addLayout(h);
    v->addWidget(memo, 1);
    return v;
}

QPushButton* ResetButton(QWidget* parent, const char* name, const QString& hint)
{
    return Button(parent, name, QStringLiteral("Reset"), hint);
}

QPushButton* EditButton(QWidget* parent, const char* name)
{
    return Button(parent, name, QStringLiteral("Edit"));
}

QFont FixedPitchFont()
{
    // Consolas first in the platform's fixed font's family list: no font is looked
    // up until the report needs one.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setFamilies(QStringList{QStringLiteral("Consolas")} + mono.families());
    mono.setPixelSize(11);
    return mono;
}

} // namespace form
