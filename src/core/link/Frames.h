#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The tester's line protocol as pure functions: no port, no state.
namespace Frames {

constexpr char Start = 0x01;
constexpr char Ack = 0x06;

// Parses the leading hex digits of a four-digit address column; nullopt when
// there are none.
std::optional<quint16> parseAddress(const QString &column);
QString formatAddress(quint16 address);

QByteArray readFrame(quint16 address);
QByteArray writeFrame(quint16 address, quint8 byte);
QByteArray photodiodeRequest(quint8 channel);
QByteArray clockFrame(const QDateTime &local);
QByteArray calibrationStart();

quint8 toBcd(int value);

// Big-endian four-byte photodiode reading; values of 2^31 and more do not fit
// the signed reading the calibration expects.
quint32 decodeReading(const QByteArray &fourBytes);

// L bytes, least significant first, of a value already limited to 256^L - 1.
QByteArray encodeNumber(quint64 value, int length);
quint64 maxValue(int length);

// Exactly `length` bytes: the text cut or blank-padded on the right.
QByteArray encodeText(const QByteArray &text, int length);

// The first `length` bytes with every byte outside blank .. right brace made
// a blank, as the tester's second-part texts are shown.
QByteArray printable(const QByteArray &bytes, int length);

// "mm/dd/yyyy hh:mm:ss" with the system's date separator.
QString dateTimeText(const QDateTime &local, QChar dateSeparator);
// The separator of the system's short date format ("/" when it has none).
QChar systemDateSeparator();

} // namespace Frames
