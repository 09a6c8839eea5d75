#include "CliCall.h"
#include "CliOutput.h"
#include "CommandTable.h"
#include "ExitStatus.h"
#include "PasswordInput.h"
#include "SharedOptions.h"
#include "base/Translations.h"
#include "history/HistoryLocation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSysInfo>
#include <QTextStream>

#include <csignal>
#include <memory>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliMain)
};

// A description names the option's default as %1.
QCommandLineOption translated(const QCommandLineOption &option)
{
    QCommandLineOption shown = Translations::translated(option, "CliMain");
    if (!option.defaultValues().isEmpty())
        shown.setDescription(shown.description().arg(option.defaultValues().constFirst()));
    return shown;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const CliCommand *command = CommandTable::find(words);
    // Only the report needs fonts; it renders with no display. Windows' own
    // platform needs none and has the system's fonts.
    const bool gui = command && command->rendersPages;
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        QSysInfo::kernelType() != QLatin1String("winnt"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(gui ? new QGuiApplication(argc, argv)
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
        QTextStream(stderr) << CommandTable::overview();
        return ExitUsage;
    }
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        QTextStream(stdout) << CommandTable::overview();
        return ExitOk;
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
        QTextStream(stdout) << "orva-cli " << ORVAPS_VERSION << '\n';
        return ExitOk;
    }
    // Not for users: the table, for the test that checks the documentation.
    if (name == QLatin1String("--dump-commands")) {
        QTextStream(stdout) << CommandTable::dump();
        return ExitOk;
    }
    if (!command) {
        CliOutput::err() << "orva-cli: "
                         << Texts::tr("%1 (see orva-cli %2--help)")
                                .arg(name.startsWith(u'-')
                                         ? Texts::tr("name a command before the options")
                                         : Texts::tr("unknown command %1").arg(name),
                                     QString())
                         << '\n';
        return ExitUsage;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CliMain", command->summary));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Texts::tr("This help."));
    parser.addOption(help);
    for (const QCommandLineOption &option : command->options)
        parser.addOption(translated(option));
    for (const QString &p : command->positional)
        parser.addPositionalArgument(p, QString());
    args.remove(1, QString::fromLatin1(command->name).count(u' ') + 1);
    CliCall call{*command, parser, {}, {}, true, DefaultTimeoutSeconds};
    if (!parser.parse(args))
        return call.usage(parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << Texts::tr("Usage: orva-cli %1").arg(QLatin1String(command->synopsis))
                            << '\n'
                            << parser.helpText().section(u'\n', 1);
        return ExitOk;
    }
    call.positional = parser.positionalArguments();
    if (call.positional.size() != command->positional.size())
        return call.usage(
            command->positional.isEmpty()
                ? Texts::tr("%1 takes no argument %2")
                      .arg(QLatin1String(command->name), call.positional.value(0))
                : Texts::tr("%1 needs %2")
                      .arg(QLatin1String(command->name), command->positional.join(u' ')));
    if (parser.isSet(SharedOptions::History)) {
        call.history = parser.value(SharedOptions::History);
        if (const Result<HistoryLocation> l = HistoryLocation::fromUrl(call.history); !l)
            return call.usage(l.error().description());
    }
    call.record =
        !command->offers(SharedOptions::NoHistory) || !parser.isSet(SharedOptions::NoHistory);
    return command->run(call);
}
