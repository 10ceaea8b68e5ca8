#pragma once
#include "TBrowseEdit.h"

// Line edit with a browse button and a file dialog; a file dropped on it from a
// file manager sets its text to the local path.
class TFilenameEdit : public TBrowseEdit {
    Q_OBJECT
public:
    enum class DialogKind { Open, Save };
    explicit TFilenameEdit(QWidget* parent = nullptr);

    // Filter in the pipe form "Executable files (*.exe)|*.exe|...".
    void setFilter(const QString& pipeFilter);
    QString filter() const;
    void setFilterIndex(int index);         // preselected filter entry, from 0
    int filterIndex() const;
    void setDefaultExt(const QString& ext); // without the dot
    QString defaultExt() const;
    void setDialogKind(DialogKind kind);    // Open dialogs accept only existing files
    DialogKind dialogKind() const;

    // Qt name filters ("Executable files (*.exe)") for the pipe form.
    static QStringList NameFilters(const QString& pipeFilter);

    // Sets up the dialog the browse button runs: title, filters, default
    // extension, open or save, and the folder of the current text.
    void prepareDialog(QFileDialog& dialog) const override;

private:
    QString filter_;
    int filterIndex_ = 0;
    QString defaultExt_;
    DialogKind kind_ = DialogKind::Open;
};
