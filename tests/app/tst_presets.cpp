// Named presets per page: saving, choosing, replacing and deleting them through the
// window; what a preset holds and what it leaves alone; the handlers a choice runs;
// restarts and damaged entries in the store.
#include "uMain.h"

#include "Presets.h"
#include "StoredSettings.h"
#include "TBrowseEdit.h"
#include "TFilenameEdit.h"
#include "TFormStorage.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"

#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct PageControls {
    QComboBox* list;
    QPushButton* save;
    QPushButton* remove;
    QPushButton* encode;
};

PageControls ControlsOf(const TfrmMain& w, const QString& keyword)
{
    if (keyword == QLatin1String("264"))
        return {w.cmbPreset264, w.btnSavePreset264, w.btnDeletePreset264, w.btnEncode264};
    if (keyword == QLatin1String("265"))
        return {w.cmbPreset265, w.btnSavePreset265, w.btnDeletePreset265, w.btnEncode265};
    if (keyword == QLatin1String("dv"))
        return {w.cmbPresetDV, w.btnSavePresetDV, w.btnDeletePresetDV, w.btnEncodeDV};
    return {w.cmbPresetAudio, w.btnSavePresetAudio, w.btnDeletePresetAudio, w.btnAudioEncode};
}

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// Chooses the preset as the user does; "-" first, so choosing the shown one again applies it.
void Choose(QComboBox* list, const QString& name)
{
    list->setCurrentIndex(0);
    const int i = list->findText(name);
    QVERIFY2(i > 0, qPrintable(name));
    list->setCurrentIndex(i);
}

void SaveAs(TfrmMain& w, const QString& keyword, const QString& name)
{
    TestMessages messages;
    messages.ExpectText(name);
    ControlsOf(w, keyword).save->click();
    QVERIFY2(messages.unexpected.isEmpty(), qPrintable(messages.unexpected.join('|')));
}

QWidget* Control(const TfrmMain& w, const char* name)
{
    return w.findChild<QWidget*>(QString::fromLatin1(name));
}

// A page's stored properties, path fields aside, as the store writes them, and its memos.
QStringList Options(const TfrmMain& w, const QString& keyword)
{
    const QWidget* page = PresetPage(w, keyword);
    QStringList values;
    for (const StoredProperty& p : StoredProperties()) {
        const QWidget* c = Control(w, p.control);
        if (page->isAncestorOf(c) && !qobject_cast<const TBrowseEdit*>(c))
            values << QString::fromLatin1(p.control) + '=' + TFormStorage::ReadStoredText(c, p.property);
    }
    for (const StoredText& t : StoredTexts())
        if (page->isAncestorOf(w.*t.memo))
            values << QString::fromLatin1(t.name) + '=' + (w.*t.memo)->toPlainText();
    return values;
}

// Sets every option of the page the way a user would; passes 1 and 2 give different values.
void ChangeOptions(TfrmMain& w, const QString& keyword, int pass)
{
    const QWidget* page = PresetPage(w, keyword);
    for (const StoredProperty& p : StoredProperties()) {
        QWidget* c = Control(w, p.control);
        if (!page->isAncestorOf(c) || qobject_cast<TBrowseEdit*>(c))
            continue;
        if (auto* combo = qobject_cast<QComboBox*>(c))
            combo->setCurrentIndex((combo->currentIndex() + pass) % combo->count());
        else if (qobject_cast<QRadioButton*>(c))
            (pass == 1 ? w.rbAudFFMpeg : w.rbAudEac3To)->click();
        else if (auto* check = qobject_cast<QCheckBox*>(c))
            check->setChecked(!check->isChecked());
        else if (auto* spin = qobject_cast<TSpinEdit*>(c))
            spin->setValue(spin->minimum() + (pass == 1 ? 207 : 3));
        else if (auto* mask = qobject_cast<TMaskEdit*>(c))
            mask->setText(pass == 1 ? QStringLiteral("01:02:03") : QStringLiteral("04:05:06"));
        else
            qobject_cast<QLineEdit*>(c)->setText(QStringLiteral("-pass %1").arg(pass));
    }
    for (const StoredText& t : StoredTexts())
        if (page->isAncestorOf(w.*t.memo))
            (w.*t.memo)->setPlainText(QStringLiteral("--pass %1 --%2").arg(pass).arg(QString::fromLatin1(t.name)));
}

QList<TBrowseEdit*> PathFields(const TfrmMain& w, const QString& keyword)
{
    return PresetPage(w, keyword)->findChildren<TBrowseEdit*>();
}

void AddPageRows()
{
    QTest::addColumn<QString>("page");
    for (const QString& k : PresetPageKeywords())
        QTest::newRow(qPrintable(k)) << k;
}

} // namespace

class TestPresets : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

private slots:
    void init() { store_.clear(); } // every test starts from a first run

    void neverSavedShowsDashAndChangesNothing()
    {
        QStringList before;
        {
            TfrmMain w;
            for (const QString& k : PresetPageKeywords()) {
                const PageControls c = ControlsOf(w, k);
                QCOMPARE(Items(c.list), QStringList{QStringLiteral("-")});
                QVERIFY(!c.remove->isEnabled());
                QVERIFY(PresetNames(k).isEmpty());
                before << Options(w, k);
            }
        }
        QSettings store(store_.path(), QSettings::IniFormat);
        for (const QString& group : store.childGroups())
            QVERIFY2(!group.startsWith(QLatin1String("Presets")), qPrintable(group));
        TfrmMain again;
        QStringList after;
        for (const QString& k : PresetPageKeywords())
            after << Options(again, k);
        QCOMPARE(after, before);
    }

    void stripHoldsItAllBetweenCloseAndEncode_data() { AddPageRows(); }
    void stripHoldsItAllBetweenCloseAndEncode()
    {
        QFETCH(QString, page);
        TfrmMain w;
        w.pcPages->setCurrentWidget(PresetPage(w, page));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const PageControls c = ControlsOf(w, page);
        const auto box = [&w](const QWidget* x) { return QRect(x->mapTo(&w, QPoint()), x->size()); };
        const QList<QWidget*> inOrder = {w.btnCancel, c.list, c.save, c.remove, c.encode};
        for (int i = 0; i < inOrder.size(); ++i) {
            QVERIFY2(inOrder[i]->isVisible(), qPrintable(inOrder[i]->objectName()));
            QVERIFY(inOrder[i]->width() >= inOrder[i]->minimumSizeHint().width());
            QVERIFY(w.rect().contains(box(inOrder[i])));
            if (i > 0)
                QVERIFY2(box(inOrder[i - 1]).right() < box(inOrder[i]).left(), qPrintable(inOrder[i]->objectName()));
        }
    }

    void saveApplyReplaceDelete_data() { AddPageRows(); }
    void saveApplyReplaceDelete()
    {
        QFETCH(QString, page);
        TfrmMain w;
        const PageControls c = ControlsOf(w, page);
        ChangeOptions(w, page, 1);
        const QStringList first = Options(w, page);
        SaveAs(w, page, QStringLiteral("Blu-ray film"));
        QCOMPARE(Items(c.list), (QStringList{"-", "Blu-ray film"}));
        QCOMPARE(c.list->currentText(), QStringLiteral("Blu-ray film"));
        QVERIFY(c.remove->isEnabled());
        QCOMPARE(Options(w, page), first); // saving applies nothing

        ChangeOptions(w, page, 2);
        const QStringList second = Options(w, page);
        QVERIFY(second != first);
        Choose(c.list, QStringLiteral("Blu-ray film"));
        QCOMPARE(Options(w, page), first);

        // Replacing asks first.
        ChangeOptions(w, page, 2);
        {
            TestMessages messages;
            messages.ExpectText(QStringLiteral("Blu-ray film"));
            messages.ExpectYesNo(false);
            c.save->click();
            QCOMPARE(messages.shown.last(), QStringLiteral("Replace the preset \"Blu-ray film\"?"));
            QVERIFY(messages.allAnswered());
        }
        Choose(c.list, QStringLiteral("Blu-ray film"));
        QCOMPARE(Options(w, page), first);
        ChangeOptions(w, page, 2);
        {
            TestMessages messages;
            messages.ExpectText(QStringLiteral("  Blu-ray film \t")); // trimmed: the same name
            messages.ExpectYesNo(true);
            c.save->click();
            QVERIFY(messages.allAnswered());
            QVERIFY(messages.unexpected.isEmpty());
        }
        QCOMPARE(Items(c.list), (QStringList{"-", "Blu-ray film"}));
        ChangeOptions(w, page, 1);
        Choose(c.list, QStringLiteral("Blu-ray film"));
        QCOMPARE(Options(w, page), second);

        // Deleting asks first.
        {
            TestMessages messages;
            messages.ExpectYesNo(false);
            c.remove->click();
            QCOMPARE(messages.shown, QStringList{QStringLiteral("Delete the preset \"Blu-ray film\"?")});
        }
        QCOMPARE(PresetNames(page), QStringList{QStringLiteral("Blu-ray film")});
        {
            TestMessages messages;
            messages.ExpectYesNo(true);
            c.remove->click();
            QVERIFY(messages.allAnswered());
        }
        QVERIFY(PresetNames(page).isEmpty());
        QCOMPARE(Items(c.list), QStringList{QStringLiteral("-")});
        QVERIFY(!c.remove->isEnabled());
        QCOMPARE(Options(w, page), second); // deleting applies nothing
    }

    void presetsBelongToTheirPage()
    {
        TfrmMain w;
        SaveAs(w, QStringLiteral("264"), QStringLiteral("TV"));
        QCOMPARE(PresetNames(QStringLiteral("264")), QStringList{QStringLiteral("TV")});
        for (const QString& other : QStringList{"265", "dv", "audio"}) {
            QVERIFY(PresetNames(other).isEmpty());
            QCOMPARE(ControlsOf(w, other).list->count(), 1);
        }
        QCOMPARE(PresetNames(QStringLiteral("DV")), PresetNames(QStringLiteral("dv"))); // keyword in any case
        QVERIFY(PresetNames(QStringLiteral("x264")).isEmpty());
        QVERIFY(!ApplyPreset(w, QStringLiteral("265"), QStringLiteral("TV")));
        QVERIFY(!ApplyPreset(w, QStringLiteral("264"), QStringLiteral("tv")));
        QVERIFY(ApplyPreset(w, QStringLiteral("264"), QStringLiteral("TV")));
    }

    void cancelledOrEmptyNameSavesNothing()
    {
        TfrmMain w;
        TestMessages messages;
        messages.ExpectTextCancel();
        w.btnSavePreset265->click();
        messages.ExpectText(QStringLiteral(" \t "));
        messages.ExpectInfo();
        w.btnSavePreset265->click();
        QVERIFY(messages.allAnswered());
        QCOMPARE(messages.warnings, QStringList{QStringLiteral("A preset needs a name.")});
        QVERIFY(PresetNames(QStringLiteral("265")).isEmpty());
        QCOMPARE(w.cmbPreset265->count(), 1);
    }

    void namesAreFreeText()
    {
        const QStringList names = {"UHD/HDR10 \\ 2160p", "film", "Film", "50% [TV] = \"1080i\"; #1",
                                   QString::fromUtf8("Ωμέγα 日本")};
        {
            TfrmMain w;
            for (int i = 0; i < names.size(); ++i) {
                w.edBitrate265->setValue(1000 + i);
                SaveAs(w, QStringLiteral("265"), names[i]);
            }
        }
        TfrmMain w;
        QCOMPARE(PresetNames(QStringLiteral("265")),
                 (QStringList{names[3], names[2], names[1], names[0], names[4]}));
        for (int i = 0; i < names.size(); ++i) {
            Choose(w.cmbPreset265, names[i]);
            QCOMPARE(w.edBitrate265->value(), 1000 + i);
        }
    }

    void aPresetHoldsOptionsAndTextsOnly_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("264") << "264" << QStringList{
            "cmbDemuxer.ItemIndex", "cmbFrameRate264.ItemIndex", "chbSetFPS.Checked",
            "chbFakeInterlaced.Checked", "cmbSpeed264.ItemIndex", "edBitrate264.Value",
            "edMaxBitrate264.Value", "edBufsize264.Value", "cmbAspectRation.ItemIndex", "edTime264.Text",
            "chb2pass264.Checked", "chbPause264.Checked", "chbCBR.Checked", "chbKeyFramesAuto.Checked",
            "edKeyFrames.Value", "cmbTune264.ItemIndex", "OtherParams"};
        QTest::newRow("265") << "265" << QStringList{
            "cmbFramerate265.ItemIndex", "cmbSpeed265.ItemIndex", "edBitrate265.Value",
            "edMaxBitrate265.Value", "edBufsize265.Value", "chb2pass265.Checked", "chbHDR.Checked",
            "chbPause265.Checked", "edTime265.Text", "cmbTune265.ItemIndex", "OtherParams265",
            "OtherParamsHDR"};
        QTest::newRow("dv") << "dv" << QStringList{
            "chb2passDV.Checked", "chbPauseDV.Checked", "cmbFramerateDV.ItemIndex", "edFramesFrom.Value",
            "edFramesTo.Value", "OtherParamsDV"};
        QTest::newRow("audio") << "audio" << QStringList{
            "rbAudEac3To.Checked", "rbAudFFMpeg.Checked", "edAudAdditional.Text", "cmbAudBitrate.ItemIndex",
            "chbAudPause.Checked"};
    }

    void aPresetHoldsOptionsAndTextsOnly()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, entries);
        TfrmMain w;
        SaveAs(w, page, QStringLiteral("p"));
        QSettings store(store_.path(), QSettings::IniFormat);
        QStringList groups;
        for (const QString& g : store.childGroups())
            if (g.startsWith(QLatin1String("Presets")))
                groups << g;
        QCOMPARE(groups.size(), 1);
        store.beginGroup(groups.first() + QStringLiteral("/p"));
        QStringList kept = store.childKeys();
        kept.sort();
        entries.sort();
        QCOMPARE(kept, entries);
    }

    void pathsAreNeverPartOfAPreset_data() { AddPageRows(); }
    void pathsAreNeverPartOfAPreset()
    {
        QFETCH(QString, page);
        TfrmMain w;
        const QList<TBrowseEdit*> paths = PathFields(w, page);
        QVERIFY(paths.size() >= 3);
        for (TBrowseEdit* f : paths)
            f->setText(QStringLiteral("/saved/") + f->objectName());
        SaveAs(w, page, QStringLiteral("with paths"));
        for (TBrowseEdit* f : paths)
            f->setText(QStringLiteral("/now/") + f->objectName());
        Choose(ControlsOf(w, page).list, QStringLiteral("with paths"));
        for (TBrowseEdit* f : paths)
            QCOMPARE(f->text(), QStringLiteral("/now/") + f->objectName());
    }

    void cbrPresetLeavesTheBitratesAsTheRuleMakesThem_data()
    {
        QTest::addColumn<bool>("cbrBefore"); // what the page held when the preset is chosen
        QTest::newRow("CBR off before") << false;
        QTest::newRow("CBR on before") << true;
    }

    void cbrPresetLeavesTheBitratesAsTheRuleMakesThem()
    {
        QFETCH(bool, cbrBefore);
        TfrmMain w;
        w.edBitrate264->setValue(18000);
        w.chbCBR->setChecked(true); // max and buffer follow the bitrate
        w.edMaxBitrate264->setValue(25000);
        QCOMPARE(w.edBufsize264->value(), 18000);
        SaveAs(w, QStringLiteral("264"), QStringLiteral("angles"));

        w.chbCBR->setChecked(cbrBefore);
        w.edBitrate264->setValue(9000);
        w.edMaxBitrate264->setValue(12000);
        w.edBufsize264->setValue(11000);
        Choose(w.cmbPreset264, QStringLiteral("angles"));
        QVERIFY(w.chbCBR->isChecked());
        QCOMPARE(w.edBitrate264->value(), 18000);
        QCOMPARE(w.edMaxBitrate264->value(), 18000);
        QCOMPARE(w.edBufsize264->value(), 18000);
        QCOMPARE(w.edBitrate264->maximum(), 18000);
    }

    void boundsOfThePageBeforeDoNotClipThePreset_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("264") << "264";
        QTest::newRow("265") << "265";
    }

    void boundsOfThePageBeforeDoNotClipThePreset()
    {
        QFETCH(QString, page);
        TfrmMain w;
        const bool x264 = page == QLatin1String("264");
        TSpinEdit* bitrate = x264 ? w.edBitrate264 : w.edBitrate265;
        TSpinEdit* max = x264 ? w.edMaxBitrate264 : w.edMaxBitrate265;
        TSpinEdit* bufsize = x264 ? w.edBufsize264 : w.edBufsize265;
        max->setValue(35000);
        bitrate->setValue(32000);
        bufsize->setValue(29000);
        SaveAs(w, page, QStringLiteral("high"));
        max->setValue(15000); // bitrate and buffer limited to 15000
        Choose(ControlsOf(w, page).list, QStringLiteral("high"));
        QCOMPARE(bitrate->value(), 32000);
        QCOMPARE(max->value(), 35000);
        QCOMPARE(bufsize->value(), 29000);
    }

    void audioPresetSwitchesTheTool()
    {
        TfrmMain w;
        w.rbAudFFMpeg->click();
        SaveAs(w, QStringLiteral("audio"), QStringLiteral("ffmpeg"));
        w.rbAudEac3To->click();
        QCOMPARE(w.btnAudioEncode->text(), QStringLiteral("Encode with Eac3To"));
        Choose(w.cmbPresetAudio, QStringLiteral("ffmpeg"));
        QVERIFY(w.rbAudFFMpeg->isChecked());
        QVERIFY(!w.rbAudEac3To->isChecked());
        QVERIFY(w.edAudFFMpeg->isEnabled());
        QVERIFY(!w.edAudEac3To->isEnabled());
        QVERIFY(!w.chbAudDown16->isEnabled());
        QCOMPARE(w.btnAudioEncode->text(), QStringLiteral("Encode with FFMpeg"));
    }

    void presetsSurviveARestart()
    {
        QMap<QString, QStringList> saved;
        {
            TfrmMain w;
            for (const QString& k : PresetPageKeywords()) {
                ChangeOptions(w, k, 1);
                saved[k] = Options(w, k);
                if (k == QLatin1String("264")) // kept on one line, as the settings keep it
                    w.mParams264->setPlainText(QStringLiteral("--pass 1\n--OtherParams"));
                SaveAs(w, k, QStringLiteral("kept"));
                ChangeOptions(w, k, 2);
            }
        }
        TfrmMain w;
        for (const QString& k : PresetPageKeywords()) {
            QCOMPARE(Items(ControlsOf(w, k).list), (QStringList{"-", "kept"}));
            QCOMPARE(ControlsOf(w, k).list->currentIndex(), 0);
            QVERIFY(Options(w, k) != saved[k]);
            Choose(ControlsOf(w, k).list, QStringLiteral("kept"));
            QCOMPARE(Options(w, k), saved[k]);
        }
    }

    void damagedEntriesAreSkipped()
    {
        const auto write = [this](const QString& key, const QString& value) { store_.write(key, value); };
        write(QStringLiteral("Presets264/good/cmbSpeed264.ItemIndex"), QStringLiteral("2"));
        write(QStringLiteral("Presets264/good/OtherParams"), QStringLiteral("--good"));
        // Keys no name gives: not a preset.
        write(QStringLiteral("Presets264/%ZZ/cmbSpeed264.ItemIndex"), QStringLiteral("3"));
        write(QStringLiteral("Presets264/Upper/cmbSpeed264.ItemIndex"), QStringLiteral("3"));
        write(QStringLiteral("Presets264/%20padded/cmbSpeed264.ItemIndex"), QStringLiteral("3"));
        // A preset with unusable values: those controls keep their form defaults.
        write(QStringLiteral("Presets264/broken/cmbSpeed264.ItemIndex"), QStringLiteral("banana"));
        write(QStringLiteral("Presets264/broken/edBitrate264.Value"), QStringLiteral("12 000"));
        write(QStringLiteral("Presets264/broken/chbCBR.Checked"), QStringLiteral("perhaps"));
        write(QStringLiteral("Presets264/broken/chb2pass264.Checked"), QStringLiteral("false"));
        write(QStringLiteral("Presets264/broken/cmbTune264.ItemIndex"), QStringLiteral("99"));
        write(QStringLiteral("Presets264/broken/edX264.Text"), QStringLiteral("/not/from/a/preset"));

        TfrmMain w;
        QCOMPARE(Items(w.cmbPreset264), (QStringList{"-", "broken", "good"}));
        w.edX264->setText(QStringLiteral("/mine/x264"));
        w.cmbSpeed264->setCurrentIndex(0);
        w.edBitrate264->setValue(5000);
        w.cmbTune264->setCurrentIndex(4);
        Choose(w.cmbPreset264, QStringLiteral("broken"));
        QVERIFY(!w.chb2pass264->isChecked());
        QCOMPARE(w.cmbSpeed264->currentIndex(), 5);
        QCOMPARE(w.edBitrate264->value(), 20000);
        QVERIFY(!w.chbCBR->isChecked());
        QCOMPARE(w.cmbTune264->currentIndex(), 1);
        QCOMPARE(w.edX264->text(), QStringLiteral("/mine/x264"));
        Choose(w.cmbPreset264, QStringLiteral("good"));
        QCOMPARE(w.cmbSpeed264->currentIndex(), 2);
        QCOMPARE(w.mParams264->toPlainText(), QStringLiteral("--good"));
        QVERIFY(w.chb2pass264->isChecked());
    }
};

QTEST_MAIN(TestPresets)
#include "tst_presets.moc"
