#include "Catalogue.h"

#include <QHash>

QString CatalogueEntry::writeMode() const
{
    switch (kind) {
    case ParamKind::LanguageIndex:
    case ParamKind::ByteIndex:
    case ParamKind::Switches:
    case ParamKind::CheckByte:
        return QStringLiteral("0");
    case ParamKind::Factor:
        return {};
    default:
        return QStringLiteral("1");
    }
}

const QList<CatalogueEntry> &Catalogue::entries()
{
    static const QList<CatalogueEntry> all = {
        {"parame_lingua", "ListaLingua", ParamKind::LanguageIndex},
        {"parame_marcaa", "TestoMarca", ParamKind::Text},
        {"parame_modelo", "TestoModello", ParamKind::TextHead, 10},
        {"parame_model1", "TestoModello", ParamKind::TextTail, 10},
        {"parame_nomolo", "TestoNumOmologa", ParamKind::TextHead, 12},
        {"parame_nomol1", "TestoNumOmologa", ParamKind::TextTail, 12},
        {"parame_nserie", "TestoNumSerie", ParamKind::TextHead, 4},
        {"parame_nseri1", "TestoNumSerie", ParamKind::TextTail, 4},
        {"parame_scaden", "TestoGiornoScadenza", ParamKind::Date},
        {"parame_unitam", "ListaMisura", ParamKind::DigitIndex},
        {"parame_pannel", "ListaPannello", ParamKind::DigitIndex},
        {"parame_protoc", "ListaProtocollo", ParamKind::DigitIndex},
        {"parame_indapp", "TestoIndirizzoApp", ParamKind::Text},
        {"parame_vermct", "TestoVersioneMctc", ParamKind::Text},
        {"parame_tifaro", "ListaTipoFaro", ParamKind::ByteIndex},
        {"param_setupsw", "ChkEnFogReq", ParamKind::Switches},
        {"parame_offnom", "TestoNomeOfficina", ParamKind::Text},
        {"parame_offin1", "TestoIndirizzo1", ParamKind::Text},
        {"parame_offin2", "TestoIndirizzo2", ParamKind::Text},
        {"parame_offin3", "TestoIndirizzo3", ParamKind::Text},
        {"parame_offin4", "TestoIndirizzo4", ParamKind::Text},
        {"parame_prninc", "ChkPrnHfaroIncl", ParamKind::CheckByte},
        {"offset_convan", "TestoAnaConv", ParamKind::Factor},
        {"offset_convab", "TestoAbbConv", ParamKind::Factor},
    };
    return all;
}

const QStringList &Catalogue::switchControls()
{
    static const QStringList c = {"ChkEnFogReq", "ChkEnForzatura", "ChkEnPrecFaro"};
    return c;
}

const QStringList &Catalogue::dateControls()
{
    static const QStringList c = {"TestoGiornoScadenza", "TestoMeseScadenza", "TestoAnnoScadenza"};
    return c;
}

QString Catalogue::offsetKey(int number)
{
    return QStringLiteral("offset_fdph%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString Catalogue::versionKey()
{
    return QStringLiteral("parame_verorv");
}

QStringList Catalogue::lampTypes()
{
    return {QStringLiteral("LEFT-HAND DRIVE"), QStringLiteral("RIGHT-HAND DRIVE")};
}

QStringList Catalogue::loadKeys()
{
    QStringList keys;
    for (const CatalogueEntry &e : entries())
        keys.append(e.key);
    for (int n = 1; n <= OffsetCount; ++n)
        keys.append(offsetKey(n));
    return keys;
}

QStringList Catalogue::sendKeys()
{
    QStringList keys;
    for (const CatalogueEntry &e : entries())
        if (!e.writeMode().isEmpty())
            keys.append(e.key);
    return keys;
}

int Catalogue::fieldWidth(const QString &control)
{
    static const QHash<QString, int> widths = {
        {"TestoMarca", 10},         {"TestoModello", 20},     {"TestoNumOmologa", 24},
        {"TestoNumSerie", 20},      {"TestoVersioneMctc", 3}, {"TestoIndirizzoApp", 2},
        {"TestoGiornoScadenza", 2}, {"TestoMeseScadenza", 2}, {"TestoAnnoScadenza", 4},
        {"TestoNomeOfficina", 24},  {"TestoIndirizzo1", 24},  {"TestoIndirizzo2", 24},
        {"TestoIndirizzo3", 24},    {"TestoIndirizzo4", 24},  {"TestoLuxAnaCampione", 4},
        {"TestoLuxAbbCampione", 4}};
    return widths.value(control, 0);
}

const QStringList &Catalogue::paddedFields()
{
    static const QStringList c = {"TestoMarca",        "TestoModello",      "TestoNumOmologa",
                                  "TestoNumSerie",     "TestoIndirizzoApp", "TestoVersioneMctc",
                                  "TestoNomeOfficina", "TestoIndirizzo1",   "TestoIndirizzo2",
                                  "TestoIndirizzo3",   "TestoIndirizzo4"};
    return c;
}
