#include "CliCall.h"
#include "CliOutput.h"
#include "ExitStatus.h"
#include "SharedOptions.h"
#include "commands/Commands.h"
#include "history/ServiceHistory.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using CliOutput::fail;

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TestersCommand)
};

constexpr int MaxDays = 36500;

QString number(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QString();
}

QString days(const TesterRecord &r, const QDate &today)
{
    const std::optional<qint64> left = r.daysLeft(today);
    return left ? QString::number(*left) : QString();
}

// The expiry date as a day when it is one, else as the tester holds it.
QString expiry(const TesterRecord &r)
{
    return r.expiry.isValid() ? r.expiry.toString(Qt::ISODate) : r.expiryAsHeld;
}

QString visit(const TesterRecord &r)
{
    return CliOutput::localMinute(r.lastAt);
}

QByteArray line(const TesterRecord &r, const QDate &today)
{
    QStringList columns = {r.serial,
                           expiry(r),
                           days(r, today),
                           r.status(today),
                           r.model,
                           r.firmware,
                           r.garageName,
                           r.town,
                           visit(r),
                           r.lastKind,
                           r.lastOutcome,
                           r.lastLevel,
                           r.lastProgram,
                           number(r.lowBeamFactor),
                           number(r.highBeamFactor)};
    for (QString &c : columns)
        c = CliOutput::escapedColumn(c);
    return (columns.join(u'\t') + u'\n').toUtf8();
}

// Every field quoted, quotes doubled: a spreadsheet takes commas, quotes and
// line breaks inside a field as they are.
QByteArray csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &f : fields)
        quoted.append(u'"' + QString(f).replace(u'"', QStringLiteral("\"\"")) + u'"');
    return (quoted.join(u',') + QStringLiteral("\r\n")).toUtf8();
}

// A text read from a tester that a spreadsheet would run as a formula is
// kept a text.
QString asText(const QString &held)
{
    static const QString starts = QStringLiteral("=+-@\t\r");
    return !held.isEmpty() && starts.contains(held.front()) ? u'\'' + held : held;
}

QByteArray csvRow(const TesterRecord &r, const QDate &today)
{
    return csvLine({asText(r.serial), asText(r.model), asText(r.firmware), asText(r.garageName),
                    asText(r.town), r.expiry.isValid() ? r.expiry.toString(Qt::ISODate) : QString(),
                    asText(r.expiryAsHeld), days(r, today), r.status(today),
                    QString::number(r.lastEntry), r.lastAt.toString(Qt::ISODateWithMs), r.lastKind,
                    r.lastOutcome, r.lastLevel, r.lastProgram, number(r.lowBeamFactor),
                    number(r.highBeamFactor)});
}

QList<QCommandLineOption> options()
{
    return {
        {{QStringLiteral("due-within")},
         QT_TRANSLATE_NOOP("CliMain",
                           "Only testers whose expiry date is at most DAYS days away, or past, "
                           "or cannot be read."),
         QStringLiteral("DAYS")},
        {{QStringLiteral("csv")},
         QT_TRANSLATE_NOOP("CliMain", "Print CSV with a header, for a spreadsheet.")},
    };
}

int run(CliCall &call)
{
    const QCommandLineParser &parser = call.parser;
    const bool json = parser.isSet(QStringLiteral("json"));
    const bool csv = parser.isSet(QStringLiteral("csv"));
    const auto usage = [](const QString &message) {
        return fail(ExitUsage, Texts::tr("%1 (see orva-cli testers --help)").arg(message));
    };
    if (json && csv)
        return usage(Texts::tr("--json and --csv exclude each other"));
    const QDate today = QDate::currentDate();
    std::optional<QDate> dueBy;
    if (parser.isSet(QStringLiteral("due-within"))) {
        bool ok = false;
        const int within = parser.value(QStringLiteral("due-within")).toInt(&ok);
        if (!ok || within < 0 || within > MaxDays)
            return usage(
                Texts::tr("--due-within takes a whole number of days from 0 to %1").arg(MaxDays));
        dueBy = today.addDays(within);
    }
    const auto history =
        ServiceHistory::openConfigured(call.history, ServiceHistory::Mode::Existing);
    if (!history)
        return fail(ExitHistory, history.error().description());
    CliOutput::Stream out;
    CliOutput::JsonArrayStream array(out);
    if (csv)
        out.write(csvLine({"serialNumber", "model", "firmwareVersion", "garageName", "town",
                           "expiryDate", "expiryAsHeld", "daysLeft", "status", "lastEntry",
                           "lastVisit", "lastKind", "lastOutcome", "lastLevel", "lastProgram",
                           "lowBeamFactor", "highBeamFactor"}));
    const Result<> listed = history.value()->testers(dueBy, [&](const TesterRecord &r) {
        if (json)
            return array.append(r.toJson(today));
        return out.write(csv ? csvRow(r, today) : line(r, today));
    });
    if (!listed)
        return fail(ExitHistory, listed.error().description());
    if (json)
        array.finish();
    if (!out.finish())
        return fail(ExitOutputFailed,
                    Texts::tr("cannot write the standard output: %1").arg(out.error()));
    return ExitOk;
}

} // namespace

CliCommand Commands::testers()
{
    return {"testers",
            "testers [--due-within DAYS] [--json | --csv]",
            QT_TRANSLATE_NOOP("CliMain",
                              "List the testers the history knows, soonest expiry date first."),
            QList<QCommandLineOption>{SharedOptions::Json, SharedOptions::History} + options(),
            {},
            &run};
}
