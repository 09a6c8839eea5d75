#include "Catalogue.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Catalogue)
};
} // namespace

std::optional<WriteMode> CatalogueEntry::writeMode() const
{
    switch (kind) {
    case ParamKind::LanguageIndex:
    case ParamKind::ByteIndex:
    case ParamKind::Switches:
    case ParamKind::CheckByte:
        return WriteMode::Number;
    case ParamKind::Factor:
        return std::nullopt;
    default:
        return WriteMode::Text;
    }
}

const QList<CatalogueEntry> &Catalogue::entries()
{
    using C = Control;
    using K = ParamKind;
    static const QList<CatalogueEntry> all = {
        {"parame_lingua", C::ListaLingua, K::LanguageIndex},
        {"parame_marcaa", C::TestoMarca, K::Text},
        {"parame_modelo", C::TestoModello, K::TextHead, 10},
        {"parame_model1", C::TestoModello, K::TextTail, 10},
        {"parame_nomolo", C::TestoNumOmologa, K::TextHead, 12},
        {"parame_nomol1", C::TestoNumOmologa, K::TextTail, 12},
        {"parame_nserie", C::TestoNumSerie, K::TextHead, 4},
        {"parame_nseri1", C::TestoNumSerie, K::TextTail, 4},
        {"parame_scaden", C::TestoGiornoScadenza, K::Date},
        {"parame_unitam", C::ListaMisura, K::DigitIndex},
        {"parame_pannel", C::ListaPannello, K::DigitIndex},
        {"parame_protoc", C::ListaProtocollo, K::DigitIndex},
        {"parame_indapp", C::TestoIndirizzoApp, K::Text},
        {"parame_vermct", C::TestoVersioneMctc, K::Text},
        {"parame_tifaro", C::ListaTipoFaro, K::ByteIndex},
        {"param_setupsw", C::ChkEnFogReq, K::Switches},
        {"parame_offnom", C::TestoNomeOfficina, K::Text},
        {"parame_offin1", C::TestoIndirizzo1, K::Text},
        {"parame_offin2", C::TestoIndirizzo2, K::Text},
        {"parame_offin3", C::TestoIndirizzo3, K::Text},
        {"parame_offin4", C::TestoIndirizzo4, K::Text},
        {"parame_prninc", C::ChkPrnHfaroIncl, K::CheckByte},
        {"offset_convan", C::TestoAnaConv, K::Factor},
        {"offset_convab", C::TestoAbbConv, K::Factor},
    };
    return all;
}

QString Catalogue::offsetKey(int number)
{
    return QStringLiteral("offset_fdph%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString Catalogue::versionKey()
{
    return QStringLiteral("parame_verorv");
}

QString Catalogue::languageKey()
{
    return QStringLiteral("parame_lingua");
}

QStringList Catalogue::lampTypeNames()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("Catalogue", "LEFT-HAND DRIVE")),
            QStringLiteral(QT_TRANSLATE_NOOP("Catalogue", "RIGHT-HAND DRIVE"))};
}

QStringList Catalogue::lampTypes()
{
    QStringList shown;
    for (const QString &name : lampTypeNames())
        shown.append(Texts::tr(name.toLatin1().constData()));
    return shown;
}

QStringList Catalogue::loadKeys()
{
    QStringList keys;
    for (const CatalogueEntry &e : entries())
        keys.append(e.keyText());
    for (int n = 1; n <= OffsetCount; ++n)
        keys.append(offsetKey(n));
    return keys;
}

QStringList Catalogue::sendKeys()
{
    QStringList keys;
    for (const CatalogueEntry &e : entries())
        if (e.writeMode())
            keys.append(e.keyText());
    return keys;
}

QStringList Catalogue::keysOf(Control control)
{
    QStringList keys;
    for (const CatalogueEntry &e : entries()) {
        const bool date = e.kind == ParamKind::Date &&
                          std::find(std::begin(DateFields), std::end(DateFields), control) !=
                              std::end(DateFields);
        const bool switches =
            e.kind == ParamKind::Switches &&
            std::find(std::begin(Switches), std::end(Switches), control) != std::end(Switches);
        if (e.control == control || date || switches)
            keys.append(e.keyText());
    }
    return keys;
}
