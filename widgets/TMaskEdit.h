#pragma once
#include <QLineEdit>

// Edit for the duration mask "!00:00:00;1;_": digits in the six digit places,
// fixed colons, "_" shown for a blank. text() keeps all eight positions and reads
// a blank as a space, which QLineEdit's masked text() would drop.
class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEdit(QWidget* parent = nullptr);
    QString text() const;               // always 8 characters, blanks as ' '
    void setText(const QString& t);
signals:
    void changed();                     // every change of text()
};
