#pragma once
#include <QMessageBox>
#include <QString>

#include <memory>

enum class MessageKind { Info, YesNo, OkCancel };

// The box the real messages run: modal over the window set with SetMessageParent,
// titled with the program's name. Built but not shown, so its make-up can be checked.
std::unique_ptr<QMessageBox> MakeMessageBox(MessageKind kind, const QString& text);
