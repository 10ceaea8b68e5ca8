#pragma once
#include <QString>
#include <QStringList>

class QWidget;
class TfrmMain;

// Named sets of a page's options, kept in the per-user store beside the settings.
// A preset holds the page's stored properties and parameter texts except the path
// fields: tools, inputs and outputs belong to the machine and the job. Pages are
// named by the start-up keywords "264", "265", "dv" and "audio".

// The keywords of the pages that keep presets, in page order.
QStringList PresetPageKeywords();
// The page of w a keyword names (any letter case); nullptr for none.
QWidget* PresetPage(const TfrmMain& w, const QString& pageKeyword);

// The page's preset names, sorted; entries the store cannot name are left out.
QStringList PresetNames(const QString& pageKeyword);
// Sets the page's preset controls back to their form defaults, then applies the
// preset through the controls' setters in the stored-properties order, so every
// handler runs as for the user's change and the result does not depend on what the
// page held before. False when there is no such preset.
bool ApplyPreset(TfrmMain& w, const QString& pageKeyword, const QString& name);
// Saves the page's current options under the name (already trimmed), replacing a
// preset of that name. False with a message when the store could not be written.
bool SavePreset(const TfrmMain& w, const QString& pageKeyword, const QString& name, QString* error);
// False with a message when the store could not be written.
bool DeletePreset(const QString& pageKeyword, const QString& name, QString* error);

// Keeps each preset control's form default, for ApplyPreset; call on the freshly
// built form, before any setting is restored.
void RememberPresetDefaults(TfrmMain& w);
