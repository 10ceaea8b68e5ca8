// What the window keeps between runs: the stored properties and texts, the order
// their restore runs the handlers in, the Reset buttons, the first-run tool paths,
// damaged and unwritable stores.
#include "uMain.h"

#include "DefaultParams.h"
#include "StoredSettings.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"

#include "EncodeEveryPage.h"
#include "TestMessages.h"
#include "TestStore.h"
#include "UndeletableFolder.h"

#include <QtTest>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

QWidget* Control(TfrmMain& w, const StoredProperty& p)
{
    return w.findChild<QWidget*>(QString::fromLatin1(p.control));
}

// Every stored property's current value as the store would write it.
QStringList Snapshot(TfrmMain& w)
{
    QStringList values;
    for (const StoredProperty& p : StoredProperties()) {
        QWidget* c = Control(w, p);
        if (auto* combo = qobject_cast<QComboBox*>(c))
            values << QString::number(combo->currentIndex());
        else if (auto* check = qobject_cast<QAbstractButton*>(c))
            values << QString::number(check->isChecked());
        else if (auto* spin = qobject_cast<TSpinEdit*>(c))
            values << QString::number(spin->value());
        else if (auto* mask = qobject_cast<TMaskEdit*>(c))
            values << mask->text();
        else
            values << qobject_cast<QLineEdit*>(c)->text();
    }
    return values;
}

// Gives every stored property a value other than its form default, the way a user
// would set it.
void ChangeEveryStoredProperty(TfrmMain& w)
{
    for (const StoredProperty& p : StoredProperties()) {
        QWidget* c = Control(w, p);
        const QString name = QString::fromLatin1(p.control);
        if (auto* combo = qobject_cast<QComboBox*>(c))
            combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
        else if (qobject_cast<QRadioButton*>(c))
            w.rbAudFFMpeg->click();
        else if (auto* check = qobject_cast<QCheckBox*>(c))
            check->setChecked(!check->isChecked()); // also where the page disables it
        else if (auto* spin = qobject_cast<TSpinEdit*>(c))
            spin->setValue(spin->value() == spin->minimum() + 7 ? spin->minimum() + 8 : spin->minimum() + 7);
        else if (auto* mask = qobject_cast<TMaskEdit*>(c))
            mask->setText(QStringLiteral("01:02:03"));
        else
            qobject_cast<QLineEdit*>(c)->setText(QStringLiteral("/stored/") + name + QStringLiteral(" path"));
    }
}

const char* const kNotStored[] = {"edInput264", "edOutput264", "edInput265", "edOutput265",
                                  "edAudInput", "edAudOutput"};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings
    QTemporaryDir work_;

private slots:
    void init() { store_.clear(); } // every test starts from a first run

    void everythingListedComesBackAndNothingElse()
    {
        QStringList before;
        QStringList defaults;
        {
            TfrmMain w;
            defaults = Snapshot(w);
            ChangeEveryStoredProperty(w);
            before = Snapshot(w);
            for (const char* name : kNotStored)
                w.findChild<QLineEdit*>(name)->setText(QStringLiteral("/not/kept"));
            w.cmbAudSpeed->setCurrentIndex(2);
            w.chbAudDown6->setChecked(true);
            w.mParams264->setPlainText(QStringLiteral("--level 4.1\n--slices 4"));
            w.mParams265->setPlainText(QStringLiteral("-f rawvideo - | x265 --input -"));
            w.mParamsHDR->setPlainText(QStringLiteral("--colorprim bt2020"));
            w.mParamsDV->setPlainText(QStringLiteral("-g 48"));
        }
        for (int i = 0; i < before.size(); ++i)
            QVERIFY2(before[i] != defaults[i], StoredProperties()[i].control); // each row is exercised

        TfrmMain again;
        const QStringList after = Snapshot(again);
        for (int i = 0; i < before.size(); ++i)
            QVERIFY2(after[i] == before[i],
                     qPrintable(QStringLiteral("%1: %2 != %3").arg(StoredProperties()[i].control, after[i], before[i])));
        for (const char* name : kNotStored)
            QCOMPARE(again.findChild<QLineEdit*>(name)->text(), QString());
        QCOMPARE(again.cmbAudSpeed->currentIndex(), 0);
        QVERIFY(!again.chbAudDown6->isChecked());
        QCOMPARE(again.mParams264->toPlainText(), QStringLiteral("--level 4.1 --slices 4")); // flattened
        QCOMPARE(again.mParams265->toPlainText(), QStringLiteral("-f rawvideo - | x265 --input -"));
        QCOMPARE(again.mParamsHDR->toPlainText(), QStringLiteral("--colorprim bt2020"));
        QCOMPARE(again.mParamsDV->toPlainText(), QStringLiteral("-g 48"));
    }

    void restoreOrderEffects_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QList<int>>("expected"); // bitrate, max, bufsize; their maxima
        QTest::newRow("bufsize above the max comes back lowered")
            << QVariantMap{{"edMaxBitrate264.Value", "20000"}, {"edBufsize264.Value", "25000"}}
            << QList<int>{20000, 20000, 20000, 20000, 20000};
        QTest::newRow("bitrate above the max comes back unchanged")
            << QVariantMap{{"edBitrate264.Value", "35000"}, {"edMaxBitrate264.Value", "20000"}}
            << QList<int>{35000, 20000, 30000, 20000, 20000};
        QTest::newRow("max 35000") << QVariantMap{{"edMaxBitrate264.Value", "35000"}}
                                   << QList<int>{20000, 35000, 30000, 35000, 30000};
        QTest::newRow("CBR restored copies the bitrate")
            << QVariantMap{{"edBitrate264.Value", "12000"}, {"chbCBR.Checked", "true"}}
            << QList<int>{12000, 12000, 12000, 12000, 12000};
    }

    void restoreOrderEffects()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QList<int>, expected);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            store_.write(it.key(), it.value());
        TfrmMain w;
        QCOMPARE((QList<int>{w.edBitrate264->value(), w.edMaxBitrate264->value(), w.edBufsize264->value(),
                             w.edBitrate264->maximum(), w.edBufsize264->maximum()}),
                 expected);
    }

    void storedTexts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<int>("tune");
        QTest::newRow("blank text keeps the default") << " \t " << kDefaultParams264 << 1;
        QTest::newRow("tune taken out") << "--a --tune grain --b" << "--a --b" << 3;
        QTest::newRow("untrimmed, but trimmed by the tune step") << "  --a  " << "--a" << 1;
        QTest::newRow("unknown tune") << "--a --tune fancy" << "--a --tune fancy" << 0;
    }

    void storedTexts()
    {
        QFETCH(QString, stored);
        QFETCH(QString, memo);
        QFETCH(int, tune);
        store_.write(QStringLiteral("OtherParams"), stored);
        store_.write(QStringLiteral("OtherParamsHDR"), QStringLiteral("   "));
        TfrmMain w;
        QCOMPARE(w.mParams264->toPlainText(), memo);
        QCOMPARE(w.cmbTune264->currentIndex(), tune);
        QCOMPARE(w.mParamsHDR->toPlainText(), kDefaultParamsHDR);
    }

    void ffmpegCarriedOver()
    {
        store_.write(QStringLiteral("edFFmpeg.Text"), QStringLiteral("/opt/ffmpeg"));
        store_.write(QStringLiteral("edFFMpegDV.Text"), QStringLiteral("  "));
        store_.write(QStringLiteral("edAudFFMpeg.Text"), QStringLiteral("/other/ffmpeg"));
        TfrmMain w;
        QCOMPARE(w.edFFMpegDV->text(), QStringLiteral("/opt/ffmpeg"));
        QCOMPARE(w.edAudFFMpeg->text(), QStringLiteral("/other/ffmpeg"));
    }

    void audioToolChoiceRunsItsHandler()
    {
        store_.write(QStringLiteral("rbAudFFMpeg.Checked"), QStringLiteral("true"));
        TfrmMain w;
        QVERIFY(w.rbAudFFMpeg->isChecked());
        QVERIFY(!w.rbAudEac3To->isChecked());
        QCOMPARE(w.btnAudioEncode->text(), QStringLiteral("Encode with FFMpeg"));
        QVERIFY(w.edAudFFMpeg->isEnabled());
        QVERIFY(!w.edAudEac3To->isEnabled());
    }

    void resetAsksFirst_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("defaultText");
        QTest::newRow("x264") << "btnResetParams264" << "mParams264"
                              << "Reset other x264 parameters to default?" << kDefaultParams264;
        QTest::newRow("x265") << "btnResetParams265" << "mParams265"
                              << "Reset other x265 parameters to default?" << kDefaultParams265;
        QTest::newRow("HDR") << "btnResetParamsHDR" << "mParamsHDR"
                             << "Reset HDR x265 parameters to default?" << kDefaultParamsHDR;
        QTest::newRow("DV") << "btnResetParamsDV" << "mParamsDV"
                            << "Reset other DV parameters to default?" << kDefaultParamsDV;
    }

    void resetAsksFirst()
    {
        QFETCH(QString, button);
        QFETCH(QString, memo);
        QFETCH(QString, question);
        QFETCH(QString, defaultText);
        TfrmMain w;
        auto* m = w.findChild<QPlainTextEdit*>(memo);
        auto* b = w.findChild<QPushButton*>(button);
        m->setPlainText(QStringLiteral("--mine"));
        {
            TestMessages boxes;
            boxes.ExpectOkCancel(false);
            b->click();
            QCOMPARE(boxes.shown, QStringList{question});
            QCOMPARE(m->toPlainText(), QStringLiteral("--mine"));
        }
        {
            TestMessages boxes;
            boxes.ExpectOkCancel(true);
            b->click();
            QCOMPARE(m->toPlainText(), defaultText);
            QVERIFY(boxes.allAnswered());
        }
    }

    void toolsFoundOnPathOnFirstRun_data()
    {
        QTest::addColumn<bool>("onPath");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
        QTest::addColumn<bool>("expectFound");
        QTest::newRow("present") << true << QVariant() << true;
        QTest::newRow("absent") << false << QVariant() << false;
        QTest::newRow("a stored empty value wins") << true << QVariant(QString()) << false;
    }

    void toolsFoundOnPathOnFirstRun()
    {
        QFETCH(bool, onPath);
        QFETCH(QVariant, stored);
        QFETCH(bool, expectFound);
        QTemporaryDir bin;
        const char* tools[] = {"x264", "x265", "ffmpeg", "python3", "eac3to"};
        for (const char* tool : tools) {
            QFile f(bin.filePath(QString::fromLatin1(tool)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.setPermissions(f.permissions() | QFile::ExeOwner);
        }
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(onPath ? bin.path() : work_.path()));
        if (stored.isValid())
            for (const char* field : {"edX264", "edX265", "edFFmpeg", "edPythonDV", "edAudEac3To"})
                store_.write(QString::fromLatin1(field) + QStringLiteral(".Text"), stored);
        TfrmMain w;
        qputenv("PATH", oldPath);
        const QString found = expectFound ? bin.path() + '/' : QString();
        QCOMPARE(w.edX264->text(), expectFound ? found + "x264" : QString());
        QCOMPARE(w.edX265->text(), expectFound ? found + "x265" : QString());
        QCOMPARE(w.edFFmpeg->text(), expectFound ? found + "ffmpeg" : QString());
        QCOMPARE(w.edPythonDV->text(), expectFound ? found + "python3" : QString());
        QCOMPARE(w.edAudEac3To->text(), expectFound ? found + "eac3to" : QString());
        // The ffmpeg carry-over follows the found path.
        QCOMPARE(w.edFFMpegDV->text(), w.edFFmpeg->text());
    }

    void positionAppliedOnlyWhereItFits_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("densityOffset");
        QTest::addColumn<bool>("applied");
        QTest::newRow("same density, on screen") << 3 << 0 << true;
        QTest::newRow("other density") << 3 << 48 << false;
        QTest::newRow("off every screen") << 100000 << 0 << false;
    }

    void positionAppliedOnlyWhereItFits()
    {
        QFETCH(int, left);
        QFETCH(int, densityOffset);
        QFETCH(bool, applied);
        int density = 0;
        QPoint centred;
        {
            TfrmMain w;
            centred = w.frameGeometry().topLeft();
            w.move(5, 6);
        }
        density = store_.read(QStringLiteral("PixelsPerInch")).toInt();
        QVERIFY(density > 0);
        QCOMPARE(store_.read(QStringLiteral("Left")).toInt(), 5);
        store_.write(QStringLiteral("Left"), left);
        store_.write(QStringLiteral("Top"), 4);
        store_.write(QStringLiteral("PixelsPerInch"), density + densityOffset);
        TfrmMain again;
        QCOMPARE(again.frameGeometry().topLeft(), applied ? QPoint(left, 4) : centred);
    }

    void tintsFollowTheWindowColour_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("input");
        QTest::addColumn<QColor>("metadata");
        QTest::addColumn<QColor>("output");
        QTest::newRow("light") << QColor(255, 255, 255) << QColor(255, 255, 242) << QColor(239, 255, 247)
                               << QColor(239, 247, 255);
        QTest::newRow("dark") << QColor(0, 0, 0) << QColor(56, 56, 56) << QColor(16, 48, 32)
                              << QColor(16, 32, 48);
    }

    void tintsFollowTheWindowColour()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, input);
        QFETCH(QColor, metadata);
        QFETCH(QColor, output);
        const QPalette old = QApplication::palette();
        QPalette scheme = old;
        scheme.setColor(QPalette::Base, base);
        QApplication::setPalette(scheme);
        TfrmMain w;
        QApplication::setPalette(old);
        for (QLineEdit* f : {static_cast<QLineEdit*>(w.edInput264), static_cast<QLineEdit*>(w.edInput265),
                             static_cast<QLineEdit*>(w.edInputDV), static_cast<QLineEdit*>(w.edAudInput)})
            QCOMPARE(f->palette().color(QPalette::Base), input);
        QCOMPARE(w.edMetadataDV->palette().color(QPalette::Base), metadata);
        for (QLineEdit* f : {static_cast<QLineEdit*>(w.edOutput264), static_cast<QLineEdit*>(w.edOutput265),
                             static_cast<QLineEdit*>(w.edOutputBL), static_cast<QLineEdit*>(w.edOutputEL),
                             static_cast<QLineEdit*>(w.edAudOutput)})
            QCOMPARE(f->palette().color(QPalette::Base), output);
        QCOMPARE(w.edX264->palette().color(QPalette::Base), base); // every other field as it was
    }

    void damagedStore_data()
    {
        QTest::addColumn<QString>("hostile");
        QTest::newRow("not a number") << "twelve";
        QTest::newRow("index past every list") << "99";
        QTest::newRow("negative") << "-1";
        QTest::newRow("far out of range") << "99999999999999999999";
        QTest::newRow("check state that is none") << "maybe";
        QTest::newRow("very long text") << QString(100000, QLatin1Char('x'));
        QTest::newRow("control characters") << QStringLiteral("\x01\x02\x7f\x1b[0m");
        QTest::newRow("list-looking text") << "a, b, c";
    }

    void damagedStore()
    {
        QFETCH(QString, hostile);
        for (const StoredProperty& p : StoredProperties())
            store_.write(QString::fromLatin1(p.control) + '.' + QString::fromLatin1(p.property), hostile);
        for (const QString& name : StoredTextNames())
            store_.write(name, hostile);
        for (const char* key : {"Left", "Top", "PixelsPerInch"})
            store_.write(QString::fromLatin1(key), hostile);
        TfrmMain w;
        for (QComboBox* c : w.findChildren<QComboBox*>())
            QVERIFY2(c->currentIndex() >= 0 && c->currentIndex() < c->count(), qPrintable(c->objectName()));
        for (TSpinEdit* s : w.findChildren<TSpinEdit*>())
            QVERIFY2(s->value() >= s->minimum() && s->value() <= s->maximum(), qPrintable(s->objectName()));
        QVERIFY(w.rbAudEac3To->isChecked() != w.rbAudFFMpeg->isChecked());
        for (const PageEncodeOutcome& o : EncodeEveryPage(w, work_.path())) {
            QVERIFY2(o.launched != !o.messages.isEmpty(),
                     qPrintable(o.page + ": " + o.messages.join(QStringLiteral(" / "))));
            if (o.launched)
                QVERIFY2(o.script.contains(QFile::encodeName(work_.filePath("exists.bin"))), o.script.constData());
        }
    }

    void unwritableStoreSaysSoAndKeepsTheOldOne()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Corvane.conf"));
        TFormStorage::UseStoreFile(path);
        {
            TfrmMain first;
            first.edX264->setText(QStringLiteral("/first/x264"));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray old = f.readAll();
        f.close();
        QVERIFY(old.contains("/first/x264"));
        {
            UndeletableFolder locked(dir.path());
            if (!locked.holds())
                QSKIP("the folder cannot be made read-only here");
            TestMessages boxes;
            boxes.ExpectInfo();
            {
                TfrmMain second;
                second.edX264->setText(QStringLiteral("/second/x264"));
            }
            QCOMPARE(boxes.warnings.size(), 1);
            QVERIFY2(boxes.warnings[0].startsWith("The settings could not be saved to " + path + ": "),
                     qPrintable(boxes.warnings[0]));
            QVERIFY(boxes.warnings[0].size() > ("The settings could not be saved to " + path + ": ").size());
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), old);
        TFormStorage::UseStoreFile(store_.path());
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
