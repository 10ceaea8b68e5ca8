#pragma once
#include "TFilenameEdit.h"

#include <QFont>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLayout;
class QVBoxLayout;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TMaskEdit;
class TSpinEdit;

// Builders for the form's controls: each sets the name, caption, hint, items,
// default and limits in one call, the way a form file declares them.
namespace form {

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

// The save filter of the HEVC outputs (x265 and both Dolby Vision layers).
inline const QString kOutput265Filter = QStringLiteral("265 files (*.265)|*.265|HEVC files (*.hevc)|*.hevc");

// Height of every encoder page's bottom strip; the Close button sits over it.
constexpr int kStripHeight = 34;

// ---- the page skeleton every encoder page shares ----

// An encoder page: a main panel filling it and the strip with the encode button
// at its right end. `layout` is the main panel's column. Made inside `pages`, the
// page control, so its controls take the window's font as they are made instead of
// all over again when the page is added.
struct EncoderPage {
    QWidget* page;
    QWidget* main;
    QVBoxLayout* layout;
};
EncoderPage NewEncoderPage(QWidget* pages, const char* name, QPushButton* encode);

// A grid of labelled rows. Grids made with labelColumn set share one label-column
// width across the pages (see EqualiseLabelColumns), so fields do not jump sideways.
QGridLayout* Grid(bool labelColumn = false);
void EqualiseLabelColumns(QWidget* window);
// A labelled file row; the "i" button, when given, stands at its right end.
void FileRow(QGridLayout* g, int row, const QString& label, QWidget* edit, QWidget* extra = nullptr);
void LabelledRow(QGridLayout* g, int row, const QString& label, QWidget* field, int span = 1);
// A parameter memo under its title row, with "Reset" and "Edit" beside the title.
QLayout* MemoBlock(QWidget* parent, const QString& title, QPlainTextEdit* memo, QPushButton* reset,
                   QPushButton* edit);
QPushButton* ResetButton(QWidget* parent, const char* name, const QString& hint);
QPushButton* EditButton(QWidget* parent, const char* name);
// The Info page's fixed-pitch font at the window's font height.
QFont FixedPitchFont();

} // namespace form
