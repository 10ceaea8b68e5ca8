#include "TDirectoryEdit.h"
#include "TFilenameEdit.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <memory>

Q_DECLARE_METATYPE(TFilenameEdit::DialogKind)

namespace {

// A file dropped from a file manager: its URL and, as such drags carry, a text.
std::unique_ptr<QMimeData> Drag(const QString& url)
{
    auto mime = std::make_unique<QMimeData>();
    if (!url.isEmpty())
        mime->setUrls({QUrl(url)});
    mime->setText(url.isEmpty() ? QStringLiteral("plain text") : url);
    return mime;
}

// Sends the enter and the drop a drag over the edit delivers; returns whether
// the enter was accepted.
bool DropOn(QLineEdit* edit, const QMimeData* mime)
{
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
    return enter.isAccepted();
}

} // namespace

class TestBrowseEdits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void nameFilters_data();
    void nameFilters();
    void fileDialogSetUp_data();
    void fileDialogSetUp();
    void fileDialogStartFolder_data();
    void fileDialogStartFolder();
    void folderDialogSetUp();
    void drops_data();
    void drops();
    void browseButtonSitsInside();

private:
    QTemporaryDir temp_;
    QString file_;
    QString folder_;
};

void TestBrowseEdits::initTestCase()
{
    QVERIFY(temp_.isValid());
    folder_ = temp_.filePath(QStringLiteral("sub folder"));
    QVERIFY(QDir().mkpath(folder_));
    file_ = temp_.filePath(QStringLiteral("sub folder/clip.avs"));
    QFile f(file_);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

void TestBrowseEdits::nameFilters_data()
{
    QTest::addColumn<QString>("pipe");
    QTest::addColumn<QStringList>("filters");
    QTest::newRow("none") << "" << QStringList{};
    QTest::newRow("executables") << "Executable files (*.exe)|*.exe"
                                 << QStringList{"Executable files (*.exe)"};
    QTest::newRow("two pairs") << "264 files (*.264)|*.264|AVC files (*.avc)|*.avc"
                               << QStringList{"264 files (*.264)", "AVC files (*.avc)"};
    QTest::newRow("patterns not shown") << "Video|*.mp4" << QStringList{"Video (*.mp4)"};
    QTest::newRow("several patterns") << "Video|*.mp4;*.mkv" << QStringList{"Video (*.mp4 *.mkv)"};
    QTest::newRow("shown with semicolons") << "Video (*.mp4;*.mkv)|*.mp4;*.mkv"
                                           << QStringList{"Video (*.mp4 *.mkv)"};
    QTest::newRow("other parentheses kept") << "Text (plain)|*.txt"
                                            << QStringList{"Text (plain) (*.txt)"};
    QTest::newRow("no description") << "|*.xml" << QStringList{"*.xml"};
    QTest::newRow("description without pattern") << "All|*|Lonely" << QStringList{"All (*)"};
    QTest::newRow("empty pattern") << "Nothing||XML (*.xml)|*.xml" << QStringList{"XML (*.xml)"};
}

void TestBrowseEdits::nameFilters()
{
    QFETCH(QString, pipe);
    QFETCH(QStringList, filters);
    QCOMPARE(TFilenameEdit::NameFilters(pipe), filters);
}

void TestBrowseEdits::fileDialogSetUp_data()
{
    QTest::addColumn<TFilenameEdit::DialogKind>("kind");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<QString>("selectedFilter");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<int>("acceptMode");
    QTest::newRow("open") << TFilenameEdit::DialogKind::Open << 0 << "264 files (*.264)"
                          << int(QFileDialog::ExistingFile) << int(QFileDialog::AcceptOpen);
    QTest::newRow("save, second filter") << TFilenameEdit::DialogKind::Save << 1 << "AVC files (*.avc)"
                                         << int(QFileDialog::AnyFile) << int(QFileDialog::AcceptSave);
    QTest::newRow("index out of range") << TFilenameEdit::DialogKind::Open << 5 << "264 files (*.264)"
                                        << int(QFileDialog::ExistingFile) << int(QFileDialog::AcceptOpen);
}

void TestBrowseEdits::fileDialogSetUp()
{
    QFETCH(TFilenameEdit::DialogKind, kind);
    QFETCH(int, filterIndex);
    QFETCH(QString, selectedFilter);
    QFETCH(int, fileMode);
    QFETCH(int, acceptMode);
    TFilenameEdit edit;
    edit.setFilter(QStringLiteral("264 files (*.264)|*.264|AVC files (*.avc)|*.avc"));
    edit.setFilterIndex(filterIndex);
    edit.setDialogTitle(QStringLiteral("Output file"));
    edit.setDefaultExt(QStringLiteral("264"));
    edit.setDialogKind(kind);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    edit.prepareDialog(dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Output file"));
    QCOMPARE(dialog.nameFilters(), TFilenameEdit::NameFilters(edit.filter()));
    QCOMPARE(dialog.selectedNameFilter(), selectedFilter);
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("264"));
    QCOMPARE(int(dialog.fileMode()), fileMode);
    QCOMPARE(int(dialog.acceptMode()), acceptMode);
}

void TestBrowseEdits::fileDialogStartFolder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("startsThere");
    QTest::newRow("existing file") << QStringLiteral("%1/clip.avs") << true;
    QTest::newRow("new file in an existing folder") << QStringLiteral("%1/new.264") << true;
    QTest::newRow("missing folder") << QStringLiteral("%1/missing/new.264") << false;
    QTest::newRow("bare name") << QStringLiteral("new.264") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestBrowseEdits::fileDialogStartFolder()
{
    QFETCH(QString, text);
    QFETCH(bool, startsThere);
    TFilenameEdit edit;
    edit.setText(QDir::toNativeSeparators(text.contains(QLatin1String("%1")) ? text.arg(folder_) : text));
    QFileDialog untouched;
    untouched.setOption(QFileDialog::DontUseNativeDialog);
    untouched.setDirectory(temp_.path());
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(temp_.path());
    edit.prepareDialog(dialog);
    QCOMPARE(dialog.directory().absolutePath(),
             startsThere ? QDir(folder_).absolutePath() : untouched.directory().absolutePath());
}

void TestBrowseEdits::folderDialogSetUp()
{
    TDirectoryEdit edit;
    edit.setDialogTitle(QStringLiteral("Temp folder"));
    edit.setText(QDir::toNativeSeparators(folder_));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    edit.prepareDialog(dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Temp folder"));
    QCOMPARE(dialog.fileMode(), QFileDialog::Directory);
    QVERIFY(dialog.testOption(QFileDialog::ShowDirsOnly));
    QCOMPARE(dialog.directory().absolutePath(), QDir(folder_).absolutePath());
}

void TestBrowseEdits::drops_data()
{
    QTest::addColumn<bool>("folderEdit");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("taken");
    // "%f" and "%d" stand for the temporary file's and folder's file URLs.
    QTest::newRow("file on file edit") << false << "%f" << false << true;
    QTest::newRow("folder on file edit") << false << "%d" << false << false;
    QTest::newRow("folder on folder edit") << true << "%d" << false << true;
    QTest::newRow("file on folder edit") << true << "%f" << false << false;
    QTest::newRow("web URL") << false << "https://example.com/clip.avs" << false << false;
    QTest::newRow("missing local file") << false << "%d/missing.avs" << false << false;
    QTest::newRow("plain text") << false << "" << false << false;
    QTest::newRow("read-only file edit") << false << "%f" << true << false;
    QTest::newRow("read-only folder edit") << true << "%d" << true << false;
}

void TestBrowseEdits::drops()
{
    QFETCH(bool, folderEdit);
    QFETCH(QString, url);
    QFETCH(bool, readOnly);
    QFETCH(bool, taken);
    std::unique_ptr<QLineEdit> edit;
    if (folderEdit)
        edit = std::make_unique<TDirectoryEdit>();
    else
        edit = std::make_unique<TFilenameEdit>();
    edit->setText(QStringLiteral("before"));
    edit->setReadOnly(readOnly);
    const QString fileUrl = QUrl::fromLocalFile(file_).toString();
    const QString folderUrl = QUrl::fromLocalFile(folder_).toString();
    url.replace(QLatin1String("%f"), fileUrl).replace(QLatin1String("%d"), folderUrl);
    const auto mime = Drag(url);
    QCOMPARE(DropOn(edit.get(), mime.get()), taken);
    const QString path = url.startsWith(QLatin1String("file:")) ? QUrl(url).toLocalFile() : QString();
    QCOMPARE(edit->text(), taken ? QDir::toNativeSeparators(path) : QStringLiteral("before"));
}

void TestBrowseEdits::browseButtonSitsInside()
{
    TFilenameEdit edit;
    edit.resize(200, 24);
    edit.show(); // a hidden widget gets its resize only when shown
    const QRect button = edit.browseButton()->geometry();
    QCOMPARE(edit.browseButton()->text(), QString(QChar(0x2026)));
    QVERIFY(edit.rect().contains(button));
    QVERIFY(button.left() > edit.width() / 2);
    QVERIFY(edit.textMargins().right() >= button.width());
}

QTEST_MAIN(TestBrowseEdits)
#include "tst_BrowseEdits.moc"
