// The Info page: the media report.
#include "FormKit.h"
#include "uMain.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace form;

QWidget* TfrmMain::CreatePageInfo()
{
    tsInfo = new QWidget;
    tsInfo->setObjectName(QStringLiteral("tsInfo"));
    mInfo = new QPlainTextEdit(tsInfo);
    mInfo->setObjectName(QStringLiteral("mInfo"));
    mInfo->setReadOnly(true);
    mInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    mInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mInfo->setFont(FixedPitchFont());
    auto* v = new QVBoxLayout(tsInfo);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(mInfo);
    return tsInfo;
}
