#include "ScopedEnv.h"
#include "StrToolz.h"
#include "SysToolz.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(std::optional<QByteArray>)

class TestSysToolz : public QObject {
    Q_OBJECT

private slots:
    void readEnvVar();
    void fileVersionText_data();
    void fileVersionText();
#ifndef _WIN32
    void tempDir_data();
    void tempDir();
#endif
    void makeTempFileName_data();
    void makeTempFileName();

private:
    QTemporaryDir dir_;
};

void TestSysToolz::readEnvVar()
{
    ScopedEnv env("CORVANE_TEST_VARIABLE", QStringLiteral("Łódź €").toUtf8());
    QCOMPARE(ReadEnvVar(QStringLiteral("CORVANE_TEST_VARIABLE")), QStringLiteral("Łódź €"));
    ScopedEnv unset("CORVANE_TEST_VARIABLE", std::nullopt);
    QCOMPARE(ReadEnvVar(QStringLiteral("CORVANE_TEST_VARIABLE")), QString());
}

void TestSysToolz::fileVersionText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");
#ifdef _WIN32
    // A file without a version resource.
    for (int mode : {0, 1, 2})
        QTest::addRow("mode %d", mode) << mode << QString();
#else
    // No version resources here: the build's own number, from the project version.
    const QString three = QStringLiteral("%1.%2.%3").arg(EXPECT_MAJOR).arg(EXPECT_MINOR).arg(EXPECT_PATCH);
    QTest::newRow("mode 0") << 0 << three + '.' + QString::number(EXPECT_TWEAK);
    QTest::newRow("mode 1") << 1 << three + " build " + QString::number(EXPECT_TWEAK);
    QTest::newRow("mode 2") << 2 << three;
    QTest::newRow("other mode") << 7 << three + '.' + QString::number(EXPECT_TWEAK);
#endif
}

void TestSysToolz::fileVersionText()
{
    QFETCH(int, mode);
    QFETCH(QString, expected);
    const QString file = dir_.filePath(QStringLiteral("plain.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    QCOMPARE(FileVersionText(file, mode), expected);
}

#ifndef _WIN32
void TestSysToolz::tempDir_data()
{
    QTest::addColumn<std::optional<QByteArray>>("tmpdir");
    QTest::addColumn<QString>("expected");
    const QString folder = dir_.filePath(QStringLiteral("my temp"));
    const QString file = dir_.filePath(QStringLiteral("a file"));
    const QString link = dir_.filePath(QStringLiteral("link"));
    QVERIFY(QDir().mkpath(folder));
    QFile(file).open(QIODevice::WriteOnly);
    QVERIFY(QFile::link(folder, link));
    QTest::newRow("unset") << std::optional<QByteArray>() << "/tmp/";
    QTest::newRow("empty") << std::optional<QByteArray>("") << "/tmp/";
    QTest::newRow("folder") << std::optional<QByteArray>(folder.toUtf8()) << folder + '/';
    QTest::newRow("folder with delimiter") << std::optional<QByteArray>((folder + '/').toUtf8()) << folder + '/';
    QTest::newRow("link to a folder") << std::optional<QByteArray>(link.toUtf8()) << link + '/';
    QTest::newRow("missing") << std::optional<QByteArray>(dir_.filePath("missing").toUtf8()) << "/tmp/";
    QTest::newRow("a file") << std::optional<QByteArray>(file.toUtf8()) << "/tmp/";
}

void TestSysToolz::tempDir()
{
    QFETCH(std::optional<QByteArray>, tmpdir);
    QFETCH(QString, expected);
    ScopedEnv env("TMPDIR", tmpdir);
    QCOMPARE(GetTempDir(), expected);
}
#endif

void TestSysToolz::makeTempFileName_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("deleteFile");
    QTest::addColumn<QString>("start");
    QTest::newRow("x264, deleted") << "x264" << true << "x26";
    QTest::newRow("audio, kept") << "audio" << false << "aud";
    QTest::newRow("short prefix") << "ab" << false << "ab";
}

void TestSysToolz::makeTempFileName()
{
    QFETCH(QString, prefix);
    QFETCH(bool, deleteFile);
    QFETCH(QString, start);
    QTemporaryDir folder;
    ScopedEnv env("TMPDIR", QFile::encodeName(folder.path()));
    ScopedEnv windowsTemp("TMP", QFile::encodeName(QDir::toNativeSeparators(folder.path())));
    const QString name = MakeTempFileName(prefix, deleteFile);
    const QString expectedStart = IncludeTrailingDelimiter(QDir::toNativeSeparators(folder.path())) + start;
    QVERIFY2(QRegularExpression('^' + QRegularExpression::escape(expectedStart) + "[0-9A-F]+\\.tmp$",
                                QRegularExpression::CaseInsensitiveOption)
                 .match(name)
                 .hasMatch(),
             qPrintable(name));
    QCOMPARE(QFile::exists(name), !deleteFile);
    QVERIFY(MakeTempFileName(prefix, false) != name);
}

QTEST_GUILESS_MAIN(TestSysToolz)
#include "tst_SysToolz.moc"
