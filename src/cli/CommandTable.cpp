#include "CommandTable.h"

#include "commands/Commands.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliMain)
};
} // namespace

bool CliCommand::offers(const QCommandLineOption &option) const
{
    return std::any_of(options.cbegin(), options.cend(),
                       [&](const QCommandLineOption &o) { return o.names() == option.names(); });
}

const QList<CliCommand> &CommandTable::all()
{
    // The order of the usage text.
    static const QList<CliCommand> table = {
        Commands::ports(),       Commands::read(),    Commands::write(),
        Commands::calibrate(),   Commands::restore(), Commands::history(),
        Commands::historySync(), Commands::testers(), Commands::report(),
    };
    return table;
}

const CliCommand *CommandTable::find(const QStringList &words)
{
    const CliCommand *found = nullptr;
    qsizetype length = 0;
    for (const CliCommand &c : all()) {
        const QStringList name = QString::fromLatin1(c.name).split(u' ');
        if (name.size() > length && words.mid(0, name.size()) == name) {
            found = &c;
            length = name.size();
        }
    }
    return found;
}

QString CommandTable::overview()
{
    QString text = Texts::tr("Usage: orva-cli COMMAND [OPTIONS]\n"
                             "Reads and writes an ORVA headlight tester from scripts.\n\n"
                             "Commands:\n");
    for (const CliCommand &c : all())
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

QByteArray CommandTable::dump()
{
    QByteArray out;
    for (const CliCommand &c : all()) {
        QStringList options;
        for (const QCommandLineOption &o : c.options) {
            QString option = QStringLiteral("--") + o.names().constLast();
            if (!o.valueName().isEmpty())
                option += u'=' + o.valueName();
            if (!o.defaultValues().isEmpty())
                option += u'=' + o.defaultValues().constFirst();
            options.append(option);
        }
        out += QStringLiteral("%1\t%2\t%3\n")
                   .arg(QLatin1String(c.name), options.join(u' '), QLatin1String(c.synopsis))
                   .toUtf8();
    }
    return out;
}
