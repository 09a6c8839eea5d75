#include "Control.h"

#include <QHash>

#include <array>

namespace {

using C = Control;
using K = ControlKind;
constexpr LevelAction o = LevelAction::Open;
constexpr LevelAction c = LevelAction::Close;
constexpr LevelAction _ = LevelAction::Leave;
constexpr const char *B = Controls::Blanks;

// clang-format off
constexpr ControlInfo Table[] = {
//   control                  name                      kind        len  document field            reset   lock  adm dea tec  field check
    {C::ListaLingua,          "ListaLingua",            K::List,     0, "language",                nullptr, true, {o, o, _}, {}},
    {C::ListaLingua1,         "ListaLingua1",           K::List,     0, nullptr,                   nullptr, true, {o, o, _}, {}},
    {C::TestoMarca,           "TestoMarca",             K::Text,    10, "manufacturer",            B,       true, {o, _, _}, {}},
    {C::TestoModello,         "TestoModello",           K::Text,    20, "model",                   B,       true, {o, _, _}, {}},
    {C::TestoNumOmologa,      "TestoNumOmologa",        K::Text,    24, "homologationNumber",      B,       true, {o, _, _}, {}},
    {C::TestoNumSerie,        "TestoNumSerie",          K::Text,    20, "serialNumber",            B,       true, {o, _, _}, {}},
    {C::TestoGiornoScadenza,  "TestoGiornoScadenza",    K::Text,     2, "expiryDay",               "01",    true, {o, o, o}, {1, 31, "01"}},
    {C::TestoMeseScadenza,    "TestoMeseScadenza",      K::Text,     2, "expiryMonth",             "01",    true, {o, o, o}, {1, 12, "01"}},
    {C::TestoAnnoScadenza,    "TestoAnnoScadenza",      K::Text,     4, "expiryYear",              "2003",  true, {o, o, o}, {2003, 9999, "2003"}},
    {C::ListaMisura,          "ListaMisura",            K::List,     0, "unitOfLight",             nullptr, true, {o, o, _}, {}},
    {C::ListaPannello,        "ListaPannello",          K::List,     0, "panelType",               nullptr, true, {c, _, _}, {}},
    {C::ListaProtocollo,      "ListaProtocollo",        K::List,     0, "protocol",                nullptr, true, {o, _, _}, {}},
    {C::TestoVersioneMctc,    "TestoVersioneMctc",      K::Text,     3, "mctcNetVersion",          B,       true, {o, _, _}, {}},
    {C::TestoIndirizzoApp,    "TestoIndirizzoApp",      K::Text,     2, "equipmentAddress",        B,       true, {o, o, _}, {}},
    {C::TestoNomeOfficina,    "TestoNomeOfficina",      K::Text,    24, "garageName",              B,       true, {o, o, _}, {}},
    {C::TestoIndirizzo1,      "TestoIndirizzo1",        K::Text,    24, "garageAddress1",          B,       true, {o, o, _}, {}},
    {C::TestoIndirizzo2,      "TestoIndirizzo2",        K::Text,    24, "garageAddress2",          B,       true, {o, o, _}, {}},
    {C::TestoIndirizzo3,      "TestoIndirizzo3",        K::Text,    24, "garageAddress3",          B,       true, {o, o, _}, {}},
    {C::TestoIndirizzo4,      "TestoIndirizzo4",        K::Text,    24, "garageAddress4",          B,       true, {o, o, _}, {}},
    {C::ChkPrnHfaroIncl,      "ChkPrnHfaroIncl",        K::Check,    0, "printHeightAndInclination", "1",   true, {o, o, _}, {}},
    {C::CmdInvia,             "CmdInvia",               K::Button,   0, nullptr,                   nullptr, true, {o, o, o}, {}},
    {C::ListaCom,             "ListaCom",               K::List,     0, nullptr,                   nullptr, true, {o, o, o}, {}},
    {C::ListaTipoFaro,        "ListaTipoFaro",          K::List,     0, "lampType",                nullptr, true, {o, _, _}, {}},
    {C::TestoLuxAnaCampione,  "TestoLuxAnaCampione",    K::Text,     4, nullptr,                   "29",    true, {o, o, o}, {0, -1, "1"}},
    {C::CmdCalibraAna,        "CmdCalibraAna",          K::Button,   0, nullptr,                   nullptr, true, {o, o, o}, {}},
    {C::TestoLuxAbbCampione,  "TestoLuxAbbCampione",    K::Text,     4, nullptr,                   "77",    true, {o, o, o}, {0, -1, "1"}},
    {C::CmdCalibraAbb,        "CmdCalibraAbb",          K::Button,   0, nullptr,                   nullptr, true, {o, o, o}, {}},
    {C::CmdCalFoto,           "CmdCalFoto",             K::Button,   0, nullptr,                   nullptr, true, {_, _, _}, {}},
    {C::ChkEnFogReq,          "ChkEnFogReq",            K::Check,    0, "fogTestRequest",          nullptr, true, {o, c, c}, {}},
    {C::ChkEnForzatura,       "ChkEnForzatura",         K::Check,    0, "goodTestForcing",         nullptr, true, {o, c, c}, {}},
    {C::ChkEnPrecFaro,        "ChkEnPrecFaro",          K::Check,    0, "previousHeadlightTest",   nullptr, true, {o, c, c}, {}},
    {C::TestoVersioneScheda,  "TestoVersioneScheda",    K::Display,  0, nullptr,                   nullptr, false, {_, _, _}, {}},
    {C::TestoFileIni,         "TestoFileIni",           K::Display,  0, nullptr,                   nullptr, false, {_, _, _}, {}},
    {C::TestoData,            "TestoData",              K::Display,  0, nullptr,                   nullptr, false, {_, _, _}, {}},
    {C::TestoBitAnaScheda,    "TestoBitAnaScheda",      K::Display,  0, nullptr,                   nullptr, false, {_, _, _}, {}},
    {C::TestoAnaConv,         "TestoAnaConv",           K::Display,  0, "lowBeamFactor",           nullptr, false, {_, _, _}, {}},
    {C::TestoBitAbbScheda,    "TestoBitAbbScheda",      K::Display,  0, nullptr,                   nullptr, false, {_, _, _}, {}},
    {C::TestoAbbConv,         "TestoAbbConv",           K::Display,  0, "highBeamFactor",          nullptr, false, {_, _, _}, {}},
    {C::TestoOffsetFotodiodi, "TestoOffsetFotodiodi",   K::Display,  0, nullptr,                   nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiParametri, "CmdInterrompiParametri", K::Button, 0, nullptr,                   nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiAna,     "CmdInterrompiAna",       K::Button,   0, nullptr,                   nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiAbb,     "CmdInterrompiAbb",       K::Button,   0, nullptr,                   nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiFotodiodi, "CmdInterrompiFotodiodi", K::Button, 0, nullptr,                   nullptr, false, {_, _, _}, {}},
};
// clang-format on

constexpr std::size_t Count = std::size(Table);

// The table is indexed by the enum: a row out of place is a build error.
constexpr bool inOrder()
{
    for (std::size_t i = 0; i < Count; ++i)
        if (std::size_t(Table[i].control) != i)
            return false;
    return true;
}
static_assert(inOrder(), "the control table must follow the order of enum Control");
static_assert(std::size_t(Control::CmdInterrompiFotodiodi) + 1 == Count,
              "every control needs its row");

} // namespace

namespace Controls {

const ControlInfo &info(Control control)
{
    return Table[std::size_t(control)];
}

const QList<Control> &all()
{
    static const QList<Control> controls = [] {
        QList<Control> list;
        for (const ControlInfo &row : Table)
            list.append(row.control);
        return list;
    }();
    return controls;
}

std::optional<Control> byName(const QString &name)
{
    static const QHash<QString, Control> names = [] {
        QHash<QString, Control> map;
        for (const ControlInfo &row : Table)
            map.insert(QString::fromLatin1(row.name), row.control);
        return map;
    }();
    const auto it = names.constFind(name);
    if (it == names.constEnd())
        return std::nullopt;
    return *it;
}

LevelAction action(Control control, AccessLevel level)
{
    if (level == AccessLevel::Unknown)
        return LevelAction::Leave;
    return info(control).levels[int(level)];
}

bool selectsOnFocus(Control control)
{
    return info(control).kind == ControlKind::Text;
}

bool hasCheck(Control control)
{
    return info(control).check.replacement != nullptr;
}

} // namespace Controls
