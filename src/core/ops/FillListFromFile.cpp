#include "FillListFromFile.h"

#include "LoadRead.h"
#include "OpContext.h"
#include "Session.h"
#include "Tester.h"
#include "form/OrvaForm.h"
#include "params/Catalogue.h"
#include "params/ParameterFile.h"
#include "params/ValueCodec.h"

#include <QCoreApplication>
#include <QDir>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FillListFromFile)
};
} // namespace

void FillListFromFile(OpContext &ctx, Control list, const QString &tag)
{
    OrvaForm &form = ctx.form;
    const bool isLanguage = tag == QLatin1String("lang");
    form.setItems(list, {});
    if (isLanguage)
        form.setItems(Control::ListaLingua1, {});

    const Result<QStringList> lines = ctx.tester.parameterLines();
    if (!lines)
        throw LoadFailed{lines.error()};
    const ListLines found = ParameterFile::listLines(*lines, tag);
    if (found.items.isEmpty())
        throw LoadFailed{OrvaError(
            ErrorNumber::InvalidPropertyValue,
            Texts::tr("Invalid property value: the parameter file %1 has no \"%2\" list lines. "
                      "Replace the file with a complete one.")
                .arg(QDir::toNativeSeparators(ctx.session.parameterFilePath), tag))};
    if (isLanguage)
        form.setItems(Control::ListaLingua1, found.keys);
    form.setItems(list, found.items);
    if (!isLanguage) {
        form.setCurrentIndex(list, 0);
        return;
    }
    const QString key = Catalogue::languageKey();
    const auto code = ValueCodec::byteCode(readForLoad(ctx, key));
    if (!code)
        failMissingDefinition(ctx, key);
    // A language the file does not offer selects none and is kept, rather
    // than ending the program on a value the tester holds.
    const int index = *code < found.items.size() ? *code : -1;
    if (index < 0)
        keepValue(ctx, key, QByteArray(1, char(*code)));
    form.setCurrentIndex(list, index);
    form.setCurrentIndex(Control::ListaLingua1, index);
}
