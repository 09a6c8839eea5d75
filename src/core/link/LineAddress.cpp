#include "LineAddress.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LineAddress)
};

OrvaError malformed(const QString &text)
{
    return OrvaError(ErrorNumber::InvalidPortNumber,
                     Texts::tr("%1 is not a port: name a serial device (/dev/ttyUSB0, COM1), "
                               "tcp://HOST:PORT or rfc2217://HOST:PORT, with a port from 1 to "
                               "65535")
                         .arg(text));
}
} // namespace

QString LineAddress::name() const
{
    if (kind == Kind::Device)
        return device;
    // An IPv6 address keeps its brackets, so the port stays readable.
    const QString h = host.contains(u':') ? u'[' + host + u']' : host;
    return QStringLiteral("%1://%2:%3")
        .arg(kind == Kind::Tcp ? QStringLiteral("tcp") : QStringLiteral("rfc2217"), h)
        .arg(port);
}

Result<LineAddress> LineAddress::parse(const QString &text)
{
    LineAddress line;
    const qsizetype separator = text.indexOf(QLatin1String("://"));
    if (separator < 0) {
        line.device = text;
        return line;
    }
    const QString scheme = text.left(separator).toLower();
    if (scheme == QLatin1String("tcp"))
        line.kind = Kind::Tcp;
    else if (scheme == QLatin1String("rfc2217"))
        line.kind = Kind::Rfc2217;
    else
        return malformed(text);
    const QString rest = text.mid(separator + 3);
    const qsizetype colon = rest.lastIndexOf(u':');
    if (colon <= 0)
        return malformed(text);
    QString host = rest.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(u':'))
        return malformed(text);
    const QString digits = rest.mid(colon + 1);
    bool ok = false;
    const int port = digits.toInt(&ok);
    const bool plainDigits =
        !digits.isEmpty() &&
        std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (host.isEmpty() || !plainDigits || !ok || port < 1 || port > 65535 ||
        std::any_of(host.cbegin(), host.cend(),
                    [](QChar c) { return c.isSpace() || c == u'/' || c == u'@'; }))
        return malformed(text);
    line.host = host;
    line.port = quint16(port);
    return line;
}
