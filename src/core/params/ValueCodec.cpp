#include "ValueCodec.h"

QString ValueCodec::text(const QByteArray &reply)
{
    return QString::fromLatin1(reply);
}

std::optional<int> ValueCodec::byteCode(const QByteArray &reply)
{
    if (reply.isEmpty())
        return std::nullopt;
    return quint8(reply.at(0));
}

std::optional<int> ValueCodec::number16(const QByteArray &reply)
{
    if (reply.size() < 2)
        return std::nullopt;
    return quint8(reply.at(1)) * 256 + quint8(reply.at(0));
}

std::optional<int> ValueCodec::digitIndex(const QByteArray &reply)
{
    const QByteArray trimmed = reply.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<quint64> ValueCodec::decimal(const QString &digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 n = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n > (~quint64(0) - 9) / 10 ? ~quint64(0) : n * 10 + quint64(c.unicode() - '0');
    }
    return n;
}

QString ValueCodec::offsetLine(int number, int value)
{
    return QStringLiteral("PH%1=%2").arg(number, 2, 10, QLatin1Char('0')).arg(value);
}

QString ValueCodec::fileNameForm(const QString &version)
{
    if (version.isEmpty())
        return {};
    const QString form = version.left(1) + version.mid(2);
    for (const QChar c : form) {
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return {};
    }
    return form;
}
