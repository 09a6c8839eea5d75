#include "ResetParameterFields.h"

#include "form/OrvaForm.h"

void ResetParameterFields(OrvaForm &form)
{
    for (const Control c : Controls::all()) {
        const ControlInfo &row = Controls::info(c);
        if (!row.reset)
            continue;
        if (row.kind == ControlKind::Check)
            form.setChecked(c, qstrcmp(row.reset, "1") == 0);
        else if (qstrcmp(row.reset, Controls::Blanks) == 0)
            form.setText(c, QString(row.maxLength, u' '));
        else
            form.setText(c, QString::fromLatin1(row.reset));
    }
}
