#include "PortProbe.h"

#include <windows.h>

// A plain exclusive open, as the port list of a Windows program does it, and
// the line's settings read, so a name that opens something other than a
// serial port is not offered. Qt's own open ties the handle to a completion
// port, which is not needed to know that the port is there and free (and
// which hangs under Wine).
bool PortProbe::opens(const QString &device)
{
    const QString path =
        device.startsWith(QLatin1String("\\\\.\\")) ? device : QStringLiteral("\\\\.\\") + device;
    const HANDLE h =
        ::CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
                      0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DCB settings = {};
    settings.DCBlength = sizeof settings;
    const bool serial = ::GetCommState(h, &settings) != 0;
    ::CloseHandle(h);
    return serial;
}
