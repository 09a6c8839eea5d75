#include "ValueCodec.h"

#include <QLocale>
#include <QRegularExpression>

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

std::optional<QString> ValueCodec::fileNameForm(const QString &version)
{
    const QString form = version.left(1) + version.mid(2);
    if (form.isEmpty())
        return std::nullopt;
    for (const QChar c : form) {
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return std::nullopt;
    }
    return form;
}

quint64 ValueCodec::maxValue(int length)
{
    return length >= 8 ? ~quint64(0) : (quint64(1) << (8 * length)) - 1;
}

QByteArray ValueCodec::encodeNumber(quint64 value, int length)
{
    QByteArray bytes;
    for (int k = 0; k < length; ++k)
        bytes.append(char(k < 8 ? (value >> (8 * k)) & 0xFF : 0));
    return bytes;
}

QByteArray ValueCodec::encodeText(const QByteArray &text, int length)
{
    QByteArray bytes = text.left(length);
    if (bytes.size() < length)
        bytes.append(QByteArray(length - bytes.size(), ' '));
    return bytes;
}

QByteArray ValueCodec::printable(const QByteArray &bytes, int length)
{
    QByteArray out = bytes.left(length);
    for (char &c : out) {
        const auto u = quint8(c);
        if (u < 0x20 || u > 0x7D)
            c = ' ';
    }
    return out;
}

bool ValueCodec::looksLikeVersion(const QString &version)
{
    static const QRegularExpression form(
        QStringLiteral("^[A-Za-z0-9][!-/:-@[-`{-~][A-Za-z0-9]+ *$"));
    return form.match(version).hasMatch();
}

QString ValueCodec::dateTimeText(const QDateTime &local, QChar dateSeparator)
{
    const QString sep(dateSeparator);
    return local.toString(QStringLiteral("MM'%1'dd'%1'yyyy HH:mm:ss").arg(sep));
}

QChar ValueCodec::systemDateSeparator()
{
    for (const QChar c : QLocale::system().dateFormat(QLocale::ShortFormat)) {
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    }
    return u'/';
}
