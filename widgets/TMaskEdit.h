#pragma once
#include <QLineEdit>

// Edit for the duration mask "!00:00:00;1;_": digits in the six digit places,
// fixed colons, "_" shown for a blank. text() keeps all eight positions and reads
// a blank as a space, which QLineEdit's masked text() would drop.
//
// The field holds its shown form ("1_:__:__") as plain QLineEdit text and edits
// it in place, since QLineEdit's input mask loses blanks before a digit and takes
// non-ASCII digits. The property "text" is this class's text().
class TMaskEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY changed)
public:
    explicit TMaskEdit(QWidget* parent = nullptr);
    QString text() const;               // always 8 characters, blanks as ' '
    void setText(const QString& t);
signals:
    void changed();                     // every change of text()

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void typeDigits(const QString& typed);
    void blankSelection();
    void blankAt(int pos);
    void replaceShown(int from, int to, const QString& shown, int cursor);
};
