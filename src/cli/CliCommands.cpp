#include "CliCommands.h"

#include "CliOutput.h"
#include "Console.h"
#include "ServiceReport.h"
#include "base/RegularFile.h"
#include "history/ServiceHistory.h"
#include "link/Frames.h"
#include "ops/ParameterDocument.h"
#include "ops/SendParameters.h"
#include "params/Catalogue.h"
#include "params/ParameterFile.h"
#include "params/WriteEncoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTextStream>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliCommands)
};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

using CliOutput::fail;

enum class Content { Text, Binary };

// To a file, or to standard output for "-" or none. A device or a pipe
// (/dev/stdout) is written as it is; an ordinary file replaced whole. Text
// gets the platform's line ends (CRLF on Windows), where a user opens it.
int writeOutput(const QString &path, const QByteArray &bytes, Content content = Content::Text)
{
    QString error;
    const QIODevice::OpenMode mode =
        content == Content::Text ? QIODevice::WriteOnly | QIODevice::Text : QIODevice::WriteOnly;
    if (path.isEmpty() || path == QLatin1String("-")) {
        QFile out;
        // The console's own text mode already ends lines as the platform does.
        if (content == Content::Binary)
            Console::setBinary(Console::Output);
        if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
            out.flush())
            return ExitOk;
        error = out.errorString();
    } else if (QFileInfo(path).exists() && !QFileInfo(path).isFile()) {
        QFile out(path);
        if (out.open(mode) && out.write(bytes) == bytes.size() && out.flush())
            return ExitOk;
        error = out.errorString();
    } else {
        QSaveFile out(path);
        if (out.open(mode) && out.write(bytes) == bytes.size() && out.commit())
            return ExitOk;
        error = out.errorString();
    }
    return fail(ExitOutputFailed,
                Texts::tr("cannot write %1: %2")
                    .arg(path.isEmpty() ? Texts::tr("the standard output") : path, error));
}

} // namespace

CliCommands::CliCommands(const QString &programFolder, const CliOptions &options, bool progress)
    : m_options(options)
    , m_form(progress)
    , m_session(m_form, SessionOptions{programFolder, {}, false})
{
    OpPolicy &policy = m_session.policy();
    policy.giveUpAfterMs = options.timeoutSeconds * 1000;
    policy.reloadWhenNoTester = false;
    m_session.prepare();
}

CliCommands::~CliCommands() = default;

int CliCommands::failed(const Outcome &o)
{
    switch (o.kind) {
    case Outcome::Kind::Done:
    case Outcome::Kind::Declined:
        return ExitOk;
    case Outcome::Kind::Fatal:
        return fail(ExitTesterFault, o.error ? o.error->description() : o.text);
    case Outcome::Kind::Refused:
        return fail(ExitHistory, o.text);
    case Outcome::Kind::NoTester:
        if (o.cause == Outcome::Cause::LostStep)
            return fail(ExitTesterFault, o.text);
        return fail(ExitNoTester, Texts::tr("no tester answered on %1: check the cable, the "
                                            "port and the tester's power supply")
                                      .arg(m_device));
    case Outcome::Kind::Mismatch:
        for (const QString &line : o.mismatches)
            err() << "orva-cli: " << Texts::tr("verify: %1").arg(line) << '\n';
        return fail(ExitVerifyMismatch, o.text);
    case Outcome::Kind::Unverified:
    case Outcome::Kind::Aborted:
    case Outcome::Kind::Incomplete:
    case Outcome::Kind::Failed:
        break;
    }
    const bool silent = o.cause == Outcome::Cause::Silent || o.cause == Outcome::Cause::PortLost;
    return fail(silent ? ExitNoTester : ExitTesterFault, o.text);
}

// The operation's own status, or the history's when its record failed.
int CliCommands::finished(const Outcome &o)
{
    const int status = failed(o);
    if (!o.historyProblem.isEmpty()) {
        const ExitStatus history = o.recordUnfinished ? ExitRecordUnfinished : ExitHistory;
        fail(history, o.historyProblem);
        return status == ExitOk ? int(history) : status;
    }
    if (!o.historyEntry || !m_history)
        return status;
    if (const std::optional<qint64> shown = m_history->shownId(*o.historyEntry))
        err() << "orva-cli: " << Texts::tr("recorded as history entry %1").arg(*shown) << '\n';
    else
        err() << "orva-cli: "
              << Texts::tr("recorded on this computer, not yet on the server %1, which could "
                           "not be reached; orva-cli history sync sends it when it can be.")
                     .arg(m_history->location().describe())
              << '\n';
    return status;
}

int CliCommands::listPorts()
{
    const PortCatalogue ports;
    QTextStream out(stdout);
    for (const int n : ports.usableNumbers()) {
        const QString entry = PortCatalogue::entryText(n);
        out << entry.left(entry.indexOf(u' ')) << '\t' << ports.tooltip(n) << '\n';
    }
    return ExitOk;
}

int CliCommands::writeReport(const CliOptions &options, const QString &serial, const QDate &day,
                             qint64 entry, const QString &outFile)
{
    const auto history =
        ServiceHistory::openConfigured(options.history, ServiceHistory::Mode::Existing);
    if (!history)
        return fail(ExitHistory, history.error().description());
    QList<HistoryEntry> visit;
    if (entry > 0) {
        const Result<HistoryEntry> e = history.value()->entry(entry);
        if (!e)
            return fail(ExitBadInput, e.error().description());
        visit = {*e};
    } else {
        HistoryQuery query;
        query.serial = serial;
        query.since = day.startOfDay();
        query.until = day.addDays(1).startOfDay();
        query.documents = true;
        const Result<QList<HistoryEntry>> entries = history.value()->collect(query);
        if (!entries)
            return fail(ExitHistory, entries.error().description());
        visit = ServiceReport::visit(*entries, serial, day);
        if (visit.isEmpty())
            return fail(ExitBadInput, Texts::tr("the service history has no entry of the "
                                                "tester %1 on %2")
                                          .arg(serial, day.toString(Qt::ISODate)));
    }
    const Result<QByteArray> pdf = ServiceReport::pdf(visit);
    if (!pdf)
        return fail(ExitOutputFailed, pdf.error().description());
    return writeOutput(outFile, *pdf, Content::Binary);
}

int CliCommands::openHistory(bool forWriting)
{
    if (!m_options.record)
        return ExitOk;
    auto history = ServiceHistory::openConfigured(m_options.history);
    if (history) {
        m_history = std::move(history.value());
        m_session.setHistory(m_history.get());
        return ExitOk;
    }
    if (!forWriting) {
        err() << "orva-cli: "
              << Texts::tr("warning: this read is not recorded: %1")
                     .arg(history.error().description())
              << '\n';
        return ExitOk;
    }
    return fail(ExitHistory, Texts::tr("%1 Nothing was written. On a machine with no writable "
                                       "home, --no-history writes without a record.")
                                 .arg(history.error().description()));
}

int CliCommands::open(const QString &device)
{
    m_device = device;
    if (const Result<> opened = m_session.serial().open(device); !opened)
        return fail(ExitPortUnusable, opened.error().description());
    return ExitOk;
}

int CliCommands::load()
{
    const Outcome o = m_session.load();
    if (o.kind == Outcome::Kind::NoTester && o.cause == Outcome::Cause::Silent)
        return fail(ExitNoTester,
                    Texts::tr("no tester answered on %1 within %2 s: check the cable, the "
                              "port and the tester's power supply")
                        .arg(m_device)
                        .arg(m_options.timeoutSeconds));
    if (o.succeeded() && o.hasMessage())
        err() << "orva-cli: " << Texts::tr("note: ")
              << QString(o.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n  ")) << '\n';
    if (!o.historyProblem.isEmpty())
        err() << "orva-cli: " << Texts::tr("warning: %1").arg(o.historyProblem) << '\n';
    return failed(o);
}

int CliCommands::read(const QString &device, const QString &outFile)
{
    if (const int s = openHistory(false))
        return s;
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    return writeOutput(outFile,
                       QJsonDocument(m_session.document()).toJson(QJsonDocument::Indented));
}

int CliCommands::apply(const QJsonObject &document, const QString &source, AccessLevel level,
                       bool factors)
{
    const ParameterDocument::Problems problems =
        ParameterDocument::apply(m_form, document, level, factors);
    if (!problems.any())
        return ExitOk;
    for (const QString &p : problems.refused + problems.invalid)
        err() << "orva-cli: " << source << ": " << p << '\n';
    return fail(problems.refused.isEmpty() ? ExitBadInput : ExitAccessRefused,
                Texts::tr("nothing was written"));
}

int CliCommands::write(const QString &device, const QString &inFile, AccessLevel level,
                       bool otherTester, bool verify)
{
    // A document is a few kilobytes: a FIFO, a device or anything huge is
    // refused before it can hang the command.
    const Result<QByteArray> contents = RegularFile::read(inFile, 1 << 20);
    if (!contents)
        return fail(ExitBadInput,
                    Texts::tr("cannot read %1: %2").arg(inFile, contents.error().description()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(*contents, &parseError);
    if (!doc.isObject())
        return fail(
            ExitBadInput,
            Texts::tr("%1 is not a parameter document: %2").arg(inFile, parseError.errorString()));
    if (level == AccessLevel::Unknown)
        return fail(ExitAccessRefused, Texts::tr("this password may not change any parameter"));
    m_session.state().accessLevel = [level] { return level; };
    if (const int s = openHistory(true))
        return s;
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    if (const int s = apply(doc.object(), inFile, level, false))
        return s;
    // Checked once the document is known to be one this password may write.
    const QString serial = HistoryEntry::serialOf(m_session.testerState());
    const QString wanted = HistoryEntry::serialOf(doc.object());
    if (!wanted.isEmpty() && wanted != serial && !otherTester)
        return fail(ExitBadInput, Texts::tr("%1 holds the serial number %2, not %3 of the tester "
                                            "on %4: nothing was written (--other-tester writes "
                                            "it anyway, also to change the serial number)")
                                      .arg(inFile, wanted, serial, device));
    m_session.policy().verifyWrites = verify;
    return finished(m_session.send());
}

int CliCommands::restore(const QString &device, qint64 entry, AccessLevel level, bool otherTester,
                         bool verify)
{
    if (level == AccessLevel::Unknown)
        return fail(ExitAccessRefused, Texts::tr("this password may not change any parameter"));
    m_session.state().accessLevel = [level] { return level; };
    if (!m_options.record)
        return fail(ExitUsage, Texts::tr("restore needs the service history"));
    if (const int s = openHistory(true))
        return s;
    const Result<HistoryEntry> found = m_history->entry(entry);
    if (!found)
        return fail(ExitBadInput, found.error().description());
    QJsonObject target = found->before;
    if (target.isEmpty())
        return fail(ExitBadInput, Texts::tr("entry %1 is a %2 and holds no state before it: "
                                            "restore an entry of a send, a calibration or a "
                                            "restore")
                                      .arg(entry)
                                      .arg(HistoryEntry::kindName(found->kind)));
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    const QString serial = HistoryEntry::serialOf(m_session.testerState());
    const QString wanted = HistoryEntry::serialOf(target);
    if (serial != wanted && !otherTester)
        return fail(ExitBadInput, Texts::tr("entry %1 is of the tester %2, not of %3 on %4: "
                                            "nothing was written (--other-tester restores it "
                                            "anyway)")
                                      .arg(entry)
                                      .arg(wanted, serial, device));
    const QJsonObject now = m_session.testerState().value("fields").toObject();
    QList<Control> factors;
    for (const Control c : {Control::TestoAnaConv, Control::TestoAbbConv}) {
        const QString field = QString::fromLatin1(Controls::info(c).field);
        if (target.value("fields").toObject().value(field) != now.value(field))
            factors.append(c);
    }
    // The tester sets its photodiode offsets itself, by calibrating them.
    QJsonObject fields = target.value("fields").toObject();
    fields.remove(QStringLiteral("photodiodeOffsets"));
    target.insert("fields", fields);
    if (const int s = apply(target, Texts::tr("entry %1").arg(entry), level, true))
        return s;
    m_session.policy().verifyWrites = verify;
    return finished(m_session.restore(entry, factors));
}

int CliCommands::calibrate(const QString &device, Beam beam, const QString &lux, AccessLevel level,
                           bool yes)
{
    const Control button = beam == Beam::Low ? Control::CmdCalibraAna : Control::CmdCalibraAbb;
    if (Controls::action(button, level) != LevelAction::Open)
        return fail(ExitAccessRefused, Texts::tr("this password may not calibrate"));
    m_session.state().accessLevel = [level] { return level; };
    if (const int s = openHistory(yes))
        return s;
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    m_form.setText(beam == Beam::Low ? Control::TestoLuxAnaCampione : Control::TestoLuxAbbCampione,
                   lux);
    m_form.setAnswer(yes);
    m_session.policy().verifyWrites = true;
    const Outcome o = m_session.calibrate(beam);
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
    return finished(o);
}
