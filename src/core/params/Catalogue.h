#pragma once

#include "base/Control.h"
#include "base/WriteMode.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// How a parameter travels between a control and the tester.
enum class ParamKind {
    LanguageIndex, // list index as one byte; read while the language list is filled
    Text,          // whole text, blank-padded
    TextHead,      // the first `split` characters of a two-part text
    TextTail,      // the rest of a two-part text; appended on load
    Date,          // DDMMYYYY from the three expiry fields
    DigitIndex,    // list index as decimal digit text
    ByteIndex,     // list index as one byte
    Switches,      // three check boxes as bits 0..2 of a 16-bit number
    CheckByte,     // one check box as 0 or 1
    Factor,        // 16-bit number, written only by the lux calibration
};

struct CatalogueEntry
{
    const char *key;
    Control control;
    ParamKind kind;
    int split = 0;

    QString keyText() const { return QString::fromLatin1(key); }
    // How the send writes it; none when the send does not write it.
    std::optional<WriteMode> writeMode() const;
};

namespace Catalogue {

// Every parameter in the order the load reads them and the send writes them.
const QList<CatalogueEntry> &entries();

constexpr Control Switches[] = {Control::ChkEnFogReq, Control::ChkEnForzatura,
                                Control::ChkEnPrecFaro};
constexpr Control DateFields[] = {Control::TestoGiornoScadenza, Control::TestoMeseScadenza,
                                  Control::TestoAnnoScadenza};
// The garage's address, line by line.
constexpr Control AddressLines[] = {Control::TestoIndirizzo1, Control::TestoIndirizzo2,
                                    Control::TestoIndirizzo3, Control::TestoIndirizzo4};

constexpr int OffsetCount = 17;
QString offsetKey(int number);

QString versionKey();
QString languageKey();

// The lamp types the program offers itself, "LEFT-HAND DRIVE" first.
QStringList lampTypes();
// The same in English, as documents and the history keep them.
QStringList lampTypeNames();

// The keys whose bytes a control's value depends on.
QStringList keysOf(Control control);

// The keys a load reads after choosing its file, and those a send writes.
QStringList loadKeys();
QStringList sendKeys();

} // namespace Catalogue
