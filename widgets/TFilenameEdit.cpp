#include "TFilenameEdit.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

// "*.mp4;*.mkv" or "*.mp4 *.mkv" as the space-separated list Qt reads.
QString PatternList(const QString& patterns)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return patterns.split(separators, Qt::SkipEmptyParts).join(u' ');
}

// "Video (*.mp4;*.mkv)" with patterns "*.mp4;*.mkv" becomes "Video (*.mp4 *.mkv)":
// Qt takes the patterns from the last parentheses, so they must hold exactly the
// list, separated by spaces.
QString NameFilter(QString description, const QString& list)
{
    static const QRegularExpression shown(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch m = shown.match(description);
    if (m.hasMatch() && PatternList(m.captured(1)) == list)
        description.truncate(m.capturedStart());
    description = description.trimmed();
    return description.isEmpty() ? list : description + QStringLiteral(" (") + list + u')';
}

} // namespace

TFilenameEdit::TFilenameEdit(QWidget* parent) : TBrowseEdit(BrowseTarget::File, parent) {}

void TFilenameEdit::setFilter(const QString& pipeFilter) { filter_ = pipeFilter; }
QString TFilenameEdit::filter() const { return filter_; }
void TFilenameEdit::setFilterIndex(int index) { filterIndex_ = index; }
int TFilenameEdit::filterIndex() const { return filterIndex_; }
void TFilenameEdit::setDefaultExt(const QString& ext) { defaultExt_ = ext; }
QString TFilenameEdit::defaultExt() const { return defaultExt_; }
void TFilenameEdit::setDialogKind(DialogKind kind) { kind_ = kind; }
TFilenameEdit::DialogKind TFilenameEdit::dialogKind() const { return kind_; }

// Pairs of description and pattern; a description without its pattern is dropped.
QStringList TFilenameEdit::NameFilters(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString list = PatternList(parts.at(i + 1));
        if (!list.isEmpty())
            filters << NameFilter(parts.at(i), list);
    }
    return filters;
}

void TFilenameEdit::prepareDialog(QFileDialog& dialog) const
{
    const QStringList filters = NameFilters(filter_);
    dialog.setNameFilters(filters);
    if (filterIndex_ >= 0 && filterIndex_ < filters.size())
        dialog.selectNameFilter(filters.at(filterIndex_));
    dialog.setDefaultSuffix(defaultExt_);
    if (kind_ == DialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The encode asks before overwriting; asking here too would ask twice.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    prepareCommon(dialog);
}
