#pragma once
#include "Messages.h"

#include <QMessageBox>
#include <QString>

#include <memory>

class QWidget;

enum class MessageKind { Info, Warning, YesNo, OkCancel };

// The box the real messages run: modal over the window set with SetMessageParent,
// titled with the program's name. Built but not shown, so its make-up can be checked.
std::unique_ptr<QMessageBox> MakeMessageBox(MessageKind kind, const QString& text);

// The real modal boxes, as an IMessages the window installs as the default.
IMessages& MessageBoxes();
// The window the real boxes are modal over.
void SetMessageParent(QWidget* parent);
