#include "CliCall.h"
#include "CliSession.h"
#include "OutputFile.h"
#include "SharedOptions.h"
#include "TesterPrologue.h"
#include "commands/Commands.h"

#include <QCommandLineParser>
#include <QJsonDocument>

namespace {

const QCommandLineOption
    Out({QStringLiteral("out")},
        QT_TRANSLATE_NOOP("CliMain", "Write the document to FILE (default: standard output)."),
        QStringLiteral("FILE"));

int run(CliCall &call)
{
    if (const int s = TesterPrologue::check(call))
        return s;
    return TesterPrologue::run(call, [&](CliSession &cli) {
        if (const int s = cli.begin(call.parser.value(SharedOptions::Port), false))
            return s;
        return OutputFile::write(
            call.parser.value(Out),
            QJsonDocument(cli.session().document()).toJson(QJsonDocument::Indented));
    });
}

} // namespace

CliCommand Commands::read()
{
    return {"read",
            "read --port DEVICE [--out FILE]",
            QT_TRANSLATE_NOOP("CliMain", "Read every parameter into a JSON document."),
            QList<QCommandLineOption>{SharedOptions::Port, Out} + SharedOptions::line(),
            {},
            &run};
}
