// The bytes of cmd scripts and their save, with the code page given, so they run
// on any system: what the code page carries is written exactly, anything else
// refuses the whole script.
#include "JobScript.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Refusal(const QString& character, unsigned codePage, const QString& line)
{
    return "The job script cannot hold \"" + character + "\" in the system code page " +
           QString::number(codePage) +
           ". Use a path without it, or switch Windows to UTF-8 (code page 65001).\n\nIt is in this line:\n" +
           line;
}

const QString kEmoji = QString::fromUcs4(U"\U0001F3AC");

} // namespace

class TestCmdScriptBytes : public QObject {
    Q_OBJECT

private slots:
    void carried_data();
    void carried();
    void refused_data();
    void refused();
    void savesCarriedBytes();
    void refusedSaveWritesNothing_data();
    void refusedSaveWritesNothing();

private:
    QTemporaryDir dir_;
};

void TestCmdScriptBytes::carried_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<unsigned>("codePage");
    QTest::addColumn<QByteArray>("expected");
    const QStringList job{"@echo off", "x264.exe --crf 18 -o out.264 in.avs", "pause", "del C:\\T\\x26A.tmp.cmd"};
    const QByteArray jobBytes = "@echo off\r\nx264.exe --crf 18 -o out.264 in.avs\r\npause\r\ndel C:\\T\\x26A.tmp.cmd\r\n";
    for (const unsigned codePage : {1252u, 1251u, 932u})
        QTest::addRow("CR LF after every line, %u", codePage) << job << codePage << jobBytes;
    QTest::newRow("é, 1252") << QStringList{"@echo off", QStringLiteral("copy é €.mkv")} << 1252u
                             << QByteArray("@echo off\r\ncopy \xE9 \x80.mkv\r\n");
    QTest::newRow("Ж, 1251") << QStringList{QStringLiteral("x264.exe -o C:\\Видео\\Ж.264")} << 1251u
                             << QByteArray("x264.exe -o C:\\\xC2\xE8\xE4\xE5\xEE\\\xC6.264\r\n");
    QTest::newRow("日本, 932") << QStringList{QStringLiteral("del C:\\日本\\a.cmd")} << 932u
                             << QByteArray("del C:\\\x93\xFA\x96\x7B\\a.cmd\r\n");
    QTest::newRow("437") << QStringList{QStringLiteral("é")} << 437u << QByteArray("\x82\r\n");
    QTest::newRow("65001 with BOM")
        << QStringList{"@echo off", QStringLiteral("copy Łódź.mkv")} << 65001u
        << QByteArray("\xEF\xBB\xBF@echo off\r\ncopy \xC5\x81\xC3\xB3" "d\xC5\xBA.mkv\r\n");
    QTest::newRow("emoji, 65001") << QStringList{"copy " + kEmoji} << 65001u
                                  << QByteArray("\xEF\xBB\xBF" "copy \xF0\x9F\x8E\xAC\r\n");
    QTest::newRow("no lines, 65001") << QStringList() << 65001u << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("no lines, 1252") << QStringList() << 1252u << QByteArray();
}

void TestCmdScriptBytes::carried()
{
    QFETCH(QStringList, lines);
    QFETCH(unsigned, codePage);
    QFETCH(QByteArray, expected);
    const ScriptBytes script = CmdScriptBytes(lines, codePage);
    QCOMPARE(script.refusal, QString());
    QCOMPARE(script.bytes, expected);
}

void TestCmdScriptBytes::refused_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<unsigned>("codePage");
    QTest::addColumn<QString>("message");
    const QString video = QStringLiteral("x264.exe -o C:\\Видео\\фильм.mkv in.avs");
    QTest::newRow("Cyrillic, 1252: the first character") << QStringList{"@echo off", video} << 1252u
                                                  << Refusal(QStringLiteral("В"), 1252, video);
    const QString polish = QStringLiteral("copy Łódź €.mkv");
    QTest::newRow("Ł, 1252") << QStringList{"@echo off", polish} << 1252u << Refusal(QStringLiteral("Ł"), 1252, polish);
    const QString french = QStringLiteral("copy é.mkv"), japanese = QStringLiteral("copy 日本.mkv");
    QTest::newRow("the first line that fails") << QStringList{"@echo off", french, japanese, video} << 1251u
                                               << Refusal(QStringLiteral("é"), 1251, french);
    const QString yen = QStringLiteral("copy a¥b.mkv");
    QTest::newRow("¥, 932: never a backslash") << QStringList{japanese, yen} << 932u
                                               << Refusal(QStringLiteral("¥"), 932, yen);
    const QString emoji = "copy " + kEmoji + ".mkv";
    for (const unsigned codePage : {1252u, 1251u, 932u})
        QTest::addRow("emoji, %u", codePage) << QStringList{emoji} << codePage << Refusal(kEmoji, codePage, emoji);
    const QString percent = QStringLiteral("ffmpeg -i %1%2 -o Ж.mkv");
    QTest::newRow("the line as it is") << QStringList{percent} << 1252u << Refusal(QStringLiteral("Ж"), 1252, percent);
}

void TestCmdScriptBytes::refused()
{
    QFETCH(QStringList, lines);
    QFETCH(unsigned, codePage);
    QFETCH(QString, message);
    const ScriptBytes script = CmdScriptBytes(lines, codePage);
    QCOMPARE(script.refusal, message);
    QCOMPARE(script.bytes, QByteArray());
}

void TestCmdScriptBytes::savesCarriedBytes()
{
    const QString path = dir_.filePath(QStringLiteral("carried.cmd"));
    const QStringList lines{"@echo off", QStringLiteral("copy é.mkv")};
    QString error;
    QVERIFY(SaveScriptBytes(CmdScriptBytes(lines, 1252), path, &error));
    QCOMPARE(error, QString());
    QCOMPARE(ReadFile(path), QByteArray("@echo off\r\ncopy \xE9.mkv\r\n"));
}

// A reserved name is never created, and a fixed name that exists keeps its bytes.
void TestCmdScriptBytes::refusedSaveWritesNothing_data()
{
    QTest::addColumn<QByteArray>("existing"); // empty: no file there
    QTest::newRow("new name") << QByteArray();
    QTest::newRow("existing fixed name") << QByteArray("@echo off\r\nold job\r\n");
}

void TestCmdScriptBytes::refusedSaveWritesNothing()
{
    QFETCH(QByteArray, existing);
    const QString path = dir_.filePath(QStringLiteral("encode_DV.cmd"));
    QFile::remove(path);
    if (!existing.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(existing);
    }
    const QString line = QStringLiteral("python C:\\Видео\\dv.py");
    QString error;
    QVERIFY(!SaveScriptBytes(CmdScriptBytes({"@echo off", line}, 1252), path, &error));
    QCOMPARE(error, Refusal(QStringLiteral("В"), 1252, line));
    QCOMPARE(QFile::exists(path), !existing.isEmpty());
    QCOMPARE(ReadFile(path), existing);
}

QTEST_GUILESS_MAIN(TestCmdScriptBytes)
#include "tst_CmdScriptBytes.moc"
