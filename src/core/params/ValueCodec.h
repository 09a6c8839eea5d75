#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Turning the tester's reply bytes into what the window shows. nullopt means
// the reply cannot be decoded that way.
namespace ValueCodec {

QString text(const QByteArray &reply);

// The code of the first byte; an empty reply has none.
std::optional<int> byteCode(const QByteArray &reply);

// Low byte first, taken without sign (0 .. 65535); needs two bytes.
std::optional<int> number16(const QByteArray &reply);

// A decimal list index; nullopt for an empty or non-numeric reply.
std::optional<int> digitIndex(const QByteArray &reply);

// A text of the ten basic digits as a number, saturating instead of
// overflowing; nullopt for an empty text or any other character.
std::optional<quint64> decimal(const QString &digits);

// "PH01=117" and so on.
QString offsetLine(int number, int value);

// The name part of a versioned parameter file: "1.02" gives "102". Empty when
// the version holds anything but letters and digits, so no tester reply can
// point the program at a file elsewhere.
QString fileNameForm(const QString &version);

} // namespace ValueCodec
