#include "JobScript.h"
#include "ScopedEnv.h"
#include "StrToolz.h"
#include "SysServices.h"
#include "TestFiles.h"
#include "TestMessages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

class TestJobScript : public QObject {
    Q_OBJECT

private slots:
    void shBytes();
    void scriptLines_data();
    void scriptLines();
    void workingFolder_data();
    void workingFolder();
    void checks_data();
    void checks();
#ifndef _WIN32
    void pauseLineWaitsForALine();
    void scriptNamesAreReservedFiles();
#endif
    void saveTruncates();
    void saveFailureNamesPathAndReason();

private:
    QTemporaryDir dir_;
};

void TestJobScript::shBytes()
{
    const QStringList lines{"#!/bin/sh", QStringLiteral("ffmpeg -i '/v/Łódź 1.mkv'"), "rm -f -- /tmp/x26A.sh"};
    QCOMPARE(ShScriptBytes(lines),
             QByteArray("#!/bin/sh\nffmpeg -i '/v/\xC5\x81\xC3\xB3" "d\xC5\xBA 1.mkv'\nrm -f -- /tmp/x26A.sh\n"));
    QCOMPARE(ShScriptBytes({}), QByteArray());
}

void TestJobScript::scriptLines_data()
{
    QTest::addColumn<QString>("scriptPath");
    QTest::addColumn<bool>("pause");
    QTest::addColumn<bool>("selfDelete");
    QTest::addColumn<QStringList>("expected");
#ifdef _WIN32
    const QString head = "@echo off", pause = "pause";
    const QString path = "C:\\My Temp\\x26A.tmp.cmd", del = "del \"C:\\My Temp\\x26A.tmp.cmd\"";
#else
    const QString head = "#!/bin/sh", pause = "printf 'Press Enter to continue...'; read -r _";
    const QString path = "/tmp/my temp/x26A.sh", del = "rm -f -- '/tmp/my temp/x26A.sh'";
#endif
    const QString command = "tool in out";
    QTest::newRow("pause and self-deletion") << path << true << true << QStringList{head, command, pause, del};
    QTest::newRow("self-deletion only") << path << false << true << QStringList{head, command, del};
    QTest::newRow("pause only") << path << true << false << QStringList{head, command, pause};
    QTest::newRow("neither") << path << false << false << QStringList{head, command};
}

void TestJobScript::scriptLines()
{
    QFETCH(QString, scriptPath);
    QFETCH(bool, pause);
    QFETCH(bool, selfDelete);
    QFETCH(QStringList, expected);
    QStringList lines = NewScript();
    lines << "tool in out";
    FinishScript(lines, scriptPath, pause, selfDelete);
    QCOMPARE(lines, expected);
}

void TestJobScript::workingFolder_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("expected");
#ifdef _WIN32
    QTest::newRow("drive root") << "C:\\out.mkv" << "C:\\";
    QTest::newRow("nested") << "C:\\My Videos\\2024\\out.mkv" << "C:\\My Videos\\2024";
    QTest::newRow("share") << "\\\\server\\share\\out.mkv" << "\\\\server\\share";
#else
    QTest::newRow("root") << "/out.mkv" << "/";
    QTest::newRow("nested") << "/home/me/My Videos/2024/out.mkv" << "/home/me/My Videos/2024";
    QTest::newRow("relative") << "videos/out.mkv" << "videos";
#endif
    QTest::newRow("no folder part") << "out.mkv" << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestJobScript::workingFolder()
{
    QFETCH(QString, output);
    QFETCH(QString, expected);
    QCOMPARE(WorkingFolderOf(output), expected);
}

// A page's checks in its order: tool, input, then the output.
void TestJobScript::checks_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("answer"); // -1: no question expected, else Yes (1) or No (0)
    QTest::addColumn<bool>("passes");
    QTest::addColumn<QStringList>("shown");
    const QString file = dir_.filePath(QStringLiteral("in file.mkv"));
    const QString folder = dir_.filePath(QStringLiteral("folder"));
    const QString link = dir_.filePath(QStringLiteral("link.mkv"));
    const QString dangling = dir_.filePath(QStringLiteral("dangling.mkv"));
    const QString fresh = dir_.filePath(QStringLiteral("new.mkv"));
    QFile(file).open(QIODevice::WriteOnly);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::link(file, link));
    QVERIFY(QFile::link(dir_.filePath("missing"), dangling));
    const QString noTool = "x264 encoder not specified.", noInput = "Input file not specified.";
    const QString noOutput = "Output file not specified.", overwrite = "Output file already exists. Overwrite?";
    QTest::newRow("all fine") << file << file << fresh << -1 << true << QStringList();
    QTest::newRow("tool empty, stops first") << "  " << "" << "" << -1 << false << QStringList{noTool};
    QTest::newRow("tool missing") << dir_.filePath("x264") << file << fresh << -1 << false << QStringList{noTool};
    QTest::newRow("input a folder") << file << folder << fresh << -1 << false << QStringList{noInput};
    QTest::newRow("input a dangling link") << file << dangling << fresh << -1 << false << QStringList{noInput};
    QTest::newRow("input a link to a file") << file << link << fresh << -1 << true << QStringList();
    QTest::newRow("output blank") << file << file << " \t" << -1 << false << QStringList{noOutput};
    QTest::newRow("output exists, No") << file << file << file << 0 << false << QStringList{overwrite};
    QTest::newRow("output exists, Yes") << file << file << file << 1 << true << QStringList{overwrite};
}

void TestJobScript::checks()
{
    QFETCH(QString, tool);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(int, answer);
    QFETCH(bool, passes);
    QFETCH(QStringList, shown);
    TestMessages messages;
    if (answer >= 0)
        messages.ExpectYesNo(answer == 1);
    else if (!shown.isEmpty())
        messages.ExpectInfo();
    const bool result = RequireFile(tool, "x264 encoder") && RequireFile(input, "Input file") &&
                        CheckOutputFile(output, "Output file not specified.",
                                        "Output file already exists. Overwrite?");
    QCOMPARE(result, passes);
    QCOMPARE(messages.shown, shown);
    QVERIFY(messages.unexpected.isEmpty());
    QVERIFY(messages.allAnswered());
    QVERIFY(QFile::exists(dir_.filePath("in file.mkv"))); // an output is left in place
}

#ifndef _WIN32
void TestJobScript::pauseLineWaitsForALine()
{
    QStringList lines = NewScript();
    lines << "echo before";
    FinishScript(lines, {}, true, false);
    lines << "echo after";
    QProcess sh;
    sh.start(QStringLiteral("sh"), {"-c", QString::fromUtf8(ShScriptBytes(lines))});
    QVERIFY(sh.waitForStarted(-1));
    sh.write("typed\nnot read\n");
    sh.closeWriteChannel();
    QVERIFY(sh.waitForFinished(-1));
    QCOMPARE(sh.readAllStandardOutput(), QByteArray("before\nPress Enter to continue...after\n"));
}

void TestJobScript::scriptNamesAreReservedFiles()
{
    QTemporaryDir folder;
    ScopedEnv env("TMPDIR", QFile::encodeName(folder.path()));
    for (const auto& [prefix, start] : {std::pair{"x264", "x26"}, {"x265", "x26"}, {"audio", "aud"}}) {
        const QString name = MakeScriptFileName(prefix);
        QVERIFY2(QRegularExpression('^' + QRegularExpression::escape(folder.path() + '/' + start) +
                                    "[0-9A-F]+\\.sh$")
                     .match(name)
                     .hasMatch(),
                 qPrintable(name));
        QCOMPARE(QFile::permissions(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        QCOMPARE(QFileInfo(name).size(), 0);
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 3);
}
#endif

void TestJobScript::saveTruncates()
{
    const QString path = dir_.filePath(QStringLiteral("saved") + ScriptExtension());
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4096, 'x'));
    }
    QStringList lines = NewScript();
    lines << QStringLiteral("tool 'Łódź'");
    QString error;
#ifdef _WIN32
    // Whether the console's code page carries "Ł" decides; a refused script leaves the old file.
    const ScriptBytes cmd = CmdScriptBytes(lines, sys::ConsoleCodePage());
    QCOMPARE(SaveScript(lines, path, &error), cmd.refusal.isEmpty());
    QCOMPARE(error, cmd.refusal);
    QCOMPARE(ReadFile(path), cmd.refusal.isEmpty() ? cmd.bytes : QByteArray(4096, 'x'));
#else
    QVERIFY(SaveScript(lines, path, &error));
    QCOMPARE(ReadFile(path), ShScriptBytes(lines));
    QVERIFY(QFile::permissions(path) & QFile::ExeOwner);
#endif
}

void TestJobScript::saveFailureNamesPathAndReason()
{
    const QString path = dir_.filePath(QStringLiteral("missing/encode_DV") + ScriptExtension());
    QString error;
    QVERIFY(!SaveScript(NewScript(), path, &error));
    QCOMPARE(error, "Cannot write the job script " + QDir::toNativeSeparators(path) +
                        ": " + QString::fromLocal8Bit(std::strerror(ENOENT)));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestJobScript)
#include "tst_JobScript.moc"
