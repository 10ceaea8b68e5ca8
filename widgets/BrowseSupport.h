#pragma once
#include <QString>

class QDropEvent;
class QFileDialog;
class QLineEdit;
class QMimeData;
class QToolButton;

// What a browse edit names: a file or a folder.
enum class BrowseTarget { File, Folder };

// Adds the "…" button inside the edit's right end.
QToolButton* AddBrowseButton(QLineEdit* edit);

// The local path (native separators) of the first URL of a drop when it is an
// existing item of the target's kind; otherwise empty.
QString DroppedPath(const QMimeData* mime, BrowseTarget target);

// Accepts a drag or drop event exactly when it carries such a path for an editable
// edit, and returns the path (empty when ignored).
QString TakeDrop(QDropEvent* e, const QLineEdit* edit, BrowseTarget target);

// The existing folder a browse dialog starts in for the edit's text, or empty when
// the text names none.
QString StartFolder(const QString& text, BrowseTarget target);

// Runs the dialog; when accepted the edit takes the chosen path.
void RunBrowseDialog(QLineEdit* edit, QFileDialog& dialog);
