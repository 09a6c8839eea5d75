#include "ResetParameterFields.h"

#include "OrvaForm.h"
#include "params/Catalogue.h"

void ResetParameterFields(OrvaForm &form)
{
    for (const QString &field : Catalogue::paddedFields())
        form.setText(field, QString(form.maxLength(field), u' '));
    form.setText(QStringLiteral("TestoGiornoScadenza"), QStringLiteral("01"));
    form.setText(QStringLiteral("TestoMeseScadenza"), QStringLiteral("01"));
    form.setText(QStringLiteral("TestoAnnoScadenza"), QStringLiteral("2003"));
    form.setText(QStringLiteral("TestoLuxAnaCampione"), QStringLiteral("29"));
    form.setText(QStringLiteral("TestoLuxAbbCampione"), QStringLiteral("77"));
    form.setChecked(QStringLiteral("ChkPrnHfaroIncl"), true);
}
