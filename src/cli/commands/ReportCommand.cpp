#include "CliCall.h"
#include "CliOutput.h"
#include "ExitStatus.h"
#include "OutputFile.h"
#include "ServiceReport.h"
#include "SharedOptions.h"
#include "commands/Commands.h"
#include "history/ServiceHistory.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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

const QCommandLineOption Date({QStringLiteral("date")},
                              QT_TRANSLATE_NOOP("CliMain",
                                                "The day of the visit (default: today)."),
                              QStringLiteral("YYYY-MM-DD"));
const QCommandLineOption Entry({QStringLiteral("entry")},
                               QT_TRANSLATE_NOOP("CliMain", "One entry instead of a day's."),
                               QStringLiteral("ENTRY"));
const QCommandLineOption Out({QStringLiteral("out")},
                             QT_TRANSLATE_NOOP("CliMain", "The PDF file to write."),
                             QStringLiteral("FILE.pdf"));

// The tester's entries of one day, or the one entry asked for.
Result<QList<HistoryEntry>> visit(ServiceHistory &history, const QString &serial, const QDate &day,
                                  qint64 entry)
{
    if (entry > 0) {
        const Result<HistoryEntry> e = history.entry(entry);
        if (!e)
            return e.error();
        return QList<HistoryEntry>{*e};
    }
    HistoryQuery query;
    query.serial = serial;
    query.since = day.startOfDay();
    query.until = day.addDays(1).startOfDay();
    query.documents = true;
    const Result<QList<HistoryEntry>> entries = history.collect(query);
    if (!entries)
        return entries.error();
    return ServiceReport::visit(*entries, serial, day);
}

int writeReport(const CliCall &call, const QString &serial, const QDate &day, qint64 entry)
{
    const auto history =
        ServiceHistory::openConfigured(call.history, ServiceHistory::Mode::Existing);
    if (!history)
        return fail(ExitHistory, history.error().description());
    const Result<QList<HistoryEntry>> entries = visit(*history.value(), serial, day, entry);
    if (!entries)
        return fail(entry > 0 ? ExitBadInput : ExitHistory, entries.error().description());
    if (entries->isEmpty())
        return fail(ExitBadInput, Texts::tr("the service history has no entry of the "
                                            "tester %1 on %2")
                                      .arg(serial, day.toString(Qt::ISODate)));
    const Result<QByteArray> pdf = ServiceReport::pdf(*entries);
    if (!pdf)
        return fail(ExitOutputFailed, pdf.error().description());
    return OutputFile::write(call.parser.value(Out), *pdf, OutputFile::Content::Binary);
}

int run(CliCall &call)
{
    const QCommandLineParser &parser = call.parser;
    bool entryOk = true;
    const qint64 entry = parser.isSet(Entry) ? parser.value(Entry).toLongLong(&entryOk) : 0;
    const QDate day = parser.isSet(Date) ? QDate::fromString(parser.value(Date), Qt::ISODate)
                                         : QDate::currentDate();
    if (!entryOk || entry < 0)
        return call.usage(UsageTexts::tr("--entry takes an entry number"));
    if (!day.isValid())
        return call.usage(UsageTexts::tr("--date takes a day as YYYY-MM-DD"));
    if (entry == 0 && !parser.isSet(SharedOptions::Serial))
        return call.usage(UsageTexts::tr("--serial SN or --entry ENTRY is needed"));
    if (!parser.isSet(Out))
        return call.usage(UsageTexts::tr("--out FILE.pdf is needed"));
    return writeReport(call, parser.value(SharedOptions::Serial), day, entry);
}

} // namespace

CliCommand Commands::report()
{
    return {"report",
            "report --serial SN [--date YYYY-MM-DD] --out FILE.pdf",
            QT_TRANSLATE_NOOP(
                "CliMain",
                "Print a visit's service report: a tester's entries of one day, or --entry ENTRY."),
            {SharedOptions::Serial, Date, Entry, Out, SharedOptions::History},
            {},
            &run,
            true};
}
