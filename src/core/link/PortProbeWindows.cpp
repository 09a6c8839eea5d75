#include "PortProbe.h"

#include <windows.h>

// A plain exclusive open, as the port list of a Windows program does it. Qt's
// own open ties the handle to a completion port and sets the line up, which
// is not needed to know that the port is there and free (and which hangs
// under Wine).
bool PortProbe::opens(const QString &device)
{
    const QString path =
        device.startsWith(QLatin1String("\\\\.\\")) ? device : QStringLiteral("\\\\.\\") + device;
    const HANDLE h =
        ::CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
                      0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(h);
    return true;
}
