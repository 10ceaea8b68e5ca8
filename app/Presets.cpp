#include "Presets.h"

#include "StoredSettings.h"
#include "StrToolz.h"
#include "TBrowseEdit.h"
#include "TFormStorage.h"
#include "TrimBlanks.h"
#include "uMain.h"

#include <QPlainTextEdit>

#include <algorithm>

namespace {

struct PageGroup {
    const char* keyword;
    QWidget* TfrmMain::*page;
    const char* group;
};

const PageGroup kPages[] = {
    {"264", &TfrmMain::ts264, "Presets264"},
    {"265", &TfrmMain::ts265, "Presets265"},
    {"dv", &TfrmMain::tsDV, "PresetsDV"},
    {"audio", &TfrmMain::tsAudio, "PresetsAudio"},
};

// Kept on each preset control: the value it has on a freshly built form.
const char* const kFormDefault = "presetFormDefault";

const PageGroup* PageOf(const QString& keyword)
{
    for (const PageGroup& p : kPages)
        if (keyword.compare(QLatin1String(p.keyword), Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

// A name as one key of the store: '/' and '\' would open groups and the registry
// ignores letter case, so every byte but lower-case letters, digits and "-._~" is
// written as %XX with upper-case hex. Distinct names stay distinct keys, whatever
// the letter case.
QString KeyOf(const QString& name)
{
    return QString::fromLatin1(name.toUtf8().toPercentEncoding({}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
}

// The name a key was made from; empty for a key KeyOf never makes.
QString NameOf(const QString& key)
{
    const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(key.toLatin1()));
    if (name.isEmpty() || TrimBlanks(name) != name || KeyOf(name) != key)
        return {};
    return name;
}

QString GroupOf(const PageGroup& page, const QString& name)
{
    return QString::fromLatin1(page.group) + QLatin1Char('/') + KeyOf(name);
}

// What a preset of the page holds, taken from the settings' own tables.
struct PresetProperty {
    StoredProperty row;
    QWidget* control;
};

struct PresetRows {
    std::vector<PresetProperty> properties;
    std::vector<const StoredText*> texts;
};

PresetRows RowsOf(const TfrmMain& w, const QWidget* page)
{
    PresetRows rows;
    const QHash<QString, QWidget*> onPage = TFormStorage::ControlsByName(page);
    for (const StoredProperty& p : StoredProperties()) {
        QWidget* control = onPage.value(QString::fromLatin1(p.control));
        if (control && !qobject_cast<const TBrowseEdit*>(control))
            rows.properties.push_back({p, control});
    }
    for (const StoredText& t : StoredTexts())
        if (page->isAncestorOf(w.*t.memo))
            rows.texts.push_back(&t);
    return rows;
}

bool Sync(QSettings& store, QString* error)
{
    store.sync();
    if (store.status() == QSettings::NoError)
        return true;
    if (error)
        *error = QStringLiteral("The presets could not be saved to %1: %2")
                     .arg(store.fileName(), TFormStorage::WriteFailure(store.fileName()));
    return false;
}

} // namespace

QStringList PresetPageKeywords()
{
    QStringList keywords;
    for (const PageGroup& p : kPages)
        keywords << QString::fromLatin1(p.keyword);
    return keywords;
}

QWidget* PresetPage(const TfrmMain& w, const QString& pageKeyword)
{
    const PageGroup* page = PageOf(pageKeyword);
    return page ? w.*page->page : nullptr;
}

QStringList PresetNames(const QString& pageKeyword)
{
    const PageGroup* page = PageOf(pageKeyword);
    if (!page)
        return {};
    const auto store = TFormStorage::OpenStore();
    store->beginGroup(QString::fromLatin1(page->group));
    QStringList names;
    for (const QString& key : store->childGroups()) {
        const QString name = NameOf(key);
        if (!name.isEmpty())
            names << name;
    }
    // Letter case decides only between names that differ in nothing else.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

bool ApplyPreset(TfrmMain& w, const QString& pageKeyword, const QString& name)
{
    const PageGroup* page = PageOf(pageKeyword);
    if (!page || !PresetNames(pageKeyword).contains(name))
        return false;
    const PresetRows rows = RowsOf(w, w.*page->page);
    for (const auto& [p, control] : rows.properties)
        TFormStorage::ApplyStoredText(control, p.property, control->property(kFormDefault).toString());
    const auto store = TFormStorage::OpenStore();
    store->beginGroup(GroupOf(*page, name));
    for (const auto& [p, control] : rows.properties) {
        const QVariant stored = store->value(TFormStorage::EntryName(p));
        if (stored.isValid())
            TFormStorage::ApplyStoredText(control, p.property, TrimBlanks(TFormStorage::EntryText(stored)));
    }
    for (const StoredText* t : rows.texts) {
        const QVariant stored = store->value(QString::fromLatin1(t->name));
        if (stored.isValid())
            (w.*t->memo)->setPlainText(TFormStorage::EntryText(stored));
    }
    return true;
}

bool SavePreset(const TfrmMain& w, const QString& pageKeyword, const QString& name, QString* error)
{
    const PageGroup* page = PageOf(pageKeyword);
    if (!page)
        return false;
    const PresetRows rows = RowsOf(w, w.*page->page);
    const auto store = TFormStorage::OpenStore();
    const QString group = GroupOf(*page, name);
    store->remove(group); // nothing left over from the preset it replaces
    store->beginGroup(group);
    for (const auto& [p, control] : rows.properties)
        store->setValue(TFormStorage::EntryName(p), TFormStorage::ReadStoredText(control, p.property));
    for (const StoredText* t : rows.texts)
        store->setValue(QString::fromLatin1(t->name), FlattenParams((w.*t->memo)->toPlainText()));
    store->endGroup();
    return Sync(*store, error);
}

bool DeletePreset(const QString& pageKeyword, const QString& name, QString* error)
{
    const PageGroup* page = PageOf(pageKeyword);
    if (!page)
        return false;
    const auto store = TFormStorage::OpenStore();
    store->remove(GroupOf(*page, name));
    return Sync(*store, error);
}

void RememberPresetDefaults(TfrmMain& w)
{
    for (const PageGroup& page : kPages)
        for (const auto& [p, control] : RowsOf(w, w.*page.page).properties)
            control->setProperty(kFormDefault, TFormStorage::ReadStoredText(control, p.property));
}
