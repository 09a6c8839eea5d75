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
// control, object name, caption, kind, maximum length, document field, value before a
// load, closed by the interlock, Administrator / dealer / technician, field check
constexpr ControlInfo Table[] = {
    {C::ListaLingua,            "ListaLingua",            "Language",                          K::List,    0,  "language",                  nullptr, true,  {o, o, _}, {}},
    {C::ListaLingua1,           "ListaLingua1",           "Language key",                      K::List,    0,  nullptr,                     nullptr, true,  {o, o, _}, {}},
    {C::TestoMarca,             "TestoMarca",             "Manufacter",                        K::Text,    10, "manufacturer",              B,       true,  {o, _, _}, {}},
    {C::TestoModello,           "TestoModello",           "Model",                             K::Text,    20, "model",                     B,       true,  {o, _, _}, {}},
    {C::TestoNumOmologa,        "TestoNumOmologa",        "Homologation N.",                   K::Text,    24, "homologationNumber",        B,       true,  {o, _, _}, {}},
    {C::TestoNumSerie,          "TestoNumSerie",          "Serial Number",                     K::Text,    20, "serialNumber",              B,       true,  {o, _, _}, {}},
    {C::TestoGiornoScadenza,    "TestoGiornoScadenza",    "Date of Expire DD",                 K::Text,    2,  "expiryDay",                 "01",    true,  {o, o, o}, {1, 31, "01"}},
    {C::TestoMeseScadenza,      "TestoMeseScadenza",      "Date of Expire MM",                 K::Text,    2,  "expiryMonth",               "01",    true,  {o, o, o}, {1, 12, "01"}},
    {C::TestoAnnoScadenza,      "TestoAnnoScadenza",      "Date of Expire YYYY",               K::Text,    4,  "expiryYear",                "2003",  true,  {o, o, o}, {2003, 9999, "2003"}},
    {C::ListaMisura,            "ListaMisura",            "Unit of Light",                     K::List,    0,  "unitOfLight",               nullptr, true,  {o, o, _}, {}},
    {C::ListaPannello,          "ListaPannello",          "Type of Panel",                     K::List,    0,  "panelType",                 nullptr, true,  {c, _, _}, {}},
    {C::ListaProtocollo,        "ListaProtocollo",        "Protocol RS232",                    K::List,    0,  "protocol",                  nullptr, true,  {o, _, _}, {}},
    {C::TestoVersioneMctc,      "TestoVersioneMctc",      "MCTC-NET Version",                  K::Text,    3,  "mctcNetVersion",            B,       true,  {o, _, _}, {}},
    {C::TestoIndirizzoApp,      "TestoIndirizzoApp",      "Equipment Address",                 K::Text,    2,  "equipmentAddress",          B,       true,  {o, o, _}, {}},
    {C::TestoNomeOfficina,      "TestoNomeOfficina",      "Garage Name",                       K::Text,    24, "garageName",                B,       true,  {o, o, _}, {}},
    {C::TestoIndirizzo1,        "TestoIndirizzo1",        "Garage address 1",                  K::Text,    24, "garageAddress1",            B,       true,  {o, o, _}, {}},
    {C::TestoIndirizzo2,        "TestoIndirizzo2",        "Garage address 2",                  K::Text,    24, "garageAddress2",            B,       true,  {o, o, _}, {}},
    {C::TestoIndirizzo3,        "TestoIndirizzo3",        "Garage address 3",                  K::Text,    24, "garageAddress3",            B,       true,  {o, o, _}, {}},
    {C::TestoIndirizzo4,        "TestoIndirizzo4",        "Garage address 4",                  K::Text,    24, "garageAddress4",            B,       true,  {o, o, _}, {}},
    {C::ChkPrnHfaroIncl,        "ChkPrnHfaroIncl",        "Print HEIGHT BEAM and INCLINATION", K::Check,   0,  "printHeightAndInclination", "1",     true,  {o, o, _}, {}},
    {C::CmdInvia,               "CmdInvia",               "Send Parameters to Equipment",      K::Button,  0,  nullptr,                     nullptr, true,  {o, o, o}, {}},
    {C::ListaCom,               "ListaCom",               "Port Com",                          K::List,    0,  nullptr,                     nullptr, true,  {o, o, o}, {}},
    {C::ListaTipoFaro,          "ListaTipoFaro",          "Type of Lamp",                      K::List,    0,  "lampType",                  nullptr, true,  {o, _, _}, {}},
    {C::TestoLuxAnaCampione,    "TestoLuxAnaCampione",    "Lux Calibrator LOW BEAM",           K::Text,    4,  nullptr,                     "29",    true,  {o, o, o}, {0, -1, "1"}},
    {C::CmdCalibraAna,          "CmdCalibraAna",          "Calibrate Low Beam",                K::Button,  0,  nullptr,                     nullptr, true,  {o, o, o}, {}},
    {C::TestoLuxAbbCampione,    "TestoLuxAbbCampione",    "Lux Calibrator HIGH BEAM",          K::Text,    4,  nullptr,                     "77",    true,  {o, o, o}, {0, -1, "1"}},
    {C::CmdCalibraAbb,          "CmdCalibraAbb",          "Calibrate High Beam",               K::Button,  0,  nullptr,                     nullptr, true,  {o, o, o}, {}},
    {C::CmdCalFoto,             "CmdCalFoto",             "Calibrate Photodiode",              K::Button,  0,  nullptr,                     nullptr, true,  {_, _, _}, {}},
    {C::ChkEnFogReq,            "ChkEnFogReq",            "enable FOG test request",           K::Check,   0,  "fogTestRequest",            nullptr, true,  {o, c, c}, {}},
    {C::ChkEnForzatura,         "ChkEnForzatura",         "enable good test forcing",          K::Check,   0,  "goodTestForcing",           nullptr, true,  {o, c, c}, {}},
    {C::ChkEnPrecFaro,          "ChkEnPrecFaro",          "enable previous headlight test",    K::Check,   0,  "previousHeadlightTest",     nullptr, true,  {o, c, c}, {}},
    {C::TestoVersioneScheda,    "TestoVersioneScheda",    "Firmware Version",                  K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoFileIni,           "TestoFileIni",           "Parameter file",                    K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoData,              "TestoData",              "Date and time",                     K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoBitAnaScheda,      "TestoBitAnaScheda",      "Bit Cpu LOW BEAM",                  K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoAnaConv,           "TestoAnaConv",           "Bit / Lux LoW BEAM",                K::Display, 0,  "lowBeamFactor",             nullptr, false, {_, _, _}, {}},
    {C::TestoBitAbbScheda,      "TestoBitAbbScheda",      "Bit Cpu HIGH BEAM",                 K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoAbbConv,           "TestoAbbConv",           "Bit / Lux HIGH BEAM",               K::Display, 0,  "highBeamFactor",            nullptr, false, {_, _, _}, {}},
    {C::TestoOffsetFotodiodi,   "TestoOffsetFotodiodi",   "Photodiode offsets",                K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiParametri, "CmdInterrompiParametri", "Abort sending parameters",          K::Button,  0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiAna,       "CmdInterrompiAna",       "Abort Low Beam calibration",        K::Button,  0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiAbb,       "CmdInterrompiAbb",       "Abort High Beam calibration",       K::Button,  0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiFotodiodi, "CmdInterrompiFotodiodi", "Abort photodiode calibration",      K::Button,  0,  nullptr,                     nullptr, false, {_, _, _}, {}},
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

std::optional<Control> byField(const QString &field)
{
    for (const ControlInfo &row : Table)
        if (row.field && field == QLatin1String(row.field))
            return row.control;
    return std::nullopt;
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
