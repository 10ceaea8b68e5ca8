// A settings store damaged throughout: in each of 200 rounds, drawn with a fixed
// seed, every entry the window keeps (stored properties, parameter texts, window
// position) holds random bytes or a number far out of range, one of them now and
// then a very long text.
// Each round the window opens with every control in range, and every page's
// encode writes a script with its paths intact or refuses with a message.
#include "uMain.h"

#include "TSpinEdit.h"

#include "EncodeEveryPage.h"
#include "TestStore.h"

#include <QtTest>
#include <QComboBox>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRadioButton>
#include <QSettings>

namespace {

constexpr int kRounds = 200;
constexpr int kRoundsPerRow = 50; // a row stays well inside QtTest's time limit
constexpr quint32 kSeed = 4242;

const char* const kFarOutOfRange[] = {
    "2147483648", "-2147483649", "9223372036854775807", "9223372036854775808", "-9223372036854775809",
    "99999999999999999999999999", "1e308", "-1e4000", "0x7fffffff", "NaN", "inf", "-0", "+5", " 7 ",
    "1,5", "4.2e1", "true", "@Invalid()", "@ByteArray(\\x01)", "@Variant(\\0\\0\\0\\x7f)", "\\", "\"", "\\x"};

// One damaged value as it stands in the file: random bytes or a number far out of
// range. Line breaks would only start another entry, so they become blanks.
QByteArray Damaged(QRandomGenerator& random)
{
    if (random.bounded(2) == 0)
        return QByteArray(kFarOutOfRange[random.bounded(int(std::size(kFarOutOfRange)))]);
    QByteArray bytes(random.bounded(64), Qt::Uninitialized);
    for (char& b : bytes) {
        b = char(random.bounded(256));
        if (b == '\n' || b == '\r')
            b = ' ';
    }
    return bytes;
}

// The store as an INI file, written straight, every entry damaged and, every tenth
// round, one of them 100 000 characters long. (Qt's writer copies a long value
// over and over under the sanitizers: seconds a value, so only one a round.)
QByteArray DamagedStore(const QStringList& keys, int round, QRandomGenerator& random)
{
    const qsizetype longOne = round % 10 == 0 ? random.bounded(int(keys.size())) : -1;
    QMap<QString, QByteArray> sections;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString& key = keys[i];
        const qsizetype slash = key.lastIndexOf('/');
        const QString section = slash < 0 ? QStringLiteral("General") : key.left(slash);
        const QByteArray value =
            i == longOne ? QString(100000, QChar(u"9x \u00e9\\"[random.bounded(5)])).toUtf8() : Damaged(random);
        sections[section] += key.mid(slash + 1).toUtf8() + '=' + value + '\n';
    }
    QByteArray file;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it)
        file += '[' + it.key().toUtf8() + "]\n" + it.value();
    return file;
}

} // namespace

class TestDamagedSettings : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings
    QTemporaryDir work_;
    QStringList keys_;
    QRandomGenerator random_{kSeed};
    int survived_ = 0, launched_ = 0, refused_ = 0;
    qint64 slowestOpen_ = 0, slowestEncode_ = 0;

private slots:
    void initTestCase()
    {
        // The entries a run leaves behind are the ones to damage.
        store_.clear();
        { TfrmMain first; }
        keys_ = QSettings(store_.path(), QSettings::IniFormat).allKeys();
        QVERIFY2(keys_.size() >= 51 + 4 + 3, qPrintable(keys_.join(' ')));
    }

    void everyRoundOpensAndEncodesOrRefuses_data()
    {
        QTest::addColumn<int>("first");
        for (int first = 0; first < kRounds; first += kRoundsPerRow)
            QTest::addRow("rounds %d-%d", first, first + kRoundsPerRow - 1) << first;
    }

    void everyRoundOpensAndEncodesOrRefuses()
    {
        QFETCH(int, first);
        const QByteArray file = QFile::encodeName(work_.filePath(QStringLiteral("exists.bin")));
        for (int round = first; round < first + kRoundsPerRow; ++round) {
            {
                QFile f(store_.path());
                const QByteArray damaged = DamagedStore(keys_, round, random_);
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(damaged) == damaged.size());
            }
            QElapsedTimer timer;
            timer.start();
            TfrmMain w;
            slowestOpen_ = qMax(slowestOpen_, timer.restart());
            const QString where = QStringLiteral("round %1").arg(round);
            for (QComboBox* c : w.findChildren<QComboBox*>())
                QVERIFY2(c->currentIndex() >= 0 && c->currentIndex() < c->count(),
                         qPrintable(where + ' ' + c->objectName()));
            // A spin edit holds a number of at most six digits, not below its minimum. It
            // may lie above a maximum lowered after it was restored: the bound follows the
            // maximum bitrate and leaves the value as it is.
            for (TSpinEdit* s : w.findChildren<TSpinEdit*>()) {
                bool number = false;
                const int value = s->text().toInt(&number);
                QVERIFY2(number && value == s->value() && value >= s->minimum() && s->text().size() <= 6,
                         qPrintable(where + ' ' + s->objectName() + ' ' + s->text()));
            }
            QVERIFY2(w.rbAudEac3To->isChecked() != w.rbAudFFMpeg->isChecked(), qPrintable(where));
            for (const PageEncodeOutcome& o : EncodeEveryPage(w, work_.path())) {
                QVERIFY2(o.launched != !o.messages.isEmpty(),
                         qPrintable(where + ' ' + o.page + ": " + o.messages.join(QStringLiteral(" / "))));
                if (o.launched)
                    QVERIFY2(o.script.contains(file), qPrintable(where + ' ' + o.page));
                ++(o.launched ? launched_ : refused_);
            }
            slowestEncode_ = qMax(slowestEncode_, timer.elapsed());
            ++survived_;
        }
    }

    void cleanupTestCase()
    {
        qInfo("damaged settings: %d of %d rounds survived; %d scripts written, %d encodes refused; "
              "slowest window opening %lld ms, slowest four encodes %lld ms",
              survived_, kRounds, launched_, refused_, slowestOpen_, slowestEncode_);
    }
};

QTEST_MAIN(TestDamagedSettings)
#include "tst_damagedsettings.moc"
