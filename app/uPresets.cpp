// The preset controls on each encoder page's bottom strip, and their handlers.
#include "FormKit.h"
#include "Messages.h"
#include "Presets.h"
#include "TrimBlanks.h"
#include "uMain.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>

#include <array>

using namespace form;

namespace {

struct PresetStrip {
    const char* keyword;
    QComboBox* list;
    QPushButton* save;
    QPushButton* remove;
};

std::array<PresetStrip, 4> Strips(const TfrmMain& w)
{
    return {{
        {"264", w.cmbPreset264, w.btnSavePreset264, w.btnDeletePreset264},
        {"265", w.cmbPreset265, w.btnSavePreset265, w.btnDeletePreset265},
        {"dv", w.cmbPresetDV, w.btnSavePresetDV, w.btnDeletePresetDV},
        {"audio", w.cmbPresetAudio, w.btnSavePresetAudio, w.btnDeletePresetAudio},
    }};
}

PresetStrip StripOf(const TfrmMain& w, const QObject* control)
{
    for (const PresetStrip& s : Strips(w))
        if (control == s.list || control == s.save || control == s.remove)
            return s;
    return {};
}

// The page's presets after "-", the named one selected (none: "-"); choosing
// it here applies nothing.
void FillPresetList(const PresetStrip& s, const QString& selected)
{
    const QSignalBlocker quiet(s.list);
    s.list->clear();
    s.list->addItem(QStringLiteral("-"));
    s.list->addItems(PresetNames(QString::fromLatin1(s.keyword)));
    s.list->setCurrentIndex(qMax(0, s.list->findText(selected, Qt::MatchExactly | Qt::MatchCaseSensitive)));
    s.remove->setEnabled(s.list->currentIndex() > 0);
}

QString ChosenPreset(const PresetStrip& s)
{
    return s.list->currentIndex() > 0 ? s.list->currentText() : QString();
}

} // namespace

void TfrmMain::CreatePresetControls()
{
    struct NewStrip {
        const char* page; // the controls' name ending
        QPushButton* encode;
        QComboBox** list;
        QPushButton** save;
        QPushButton** remove;
    };
    const NewStrip strips[] = {
        {"264", btnEncode264, &cmbPreset264, &btnSavePreset264, &btnDeletePreset264},
        {"265", btnEncode265, &cmbPreset265, &btnSavePreset265, &btnDeletePreset265},
        {"DV", btnEncodeDV, &cmbPresetDV, &btnSavePresetDV, &btnDeletePresetDV},
        {"Audio", btnAudioEncode, &cmbPresetAudio, &btnSavePresetAudio, &btnDeletePresetAudio},
    };
    // The Close button lies over the strip's left end (see resizeEvent).
    const int closeRight = 8 + btnCancel->sizeHint().width() + 16;
    for (const NewStrip& s : strips) {
        QWidget* strip = s.encode->parentWidget();
        const QByteArray page(s.page);
        *s.list = Combo(strip, "cmbPreset" + page, {QStringLiteral("-")}, 0,
                        QStringLiteral("Presets of this page: choosing one sets the page's options"));
        (*s.list)->setFixedWidth(150);
        *s.save = Button(strip, "btnSavePreset" + page, QStringLiteral("Save\u2026"),
                         QStringLiteral("Save the page's options, paths aside, as a preset"));
        *s.remove = Button(strip, "btnDeletePreset" + page, QStringLiteral("Delete"),
                           QStringLiteral("Delete the chosen preset"));
        auto* h = static_cast<QHBoxLayout*>(strip->layout());
        h->insertSpacing(0, closeRight);
        h->insertWidget(1, *s.list);
        h->insertWidget(2, *s.save);
        h->insertWidget(3, *s.remove);
    }
    RememberPresetDefaults(*this);
}

void TfrmMain::ConnectPresets()
{
    for (const PresetStrip& s : Strips(*this)) {
        connect(s.list, &QComboBox::currentIndexChanged, this, &TfrmMain::PresetOnChange);
        connect(s.save, &QPushButton::clicked, this, &TfrmMain::SavePresetOnClick);
        connect(s.remove, &QPushButton::clicked, this, &TfrmMain::DeletePresetOnClick);
        FillPresetList(s, {});
    }
}

void TfrmMain::PresetOnChange()
{
    const PresetStrip s = StripOf(*this, sender());
    s.remove->setEnabled(s.list->currentIndex() > 0);
    const QString name = ChosenPreset(s);
    // Gone from the store since the list was filled (another run deleted it).
    if (!name.isEmpty() && !ApplyPreset(*this, QString::fromLatin1(s.keyword), name))
        FillPresetList(s, {});
}

void TfrmMain::SavePresetOnClick()
{
    const PresetStrip s = StripOf(*this, sender());
    const QString keyword = QString::fromLatin1(s.keyword);
    QString name = ChosenPreset(s);
    if (!Messages().AskText(QStringLiteral("Save this page's options as the preset named:"), &name))
        return;
    name = TrimBlanks(name);
    if (name.isEmpty()) {
        Messages().Warning(QStringLiteral("A preset needs a name."));
        return;
    }
    if (PresetNames(keyword).contains(name) &&
        !Messages().AskYesNo(QStringLiteral("Replace the preset \"%1\"?").arg(name)))
        return;
    QString error;
    if (!SavePreset(*this, keyword, name, &error))
        Messages().Warning(error);
    FillPresetList(s, name);
}

void TfrmMain::DeletePresetOnClick()
{
    const PresetStrip s = StripOf(*this, sender());
    const QString name = ChosenPreset(s);
    if (name.isEmpty() || !Messages().AskYesNo(QStringLiteral("Delete the preset \"%1\"?").arg(name)))
        return;
    QString error;
    if (!DeletePreset(QString::fromLatin1(s.keyword), name, &error))
        Messages().Warning(error);
    FillPresetList(s, {});
}
