#pragma once

#include "base/Result.h"

#include <QString>

// What --port names: a serial device, or a serial-to-network bridge (raw TCP,
// or telnet with COM-port control).
struct LineAddress
{
    enum class Kind { Device, Tcp, Rfc2217 };

    Kind kind = Kind::Device;
    QString device; // a device's path or name
    QString host;
    quint16 port = 0;

    bool isNetwork() const { return kind != Kind::Device; }
    // The device as given, or "tcp://HOST:PORT" / "rfc2217://HOST:PORT".
    QString name() const;

    // Anything without "://" is a device; a URL must be tcp:// or rfc2217://
    // with a host and a port from 1 to 65535. The error names the accepted forms.
    static Result<LineAddress> parse(const QString &text);
};
