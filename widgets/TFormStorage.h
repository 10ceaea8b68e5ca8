#pragma once
#include <QHash>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class QWidget;

// One stored control property: the control's object name and the property as the
// form designer names it ("Text", "ItemIndex", "Checked", "Value"). The store's
// entry is named "control.Property".
struct StoredProperty {
    const char* control;
    const char* property;
};

// Keeps a form's position, a list of control properties and named values in the
// per-user store (organization "Brenmoor", application "Corvane": the registry key
// HKEY_CURRENT_USER\Software\Brenmoor\Corvane on Windows, Brenmoor/Corvane.conf in
// the XDG config folder elsewhere). It touches the store only when asked.
class TFormStorage {
public:
    TFormStorage(QWidget* form, std::vector<StoredProperty> properties, QStringList namedValues);
    ~TFormStorage();

    // Position (when saved at this pixel density and still on a screen), then the
    // properties in list order through each control's ordinary setter, then the
    // named values. What the store lacks, or cannot be used, leaves the control as it is.
    void RestoreFormPlacement();
    // The value last restored or set under the name; a null QVariant when none.
    QVariant GetStoredValue(const QString& name) const;
    void SetStoredValue(const QString& name, const QVariant& value);
    // Writes the position, every property and every named value. False with a
    // message naming the file and the system's reason when the store could not be
    // written; the previous store is then left whole.
    bool SaveFormPlacement(QString* error);

    // Keeps the store in this INI file instead of the per-user place (empty: the
    // per-user place again). Tests use it so they never touch the user's settings.
    static void UseStoreFile(const QString& iniFile);

    // Applies one stored text to one control property as a restore would; false when
    // the text is unusable for it (the control keeps its value then).
    static bool ApplyStoredText(QWidget* control, const char* property, const QString& text);
    // One control property as a save writes it.
    static QString ReadStoredText(const QWidget* control, const char* property);
    // The store's name of a property's entry: "control.Property".
    static QString EntryName(const StoredProperty& p);
    // A value read from the store as text (an INI value with unquoted commas reads
    // back as a list).
    static QString EntryText(const QVariant& stored);

    // The per-user store (or the file set with UseStoreFile), for entries kept
    // beside the form's own.
    static std::unique_ptr<QSettings> OpenStore();
    // Why the store's file cannot be written, in the system's words.
    static QString WriteFailure(const QString& fileName);
    // The controls under `form` by name, from one walk over it (the first of a name
    // wins): a look-up per stored property walked the whole form each time.
    static QHash<QString, QWidget*> ControlsByName(const QWidget* form);

private:
    void RestorePosition(QSettings& store);

    QWidget* form_;
    std::vector<StoredProperty> properties_;
    QStringList declared_;
    QVariantMap values_;
};
