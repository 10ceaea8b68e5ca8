#include "MessageBox.h"
#include "Messages.h"
#include "TestMessages.h"

#include <QTest>
#include <QWidget>

Q_DECLARE_METATYPE(MessageKind)

namespace {

bool RealInstalled() { return dynamic_cast<TestMessages*>(&Messages()) == nullptr; }

} // namespace

class TestMessagesBehaviour : public QObject {
    Q_OBJECT
private slots:
    void installedWhileAlive();
    void answersInQueuedOrder();
    void unexpectedBoxesAreRecorded_data();
    void unexpectedBoxesAreRecorded();
    void realBoxMakeUp_data();
    void realBoxMakeUp();
    void realBoxParent();
};

void TestMessagesBehaviour::installedWhileAlive()
{
    QVERIFY(RealInstalled());
    {
        TestMessages messages;
        QCOMPARE(&Messages(), static_cast<IMessages*>(&messages));
    }
    QVERIFY(RealInstalled());
}

void TestMessagesBehaviour::answersInQueuedOrder()
{
    TestMessages messages;
    messages.ExpectYesNo(true);
    messages.ExpectOkCancel(false);
    messages.ExpectInfo();
    messages.ExpectYesNo(false);
    messages.ExpectOkCancel(true);
    QCOMPARE(Messages().AskYesNo(QStringLiteral("a")), true);
    QCOMPARE(Messages().AskOkCancel(QStringLiteral("b")), false);
    Messages().Info(QStringLiteral("c"));
    QCOMPARE(Messages().AskYesNo(QStringLiteral("d")), false);
    QCOMPARE(Messages().AskOkCancel(QStringLiteral("e")), true);
    QCOMPARE(messages.shown, (QStringList{"a", "b", "c", "d", "e"}));
    QVERIFY(messages.unexpected.isEmpty());
    QVERIFY(messages.allAnswered());
}

void TestMessagesBehaviour::unexpectedBoxesAreRecorded_data()
{
    QTest::addColumn<QString>("queued");
    QTest::addColumn<MessageKind>("asked");
    QTest::newRow("Yes/No, nothing queued") << "" << MessageKind::YesNo;
    QTest::newRow("OK/Cancel, nothing queued") << "" << MessageKind::OkCancel;
    QTest::newRow("Info, nothing queued") << "" << MessageKind::Info;
    QTest::newRow("Yes/No, Info queued") << "info" << MessageKind::YesNo;
    QTest::newRow("OK/Cancel, Yes queued") << "yes" << MessageKind::OkCancel;
    QTest::newRow("Yes/No, OK queued") << "ok" << MessageKind::YesNo;
    QTest::newRow("Info, Yes queued") << "yes" << MessageKind::Info;
}

void TestMessagesBehaviour::unexpectedBoxesAreRecorded()
{
    QFETCH(QString, queued);
    QFETCH(MessageKind, asked);
    TestMessages messages;
    if (queued == QLatin1String("info"))
        messages.ExpectInfo();
    else if (queued == QLatin1String("yes"))
        messages.ExpectYesNo(true);
    else if (queued == QLatin1String("ok"))
        messages.ExpectOkCancel(true);
    const QString text = QStringLiteral("Output file already exists. Overwrite?");
    switch (asked) {
    case MessageKind::Info: Messages().Info(text); break;
    case MessageKind::YesNo: QCOMPARE(Messages().AskYesNo(text), false); break;
    case MessageKind::OkCancel: QCOMPARE(Messages().AskOkCancel(text), false); break;
    }
    QCOMPARE(messages.shown, QStringList{text});
    QCOMPARE(messages.unexpected, QStringList{text});
    // The queued answer of another kind is still waiting for its own box.
    QCOMPARE(messages.allAnswered(), queued.isEmpty());
}

void TestMessagesBehaviour::realBoxMakeUp_data()
{
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("icon");
    QTest::newRow("Info") << MessageKind::Info << int(QMessageBox::Ok) << int(QMessageBox::Information);
    QTest::newRow("Yes/No") << MessageKind::YesNo << int(QMessageBox::Yes | QMessageBox::No)
                            << int(QMessageBox::Question);
    QTest::newRow("OK/Cancel") << MessageKind::OkCancel << int(QMessageBox::Ok | QMessageBox::Cancel)
                               << int(QMessageBox::Question);
}

void TestMessagesBehaviour::realBoxMakeUp()
{
    QFETCH(MessageKind, kind);
    QFETCH(int, buttons);
    QFETCH(int, icon);
    const auto box = MakeMessageBox(kind, QStringLiteral("Input file not specified."));
    QCOMPARE(box->text(), QStringLiteral("Input file not specified."));
    QCOMPARE(box->windowTitle(), QStringLiteral("Corvane"));
    QCOMPARE(int(box->standardButtons()), buttons);
    QCOMPARE(int(box->icon()), icon);
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
}

void TestMessagesBehaviour::realBoxParent()
{
    auto* window = new QWidget;
    SetMessageParent(window);
    QCOMPARE(MakeMessageBox(MessageKind::Info, QString())->parentWidget(), window);
    delete window; // a box asked for later must not point at it
    QCOMPARE(MakeMessageBox(MessageKind::Info, QString())->parentWidget(), nullptr);
    SetMessageParent(nullptr);
}

QTEST_MAIN(TestMessagesBehaviour)
#include "tst_Messages.moc"
