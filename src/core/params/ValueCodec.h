#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// Turning the tester's bytes into what the window shows, and values back
// into bytes. nullopt means the bytes cannot be decoded that way.
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

// L bytes, least significant first, of a value already limited to 256^L - 1.
QByteArray encodeNumber(quint64 value, int length);
quint64 maxValue(int length);

// Exactly `length` bytes: the text cut or blank-padded on the right.
QByteArray encodeText(const QByteArray &text, int length);

// The first `length` bytes with every byte outside blank .. right brace made
// a blank, as the tester's second-part texts are shown.
QByteArray printable(const QByteArray &bytes, int length);

// "PH01=117" and so on.
QString offsetLine(int number, int value);

// The name part of a versioned parameter file: "1.02" gives "102". None when
// the version holds anything but letters and digits, so no tester reply can
// point the program at a file elsewhere.
std::optional<QString> fileNameForm(const QString &version);

// A firmware version as the tester writes it: a letter or digit, a separator,
// then letters and digits, blank-padded. Anything else read there means the
// line lost step (or the tester's memory is damaged).
bool looksLikeVersion(const QString &version);

// "mm/dd/yyyy hh:mm:ss" with the system's date separator.
QString dateTimeText(const QDateTime &local, QChar dateSeparator);
// The separator of the system's short date format ("/" when it has none).
QChar systemDateSeparator();

} // namespace ValueCodec
