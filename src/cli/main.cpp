#include "CliCommands.h"
#include "PasswordInput.h"
#include "access/AccessLevel.h"
#include "link/SerialTrace.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <unistd.h>

namespace {

const char *Examples = R"(
Commands:
  ports                                   list the serial ports the window would offer
  read --port DEVICE [--out FILE]         read every parameter into a JSON document
  write --port DEVICE --in FILE           write a JSON document's changes, then verify
  calibrate --port DEVICE --beam low|high --lux N [--yes]
                                          measure a beam's factor; --yes writes it

The password of write and calibrate is asked for on the terminal, or read from
the first line of standard input.

Examples:
  orva-cli read --port /dev/ttyUSB0 --out tester.json
  orva-cli write --port /dev/ttyUSB0 --in tester.json < password.txt
  orva-cli calibrate --port /dev/ttyUSB0 --beam low --lux 29 --yes

Exit status: 0 done, 2 usage, 3 no tester, 4 port cannot be opened, 5 access
refused, 6 verify mismatch, 7 bad input file, 8 the tester or the parameter
file failed the operation.
)";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orva-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVAPS_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads and writes an ORVA headlight tester from scripts.") +
        QString::fromLatin1(Examples));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("ports, read, write or calibrate"));
    const QCommandLineOption port({QStringLiteral("port")},
                                  QStringLiteral("The tester's serial device."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption out({QStringLiteral("out")},
                                 QStringLiteral("read: write the document to FILE."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption in({QStringLiteral("in")},
                                QStringLiteral("write: the document to write."),
                                QStringLiteral("FILE"));
    const QCommandLineOption noVerify({QStringLiteral("no-verify")},
                                      QStringLiteral("write: do not read back what was written."));
    const QCommandLineOption beam({QStringLiteral("beam")},
                                  QStringLiteral("calibrate: low or high."),
                                  QStringLiteral("BEAM"));
    const QCommandLineOption lux({QStringLiteral("lux")},
                                 QStringLiteral("calibrate: the reference illuminance, 1 to 9999."),
                                 QStringLiteral("N"));
    const QCommandLineOption yes({QStringLiteral("yes")},
                                 QStringLiteral("calibrate: write the factor."));
    const QCommandLineOption timeout(
        {QStringLiteral("timeout")},
        QStringLiteral("Wait at most S seconds for the tester (default 30)."), QStringLiteral("S"),
        QStringLiteral("30"));
    const QCommandLineOption trace(
        {QStringLiteral("trace")},
        QStringLiteral("Write a timestamped hex trace of the line to FILE."),
        QStringLiteral("FILE"));
    parser.addOptions({port, out, in, noVerify, beam, lux, yes, timeout, trace});
    parser.process(app);

    QTextStream err(stderr);
    const auto usage = [&](const QString &message) {
        err << "orva-cli: " << message << " (see orva-cli --help)\n";
        return int(ExitUsage);
    };
    const auto tooLong = [&] {
        err << "orva-cli: the password line is longer than " << PasswordInput::MaxLength
            << " characters: nothing was done\n";
        return int(ExitBadInput);
    };
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    if (args.size() != 1)
        return usage(QStringLiteral("name one command"));
    if (command == QLatin1String("ports"))
        return CliCommands::listPorts();
    if (command != QLatin1String("read") && command != QLatin1String("write") &&
        command != QLatin1String("calibrate"))
        return usage(QStringLiteral("unknown command %1").arg(command));
    if (!parser.isSet(port))
        return usage(QStringLiteral("--port DEVICE is needed"));
    bool ok = false;
    const int seconds = parser.value(timeout).toInt(&ok);
    if (!ok || seconds < 1)
        return usage(QStringLiteral("--timeout takes a whole number of seconds"));

    CliCommands runner(QCoreApplication::applicationDirPath(), seconds, ::isatty(STDERR_FILENO));
    SerialTrace serialTrace(runner.link());
    if (parser.isSet(trace)) {
        if (const Result<> opened = serialTrace.open(parser.value(trace)); !opened)
            return usage(opened.error().description());
    }

    if (command == QLatin1String("read"))
        return runner.read(parser.value(port), parser.value(out));
    if (command == QLatin1String("write")) {
        if (!parser.isSet(in))
            return usage(QStringLiteral("--in FILE is needed"));
        const auto password = PasswordInput::read();
        if (!password)
            return tooLong();
        const AccessLevel level = Access::levelFor(*password);
        return runner.write(parser.value(port), parser.value(in), level, !parser.isSet(noVerify));
    }
    const QString b = parser.value(beam);
    if (b != QLatin1String("low") && b != QLatin1String("high"))
        return usage(QStringLiteral("--beam takes low or high"));
    const QString n = parser.value(lux);
    const int luxValue = n.toInt(&ok);
    if (!ok || luxValue < 1 || luxValue > 9999 || n != QString::number(luxValue))
        return usage(QStringLiteral("--lux takes a whole number from 1 to 9999"));
    const auto password = PasswordInput::read();
    if (!password)
        return tooLong();
    const AccessLevel level = Access::levelFor(*password);
    return runner.calibrate(parser.value(port), b == QLatin1String("low") ? Beam::Low : Beam::High,
                            n, level, parser.isSet(yes));
}
