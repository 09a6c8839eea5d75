#include "ListRules.h"

#include "FieldRules.h"
#include "form/OrvaForm.h"

void ListRules::listChanged(OrvaForm &form, bool parametersLoaded, Control list)
{
    if (list != Control::ListaProtocollo && list != Control::ListaMisura &&
        list != Control::ListaLingua)
        return;
    const Control unit = Control::ListaMisura;
    const Control language = Control::ListaLingua;
    const Control key = Control::ListaLingua1;
    // Lists too short for the forced entries are left as they are.
    if (parametersLoaded && FieldRules::isMctc(form.currentText(Control::ListaProtocollo)) &&
        form.items(unit).size() >= 2 && !form.items(language).isEmpty() &&
        !form.items(key).isEmpty()) {
        form.setCurrentIndex(unit, 1);
        form.setCurrentIndex(language, 0);
        form.setCurrentIndex(key, 0);
    }
    if (list == language)
        form.setCurrentIndex(key, form.currentIndex(language));
}
