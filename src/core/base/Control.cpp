#include "Control.h"

#include <QCoreApplication>
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
    {C::ListaLingua,            "ListaLingua",            QT_TRANSLATE_NOOP("Control", "Language"),                          K::List,    0,  "language",                  nullptr, true,  {o, o, _}, {}},
    {C::ListaLingua1,           "ListaLingua1",           QT_TRANSLATE_NOOP("Control", "Language key"),                      K::List,    0,  nullptr,                     nullptr, true,  {o, o, _}, {}},
    {C::TestoMarca,             "TestoMarca",             QT_TRANSLATE_NOOP("Control", "Manufacter"),                        K::Text,    10, "manufacturer",              B,       true,  {o, _, _}, {}},
    {C::TestoModello,           "TestoModello",           QT_TRANSLATE_NOOP("Control", "Model"),                             K::Text,    20, "model",                     B,       true,  {o, _, _}, {}},
    {C::TestoNumOmologa,        "TestoNumOmologa",        QT_TRANSLATE_NOOP("Control", "Homologation N."),                   K::Text,    24, "homologationNumber",        B,       true,  {o, _, _}, {}},
    {C::TestoNumSerie,          "TestoNumSerie",          QT_TRANSLATE_NOOP("Control", "Serial Number"),                     K::Text,    20, "serialNumber",              B,       true,  {o, _, _}, {}},
    {C::TestoGiornoScadenza,    "TestoGiornoScadenza",    QT_TRANSLATE_NOOP("Control", "Date of Expire DD"),                 K::Text,    2,  "expiryDay",                 "01",    true,  {o, o, o}, {1, 31, "01"}},
    {C::TestoMeseScadenza,      "TestoMeseScadenza",      QT_TRANSLATE_NOOP("Control", "Date of Expire MM"),                 K::Text,    2,  "expiryMonth",               "01",    true,  {o, o, o}, {1, 12, "01"}},
    {C::TestoAnnoScadenza,      "TestoAnnoScadenza",      QT_TRANSLATE_NOOP("Control", "Date of Expire YYYY"),               K::Text,    4,  "expiryYear",                "2003",  true,  {o, o, o}, {2003, 9999, "2003"}},
    {C::ListaMisura,            "ListaMisura",            QT_TRANSLATE_NOOP("Control", "Unit of Light"),                     K::List,    0,  "unitOfLight",               nullptr, true,  {o, o, _}, {}},
    {C::ListaPannello,          "ListaPannello",          QT_TRANSLATE_NOOP("Control", "Type of Panel"),                     K::List,    0,  "panelType",                 nullptr, true,  {c, _, _}, {}},
    {C::ListaProtocollo,        "ListaProtocollo",        QT_TRANSLATE_NOOP("Control", "Protocol RS232"),                    K::List,    0,  "protocol",                  nullptr, true,  {o, _, _}, {}},
    {C::TestoVersioneMctc,      "TestoVersioneMctc",      QT_TRANSLATE_NOOP("Control", "MCTC-NET Version"),                  K::Text,    3,  "mctcNetVersion",            B,       true,  {o, _, _}, {}},
    {C::TestoIndirizzoApp,      "TestoIndirizzoApp",      QT_TRANSLATE_NOOP("Control", "Equipment Address"),                 K::Text,    2,  "equipmentAddress",          B,       true,  {o, o, _}, {}},
    {C::TestoNomeOfficina,      "TestoNomeOfficina",      QT_TRANSLATE_NOOP("Control", "Garage Name"),                       K::Text,    24, "garageName",                B,       true,  {o, o, _}, {}},
    {C::TestoIndirizzo1,        "TestoIndirizzo1",        QT_TRANSLATE_NOOP("Control", "Garage address 1"),                  K::Text,    24, "garageAddress1",            B,       true,  {o, o, _}, {}},
    {C::TestoIndirizzo2,        "TestoIndirizzo2",        QT_TRANSLATE_NOOP("Control", "Garage address 2"),                  K::Text,    24, "garageAddress2",            B,       true,  {o, o, _}, {}},
    {C::TestoIndirizzo3,        "TestoIndirizzo3",        QT_TRANSLATE_NOOP("Control", "Garage address 3"),                  K::Text,    24, "garageAddress3",            B,       true,  {o, o, _}, {}},
    {C::TestoIndirizzo4,        "TestoIndirizzo4",        QT_TRANSLATE_NOOP("Control", "Garage address 4"),                  K::Text,    24, "garageAddress4",            B,       true,  {o, o, _}, {}},
    {C::ChkPrnHfaroIncl,        "ChkPrnHfaroIncl",        QT_TRANSLATE_NOOP("Control", "Print HEIGHT BEAM and INCLINATION"), K::Check,   0,  "printHeightAndInclination", "1",     true,  {o, o, _}, {}},
    {C::CmdInvia,               "CmdInvia",               QT_TRANSLATE_NOOP("Control", "Send Parameters to Equipment"),      K::Button,  0,  nullptr,                     nullptr, true,  {o, o, o}, {}},
    {C::ListaCom,               "ListaCom",               QT_TRANSLATE_NOOP("Control", "Port Com"),                          K::List,    0,  nullptr,                     nullptr, true,  {o, o, o}, {}},
    {C::ListaTipoFaro,          "ListaTipoFaro",          QT_TRANSLATE_NOOP("Control", "Type of Lamp"),                      K::List,    0,  "lampType",                  nullptr, true,  {o, _, _}, {}},
    {C::TestoLuxAnaCampione,    "TestoLuxAnaCampione",    QT_TRANSLATE_NOOP("Control", "Lux Calibrator LOW BEAM"),           K::Text,    4,  nullptr,                     "29",    true,  {o, o, o}, {0, -1, "1"}},
    {C::CmdCalibraAna,          "CmdCalibraAna",          QT_TRANSLATE_NOOP("Control", "Calibrate Low Beam"),                K::Button,  0,  nullptr,                     nullptr, true,  {o, o, o}, {}},
    {C::TestoLuxAbbCampione,    "TestoLuxAbbCampione",    QT_TRANSLATE_NOOP("Control", "Lux Calibrator HIGH BEAM"),          K::Text,    4,  nullptr,                     "77",    true,  {o, o, o}, {0, -1, "1"}},
    {C::CmdCalibraAbb,          "CmdCalibraAbb",          QT_TRANSLATE_NOOP("Control", "Calibrate High Beam"),               K::Button,  0,  nullptr,                     nullptr, true,  {o, o, o}, {}},
    {C::CmdCalFoto,             "CmdCalFoto",             QT_TRANSLATE_NOOP("Control", "Calibrate Photodiode"),              K::Button,  0,  nullptr,                     nullptr, true,  {_, _, _}, {}},
    {C::ChkEnFogReq,            "ChkEnFogReq",            QT_TRANSLATE_NOOP("Control", "enable FOG test request"),           K::Check,   0,  "fogTestRequest",            nullptr, true,  {o, c, c}, {}},
    {C::ChkEnForzatura,         "ChkEnForzatura",         QT_TRANSLATE_NOOP("Control", "enable good test forcing"),          K::Check,   0,  "goodTestForcing",           nullptr, true,  {o, c, c}, {}},
    {C::ChkEnPrecFaro,          "ChkEnPrecFaro",          QT_TRANSLATE_NOOP("Control", "enable previous headlight test"),    K::Check,   0,  "previousHeadlightTest",     nullptr, true,  {o, c, c}, {}},
    {C::TestoVersioneScheda,    "TestoVersioneScheda",    QT_TRANSLATE_NOOP("Control", "Firmware Version"),                  K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoFileIni,           "TestoFileIni",           QT_TRANSLATE_NOOP("Control", "Parameter file"),                    K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoData,              "TestoData",              QT_TRANSLATE_NOOP("Control", "Date and time"),                     K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoBitAnaScheda,      "TestoBitAnaScheda",      QT_TRANSLATE_NOOP("Control", "Bit Cpu LOW BEAM"),                  K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoAnaConv,           "TestoAnaConv",           QT_TRANSLATE_NOOP("Control", "Bit / Lux LoW BEAM"),                K::Display, 0,  "lowBeamFactor",             nullptr, false, {_, _, _}, {}},
    {C::TestoBitAbbScheda,      "TestoBitAbbScheda",      QT_TRANSLATE_NOOP("Control", "Bit Cpu HIGH BEAM"),                 K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::TestoAbbConv,           "TestoAbbConv",           QT_TRANSLATE_NOOP("Control", "Bit / Lux HIGH BEAM"),               K::Display, 0,  "highBeamFactor",            nullptr, false, {_, _, _}, {}},
    {C::TestoOffsetFotodiodi,   "TestoOffsetFotodiodi",   QT_TRANSLATE_NOOP("Control", "Photodiode offsets"),                K::Display, 0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiParametri, "CmdInterrompiParametri", QT_TRANSLATE_NOOP("Control", "Abort sending parameters"),          K::Button,  0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiAna,       "CmdInterrompiAna",       QT_TRANSLATE_NOOP("Control", "Abort Low Beam calibration"),        K::Button,  0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiAbb,       "CmdInterrompiAbb",       QT_TRANSLATE_NOOP("Control", "Abort High Beam calibration"),       K::Button,  0,  nullptr,                     nullptr, false, {_, _, _}, {}},
    {C::CmdInterrompiFotodiodi, "CmdInterrompiFotodiodi", QT_TRANSLATE_NOOP("Control", "Abort photodiode calibration"),      K::Button,  0,  nullptr,                     nullptr, false, {_, _, _}, {}},
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

QString caption(Control control)
{
    return QCoreApplication::translate("Control", info(control).caption);
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
