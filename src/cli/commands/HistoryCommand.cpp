#include "CliCall.h"
#include "CliOutput.h"
#include "ExitStatus.h"
#include "SharedOptions.h"
#include "commands/Commands.h"
#include "history/ServiceHistory.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>

using CliOutput::fail;

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HistoryCommand)
};

int usage(const QString &message)
{
    return fail(ExitUsage, Texts::tr("%1 (see orva-cli history --help)").arg(message));
}

// A day as YYYY-MM-DD, exactly.
QDate day(const QString &text)
{
    const QDate d = QDate::fromString(text, Qt::ISODate);
    return d.isValid() && d.toString(Qt::ISODate) == text ? d : QDate();
}

QByteArray line(const HistoryEntry &e)
{
    using CliOutput::escapedColumn;
    const QString outcome = HistoryEntry::endingName(e.outcome);
    // An entry still waiting on this computer for the server has no number
    // there yet: it shows the one of this computer's copy, marked.
    return QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
        .arg(e.pending ? QStringLiteral("local-%1").arg(e.id) : QString::number(e.id))
        .arg(CliOutput::localMinute(e.at), escapedColumn(e.serial), HistoryEntry::kindName(e.kind),
             escapedColumn(e.detail.isEmpty() ? outcome : outcome + u' ' + e.detail),
             escapedColumn(e.summary(false)))
        .toUtf8();
}

const QCommandLineOption Show({QStringLiteral("show")},
                              QT_TRANSLATE_NOOP("CliMain", "Print an entry's documents."),
                              QStringLiteral("ENTRY"));

// The listing's filters.
QList<QCommandLineOption> filterOptions()
{
    return {
        {{QStringLiteral("kind")},
         QT_TRANSLATE_NOOP("CliMain",
                           "Only entries of this kind: read, send, calibration, restore."),
         QStringLiteral("KIND")},
        {{QStringLiteral("outcome")},
         QT_TRANSLATE_NOOP("CliMain", "Only entries with this outcome, such as done or failed."),
         QStringLiteral("OUTCOME")},
        {{QStringLiteral("since")},
         QT_TRANSLATE_NOOP("CliMain", "Only entries of this day or later."),
         QStringLiteral("YYYY-MM-DD")},
        {{QStringLiteral("until")},
         QT_TRANSLATE_NOOP("CliMain", "Only entries of this day or earlier."),
         QStringLiteral("YYYY-MM-DD")},
        {{QStringLiteral("limit")},
         QT_TRANSLATE_NOOP("CliMain", "At most N entries, the newest."),
         QStringLiteral("N")},
    };
}

int run(CliCall &call)
{
    const QCommandLineParser &parser = call.parser;
    bool ok = true;
    const qint64 shown = parser.isSet(QStringLiteral("show"))
                             ? parser.value(QStringLiteral("show")).toLongLong(&ok)
                             : 0;
    if (!ok || shown < 0)
        return usage(Texts::tr("--show takes an entry number"));
    HistoryQuery query;
    query.serial = parser.value(QStringLiteral("serial"));
    if (const QString kind = parser.value(QStringLiteral("kind")); !kind.isEmpty()) {
        query.kind = HistoryEntry::kindFrom(kind);
        if (!query.kind)
            return usage(Texts::tr("--kind takes read, send, calibration or restore"));
    }
    if (const QString outcome = parser.value(QStringLiteral("outcome")); !outcome.isEmpty()) {
        query.outcome = HistoryEntry::endingFrom(outcome);
        if (!query.outcome)
            return usage(Texts::tr("--outcome takes one of: %1")
                             .arg(HistoryEntry::endingNames().join(QStringLiteral(", "))));
    }
    for (const QString &bound : {QStringLiteral("since"), QStringLiteral("until")}) {
        if (!parser.isSet(bound))
            continue;
        const QDate d = day(parser.value(bound));
        if (!d.isValid())
            return usage(Texts::tr("--%1 takes a day as YYYY-MM-DD").arg(bound));
        // Both days belong to the listing, in the user's own time.
        if (bound == QLatin1String("since"))
            query.since = d.startOfDay();
        else
            query.until = d.addDays(1).startOfDay();
    }
    if (query.since.isValid() && query.until.isValid() && query.since >= query.until)
        return usage(Texts::tr("--since is after --until"));
    if (parser.isSet(QStringLiteral("limit"))) {
        query.limit = parser.value(QStringLiteral("limit")).toInt(&ok);
        if (!ok || query.limit < 1)
            return usage(Texts::tr("--limit takes a whole number from 1"));
    }

    const auto history =
        ServiceHistory::openConfigured(call.history, ServiceHistory::Mode::Existing);
    if (!history)
        return fail(ExitHistory, history.error().description());
    CliOutput::Stream out;
    if (shown > 0) {
        const Result<HistoryEntry> e = history.value()->entry(shown);
        if (!e)
            return fail(ExitBadInput, e.error().description());
        out.write(QJsonDocument(e->toJson(true)).toJson());
    } else {
        const bool json = parser.isSet(QStringLiteral("json"));
        CliOutput::JsonArrayStream array(out);
        const Result<> listed = history.value()->list(query, [&](const HistoryEntry &e) {
            return json ? array.append(e.toJson(false)) : out.write(line(e));
        });
        if (!listed)
            return fail(ExitHistory, listed.error().description());
        if (json)
            array.finish();
    }
    if (!out.finish())
        return fail(ExitOutputFailed,
                    Texts::tr("cannot write the standard output: %1").arg(out.error()));
    return ExitOk;
}

} // namespace

CliCommand Commands::history()
{
    return {"history",
            "history [--serial SN] [--kind KIND] [--outcome OUTCOME] [--since DAY] [--until DAY] "
            "[--limit N] [--json] [--show ENTRY]",
            QT_TRANSLATE_NOOP("CliMain", "List the service history, or print one entry."),
            QList<QCommandLineOption>{SharedOptions::Serial, SharedOptions::Json, Show,
                                      SharedOptions::History} +
                filterOptions(),
            {},
            &run};
}
