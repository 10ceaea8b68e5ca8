#include "TSpinEdit.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <climits>

class TestTSpinEdit : public QObject {
    Q_OBJECT
private slots:
    void valueReadsWholeText_data();
    void valueReadsWholeText();
    void boundsLeaveValueAlone_data();
    void boundsLeaveValueAlone();
    void clampsWhenSetSteppedOrLeft_data();
    void clampsWhenSetSteppedOrLeft();
    void userSteps_data();
    void userSteps();
    void typingTakesOnlyDigits_data();
    void typingTakesOnlyDigits();
    void changedOnRealTextChanges_data();
    void changedOnRealTextChanges();
    void buttonsSitInsideTheField();
};

void TestTSpinEdit::valueReadsWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    // Minimum 7 and maximum 100, so a fallback to the minimum shows.
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("plus sign") << "+42" << 42;
    QTest::newRow("minus below minimum, not clamped") << "-3" << -3;
    QTest::newRow("above maximum, not clamped") << "500" << 500;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("empty") << "" << 7;
    QTest::newRow("trailing letter") << "12a" << 7;
    QTest::newRow("leading blank") << " 12" << 7;
    QTest::newRow("trailing blank") << "12 " << 7;
    QTest::newRow("sign alone") << "-" << 7;
    QTest::newRow("hex") << "0x10" << 7;
    QTest::newRow("exponent") << "1e3" << 7;
    QTest::newRow("beyond 32 bits") << "2147483648" << 7;
    QTest::newRow("largest 32-bit") << "2147483647" << INT_MAX;
}

void TestTSpinEdit::valueReadsWholeText()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    TSpinEdit edit;
    edit.setMinimum(7);
    edit.setText(text);
    QCOMPARE(edit.value(), value);
    QCOMPARE(edit.text(), text);
}

void TestTSpinEdit::boundsLeaveValueAlone_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("maximum below the value") << 100 << 35000;
    QTest::newRow("minimum above the value") << 50000 << 60000;
    QTest::newRow("bounds crossed") << 40000 << 100;
}

void TestTSpinEdit::boundsLeaveValueAlone()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    TSpinEdit edit;
    edit.setMaximum(40000);
    edit.setValue(38000);
    QSignalSpy spy(&edit, &TSpinEdit::changed);
    edit.setMaximum(maximum);
    edit.setMinimum(minimum);
    QCOMPARE(edit.text(), QStringLiteral("38000"));
    QCOMPARE(edit.value(), 38000);
    QCOMPARE(spy.count(), 0);
}

void TestTSpinEdit::clampsWhenSetSteppedOrLeft_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("increment");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("argument");
    QTest::addColumn<QString>("expected");
    QTest::newRow("set above") << "5" << 0 << 100 << 1 << "set" << 150 << "100";
    QTest::newRow("set below") << "5" << 0 << 100 << 1 << "set" << -5 << "0";
    QTest::newRow("set within") << "5" << 0 << 100 << 1 << "set" << 42 << "42";
    QTest::newRow("set with crossed bounds") << "5" << 100 << 50 << 1 << "set" << 70 << "100";
    QTest::newRow("up") << "50" << 0 << 100 << 1 << "up" << 0 << "51";
    QTest::newRow("up past maximum") << "95" << 0 << 100 << 10 << "up" << 0 << "100";
    QTest::newRow("down past minimum") << "3" << 0 << 100 << 10 << "down" << 0 << "0";
    QTest::newRow("up from above lowered maximum") << "38000" << 100 << 35000 << 1000 << "up" << 0 << "35000";
    QTest::newRow("up from bad text") << "" << 100 << 40000 << 1000 << "up" << 0 << "1100";
    QTest::newRow("up at largest int") << "2147483647" << 0 << INT_MAX << 1000 << "up" << 0 << "2147483647";
    QTest::newRow("down at smallest int") << "-2147483648" << INT_MIN << 0 << 1000 << "down" << 0 << "-2147483648";
    QTest::newRow("leave above") << "38000" << 100 << 35000 << 1000 << "leave" << int(Qt::TabFocusReason) << "35000";
    QTest::newRow("leave empty") << "" << 100 << 35000 << 1000 << "leave" << int(Qt::MouseFocusReason) << "100";
    QTest::newRow("leave within keeps text") << "007" << 0 << 100 << 1 << "leave" << int(Qt::TabFocusReason) << "007";
    QTest::newRow("context menu is no leaving") << "" << 100 << 35000 << 1 << "leave" << int(Qt::PopupFocusReason) << "";
    QTest::newRow("other window is no leaving") << "900" << 0 << 100 << 1 << "leave" << int(Qt::ActiveWindowFocusReason) << "900";
}

void TestTSpinEdit::clampsWhenSetSteppedOrLeft()
{
    QFETCH(QString, text);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, increment);
    QFETCH(QString, action);
    QFETCH(int, argument);
    QFETCH(QString, expected);
    TSpinEdit edit;
    edit.setMaximum(maximum);
    edit.setMinimum(minimum);
    edit.setIncrement(increment);
    edit.setText(text);
    if (action == QLatin1String("set")) {
        edit.setValue(argument);
    } else if (action == QLatin1String("up")) {
        edit.stepUp();
    } else if (action == QLatin1String("down")) {
        edit.stepDown();
    } else {
        QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(argument));
        QApplication::sendEvent(&edit, &out);
    }
    QCOMPARE(edit.text(), expected);
}

void TestTSpinEdit::userSteps_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("expected");
    // Starting at 50 with increment 5.
    QTest::newRow("Up key") << "key up" << false << "55";
    QTest::newRow("Down key") << "key down" << false << "45";
    QTest::newRow("wheel notch up") << "wheel 120" << false << "55";
    QTest::newRow("wheel two notches down") << "wheel -240" << false << "40";
    QTest::newRow("wheel half notch") << "wheel 60" << false << "50";
    QTest::newRow("two half notches") << "wheel 60 60" << false << "55";
    QTest::newRow("up button") << "button up" << false << "55";
    QTest::newRow("down button") << "button down" << false << "45";
    QTest::newRow("read-only key") << "key up" << true << "50";
    QTest::newRow("read-only wheel") << "wheel 120" << true << "50";
    QTest::newRow("read-only button") << "button down" << true << "50";
}

void TestTSpinEdit::userSteps()
{
    QFETCH(QString, input);
    QFETCH(bool, readOnly);
    QFETCH(QString, expected);
    TSpinEdit edit;
    edit.setIncrement(5);
    edit.setValue(50);
    edit.setReadOnly(readOnly);
    const QStringList words = input.split(u' ');
    if (words.first() == QLatin1String("key")) {
        QTest::keyClick(&edit, words.at(1) == QLatin1String("up") ? Qt::Key_Up : Qt::Key_Down);
    } else if (words.first() == QLatin1String("button")) {
        (words.at(1) == QLatin1String("up") ? edit.upButton() : edit.downButton())->click();
    } else {
        for (int i = 1; i < words.size(); ++i) {
            const QPointF at(5, 5);
            QWheelEvent wheel(at, edit.mapToGlobal(at), QPoint(), QPoint(0, words.at(i).toInt()),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&edit, &wheel);
        }
    }
    QCOMPARE(edit.text(), expected);
}

void TestTSpinEdit::typingTakesOnlyDigits_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digits") << 0 << 6 << "12345" << "12345";
    QTest::newRow("letters and blanks dropped") << 0 << 6 << "1a2 b3" << "123";
    QTest::newRow("no minus at minimum 0") << 0 << 6 << "-5" << "5";
    QTest::newRow("plus never") << -10 << 6 << "+5" << "5";
    QTest::newRow("minus with negative minimum") << -10 << 6 << "-5" << "-5";
    QTest::newRow("minus only leading") << -10 << 6 << "5-" << "5";
    QTest::newRow("max length") << 0 << 2 << "1234" << "12";
}

void TestTSpinEdit::typingTakesOnlyDigits()
{
    QFETCH(int, minimum);
    QFETCH(int, maxLength);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TSpinEdit edit;
    edit.setMinimum(minimum);
    edit.setMaxLength(maxLength);
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), expected);
}

void TestTSpinEdit::changedOnRealTextChanges_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("count");
    // Starting at 50 within 0..100.
    QTest::newRow("setValue") << "set 60" << 1;
    QTest::newRow("setValue to the same") << "set 50" << 0;
    QTest::newRow("setValue clamped to the same text") << "set 500 500" << 1;
    QTest::newRow("setText") << "text 12a" << 1;
    QTest::newRow("setText the same") << "text 50" << 0;
    QTest::newRow("step") << "up" << 1;
    QTest::newRow("typing two digits") << "type 12" << 2;
    QTest::newRow("typing a refused letter") << "type x" << 0;
    QTest::newRow("retyping the selected digit") << "retype 5" << 0;
}

void TestTSpinEdit::changedOnRealTextChanges()
{
    QFETCH(QString, action);
    QFETCH(int, count);
    TSpinEdit edit;
    edit.setValue(50);
    QSignalSpy spy(&edit, &TSpinEdit::changed);
    const QStringList words = action.split(u' ');
    const QString& verb = words.first();
    if (verb == QLatin1String("set")) {
        for (int i = 1; i < words.size(); ++i)
            edit.setValue(words.at(i).toInt());
    } else if (verb == QLatin1String("text")) {
        edit.setText(words.at(1));
    } else if (verb == QLatin1String("up")) {
        edit.stepUp();
    } else {
        if (verb == QLatin1String("retype"))
            edit.setSelection(0, 1);
        else
            edit.setCursorPosition(0);
        QTest::keyClicks(&edit, words.at(1));
    }
    QCOMPARE(spy.count(), count);
}

void TestTSpinEdit::buttonsSitInsideTheField()
{
    TSpinEdit edit;
    edit.resize(120, 24);
    edit.show(); // a hidden widget gets its resize only when shown
    const QRect up = edit.upButton()->geometry();
    const QRect down = edit.downButton()->geometry();
    QVERIFY(edit.rect().contains(up));
    QVERIFY(edit.rect().contains(down));
    QCOMPARE(up.right(), down.right());
    QCOMPARE(up.bottom() + 1, down.top()); // stacked, up on top
    QVERIFY(up.left() > edit.width() / 2);
    QVERIFY(edit.textMargins().right() >= up.width()); // text stays clear of them
}

QTEST_MAIN(TestTSpinEdit)
#include "tst_TSpinEdit.moc"
