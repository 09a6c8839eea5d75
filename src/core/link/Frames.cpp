#include "Frames.h"

namespace Frames {

QString formatAddress(quint16 address)
{
    return QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

QByteArray readFrame(quint16 address)
{
    QByteArray f("R");
    f.append(char(address >> 8)).append(char(address & 0xFF));
    return f;
}

QByteArray writeFrame(quint16 address, quint8 byte)
{
    QByteArray f("W");
    f.append(char(address >> 8)).append(char(address & 0xFF)).append(char(byte));
    return f;
}

QByteArray photodiodeRequest(quint8 channel)
{
    QByteArray f("F");
    f.append(char(channel));
    return f;
}

QByteArray calibrationStart()
{
    return QByteArrayLiteral("C");
}

quint8 toBcd(int value)
{
    return static_cast<quint8>((value / 10 % 10) * 16 + value % 10);
}

QByteArray clockFrame(const QDateTime &local)
{
    const QDate d = local.date();
    const QTime t = local.time();
    QByteArray f("D");
    f.append(char(toBcd(t.second())))
        .append(char(toBcd(t.minute())))
        .append(char(toBcd(t.hour())))
        .append(char(d.dayOfWeek() % 7 + 1)) // Qt: Monday 1 .. Sunday 7; tester: Sunday 1
        .append(char(toBcd(d.day())))
        .append(char(toBcd(d.month())))
        .append(char(toBcd(d.year() % 100)));
    return f;
}

quint32 decodeReading(const QByteArray &fourBytes)
{
    quint32 v = 0;
    for (int k = 0; k < 4 && k < fourBytes.size(); ++k)
        v = (v << 8) | quint8(fourBytes.at(k));
    return v;
}

} // namespace Frames

QString Frames::formatByte(char byte)
{
    return QStringLiteral("%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper() + u'h';
}
