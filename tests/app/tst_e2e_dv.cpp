// End to end: the window's Dolby Vision encode runs a stand-in for the user's
// Python script under Debian's python3; the stand-in records the arguments it
// receives, with names that a careless script would break or execute.
#include "uMain.h"

#include "TDirectoryEdit.h"
#include "TFilenameEdit.h"

#include "DefaultParams.h"
#include "ExternalTools.h"
#include "FakeTerminal.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

// Records its argv and working folder as JSON beside itself.
const char kStandIn[] = R"(import json, os, sys
record = os.path.join(os.path.dirname(os.path.abspath(__file__)), "argv.json")
with open(record, "w", encoding="utf-8") as f:
    json.dump({"argv": sys.argv, "cwd": os.getcwd()}, f)
)";

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestE2eDV : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir base_;
    QString dir_, record_, pathDir_;
    QString script_, dee_, license_, ffmpeg_, input_, metadata_;

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        QVERIFY2(QFileInfo(kPython).isExecutable(), "python3 is not installed");
        QDir base(base_.path());
        const QString dir = QStringLiteral("dv & it's $(touch pwned1) `touch pwned2` 50% \u00e9");
        QVERIFY(base.mkdir(dir));
        dir_ = base.filePath(dir);
        script_ = dir_ + QStringLiteral("/make dv; touch pwned3.py");
        record_ = dir_ + QStringLiteral("/argv.json");
        QVERIFY(Write(script_, kStandIn));
        dee_ = dir_ + QStringLiteral("/dee 'engine' \\ x");
        license_ = dir_ + QStringLiteral("/licence $HOME.lic");
        ffmpeg_ = dir_ + QStringLiteral("/ff|mpeg");
        input_ = dir_ + QStringLiteral("/in put *.mov");
        metadata_ = dir_ + QStringLiteral("/meta > data.xml");
        for (const QString& f : {dee_, license_, ffmpeg_, input_, metadata_})
            QVERIFY(Write(f, {}));

        // An empty Python field runs "python3" from PATH: make that Debian's.
        QVERIFY(base.mkdir(QStringLiteral("bin")));
        pathDir_ = base.filePath(QStringLiteral("bin"));
        QVERIFY(QFile::link(kPython, pathDir_ + QStringLiteral("/python3")));
        qputenv("PATH", QFile::encodeName(pathDir_) + ':' + qgetenv("PATH"));
    }

    void arguments_data()
    {
        QTest::addColumn<bool>("namedPython");
        QTest::addColumn<bool>("twoPass");
        QTest::addColumn<int>("frameRate");
        QTest::addColumn<QString>("temp");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("named Python, two passes, 23.976")
            << true << true << 0 << "temp 'one' $(touch pwned4)/"
            << QStringList{"--fps", "23.976", "-p", "2", "--start", "0", "--end", "75000"};
        QTest::newRow("python3 from PATH, one pass, 24")
            << false << false << 1 << "temp & two"
            << QStringList{"--fps", "24", "-p", "1", "--start", "0", "--end", "75000"};
    }

    void arguments()
    {
        QFETCH(bool, namedPython);
        QFETCH(bool, twoPass);
        QFETCH(int, frameRate);
        QFETCH(QString, temp);
        QFETCH(QStringList, options);
        const QString folder = dir_ + '/' + (temp.endsWith('/') ? temp.chopped(1) : temp);
        const QString bl = dir_ + QStringLiteral("/out `id` bl.hevc");
        const QString el = dir_ + QStringLiteral("/out; rm el.hevc");
        QFile::remove(record_);

        FakeTerminal terminal(true);
        TestMessages boxes;
        TfrmMain w;
        w.edPythonDV->setText(namedPython ? kPython : QString());
        w.edScriptDV->setText(script_);
        w.edDEE->setText(dee_);
        w.edDEELicense->setText(license_);
        w.edFFMpegDV->setText(ffmpeg_);
        w.edInputDV->setText(input_);
        w.edMetadataDV->setText(metadata_);
        w.edOutputBL->setText(bl);
        w.edOutputEL->setText(el);
        w.edTempDV->setText(dir_ + '/' + temp);
        w.chb2passDV->setChecked(twoPass);
        w.cmbFramerateDV->setCurrentIndex(frameRate);
        QTest::mouseClick(w.btnEncodeDV, Qt::LeftButton);
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.shown.join('\n')));
        QTRY_VERIFY_WITH_TIMEOUT(terminal.ended(), 30000);

        QFile record(record_);
        QVERIFY2(record.open(QIODevice::ReadOnly), "the stand-in script did not run");
        const QJsonObject got = QJsonDocument::fromJson(record.readAll()).object();
        QStringList expected{script_, "--dee", dee_, "--dee-license", license_, "--ffmpeg", ffmpeg_,
                             "-i", input_, "-m", metadata_, "-b", bl, "-e", el};
        expected += options;
        expected += kDefaultParamsDV.split(' ');
        expected += QStringList{"--temp", folder};
        QCOMPARE(got.value("argv").toVariant().toStringList(), expected);
        QCOMPARE(got.value("cwd").toString(), folder);
        // The job script stays behind for the user to run again.
        QVERIFY(QFile::exists(folder + QStringLiteral("/encode_DV.sh")));
        QCOMPARE(Planted(base_.path()), QStringList());
    }
};

QTEST_MAIN(TestE2eDV)
#include "tst_e2e_dv.moc"
