#include "ListRules.h"

#include "FieldRules.h"
#include "ops/OrvaForm.h"

void ListRules::listChanged(OrvaForm &form, bool parametersLoaded, const QString &list)
{
    const QString unit = QStringLiteral("ListaMisura");
    const QString language = QStringLiteral("ListaLingua");
    const QString key = QStringLiteral("ListaLingua1");
    // Lists too short for the forced entries are left as they are.
    if (parametersLoaded &&
        FieldRules::isMctc(form.currentText(QStringLiteral("ListaProtocollo"))) &&
        form.items(unit).size() >= 2 && !form.items(language).isEmpty() &&
        !form.items(key).isEmpty()) {
        form.setCurrentIndex(unit, 1);
        form.setCurrentIndex(language, 0);
        form.setCurrentIndex(key, 0);
    }
    if (list == language)
        form.setCurrentIndex(key, form.currentIndex(language));
}
