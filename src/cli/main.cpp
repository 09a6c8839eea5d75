#include "CliCommands.h"
#include "Console.h"
#include "HistoryCommand.h"
#include "Interruption.h"
#include "PasswordInput.h"
#include "TestersCommand.h"
#include "access/AccessLevel.h"
#include "base/Translations.h"
#include "history/HistoryLocation.h"
#include "link/LineAddress.h"
#include "link/SerialTrace.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSysInfo>
#include <QTextStream>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliMain)
};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

const QCommandLineOption Port({QStringLiteral("port")},
                              QT_TRANSLATE_NOOP("CliMain",
                                                "The tester's serial device, or a "
                                                "serial-to-network bridge: tcp://HOST:PORT "
                                                "(raw) or rfc2217://HOST:PORT (telnet)."),
                              QStringLiteral("DEVICE"));
const QCommandLineOption
    Out({QStringLiteral("out")},
        QT_TRANSLATE_NOOP("CliMain", "Write the document to FILE (default: standard output)."),
        QStringLiteral("FILE"));
const QCommandLineOption In({QStringLiteral("in")},
                            QT_TRANSLATE_NOOP("CliMain", "The document to write."),
                            QStringLiteral("FILE"));
const QCommandLineOption NoVerify({QStringLiteral("no-verify")},
                                  QT_TRANSLATE_NOOP("CliMain",
                                                    "Do not read back what was written."));
const QCommandLineOption BeamOption({QStringLiteral("beam")},
                                    QT_TRANSLATE_NOOP("CliMain", "low or high."),
                                    QStringLiteral("BEAM"));
const QCommandLineOption Lux({QStringLiteral("lux")},
                             QT_TRANSLATE_NOOP("CliMain", "The reference illuminance, 1 to 9999."),
                             QStringLiteral("N"));
const QCommandLineOption Yes({QStringLiteral("yes")},
                             QT_TRANSLATE_NOOP("CliMain", "Write the factor."));
const QCommandLineOption
    Timeout({QStringLiteral("timeout")},
            QT_TRANSLATE_NOOP("CliMain", "Wait at most S seconds for the tester (default 30)."),
            QStringLiteral("S"), QStringLiteral("30"));
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
const QCommandLineOption Serial({QStringLiteral("serial")},
                                QT_TRANSLATE_NOOP("CliMain",
                                                  "Only the entries of the tester with this serial "
                                                  "number."),
                                QStringLiteral("SN"));
const QCommandLineOption Json({QStringLiteral("json")},
                              QT_TRANSLATE_NOOP("CliMain", "Print JSON."));
const QCommandLineOption Show({QStringLiteral("show")},
                              QT_TRANSLATE_NOOP("CliMain", "Print an entry's documents."),
                              QStringLiteral("ENTRY"));
const QCommandLineOption Date({QStringLiteral("date")},
                              QT_TRANSLATE_NOOP("CliMain",
                                                "The day of the visit (default: today)."),
                              QStringLiteral("YYYY-MM-DD"));
const QCommandLineOption Entry({QStringLiteral("entry")},
                               QT_TRANSLATE_NOOP("CliMain", "One entry instead of a day's."),
                               QStringLiteral("ENTRY"));
const QCommandLineOption ReportOut({QStringLiteral("out")},
                                   QT_TRANSLATE_NOOP("CliMain", "The PDF file to write."),
                                   QStringLiteral("FILE.pdf"));
const QCommandLineOption OtherTester({QStringLiteral("other-tester")},
                                     QT_TRANSLATE_NOOP("CliMain",
                                                       "Write what was read from another tester."));

struct Command
{
    const char *name;
    const char *synopsis;
    const char *summary;
    QList<QCommandLineOption> options;
    QStringList positional; // names of required positional arguments
    bool tester;            // talks to a tester on --port
};

const QList<Command> &commands()
{
    static const QList<Command> all = {
        {"ports",
         "ports",
         QT_TRANSLATE_NOOP("CliMain", "List the serial ports the window would offer."),
         {},
         {},
         false},
        {"read",
         "read --port DEVICE [--out FILE]",
         QT_TRANSLATE_NOOP("CliMain", "Read every parameter into a JSON document."),
         {Port, Out, Timeout, Trace, History, NoHistory},
         {},
         true},
        {"write",
         "write --port DEVICE --in FILE [--no-verify] [--other-tester]",
         QT_TRANSLATE_NOOP("CliMain", "Write a document's changes, then read them back."),
         {Port, In, NoVerify, OtherTester, Timeout, Trace, History, NoHistory},
         {},
         true},
        {"calibrate",
         "calibrate --port DEVICE --beam low|high --lux N [--yes]",
         QT_TRANSLATE_NOOP("CliMain", "Measure a beam's factor; --yes writes it."),
         {Port, BeamOption, Lux, Yes, Timeout, Trace, History, NoHistory},
         {},
         true},
        {"restore",
         "restore ENTRY --port DEVICE [--other-tester]",
         QT_TRANSLATE_NOOP("CliMain", "Put the tester back to a history entry's state before it."),
         {Port, OtherTester, NoVerify, Timeout, Trace, History},
         {QStringLiteral("ENTRY")},
         true},
        {"history",
         "history [--serial SN] [--kind KIND] [--outcome OUTCOME] [--since DAY] [--until DAY] "
         "[--limit N] [--json] [--show ENTRY] | history sync",
         QT_TRANSLATE_NOOP("CliMain",
                           "List the service history, or print one entry; sync gives a server "
                           "history the entries this computer keeps for it."),
         QList<QCommandLineOption>{Serial, Json, Show, History} + HistoryCommand::filterOptions(),
         {},
         false},
        {"testers",
         "testers [--due-within DAYS] [--json | --csv]",
         QT_TRANSLATE_NOOP("CliMain",
                           "List the testers the history knows, soonest expiry date first."),
         QList<QCommandLineOption>{Json, History} + TestersCommand::options(),
         {},
         false},
        {"report",
         "report --serial SN [--date YYYY-MM-DD] --out FILE.pdf",
         QT_TRANSLATE_NOOP(
             "CliMain",
             "Print a visit's service report: a tester's entries of one day, or --entry ENTRY."),
         {Serial, Date, Entry, ReportOut, History},
         {},
         false},
    };
    return all;
}

bool offers(const Command &command, const QCommandLineOption &option)
{
    return std::any_of(command.options.cbegin(), command.options.cend(),
                       [&](const QCommandLineOption &o) { return o.names() == option.names(); });
}

const Command *find(const QString &name)
{
    for (const Command &c : commands())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

QString overview()
{
    QString text = Texts::tr("Usage: orva-cli COMMAND [OPTIONS]\n"
                             "Reads and writes an ORVA headlight tester from scripts.\n\n"
                             "Commands:\n");
    for (const Command &c : commands())
        text +=
            QStringLiteral("  %1\n      %2\n")
                .arg(QLatin1String(c.synopsis), QCoreApplication::translate("CliMain", c.summary));
    text += Texts::tr(
        "\n'orva-cli COMMAND --help' describes a command's options. The password of write,\n"
        "calibrate and restore is asked for on the terminal, or read from the first line of\n"
        "standard input.\n\n"
        "Exit status: 0 done, 2 usage, 3 no tester, 4 port cannot be opened, 5 access refused,\n"
        "6 verify mismatch, 7 bad input, 8 the tester or the parameter file failed, 9 the\n"
        "service history cannot be written (nothing was written to the tester), 10 an output\n"
        "file cannot be written, 11 the tester was written but its record could not be\n"
        "finished (it is kept on this computer), 130 and 143 interrupted by SIGINT or SIGTERM.\n");
    return text;
}

int usage(const QString &command, const QString &message)
{
    err() << "orva-cli: "
          << Texts::tr("%1 (see orva-cli %2--help)")
                 .arg(message, command.isEmpty() ? QString() : command + u' ')
          << '\n';
    return ExitUsage;
}

// The same file, by any name or link: a trace must not write over the
// document it reads.
bool sameFile(const QString &a, const QString &b)
{
    std::error_code error;
    return std::filesystem::equivalent(QFileInfo(a).filesystemAbsoluteFilePath(),
                                       QFileInfo(b).filesystemAbsoluteFilePath(), error) &&
           !error;
}

constexpr int MaxTimeoutSeconds = 86400;

} // namespace

int main(int argc, char *argv[])
{
    // Only the report needs fonts; it renders with no display. Windows' own
    // platform needs none and has the system's fonts.
    const bool report = argc > 1 && qstrcmp(argv[1], "report") == 0;
    if (report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        QSysInfo::kernelType() != QLatin1String("winnt"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(report ? new QGuiApplication(argc, argv)
                                                       : new QCoreApplication(argc, argv));
    Translations::install(*app);
    QCoreApplication::setApplicationName(QStringLiteral("orva-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVAPS_VERSION));
    PasswordInput::restoreTerminalOnExit();
#ifdef SIGXFSZ
    // A full disk (or a file size limit) is an error to report, not a reason to die.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QStringList args = QCoreApplication::arguments();
    const QString name = args.value(1);
    if (name.isEmpty()) {
        QTextStream(stderr) << overview();
        return ExitUsage;
    }
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        QTextStream(stdout) << overview();
        return ExitOk;
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
        QTextStream(stdout) << "orva-cli " << ORVAPS_VERSION << '\n';
        return ExitOk;
    }
    const Command *command = find(name);
    if (!command)
        return usage(QString(), name.startsWith(u'-')
                                    ? Texts::tr("name a command before the options")
                                    : Texts::tr("unknown command %1").arg(name));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CliMain", command->summary));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Texts::tr("This help."));
    parser.addOption(help);
    for (const QCommandLineOption &option : command->options)
        parser.addOption(Translations::translated(option, "CliMain"));
    for (const QString &p : command->positional)
        parser.addPositionalArgument(p, QString());
    args.removeAt(1);
    if (!parser.parse(args))
        return usage(name, parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << Texts::tr("Usage: orva-cli %1").arg(QLatin1String(command->synopsis))
                            << '\n'
                            << parser.helpText().section(u'\n', 1);
        return ExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    const bool sync = name == QLatin1String("history") && positional == QStringList{"sync"};
    if (!sync && positional.size() != command->positional.size())
        return usage(name,
                     command->positional.isEmpty()
                         ? Texts::tr("%1 takes no argument %2").arg(name, positional.value(0))
                         : Texts::tr("%1 needs %2").arg(name, command->positional.join(u' ')));
    if (name == QLatin1String("ports"))
        return CliCommands::listPorts();

    CliOptions options;
    options.history = parser.isSet(History) ? parser.value(History) : QString();
    if (parser.isSet(History)) {
        if (const Result<HistoryLocation> l = HistoryLocation::fromUrl(options.history); !l)
            return usage(name, l.error().description());
    }
    options.record = !offers(*command, NoHistory) || !parser.isSet(NoHistory);
    if (name == QLatin1String("history"))
        return sync ? HistoryCommand::sync(options) : HistoryCommand::run(parser, options);
    if (name == QLatin1String("testers"))
        return TestersCommand::run(parser, options);
    if (report) {
        bool entryOk = true;
        const qint64 entry = parser.isSet(Entry) ? parser.value(Entry).toLongLong(&entryOk) : 0;
        const QDate day = parser.isSet(Date) ? QDate::fromString(parser.value(Date), Qt::ISODate)
                                             : QDate::currentDate();
        if (!entryOk || entry < 0)
            return usage(name, Texts::tr("--entry takes an entry number"));
        if (!day.isValid())
            return usage(name, Texts::tr("--date takes a day as YYYY-MM-DD"));
        if (entry == 0 && !parser.isSet(Serial))
            return usage(name, Texts::tr("--serial SN or --entry ENTRY is needed"));
        if (!parser.isSet(ReportOut))
            return usage(name, Texts::tr("--out FILE.pdf is needed"));
        return CliCommands::writeReport(options, parser.value(Serial), day, entry,
                                        parser.value(ReportOut));
    }

    if (!parser.isSet(Port))
        return usage(name, Texts::tr("--port DEVICE is needed"));
    if (const Result<LineAddress> line = LineAddress::parse(parser.value(Port)); !line)
        return usage(name, line.error().description());
    bool ok = false;
    options.timeoutSeconds = parser.value(Timeout).toInt(&ok);
    if (!ok || options.timeoutSeconds < 1 || options.timeoutSeconds > MaxTimeoutSeconds)
        return usage(name, Texts::tr("--timeout takes a whole number of seconds from 1 to %1")
                               .arg(MaxTimeoutSeconds));
    const bool readsIn = offers(*command, In);
    if (readsIn && !parser.isSet(In))
        return usage(name, Texts::tr("--in FILE is needed"));
    if (readsIn && parser.isSet(Trace) && sameFile(parser.value(Trace), parser.value(In)))
        return usage(name, Texts::tr("--trace names the file --in reads"));
    std::optional<Beam> beam;
    QString lux;
    if (name == QLatin1String("calibrate")) {
        const QString b = parser.value(BeamOption);
        if (b != QLatin1String("low") && b != QLatin1String("high"))
            return usage(name, Texts::tr("--beam takes low or high"));
        beam = b == QLatin1String("low") ? Beam::Low : Beam::High;
        lux = parser.value(Lux);
        const int luxValue = lux.toInt(&ok);
        if (!ok || luxValue < 1 || luxValue > 9999 || lux != QString::number(luxValue))
            return usage(name, Texts::tr("--lux takes a whole number from 1 to 9999"));
    }
    qint64 entry = 0;
    if (name == QLatin1String("restore")) {
        entry = positional.value(0).toLongLong(&ok);
        if (!ok || entry < 1)
            return usage(name, Texts::tr("ENTRY is an entry number of orva-cli history"));
    }

    CliCommands cli(QCoreApplication::applicationDirPath(), options,
                    Console::isTerminal(Console::Error));
    SerialTrace serialTrace(cli.link());
    if (parser.isSet(Trace)) {
        if (const Result<> opened = serialTrace.open(parser.value(Trace)); !opened)
            return usage(name, opened.error().description());
    }
    const auto withPassword = [&](const std::function<int(AccessLevel)> &run) {
        const auto password = PasswordInput::read();
        if (!password) {
            err() << "orva-cli: "
                  << Texts::tr("the password line is longer than %1 characters: nothing was done")
                         .arg(PasswordInput::MaxLength)
                  << '\n';
            return int(ExitBadInput);
        }
        // From here on, Ctrl+C stops a write between two bytes.
        Interruption interruption(cli.session());
        const int status = run(Access::levelFor(*password));
        if (!interruption.signal())
            return status;
        err() << "orva-cli: "
              << Texts::tr("interrupted by %1: the write stopped between two bytes; the history "
                           "records what the tester acknowledged")
                     .arg(Interruption::name(interruption.signal()))
              << '\n';
        return 128 + interruption.signal();
    };
    int status = ExitOk;
    const QString device = parser.value(Port);
    if (name == QLatin1String("read"))
        status = cli.read(device, parser.value(Out));
    else if (name == QLatin1String("write"))
        status = withPassword([&](AccessLevel level) {
            return cli.write(device, parser.value(In), level, parser.isSet(OtherTester),
                             !parser.isSet(NoVerify));
        });
    else if (name == QLatin1String("calibrate"))
        status = withPassword([&](AccessLevel level) {
            return cli.calibrate(device, *beam, lux, level, parser.isSet(Yes));
        });
    else
        status = withPassword([&](AccessLevel level) {
            return cli.restore(device, entry, level, parser.isSet(OtherTester),
                               !parser.isSet(NoVerify));
        });
    if (!serialTrace.failure().isEmpty()) {
        err() << "orva-cli: " << serialTrace.failure() << '\n';
        if (status == ExitOk)
            status = ExitOutputFailed;
    }
    return status;
}
