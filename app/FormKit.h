#pragma once
#include "TFilenameEdit.h"

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TMaskEdit;
class TSpinEdit;

// Builders for the form's controls: each sets the name, caption, hint, items,
// default and limits in one call, the way a form file declares them.
namespace form {

// The browse filter for executables: "*.exe" means nothing on POSIX.
QString ExecutableFilter();

QLabel* Label(QWidget* parent, const QString& text, QWidget* buddy = nullptr);
TFilenameEdit* FileEdit(QWidget* parent, const char* name, TFilenameEdit::DialogKind kind,
                        const QString& filter, const QString& title,
                        const QString& defaultExt = {}, int filterIndex = 0);
QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items, int index,
                 const QString& hint = {}, int visibleRows = 0);
TSpinEdit* Spin(QWidget* parent, const char* name, int minimum, int maximum, int increment,
                int maxLength, int value, const QString& hint = {});
QCheckBox* Check(QWidget* parent, const char* name, const QString& caption, bool checked,
                 const QString& hint = {});
QPushButton* Button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint = {});
// The small "i" button beside an input field.
QPushButton* InfoButton(QWidget* parent, const char* name);
// Read-only until its Edit button is pressed; Enter inserts no line break.
QPlainTextEdit* Memo(QWidget* parent, const char* name, const QString& hint = {});
// A memo's view state (read-only on the button face) or edit state (editable on
// the window colour).
void SetMemoEditable(QPlainTextEdit* memo, bool editable);
TMaskEdit* Duration(QWidget* parent, const char* name);
// A bevelled panel, as each page's main area and bottom strip.
QFrame* Panel(QWidget* parent);

// Height of every encoder page's bottom strip; the Close button sits over it.
constexpr int kStripHeight = 34;

} // namespace form
