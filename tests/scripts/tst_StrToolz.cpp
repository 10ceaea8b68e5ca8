#include "StrToolz.h"

#include <QProcess>
#include <QtTest>

class TestStrToolz : public QObject {
    Q_OBJECT

private slots:
    void trimBlanks_data();
    void trimBlanks();
    void quoteIfSpaced_data();
    void quoteIfSpaced();
    void flattenParams_data();
    void flattenParams();
    void trailingDelimiter_data();
    void trailingDelimiter();
    void quotePathForCmd_data();
    void quotePathForCmd();
    void quotePathForSh_data();
    void quotePathForSh();
    void shReadsQuotedPathUnchanged_data();
    void shReadsQuotedPathUnchanged();
    void quotePathIsThisBuildsDialect();
};

void TestStrToolz::trimBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("controls and spaces") << QString::fromUtf16(u"\0\t\r\n a b \x1f\x20\0", 12) << "a b";
    QTest::newRow("above U+0020 kept") << QStringLiteral("\u00a0a\u3000") << QStringLiteral("\u00a0a\u3000");
    QTest::newRow("blanks only") << " \t\r\n" << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestStrToolz::trimBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TrimBlanks(text), expected);
}

void TestStrToolz::quoteIfSpaced_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no space") << "C:\\x264\\x264.exe" << "C:\\x264\\x264.exe";
    QTest::newRow("space") << "C:\\Program Files\\x264.exe" << "\"C:\\Program Files\\x264.exe\"";
    QTest::newRow("already quoted") << "\"C:\\Program Files\\x264.exe\"" << "\"C:\\Program Files\\x264.exe\"";
    QTest::newRow("quote at start only") << "\"C:\\Program Files\\x.exe" << "\"\"C:\\Program Files\\x.exe\"";
    QTest::newRow("quote at end only") << "C:\\Program Files\\x.exe\"" << "\"C:\\Program Files\\x.exe\"\"";
    QTest::newRow("trimmed then quoted") << " \tC:\\My Temp\\a.cmd\r\n" << "\"C:\\My Temp\\a.cmd\"";
    QTest::newRow("trimmed, no space left") << "  C:\\a.mkv  " << "C:\\a.mkv";
    QTest::newRow("a tab is not a space") << "a\tb" << "a\tb";
    QTest::newRow("special characters untouched") << "C:\\Tom&Jerry 50%.mkv" << "\"C:\\Tom&Jerry 50%.mkv\"";
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks only") << "   " << QString();
}

void TestStrToolz::quoteIfSpaced()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(QuoteIfSpaced(text), expected);
}

void TestStrToolz::flattenParams_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("expected");
    QTest::newRow("line break and empty line") << "--crf 18\r\n\r\n--preset slow" << "--crf 18 --preset slow";
    QTest::newRow("LF and empty line") << "a\n\nb" << "a b";
    QTest::newRow("LF CR") << "a\n\rb" << "a b";
    QTest::newRow("lone CR") << "a\rb" << "a b";
    QTest::newRow("LF CR LF") << "a\n\r\nb" << "a b";
    QTest::newRow("four spaces keep two") << "a    b" << "a  b";
    QTest::newRow("three spaces become two") << "a   b" << "a  b";
    QTest::newRow("two spaces become one") << "a  b" << "a b";
    QTest::newRow("ends trimmed of controls") << "\r\n\t --tune film \x01\r\n" << "--tune film";
    QTest::newRow("empty") << QString() << QString();
}

void TestStrToolz::flattenParams()
{
    QFETCH(QString, memo);
    QFETCH(QString, expected);
    QCOMPARE(FlattenParams(memo), expected);
}

void TestStrToolz::trailingDelimiter_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("included");
    QTest::addColumn<QString>("excluded");
    const QString d = PathDelimiter();
    QTest::newRow("without") << "tmp" << "tmp" + d << "tmp";
    QTest::newRow("with") << "tmp" + d << "tmp" + d << "tmp";
    QTest::newRow("doubled: one removed") << "tmp" + d + d << "tmp" + d + d << "tmp" + d;
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TestStrToolz::trailingDelimiter()
{
    QFETCH(QString, path);
    QFETCH(QString, included);
    QFETCH(QString, excluded);
    QCOMPARE(IncludeTrailingDelimiter(path), included);
    QCOMPARE(ExcludeTrailingDelimiter(path), excluded);
}

void TestStrToolz::quotePathForCmd_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "C:\\v\\in.mkv" << "C:\\v\\in.mkv";
    QTest::newRow("space") << "C:\\My Videos\\in.mkv" << "\"C:\\My Videos\\in.mkv\"";
    for (const char op : QByteArray("&|<>^()"))
        QTest::addRow("operator %c", op) << QStringLiteral("C:\\v\\a%1b.mkv").arg(op)
                                         << QStringLiteral("\"C:\\v\\a%1b.mkv\"").arg(op);
    // They end a command name: a tool path stands first on its line (fuzzing finds).
    for (const char delimiter : QByteArray(";,="))
        QTest::addRow("command-name delimiter %c", delimiter)
            << QStringLiteral("C:\\v\\a%1b.exe").arg(delimiter)
            << QStringLiteral("\"C:\\v\\a%1b.exe\"").arg(delimiter);
    QTest::newRow("leading @") << "@tools\\x264.exe" << "\"@tools\\x264.exe\"";
    QTest::newRow("trailing backslashes doubled inside quotes") << "C:\\My Dir\\\\"
                                                                << "\"C:\\My Dir\\\\\\\\\"";
    QTest::newRow("trailing backslash unquoted stays") << "C:\\" << "C:\\";
    QTest::newRow("percent doubled") << "C:\\v\\50%.mkv" << "C:\\v\\50%%.mkv";
    QTest::newRow("percent and space") << "C:\\My v\\%TEMP%.mkv" << "\"C:\\My v\\%%TEMP%%.mkv\"";
    QTest::newRow("already quoted") << "\"C:\\v\\Tom&Jerry.mkv\"" << "\"C:\\v\\Tom&Jerry.mkv\"";
    QTest::newRow("sh specials are plain here") << "C:\\v\\$HOME'.mkv" << "C:\\v\\$HOME'.mkv";
    QTest::newRow("unicode") << QStringLiteral("C:\\Łódź\\in.mkv") << QStringLiteral("C:\\Łódź\\in.mkv");
    QTest::newRow("trimmed") << "  C:\\v\\in.mkv\t" << "C:\\v\\in.mkv";
    QTest::newRow("empty") << QString() << QString();
}

void TestStrToolz::quotePathForCmd()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(QuotePathForCmd(path), expected);
}

void TestStrToolz::quotePathForSh_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/v/in.mkv" << "/v/in.mkv";
    QTest::newRow("every bare character") << "/v/aZ09_@%+=:,.-x.mkv" << "/v/aZ09_@%+=:,.-x.mkv";
    QTest::newRow("space") << "/v/My Videos/in.mkv" << "'/v/My Videos/in.mkv'";
    QTest::newRow("command substitution") << "/v/$(reboot).mkv" << "'/v/$(reboot).mkv'";
    QTest::newRow("backquotes") << "/v/`id`.mkv" << "'/v/`id`.mkv'";
    QTest::newRow("single quote") << "/v/it's.mkv" << "'/v/it'\\''s.mkv'";
    QTest::newRow("double quotes") << "/v/\"q\".mkv" << "'/v/\"q\".mkv'";
    QTest::newRow("ampersand") << "/v/Tom&Jerry.mkv" << "'/v/Tom&Jerry.mkv'";
    QTest::newRow("glob and tilde") << "~/v/*.mkv" << "'~/v/*.mkv'";
    QTest::newRow("backslash") << "/v/a\\b.mkv" << "'/v/a\\b.mkv'";
    QTest::newRow("unicode") << QStringLiteral("/v/Łódź.mkv") << QStringLiteral("'/v/Łódź.mkv'");
    // First on a line, sh would assign or parse instead of running it (fuzzing finds).
    QTest::newRow("assignment-looking word") << "mk=m" << "'mk=m'";
    QTest::newRow("reserved word") << "done" << "'done'";
    QTest::newRow("= after a slash is plain") << "./mk=m" << "./mk=m";
    QTest::newRow("trimmed") << " /v/in.mkv\r\n" << "/v/in.mkv";
    QTest::newRow("empty") << QString() << QString();
}

void TestStrToolz::quotePathForSh()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(QuotePathForSh(path), expected);
}

void TestStrToolz::shReadsQuotedPathUnchanged_data() { quotePathForSh_data(); }

void TestStrToolz::shReadsQuotedPathUnchanged()
{
    QFETCH(QString, path);
    QProcess sh;
    sh.start(QStringLiteral("sh"), {"-c", "printf '%s' " + QuotePathForSh(path)});
    QVERIFY(sh.waitForFinished(-1));
    QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), TrimBlanks(path));
}

void TestStrToolz::quotePathIsThisBuildsDialect()
{
    const QString path = QStringLiteral("a&b %");
#ifdef _WIN32
    QCOMPARE(QuotePath(path), QuotePathForCmd(path));
#else
    QCOMPARE(QuotePath(path), QuotePathForSh(path));
#endif
    QVERIFY(QuotePathForCmd(path) != QuotePathForSh(path));
}

QTEST_GUILESS_MAIN(TestStrToolz)
#include "tst_StrToolz.moc"
