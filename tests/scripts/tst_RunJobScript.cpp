// The shared encode tail end to end, with a stand-in terminal.
#include "FakeTerminal.h"
#include "JobScript.h"
#include "ScopedEnv.h"
#include "TestFiles.h"
#include "TestMessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

Q_DECLARE_METATYPE(std::optional<QByteArray>)

class TestRunJobScript : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void runsInTerminal_data();
    void runsInTerminal();
    void launchFailures_data();
    void launchFailures();
    void unwritableScriptIsNotLaunched();
    void refusedBeforeAnythingIsWritten_data();
    void refusedBeforeAnythingIsWritten();

private:
    QTemporaryDir dir_;
    QString temp_; // TMPDIR of every case
};

void TestRunJobScript::initTestCase()
{
    temp_ = dir_.filePath(QStringLiteral("temp"));
    QVERIFY(QDir().mkpath(temp_));
}

void TestRunJobScript::runsInTerminal_data()
{
    QTest::addColumn<QString>("fixedPath"); // empty: a reserved name from the prefix
    QTest::addColumn<bool>("pause");
    QTest::addColumn<bool>("selfDelete");
    const QString fixed = dir_.filePath(QStringLiteral("dv temp/encode_DV.sh"));
    QTest::newRow("reserved name, pause") << QString() << true << true;
    QTest::newRow("reserved name, no pause") << QString() << false << true;
    QTest::newRow("fixed name, kept") << fixed << true << false;
}

void TestRunJobScript::runsInTerminal()
{
    QFETCH(QString, fixedPath);
    QFETCH(bool, pause);
    QFETCH(bool, selfDelete);
    const QString outFolder = dir_.filePath(QStringLiteral("out dir/nested"));
    QVERIFY(QDir().mkpath(outFolder));
    QVERIFY(QDir().mkpath(dir_.filePath("dv temp")));
    QFile::remove(outFolder + "/result.txt");
    FakeTerminal terminal(true); // its records stay out of TMPDIR
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(temp_));
    TestMessages messages;

    const QString command = QStringLiteral("echo done > result.txt");
    const EncodeJob job = fixedPath.isEmpty()
                              ? EncodeJob{"x264", {}, pause, true, WorkingFolderOf(outFolder + "/out.mkv")}
                              : EncodeJob{{}, fixedPath, pause, selfDelete, outFolder};
    const bool started = RunJob(job, {{command}, {}});
    QVERIFY(started);
    QCOMPARE(messages.shown, QStringList());

    QTRY_VERIFY_WITH_TIMEOUT(terminal.ended(), 60000);
    QCOMPARE(terminal.workingFolder(), QFileInfo(outFolder).canonicalFilePath());
    QCOMPARE(terminal.arguments().value(0), QStringLiteral("-e"));
    QCOMPARE(terminal.arguments().size(), 2);
    const QString script = terminal.scriptPath();
    if (fixedPath.isEmpty()) {
        QVERIFY2(script.startsWith(temp_ + "/x26") && script.endsWith(".sh"), qPrintable(script));
    } else {
        QCOMPARE(script, fixedPath);
    }
    QByteArray expected = "#!/bin/sh\necho done > result.txt\n";
    if (pause)
        expected += "printf 'Press Enter to continue...'; read -r _\n";
    if (selfDelete)
        expected += "rm -f -- " + script.toUtf8() + '\n';
    QCOMPARE(terminal.script(), expected);
    QCOMPARE(ReadFile(outFolder + "/result.txt"), QByteArray("done\n"));
    QCOMPARE(QFile::exists(script), !selfDelete);
    QCOMPARE(Entries(temp_), QStringList());
}

void TestRunJobScript::launchFailures_data()
{
    QTest::addColumn<std::optional<QByteArray>>("terminal");
    QTest::addColumn<QString>("message");
    QTest::newRow("no terminal at all") << std::optional<QByteArray>()
                                        << "No terminal program found. Set TERMINAL to one.";
    QTest::newRow("empty TERMINAL, none on PATH") << std::optional<QByteArray>("")
                                                  << "No terminal program found. Set TERMINAL to one.";
    QTest::newRow("TERMINAL cannot start")
        << std::optional<QByteArray>("/no/such/terminal")
        << "Cannot start the terminal /no/such/terminal: " + QString::fromLocal8Bit(std::strerror(ENOENT));
}

void TestRunJobScript::launchFailures()
{
    QFETCH(std::optional<QByteArray>, terminal);
    QFETCH(QString, message);
    QTemporaryDir emptyPath;
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(temp_));
    ScopedEnv term("TERMINAL", terminal);
    ScopedEnv path("PATH", QFile::encodeName(emptyPath.path()));
    TestMessages messages;
    messages.ExpectInfo();
    QVERIFY(!RunJob({"audio", {}, true, true, WorkingFolderOf(dir_.filePath("out.mka"))}, {{"true"}, {}}));
    QCOMPARE(messages.shown, QStringList{message});
    QVERIFY(messages.unexpected.isEmpty());
    QCOMPARE(Entries(temp_), QStringList()); // the reserved script is gone again
}

void TestRunJobScript::unwritableScriptIsNotLaunched()
{
    // A terminal that cannot start: any launch would add its own message.
    ScopedEnv term("TERMINAL", "/no/such/terminal");
    const QString script = dir_.filePath(QStringLiteral("missing/encode_DV.sh"));
    TestMessages messages;
    messages.ExpectInfo();
    QVERIFY(!RunJob({{}, script, false, false, dir_.path()}, {{"true"}, {}}));
    QCOMPARE(messages.shown, QStringList{"Cannot write the job script " + script + ": " +
                                         QString::fromLocal8Bit(std::strerror(ENOENT))});
    QVERIFY(messages.unexpected.isEmpty());
}

void TestRunJobScript::refusedBeforeAnythingIsWritten_data()
{
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("workingFolder");
    QTest::addColumn<QString>("message");
    const QString missing = dir_.filePath(QStringLiteral("no such folder"));
    QTest::newRow("a builder's refusal") << "Frame rate not selected." << dir_.path()
                                         << "Frame rate not selected.";
    QTest::newRow("output folder missing") << QString() << missing
                                           << "The output folder " + missing + " does not exist.";
}

void TestRunJobScript::refusedBeforeAnythingIsWritten()
{
    QFETCH(QString, refusal);
    QFETCH(QString, workingFolder);
    QFETCH(QString, message);
    FakeTerminal terminal(false);
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(temp_));
    TestMessages messages;
    messages.ExpectInfo();
    const QStringList lines = refusal.isEmpty() ? QStringList{"true"} : QStringList();
    QVERIFY(!RunJob({"x264", {}, true, true, workingFolder}, {lines, refusal}));
    QCOMPARE(messages.warnings, QStringList{message});
    QVERIFY(messages.unexpected.isEmpty());
    QVERIFY(!terminal.called());
    QCOMPARE(Entries(temp_), QStringList());
}

QTEST_GUILESS_MAIN(TestRunJobScript)
#include "tst_RunJobScript.moc"
