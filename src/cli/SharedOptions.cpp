#include "SharedOptions.h"

#include "CliCall.h"

#include <QCoreApplication>

namespace SharedOptions {

const QCommandLineOption Port({QStringLiteral("port")},
                              QT_TRANSLATE_NOOP("CliMain",
                                                "The tester's serial device, or a "
                                                "serial-to-network bridge: tcp://HOST:PORT "
                                                "(raw) or rfc2217://HOST:PORT (telnet)."),
                              QStringLiteral("DEVICE"));
const QCommandLineOption
    Timeout({QStringLiteral("timeout")},
            QT_TRANSLATE_NOOP("CliMain", "Wait at most S seconds for the tester (default %1)."),
            QStringLiteral("S"), QString::number(DefaultTimeoutSeconds));
const QCommandLineOption
    Trace({QStringLiteral("trace")},
          QT_TRANSLATE_NOOP("CliMain", "Write a timestamped hex trace of the line to FILE."),
          QStringLiteral("FILE"));
const QCommandLineOption History({QStringLiteral("history")},
                                 QT_TRANSLATE_NOOP("CliMain",
                                                   "The service history: a file, sqlite:FILE or "
                                                   "postgresql://user@host:port/database."),
                                 QStringLiteral("URL"));
const QCommandLineOption NoHistory({QStringLiteral("no-history")},
                                   QT_TRANSLATE_NOOP("CliMain",
                                                     "Record nothing (a machine without a writable "
                                                     "home)."));
const QCommandLineOption NoVerify({QStringLiteral("no-verify")},
                                  QT_TRANSLATE_NOOP("CliMain",
                                                    "Do not read back what was written."));
const QCommandLineOption OtherTester({QStringLiteral("other-tester")},
                                     QT_TRANSLATE_NOOP("CliMain",
                                                       "Write what was read from another tester."));
const QCommandLineOption Serial({QStringLiteral("serial")},
                                QT_TRANSLATE_NOOP("CliMain",
                                                  "Only the entries of the tester with this serial "
                                                  "number."),
                                QStringLiteral("SN"));
const QCommandLineOption Json({QStringLiteral("json")},
                              QT_TRANSLATE_NOOP("CliMain", "Print JSON."));

QList<QCommandLineOption> line(bool noHistory)
{
    if (noHistory)
        return {Timeout, Trace, History, NoHistory};
    return {Timeout, Trace, History};
}

} // namespace SharedOptions
