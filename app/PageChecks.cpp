#include "PageChecks.h"

#include "JobScript.h"
#include "TrimBlanks.h"

#include <QLineEdit>

bool RequireField(QLineEdit* field, const QString& label)
{
    if (RequireFile(field->text(), label))
        return true;
    field->setFocus();
    return false;
}

bool CheckOutputField(QLineEdit* field, const QString& notSpecified, const QString& overwriteQuestion)
{
    if (CheckOutputFile(field->text(), notSpecified, overwriteQuestion))
        return true;
    // Only a missing output is the field's fault; a declined overwrite is the user's choice.
    if (TrimBlanks(field->text()).isEmpty())
        field->setFocus();
    return false;
}
