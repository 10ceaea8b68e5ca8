#include "TMaskEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

namespace {

// QTest::keyClicks takes ASCII only; other characters go in as the key's text.
void Type(QWidget* w, const QString& typed)
{
    for (QChar c : typed) {
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The text with one position blanked.
QString Blanked(QString text, int pos)
{
    text[pos] = u' ';
    return text;
}

const QString kFull = QStringLiteral("12:34:56");

} // namespace

class TestTMaskEdit : public QObject {
    Q_OBJECT
private slots:
    void emptyShowsBlanks();
    void setTextKeepsPositions_data();
    void setTextKeepsPositions();
    void typing_data();
    void typing();
    void erasingBlanksEachPosition_data();
    void erasingBlanksEachPosition();
    void editsThatWouldBreakTheFormAreRefused_data();
    void editsThatWouldBreakTheFormAreRefused();
    void changedOnEveryChangeOfText_data();
    void changedOnEveryChangeOfText();
};

void TestTMaskEdit::emptyShowsBlanks()
{
    TMaskEdit edit;
    QCOMPARE(edit.text(), QStringLiteral("  :  :  "));
    QCOMPARE(edit.displayText(), QStringLiteral("__:__:__"));
}

void TestTMaskEdit::setTextKeepsPositions_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("full") << "01:02:03" << "01:02:03" << "01:02:03";
    QTest::newRow("blanks as spaces") << "0 :  :  " << "0 :  :  " << "0_:__:__";
    QTest::newRow("blanks as underscores") << "0_:__:__" << "0 :  :  " << "0_:__:__";
    QTest::newRow("blank before a digit") << "_0:__:__" << " 0:  :  " << "_0:__:__";
    QTest::newRow("last place blank") << "00:00:0_" << "00:00:0 " << "00:00:0_";
    QTest::newRow("inner blanks") << "1 : 2: 3" << "1 : 2: 3" << "1_:_2:_3";
    QTest::newRow("empty") << "" << "  :  :  " << "__:__:__";
    QTest::newRow("short") << "1" << "1 :  :  " << "1_:__:__";
    QTest::newRow("letters blank") << "ab:cd:ef" << "  :  :  " << "__:__:__";
    QTest::newRow("colons fixed") << "1234567" << "12:45:7 " << "12:45:7_";
    QTest::newRow("non-ASCII digit blank") << QString::fromUtf8("1\u0663:00:00") << "1 :00:00" << "1_:00:00";
}

void TestTMaskEdit::setTextKeepsPositions()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    TMaskEdit edit;
    edit.setText(input);
    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.displayText(), shown);
    QCOMPARE(edit.property("text").toString(), text); // what stored settings read
}

void TestTMaskEdit::typing_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("all six digits") << "" << 0 << "123456" << "12:34:56";
    QTest::newRow("letters refused") << "" << 0 << "1a2b" << "12:  :  ";
    QTest::newRow("typed colon refused") << "" << 0 << "1:2" << "12:  :  ";
    QTest::newRow("non-ASCII digits refused") << "" << 0 << QString::fromUtf8("\u00b2\u06633") << "3 :  :  ";
    QTest::newRow("overwrites") << "00:00:00" << 3 << "59" << "00:59:00";
    QTest::newRow("skips the colon") << "" << 2 << "5" << "  :5 :  ";
    QTest::newRow("skips both colons") << "" << 1 << "1234" << " 1:23:4 ";
    QTest::newRow("nothing past the end") << kFull << 8 << "7" << kFull;
    QTest::newRow("stops at the end") << "" << 6 << "789" << "  :  :78";
}

void TestTMaskEdit::typing()
{
    QFETCH(QString, start);
    QFETCH(int, cursor);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    TMaskEdit edit;
    edit.setText(start);
    edit.setCursorPosition(cursor);
    Type(&edit, typed);
    QCOMPARE(edit.text(), text);
}

void TestTMaskEdit::erasingBlanksEachPosition_data()
{
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    for (int pos : {0, 1, 3, 4, 6, 7}) {
        QTest::addRow("Delete at %d", pos) << pos << 0 << int(Qt::Key_Delete) << Blanked(kFull, pos);
        QTest::addRow("Backspace after %d", pos) << pos + 1 << 0 << int(Qt::Key_Backspace) << Blanked(kFull, pos);
    }
    QTest::newRow("Delete on a colon blanks the next") << 2 << 0 << int(Qt::Key_Delete) << Blanked(kFull, 3);
    QTest::newRow("Backspace after a colon") << 3 << 0 << int(Qt::Key_Backspace) << Blanked(kFull, 1);
    QTest::newRow("Backspace at the start") << 0 << 0 << int(Qt::Key_Backspace) << kFull;
    QTest::newRow("Delete at the end") << 8 << 0 << int(Qt::Key_Delete) << kFull;
    QTest::newRow("Delete a selection") << 1 << 3 << int(Qt::Key_Delete) << "1 : 4:56";
    QTest::newRow("Backspace all") << 0 << 8 << int(Qt::Key_Backspace) << "  :  :  ";
}

void TestTMaskEdit::erasingBlanksEachPosition()
{
    QFETCH(int, cursor);
    QFETCH(int, selection);
    QFETCH(int, key);
    QFETCH(QString, text);
    TMaskEdit edit;
    edit.setText(kFull);
    edit.setSelection(cursor, selection);
    QTest::keyClick(&edit, Qt::Key(key));
    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.displayText(), QString(text).replace(u' ', u'_'));
}

void TestTMaskEdit::editsThatWouldBreakTheFormAreRefused_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::newRow("insert") << "insert 9" << kFull;
    QTest::newRow("clear") << "clear" << kFull;
    QTest::newRow("Ctrl+Backspace") << "word" << kFull;
    QTest::newRow("paste of a time over all") << "paste 01:02:03" << "01:02:03";
    QTest::newRow("paste takes its digits") << "paste x9y8" << "98:34:56";
    QTest::newRow("cut blanks") << "cut" << "  :  :  ";
    QTest::newRow("undo of a typed digit") << "undo" << kFull;
}

void TestTMaskEdit::editsThatWouldBreakTheFormAreRefused()
{
    QFETCH(QString, edit);
    QFETCH(QString, text);
    TMaskEdit field;
    field.setText(kFull);
    field.setCursorPosition(0);
    const QString verb = edit.section(u' ', 0, 0);
    const QString arg = edit.section(u' ', 1);
    if (verb == QLatin1String("insert")) {
        field.insert(arg);
    } else if (verb == QLatin1String("clear")) {
        field.clear();
    } else if (verb == QLatin1String("word")) {
        field.setCursorPosition(8);
        QTest::keyClick(&field, Qt::Key_Backspace, Qt::ControlModifier);
    } else if (verb == QLatin1String("paste")) {
        QApplication::clipboard()->setText(arg);
        if (arg.contains(u':'))
            field.selectAll();
        QTest::keySequence(&field, QKeySequence::Paste);
    } else if (verb == QLatin1String("cut")) {
        field.selectAll();
        QTest::keySequence(&field, QKeySequence::Cut);
        QCOMPARE(QApplication::clipboard()->text(), kFull);
    } else {
        Type(&field, QStringLiteral("9"));
        QCOMPARE(field.text(), QStringLiteral("92:34:56"));
        field.undo();
    }
    QCOMPARE(field.text(), text);
}

void TestTMaskEdit::changedOnEveryChangeOfText_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("count");
    QTest::newRow("setText") << kFull << "set 00:00:00" << 1;
    QTest::newRow("setText the same") << kFull << "set 12:34:56" << 0;
    QTest::newRow("setText the same in other blanks") << "1 :  :  " << "set 1_:__:__" << 0;
    QTest::newRow("typing a digit") << kFull << "type 9" << 1;
    QTest::newRow("retyping the same digit") << kFull << "type 1" << 0;
    QTest::newRow("typing a letter") << kFull << "type x" << 0;
    // "1 " and " 1" both read "1" through QLineEdit's masked text().
    QTest::newRow("setText moving a blank") << "1 :  :  " << "set  1:  :  " << 1;
    QTest::newRow("keys moving a blank") << "1 :  :  " << "shift" << 2;
    QTest::newRow("Delete on a blank") << "  :  :  " << "delete" << 0;
}

void TestTMaskEdit::changedOnEveryChangeOfText()
{
    QFETCH(QString, start);
    QFETCH(QString, action);
    QFETCH(int, count);
    TMaskEdit edit;
    edit.setText(start);
    edit.setCursorPosition(0);
    QSignalSpy spy(&edit, &TMaskEdit::changed);
    const QString verb = action.section(u' ', 0, 0);
    const QString arg = action.section(u' ', 1);
    if (verb == QLatin1String("set")) {
        edit.setText(arg);
    } else if (verb == QLatin1String("type")) {
        Type(&edit, arg);
    } else if (verb == QLatin1String("shift")) {
        QTest::keyClick(&edit, Qt::Key_Delete);
        edit.setCursorPosition(1);
        Type(&edit, QStringLiteral("1"));
        QCOMPARE(edit.text(), QStringLiteral(" 1:  :  "));
    } else {
        QTest::keyClick(&edit, Qt::Key_Delete);
    }
    QCOMPARE(spy.count(), count);
}

QTEST_MAIN(TestTMaskEdit)
#include "tst_TMaskEdit.moc"
