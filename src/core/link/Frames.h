#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The tester's frames as pure functions: no port, no state.
namespace Frames {

constexpr char Start = 0x01;
constexpr char Ack = 0x06;

QByteArray readFrame(quint16 address);
QByteArray writeFrame(quint16 address, quint8 byte);
QByteArray photodiodeRequest(quint8 channel);
QByteArray clockFrame(const QDateTime &local);
QByteArray calibrationStart();

quint8 toBcd(int value);

// Big-endian four-byte photodiode reading.
quint32 decodeReading(const QByteArray &fourBytes);

// Four upper-case hexadecimal digits, as addresses are shown.
QString formatAddress(quint16 address);
// "0Ah": a byte as the user reads it.
QString formatByte(char byte);

} // namespace Frames
