#include "Frames.h"

#include <QLocale>

#include <cctype>

namespace Frames {

std::optional<quint16> parseAddress(const QString &column)
{
    quint32 value = 0;
    int digits = 0;
    for (const QChar c : column) {
        const int d = c.unicode() < 128 ? QByteArray(1, char(c.unicode())).toInt(nullptr, 16) : -1;
        const bool isHex = c.unicode() < 128 && std::isxdigit(c.unicode());
        if (!isHex)
            break;
        value = (value * 16 + quint32(d)) & 0xFFFF;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    return static_cast<quint16>(value);
}

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

quint64 maxValue(int length)
{
    return length >= 8 ? ~quint64(0) : (quint64(1) << (8 * length)) - 1;
}

QByteArray encodeNumber(quint64 value, int length)
{
    QByteArray bytes;
    for (int k = 0; k < length; ++k) {
        bytes.append(char(k < 8 ? (value >> (8 * k)) & 0xFF : 0));
    }
    return bytes;
}

QByteArray encodeText(const QByteArray &text, int length)
{
    QByteArray bytes = text.left(length);
    if (bytes.size() < length)
        bytes.append(QByteArray(length - bytes.size(), ' '));
    return bytes;
}

QByteArray printable(const QByteArray &bytes, int length)
{
    QByteArray out = bytes.left(length);
    for (char &c : out) {
        const auto u = quint8(c);
        if (u < 0x20 || u > 0x7D)
            c = ' ';
    }
    return out;
}

QString dateTimeText(const QDateTime &local, QChar dateSeparator)
{
    const QString sep(dateSeparator);
    return local.toString(QStringLiteral("MM'%1'dd'%1'yyyy HH:mm:ss").arg(sep));
}

QChar systemDateSeparator()
{
    for (const QChar c : QLocale::system().dateFormat(QLocale::ShortFormat)) {
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    }
    return u'/';
}

} // namespace Frames
