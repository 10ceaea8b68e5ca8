#include "BrowseSupport.h"

#include "InnerButtons.h"

#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

QToolButton* AddBrowseButton(QLineEdit* edit)
{
    auto* button = new QToolButton;
    button->setText(QStringLiteral("\u2026"));
    new InnerButtons(edit, {button});
    return button;
}

QString DroppedPath(const QMimeData* mime, BrowseTarget target)
{
    if (mime == nullptr || !mime->hasUrls() || mime->urls().isEmpty())
        return {};
    const QUrl url = mime->urls().first();
    if (!url.isLocalFile())
        return {};
    const QFileInfo info(url.toLocalFile());
    const bool fits = target == BrowseTarget::Folder ? info.isDir() : info.isFile();
    return fits ? QDir::toNativeSeparators(info.filePath()) : QString();
}

QString TakeDrop(QDropEvent* e, const QLineEdit* edit, BrowseTarget target)
{
    const QString path = edit->isReadOnly() ? QString() : DroppedPath(e->mimeData(), target);
    if (path.isEmpty())
        e->ignore();
    else
        e->acceptProposedAction();
    return path;
}

QString StartFolder(const QString& text, BrowseTarget target)
{
    if (text.trimmed().isEmpty())
        return {};
    const QFileInfo info(QDir::fromNativeSeparators(text));
    if (target == BrowseTarget::Folder && info.isDir())
        return info.absoluteFilePath();
    // A bare name gives ".", which is no folder of the text's own.
    const QString folder = info.path();
    return folder != QLatin1String(".") && QFileInfo(folder).isDir() ? folder : QString();
}

void RunBrowseDialog(QLineEdit* edit, QFileDialog& dialog)
{
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        edit->setText(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}
