#include "CliCall.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "ExitStatus.h"
#include "SharedOptions.h"
#include "TesterPrologue.h"
#include "base/Control.h"
#include "commands/Commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using CliOutput::fail;

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliCommands)
};
struct UsageTexts
{
    Q_DECLARE_TR_FUNCTIONS(CliMain)
};

const QCommandLineOption BeamOption({QStringLiteral("beam")},
                                    QT_TRANSLATE_NOOP("CliMain", "low or high."),
                                    QStringLiteral("BEAM"));
const QCommandLineOption Lux({QStringLiteral("lux")},
                             QT_TRANSLATE_NOOP("CliMain", "The reference illuminance, 1 to 9999."),
                             QStringLiteral("N"));
const QCommandLineOption Yes({QStringLiteral("yes")},
                             QT_TRANSLATE_NOOP("CliMain", "Write the factor."));

int calibrate(CliSession &cli, const QString &device, Beam beam, const QString &lux,
              AccessLevel level, bool yes)
{
    if (Controls::action(Beams::info(beam).calibrate, level) != LevelAction::Open)
        return fail(ExitAccessRefused, Texts::tr("this password may not calibrate"));
    cli.setLevel(level);
    if (const int s = cli.begin(device, yes))
        return s;
    cli.form().setText(Beams::info(beam).reference, lux);
    cli.form().setAnswer(yes);
    cli.session().policy().verifyWrites = true;
    const Outcome o = cli.session().calibrate(beam);
    if ((o.succeeded() || o.kind == Outcome::Kind::Declined) && o.measure) {
        // Scripts read this line: English whatever the user's language.
        QTextStream out(stdout);
        out << QStringLiteral("reading %1, factor %2, %3")
                   .arg(o.measure->reading)
                   .arg(o.measure->factor.value_or(0))
                   .arg(yes ? QStringLiteral("written to the tester")
                            : QStringLiteral("not written (add --yes to write it)"))
            << '\n';
    }
    return cli.finished(o);
}

int run(CliCall &call)
{
    if (const int s = TesterPrologue::check(call))
        return s;
    const QCommandLineParser &parser = call.parser;
    const std::optional<Beam> beam = Beams::byName(parser.value(BeamOption));
    if (!beam)
        return call.usage(UsageTexts::tr("--beam takes low or high"));
    const QString lux = parser.value(Lux);
    bool ok = false;
    const int luxValue = lux.toInt(&ok);
    if (!ok || luxValue < 1 || luxValue > 9999 || lux != QString::number(luxValue))
        return call.usage(UsageTexts::tr("--lux takes a whole number from 1 to 9999"));
    return TesterPrologue::runWithPassword(call, [&](CliSession &cli, AccessLevel level) {
        return calibrate(cli, parser.value(SharedOptions::Port), *beam, lux, level,
                         parser.isSet(Yes));
    });
}

} // namespace

CliCommand Commands::calibrate()
{
    return {"calibrate",
            "calibrate --port DEVICE --beam low|high --lux N [--yes]",
            QT_TRANSLATE_NOOP("CliMain", "Measure a beam's factor; --yes writes it."),
            QList<QCommandLineOption>{SharedOptions::Port, BeamOption, Lux, Yes} +
                SharedOptions::line(),
            {},
            &run};
}
