#include "FillListFromFile.h"

#include "ErrorReport.h"
#include "LoadRead.h"
#include "OrvaForm.h"
#include "Session.h"
#include "link/OrvaError.h"
#include "params/ParameterFile.h"
#include "params/ValueCodec.h"

#include <QDir>

void FillListFromFile(OpContext &ctx, const QString &list, const QString &tag)
{
    OrvaForm &form = ctx.form;
    const bool isLanguage = tag == QLatin1String("lang");
    const QString keyList = QStringLiteral("ListaLingua1");
    form.setItems(list, {});
    if (isLanguage)
        form.setItems(keyList, {});

    ListLines found;
    try {
        found =
            ParameterFile::listLines(ParameterFile::readLines(ctx.session.parameterFilePath), tag);
    } catch (const OrvaError &e) {
        reportFatal(form, e);
    }
    if (found.items.isEmpty())
        reportFatal(
            form,
            OrvaError(ErrorNumber::InvalidPropertyValue,
                      QStringLiteral("Invalid property value: the parameter file %1 "
                                     "has no \"%2\" list lines. Replace the file "
                                     "with a complete one.")
                          .arg(QDir::toNativeSeparators(ctx.session.parameterFilePath), tag)));
    if (isLanguage)
        form.setItems(keyList, found.keys);
    form.setItems(list, found.items);

    if (!isLanguage) {
        form.setCurrentIndex(list, 0);
        return;
    }
    const QString key = QStringLiteral("parame_lingua");
    const auto code = ValueCodec::byteCode(readForLoad(ctx, key));
    if (!code)
        reportFatal(form, missingDefinition(ctx.session.parameterFilePath, key));
    // A language the file does not offer selects none, rather than ending
    // the program on a value the tester holds.
    const int index = *code < found.items.size() ? *code : -1;
    form.setCurrentIndex(list, index);
    form.setCurrentIndex(keyList, index);
}
