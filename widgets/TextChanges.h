#pragma once
#include <QLineEdit>

#include <functional>

// Calls notify after each textChanged that really changed read(): QLineEdit also
// emits textChanged when a character is replaced by the same one.
inline void OnRealTextChange(QLineEdit* edit, std::function<QString()> read,
                             std::function<void()> notify)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [read, notify, last = read()]() mutable {
                         QString now = read();
                         if (now == last)
                             return;
                         last = now;
                         notify();
                     });
}
