#include "LoadParameters.h"

#include "ErrorReport.h"
#include "FillListFromFile.h"
#include "LoadRead.h"
#include "OrvaForm.h"
#include "ResetParameterFields.h"
#include "Session.h"
#include "TransferProgress.h"
#include "link/AbortFlag.h"
#include "link/Equipment.h"
#include "link/Frames.h"
#include "link/OrvaError.h"
#include "params/Catalogue.h"
#include "params/ParameterFile.h"
#include "params/ValueCodec.h"

#include <QDir>
#include <QFileInfo>

namespace {

int decoded(OpContext &ctx, const QString &key, std::optional<int> value)
{
    if (!value)
        reportFatal(ctx.form, missingDefinition(ctx.session.parameterFilePath, key));
    return *value;
}

void selectIfOffered(OrvaForm &form, const QString &list, std::optional<int> index)
{
    // A value the list does not offer leaves the list as it was.
    if (index && *index >= 0 && *index < form.items(list).size())
        form.setCurrentIndex(list, *index);
}

void readEntry(OpContext &ctx, const CatalogueEntry &e)
{
    OrvaForm &form = ctx.form;
    if (e.kind == ParamKind::LanguageIndex)
        return; // read while the language list is filled
    const QByteArray reply = readForLoad(ctx, e.key);
    switch (e.kind) {
    case ParamKind::Text:
    case ParamKind::TextHead:
        form.setText(e.control, ValueCodec::text(reply));
        break;
    case ParamKind::TextTail:
        form.setText(e.control, form.text(e.control) + ValueCodec::text(reply));
        break;
    case ParamKind::Date: {
        const QString t = ValueCodec::text(reply);
        const QStringList &fields = Catalogue::dateControls();
        form.setText(fields[0], t.mid(0, 2));
        form.setText(fields[1], t.mid(2, 2));
        form.setText(fields[2], t.mid(4));
        break;
    }
    case ParamKind::DigitIndex:
        selectIfOffered(form, e.control, ValueCodec::digitIndex(reply));
        break;
    case ParamKind::ByteIndex:
        selectIfOffered(form, e.control, decoded(ctx, e.key, ValueCodec::byteCode(reply)));
        break;
    case ParamKind::Switches: {
        const int bits = decoded(ctx, e.key, ValueCodec::number16(reply));
        const QStringList &boxes = Catalogue::switchControls();
        for (int bit = 0; bit < boxes.size(); ++bit)
            form.setChecked(boxes[bit], bits & (1 << bit));
        break;
    }
    case ParamKind::CheckByte:
        form.setChecked(e.control, decoded(ctx, e.key, ValueCodec::byteCode(reply)) != 0);
        break;
    case ParamKind::Factor:
        form.setText(e.control, QString::number(decoded(ctx, e.key, ValueCodec::number16(reply))));
        break;
    case ParamKind::LanguageIndex:
        break;
    }
}

qint64 bytesIn(const QString &file, const QStringList &keys)
{
    try {
        return ParameterFile::bytesToRead(ParameterFile::readLines(file), keys);
    } catch (const OrvaError &) {
        return 0; // the reads themselves report a missing file
    }
}

QString versionFile(const Session &session, const QString &version)
{
    const QString form = ValueCodec::fileNameForm(version);
    if (form.isEmpty())
        return session.defaultFile();
    const QString path = session.fileFor(QStringLiteral("ORVA_%1.ini").arg(form));
    return QFileInfo::exists(path) ? path : session.defaultFile();
}

void loadOnce(OpContext &ctx)
{
    OrvaForm &form = ctx.form;
    while (ctx.equipment.checkConnection() != QByteArray(1, Frames::Ack)) {
        // An Abort only shortens the current wait; the load goes on.
        ctx.equipment.abortFlag().clear();
    }
    form.setStatus(QStringLiteral("Wait reading parameters from equipment ...."));
    const QString version = ValueCodec::text(readForLoad(ctx, Catalogue::versionKey()));
    form.setText(QStringLiteral("TestoVersioneScheda"), QStringLiteral("ORVA ver. ") + version);
    ctx.session.parameterFilePath = versionFile(ctx.session, version);
    form.setText(
        QStringLiteral("TestoFileIni"),
        QStringLiteral("( rif. %1 )").arg(QDir::toNativeSeparators(ctx.session.parameterFilePath)));
    form.lockAllControls();
    TransferProgress progress(ctx, bytesIn(ctx.session.parameterFilePath, Catalogue::loadKeys()));
    FillListFromFile(ctx, QStringLiteral("ListaLingua"), QStringLiteral("lang"));
    FillListFromFile(ctx, QStringLiteral("ListaMisura"), QStringLiteral("unit"));
    FillListFromFile(ctx, QStringLiteral("ListaPannello"), QStringLiteral("pane"));
    FillListFromFile(ctx, QStringLiteral("ListaProtocollo"), QStringLiteral("prot"));
    ResetParameterFields(form);
    for (const CatalogueEntry &e : Catalogue::entries())
        readEntry(ctx, e);
    const QString offsets = QStringLiteral("TestoOffsetFotodiodi");
    form.setText(offsets, QString());
    QString lines;
    for (int n = 1; n <= Catalogue::OffsetCount; ++n) {
        const QString key = Catalogue::offsetKey(n);
        const int value = decoded(ctx, key, ValueCodec::number16(readForLoad(ctx, key)));
        lines += ValueCodec::offsetLine(n, value) + QStringLiteral("\r\n");
        form.setText(offsets, lines);
    }
}

} // namespace

void LoadParameters(OpContext &ctx)
{
    OrvaForm &form = ctx.form;
    ResetParameterFields(form);
    ctx.session.parametersLoaded = false;
    for (;;) {
        try {
            loadOnce(ctx);
            break;
        } catch (const TesterSilent &) {
            // The tester went quiet mid-load: wait for it again, then read anew.
        }
    }
    form.setStatus(QString());
    form.applyAccessLevel();
    form.setShown(QStringLiteral("CmdInvia"), true);
    form.beep();
    ctx.session.parametersLoaded = true;
    form.parametersLoaded();
}
