#pragma once

#include "AccessLevel.h"

#include <QList>
#include <QString>

#include <optional>

// Every control of the main window that the core reads, writes, opens or
// closes. The first block is the interlock's list, in the order the interlock
// and the access levels apply it.
enum class Control {
    ListaLingua,
    ListaLingua1,
    TestoMarca,
    TestoModello,
    TestoNumOmologa,
    TestoNumSerie,
    TestoGiornoScadenza,
    TestoMeseScadenza,
    TestoAnnoScadenza,
    ListaMisura,
    ListaPannello,
    ListaProtocollo,
    TestoVersioneMctc,
    TestoIndirizzoApp,
    TestoNomeOfficina,
    TestoIndirizzo1,
    TestoIndirizzo2,
    TestoIndirizzo3,
    TestoIndirizzo4,
    ChkPrnHfaroIncl,
    CmdInvia,
    ListaCom,
    ListaTipoFaro,
    TestoLuxAnaCampione,
    CmdCalibraAna,
    TestoLuxAbbCampione,
    CmdCalibraAbb,
    CmdCalFoto,
    ChkEnFogReq,
    ChkEnForzatura,
    ChkEnPrecFaro,
    // Displays and the Abort buttons: no level opens them.
    TestoVersioneScheda,
    TestoFileIni,
    TestoData,
    TestoBitAnaScheda,
    TestoAnaConv,
    TestoBitAbbScheda,
    TestoAbbConv,
    TestoOffsetFotodiodi,
    CmdInterrompiParametri,
    CmdInterrompiAna,
    CmdInterrompiAbb,
    CmdInterrompiFotodiodi,
};

enum class ControlKind {
    Text,    // a field the user types into; opened by clearing its read-only flag
    List,    // a selection list; opened the same way
    Check,   // a check box; opened by enabling it
    Button,  // opened by enabling it
    Display, // filled by the program only
};

enum class LevelAction : char { Leave, Open, Close };

// The check a numeric field gets when the focus leaves it: only the ten
// digits, within min..max when max >= min, else the replacement.
struct FieldCheck
{
    int min = 0;
    int max = -1;
    const char *replacement = nullptr;
};

struct ControlInfo
{
    Control control;
    const char *name;    // the control's object name in the window
    const char *caption; // what it is called: the label beside it, its accessible name
    ControlKind kind;
    int maxLength;         // the most characters a text field takes; 0: no limit
    const char *field;     // its name in the parameter document; nullptr: not in it
    const char *reset;     // what ResetParameterFields shows; nullptr: left alone
    bool interlocked;      // closed by LockAllControls
    LevelAction levels[3]; // Administrator, dealer, technician
    FieldCheck check;
};

namespace Controls {

// ResetParameterFields fills these fields with blanks to their width.
constexpr const char *Blanks = " ";

const ControlInfo &info(Control control);
inline QString name(Control control)
{
    return QString::fromLatin1(info(control).name);
}
// In the user's language.
QString caption(Control control);
// Every control, in the table's order.
const QList<Control> &all();
// The control an object name stands for; none for names the core does not use.
std::optional<Control> byName(const QString &name);
// The control a parameter document's field stands for.
std::optional<Control> byField(const QString &field);

// What a level does to a control (Unknown: leaves every control alone).
LevelAction action(Control control, AccessLevel level);

// Fields that select their whole width when they get the focus.
bool selectsOnFocus(Control control);
bool hasCheck(Control control);

} // namespace Controls
