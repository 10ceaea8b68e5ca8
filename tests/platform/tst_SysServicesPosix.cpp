#include "CodePageCases.h"
#include "ScopedEnv.h"
#include "SysServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace {

// True while this process has a child, running or a zombie.
bool HasChildren() { return waitpid(-1, nullptr, WNOHANG) != -1 || errno != ECHILD; }

QString Reason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

void WriteFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

unsigned ModeOf(const QString& path)
{
    struct stat st {};
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

const QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
const QFile::Permissions kPlain = QFile::ReadOwner | QFile::WriteOwner;

} // namespace

class TestSysServicesPosix : public QObject {
    Q_OBJECT

private slots:
    void startsDetachedInFolderWithArgs();
    void startFailures_data();
    void startFailures();
    void createNeverFollowsOrOverwrites_data();
    void createNeverFollowsOrOverwrites();
    void createGivesExactModeDespiteUmask();
    void uniqueFiles();
    void uniqueFileInMissingFolder();
    void findProgram_data();
    void findProgram();
    void getEnv_data();
    void getEnv();
    void toCodePage_data();
    void toCodePage();

private:
    QTemporaryDir dir_;
};

void TestSysServicesPosix::startsDetachedInFolderWithArgs()
{
    const QString work = dir_.filePath(QStringLiteral("work dir"));
    QVERIFY(QDir().mkpath(work));
    // Records where and how it runs, then stays until told to stop (a minute at
    // most, and off CTest's output pipe, should the test fail before).
    const std::string program =
        "exec >/dev/null 2>&1; { pwd; echo $$; cut -d' ' -f6 /proc/self/stat; printf '%s\\n' \"$@\"; }"
        " > out.part && mv out.part out.txt;"
        " i=0; while [ ! -e stop ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done; : > ended";
    std::string error;
    QVERIFY(sys::ShellOpen("sh", {"-c", program, "sh", "a b", "it's", "$(x)"}, work.toStdString(), &error));
    // The go-between child is reaped and the program is not ours to wait for.
    QVERIFY(!HasChildren());

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(work + "/out.txt"), 60000);
    QStringList lines = QString::fromUtf8(ReadFile(work + "/out.txt")).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    const pid_t pid = lines.takeAt(1).toInt();
    const pid_t session = lines.takeAt(1).toInt();
    QCOMPARE(lines, (QStringList{QFileInfo(work).canonicalFilePath(), "a b", "it's", "$(x)"}));
    QVERIFY(session != getsid(0));
    QCOMPARE(kill(pid, 0), 0); // still running while we went on
    QVERIFY(!HasChildren());
    WriteFile(work + "/stop", {}, kPlain);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(work + "/ended"), 60000);
}

void TestSysServicesPosix::startFailures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("err");
    const QString plainFile = dir_.filePath(QStringLiteral("not-a-program"));
    WriteFile(plainFile, "#!/bin/sh\n", kPlain);
    QTest::newRow("not on PATH") << "corvane-no-such-program" << QString() << ENOENT;
    QTest::newRow("missing path") << dir_.filePath("missing") << QString() << ENOENT;
    QTest::newRow("not executable") << plainFile << QString() << EACCES;
    QTest::newRow("missing folder") << "sh" << dir_.filePath("missing") << ENOENT;
    QTest::newRow("folder is a file") << "sh" << plainFile << ENOTDIR;
}

void TestSysServicesPosix::startFailures()
{
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QFETCH(int, err);
    std::string error;
    QVERIFY(!sys::ShellOpen(file.toStdString(), {"-c", "true"}, folder.toStdString(), &error));
    QCOMPARE(QString::fromStdString(error), Reason(err));
    QVERIFY(!HasChildren());
}

void TestSysServicesPosix::createNeverFollowsOrOverwrites_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("target"); // what a link points at; empty: none
    const QString existing = dir_.filePath(QStringLiteral("existing"));
    const QString victim = dir_.filePath(QStringLiteral("victim"));
    WriteFile(existing, "keep", kPlain);
    WriteFile(victim, "keep", kPlain);
    const QString toFile = dir_.filePath(QStringLiteral("link-to-file"));
    const QString dangling = dir_.filePath(QStringLiteral("dangling-link"));
    QVERIFY(QFile::link(victim, toFile));
    QVERIFY(QFile::link(dir_.filePath("would-be-created"), dangling));
    QTest::newRow("existing file") << existing << QString();
    QTest::newRow("planted link to a file") << toFile << victim;
    QTest::newRow("planted dangling link") << dangling << dir_.filePath("would-be-created");
}

void TestSysServicesPosix::createNeverFollowsOrOverwrites()
{
    QFETCH(QString, path);
    QFETCH(QString, target);
    const unsigned modeBefore = ModeOf(path);
    std::string error;
    QCOMPARE(sys::CreateExclusive(path.toStdString(), 0700, &error), sys::CreateResult::Exists);
    QCOMPARE(QString::fromStdString(error), Reason(EEXIST));
    QCOMPARE(ModeOf(path), modeBefore);
    if (target.isEmpty()) {
        QCOMPARE(ReadFile(path), QByteArray("keep"));
        return;
    }
    QVERIFY(QFileInfo(path).isSymLink());
    if (QFile::exists(target))
        QCOMPARE(ReadFile(target), QByteArray("keep"));
    else
        QVERIFY(!QFileInfo(target).exists());
}

void TestSysServicesPosix::createGivesExactModeDespiteUmask()
{
    const QString path = dir_.filePath(QStringLiteral("fresh"));
    const mode_t oldMask = umask(0177);
    std::string error;
    const sys::CreateResult result = sys::CreateExclusive(path.toStdString(), 0700, &error);
    umask(oldMask);
    QCOMPARE(result, sys::CreateResult::Created);
    QCOMPARE(ModeOf(path), 0700u);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestSysServicesPosix::uniqueFiles()
{
    QTemporaryDir folder;
    const QString base = folder.path() + '/';
    const QRegularExpression shape('^' + QRegularExpression::escape(base + "x26") + "[0-9A-F]+\\.sh$");
    QSet<QString> names;
    for (int i = 0; i < 20; ++i) {
        std::string error;
        const QString name = QString::fromStdString(
            sys::CreateUniqueFile(base.toStdString(), "x26", ".sh", 0700, &error));
        QVERIFY2(shape.match(name).hasMatch(), qPrintable(name));
        QCOMPARE(ModeOf(name), 0700u);
        names.insert(name);
    }
    QCOMPARE(names.size(), 20);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 20);
}

void TestSysServicesPosix::uniqueFileInMissingFolder()
{
    std::string error;
    const std::string name =
        sys::CreateUniqueFile(dir_.filePath("missing/").toStdString(), "aud", ".sh", 0700, &error);
    QVERIFY(name.empty());
    QCOMPARE(QString::fromStdString(error), Reason(ENOENT));
}

void TestSysServicesPosix::findProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    const QString first = dir_.filePath(QStringLiteral("path1"));
    const QString second = dir_.filePath(QStringLiteral("path2"));
    QVERIFY(QDir().mkpath(first + "/tool-folder"));
    QVERIFY(QDir().mkpath(second));
    WriteFile(first + "/data", "x", kPlain);
    WriteFile(second + "/data", "#!/bin/sh\n", kExecutable);
    WriteFile(second + "/tool", "#!/bin/sh\n", kExecutable);
    WriteFile(second + "/tool-folder", "#!/bin/sh\n", kExecutable);
    QTest::newRow("in a later folder") << "tool" << second + "/tool";
    QTest::newRow("not executable passed over") << "data" << second + "/data";
    QTest::newRow("folder passed over") << "tool-folder" << second + "/tool-folder";
    QTest::newRow("missing") << "nothing" << QString();
    QTest::newRow("a path is not searched") << second + "/tool" << second + "/tool";
    QTest::newRow("empty") << QString() << QString();
}

void TestSysServicesPosix::findProgram()
{
    QFETCH(QString, program);
    QFETCH(QString, expected);
    ScopedEnv path("PATH", (dir_.filePath("path1") + ':' + dir_.filePath("path2")).toUtf8());
    QCOMPARE(QString::fromStdString(sys::FindProgram(program.toStdString())), expected);
}

void TestSysServicesPosix::getEnv_data()
{
    QTest::addColumn<std::optional<QByteArray>>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("set") << std::optional<QByteArray>("C:\\Temp dir/\xC3\xA9") << QStringLiteral("C:\\Temp dir/é");
    QTest::newRow("empty") << std::optional<QByteArray>("") << QString();
    QTest::newRow("unset") << std::optional<QByteArray>() << QString();
}

void TestSysServicesPosix::getEnv()
{
    QFETCH(std::optional<QByteArray>, value);
    QFETCH(QString, expected);
    ScopedEnv env("CORVANE_TEST_VARIABLE", value);
    QCOMPARE(QString::fromStdString(sys::GetEnv("CORVANE_TEST_VARIABLE")), expected);
}

void TestSysServicesPosix::toCodePage_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<unsigned>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("refused");
    for (const CodePageCase& c : kCodePageCases)
        QTest::newRow(c.name) << QByteArray::fromStdString(c.text) << c.codePage
                              << QByteArray::fromStdString(c.bytes) << QByteArray::fromStdString(c.refused);
}

void TestSysServicesPosix::toCodePage()
{
    QFETCH(QByteArray, text);
    QFETCH(unsigned, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, refused);
    const sys::CodePageText result = sys::ToCodePage(text.toStdString(), codePage);
    QCOMPARE(QByteArray::fromStdString(result.bytes), bytes);
    QCOMPARE(QString::fromUtf8(result.refused), QString::fromUtf8(refused));
}

QTEST_GUILESS_MAIN(TestSysServicesPosix)
#include "tst_SysServicesPosix.moc"
