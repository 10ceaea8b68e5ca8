#include "TFormStorage.h"

#include "TrimBlanks.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMetaProperty>
#include <QSaveFile>
#include <QScreen>
#include <QWidget>

namespace {

QString g_storeFile;

const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kDensity = QStringLiteral("PixelsPerInch");

// The Qt property behind a designer property name.
const char* QtProperty(const char* property)
{
    static const std::pair<const char*, const char*> names[] = {
        {"Text", "text"}, {"ItemIndex", "currentIndex"}, {"Checked", "checked"}, {"Value", "value"}};
    for (const auto& [designer, qt] : names)
        if (qstrcmp(property, designer) == 0)
            return qt;
    return property;
}

// Strictly a whole number in int range; no blanks inside, no other characters.
bool ReadInt(const QString& text, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok, 10);
    return ok;
}

bool ReadBool(const QString& text, bool* value)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1"))
        *value = true;
    else if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0"))
        *value = false;
    else
        return false;
    return true;
}

// The pixel density the position was measured in.
int Density(const QWidget* form)
{
    const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch() * screen->devicePixelRatio()) : 0;
}

} // namespace

QHash<QString, QWidget*> TFormStorage::ControlsByName(const QWidget* form)
{
    QHash<QString, QWidget*> controls;
    for (QWidget* w : form->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !controls.contains(w->objectName()))
            controls.insert(w->objectName(), w);
    return controls;
}

QString TFormStorage::WriteFailure(const QString& fileName)
{
    QSaveFile probe(fileName);
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.cancelWriting();
    return QStringLiteral("the store could not be written");
}

TFormStorage::TFormStorage(QWidget* form, std::vector<StoredProperty> properties,
                           QStringList namedValues)
    : form_(form), properties_(std::move(properties)), declared_(std::move(namedValues))
{
}

TFormStorage::~TFormStorage() = default;

void TFormStorage::UseStoreFile(const QString& iniFile)
{
    g_storeFile = iniFile;
}

std::unique_ptr<QSettings> TFormStorage::OpenStore()
{
    if (!g_storeFile.isEmpty())
        return std::make_unique<QSettings>(g_storeFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Brenmoor"),
                                       QStringLiteral("Corvane"));
}

bool TFormStorage::ApplyStoredText(QWidget* control, const char* property, const QString& text)
{
    if (!control)
        return false;
    const QMetaObject* meta = control->metaObject();
    property = QtProperty(property);
    const int index = meta->indexOfProperty(property);
    if (index < 0)
        return false;
    const QMetaProperty p = meta->property(index);
    switch (p.metaType().id()) {
    case QMetaType::QString:
        return p.write(control, text);
    case QMetaType::Bool: {
        bool on = false;
        return ReadBool(text, &on) && p.write(control, on);
    }
    case QMetaType::Int: {
        int n = 0;
        if (!ReadInt(text, &n))
            return false;
        // A list index must name one of the list's items.
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && qstrcmp(property, "currentIndex") == 0)
            if (n < 0 || n >= combo->count())
                return false;
        return p.write(control, n);
    }
    default:
        return false;
    }
}

QString TFormStorage::EntryName(const StoredProperty& p)
{
    return QString::fromLatin1(p.control) + QLatin1Char('.') + QString::fromLatin1(p.property);
}

QString TFormStorage::EntryText(const QVariant& stored)
{
    return stored.metaType().id() == QMetaType::QStringList ? stored.toStringList().join(QStringLiteral(", "))
                                                           : stored.toString();
}

QString TFormStorage::ReadStoredText(const QWidget* control, const char* property)
{
    return control->property(QtProperty(property)).toString();
}

void TFormStorage::RestorePosition(QSettings& store)
{
    int left = 0, top = 0, density = 0;
    if (!ReadInt(EntryText(store.value(kLeft)), &left) || !ReadInt(EntryText(store.value(kTop)), &top) ||
        !ReadInt(EntryText(store.value(kDensity)), &density) ||
        density != Density(form_))
        return;
    const QRect frame(QPoint(left, top), form_->frameGeometry().size());
    // Only where it lies on a screen that exists now: a monitor may have gone.
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(frame)) {
            form_->move(frame.topLeft());
            return;
        }
}

void TFormStorage::RestoreFormPlacement()
{
    const auto store = OpenStore();
    if (store->status() != QSettings::NoError)
        return; // unreadable or unparsable: as if empty
    RestorePosition(*store);
    const QHash<QString, QWidget*> controls = ControlsByName(form_);
    for (const StoredProperty& p : properties_) {
        const QVariant stored = store->value(EntryName(p));
        if (stored.isValid())
            ApplyStoredText(controls.value(QString::fromLatin1(p.control)), p.property,
                            TrimBlanks(EntryText(stored)));
    }
    for (const QString& name : declared_) {
        const QVariant stored = store->value(name);
        if (stored.isValid())
            values_[name] = EntryText(stored);
    }
}

QVariant TFormStorage::GetStoredValue(const QString& name) const
{
    return values_.value(name);
}

void TFormStorage::SetStoredValue(const QString& name, const QVariant& value)
{
    if (!declared_.contains(name))
        declared_ << name;
    values_[name] = value;
}

bool TFormStorage::SaveFormPlacement(QString* error)
{
    const auto store = OpenStore();
    const QPoint position = form_->frameGeometry().topLeft();
    store->setValue(kLeft, position.x());
    store->setValue(kTop, position.y());
    store->setValue(kDensity, Density(form_));
    const QHash<QString, QWidget*> controls = ControlsByName(form_);
    for (const StoredProperty& p : properties_)
        if (const QWidget* control = controls.value(QString::fromLatin1(p.control)))
            store->setValue(EntryName(p), ReadStoredText(control, p.property));
    for (const QString& name : declared_)
        if (values_.contains(name))
            store->setValue(name, values_.value(name).toString());
    store->sync();
    if (store->status() == QSettings::NoError)
        return true;
    if (error)
        *error = QStringLiteral("The settings could not be saved to %1: %2")
                     .arg(store->fileName(), WriteFailure(store->fileName()));
    return false;
}
