#include "CliCommands.h"

#include "base/RegularFile.h"
#include "link/Frames.h"
#include "ops/Backup.h"
#include "ops/ParameterDocument.h"
#include "ops/SendParameters.h"
#include "params/Catalogue.h"
#include "params/ParameterFile.h"
#include "params/WriteEncoding.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTextStream>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString hexByte(char b)
{
    return QStringLiteral("%1").arg(quint8(b), 2, 16, QLatin1Char('0')).toUpper() + u'h';
}

} // namespace

CliCommands::CliCommands(const QString &programFolder, int timeoutSeconds, bool progress)
    : m_timeoutSeconds(timeoutSeconds)
    , m_form(progress)
    , m_session(m_form, SessionOptions{programFolder, {}, false})
{
    OpPolicy &policy = m_session.policy();
    policy.giveUpAfterMs = timeoutSeconds * 1000;
    policy.reloadWhenNoTester = false;
    policy.beforeWrite = [this]() -> Result<> {
        if (!m_session.lastRead().isEmpty())
            m_lastBackup = Backup::save(m_session.lastRead());
        return {};
    };
    m_session.prepare();
}

int CliCommands::fail(int status, const QString &message)
{
    err() << "orva-cli: " << message << '\n';
    err().flush();
    return status;
}

int CliCommands::failed(const Outcome &o)
{
    QString message = o.text;
    message.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    switch (o.kind) {
    case Outcome::Kind::Done:
    case Outcome::Kind::Declined:
        return ExitOk;
    case Outcome::Kind::Fatal:
        return fail(ExitTesterFault, o.error ? o.error->description() : message);
    case Outcome::Kind::NoTester:
        if (o.cause == Outcome::Cause::LostStep)
            return fail(ExitTesterFault, message);
        return fail(ExitNoTester, QStringLiteral("no tester answered on %1: check the cable, the "
                                                 "port and the tester's power supply")
                                      .arg(m_device));
    case Outcome::Kind::Aborted:
    case Outcome::Kind::Refused:
        return fail(ExitTesterFault, message);
    case Outcome::Kind::Incomplete:
    case Outcome::Kind::Failed:
        break;
    }
    const bool silent = o.cause == Outcome::Cause::Silent || o.cause == Outcome::Cause::PortLost;
    return fail(silent ? ExitNoTester : ExitTesterFault, message);
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
    if (o.succeeded() && o.hasMessage())
        err() << "orva-cli: note: "
              << QString(o.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n  ")) << '\n';
    if (o.kind == Outcome::Kind::NoTester && o.cause == Outcome::Cause::Silent)
        return fail(ExitNoTester,
                    QStringLiteral("no tester answered on %1 within %2 s: check the cable, the "
                                   "port and the tester's power supply")
                        .arg(m_device)
                        .arg(m_timeoutSeconds));
    return failed(o);
}

int CliCommands::read(const QString &device, const QString &outFile)
{
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    const QByteArray json = QJsonDocument(m_session.document()).toJson(QJsonDocument::Indented);
    if (outFile.isEmpty()) {
        QFile out;
        (void)out.open(stdout, QIODevice::WriteOnly);
        out.write(json);
        return ExitOk;
    }
    QSaveFile file(outFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) < 0 || !file.commit())
        return fail(ExitBadInput,
                    QStringLiteral("cannot write %1: %2").arg(outFile, file.errorString()));
    return ExitOk;
}

int CliCommands::write(const QString &device, const QString &inFile, AccessLevel level, bool verify)
{
    // A document is a few kilobytes: a FIFO, a device or anything huge is
    // refused before it can hang the command.
    const Result<QByteArray> contents = RegularFile::read(inFile, 1 << 20);
    if (!contents)
        return fail(
            ExitBadInput,
            QStringLiteral("cannot read %1: %2").arg(inFile, contents.error().description()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(*contents, &parseError);
    if (!doc.isObject())
        return fail(ExitBadInput, QStringLiteral("%1 is not a parameter document: %2")
                                      .arg(inFile, parseError.errorString()));
    if (level == AccessLevel::Unknown)
        return fail(ExitAccessRefused,
                    QStringLiteral("this password may not change any parameter"));
    m_session.state().accessLevel = [level] { return level; };
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    const ParameterDocument::Problems problems =
        ParameterDocument::apply(m_form, doc.object(), level);
    if (problems.any()) {
        for (const QString &p : problems.refused + problems.invalid)
            err() << "orva-cli: " << inFile << ": " << p << '\n';
        return fail(problems.refused.isEmpty() ? ExitBadInput : ExitAccessRefused,
                    QStringLiteral("nothing was written"));
    }
    const Outcome sent = m_session.send();
    if (!m_lastBackup.isEmpty())
        err() << "orva-cli: previous values saved in " << m_lastBackup << '\n';
    if (!sent.succeeded())
        return failed(sent);
    return verify ? verifyWritten() : ExitOk;
}

int CliCommands::verifyWritten()
{
    const Result<QStringList> lines = ParameterFile::readLines(m_session.state().parameterFilePath);
    if (!lines)
        return fail(ExitTesterFault, lines.error().description());
    QList<std::pair<QString, SendValue>> writes = {
        {m_form.currentText(Control::ListaLingua1),
         {QString(), WriteMode::FromFile, std::nullopt}}};
    for (const CatalogueEntry &e : Catalogue::entries())
        if (const auto v = sendValue(m_form, m_session.state(), e))
            writes.append({e.keyText(), *v});
    int mismatches = 0;
    for (auto &[key, v] : writes) {
        for (const Definition &d : ParameterFile::findForWrite(*lines, key)) {
            const Encoded expected =
                v.raw ? (d.length == v.raw->size() ? Encoded{*v.raw, {}} : Encoded{})
                      : WriteEncoding::encode(d, v.value, v.mode);
            if (!d.start() || d.length <= 0 || !expected.sends())
                continue;
            const LinkReply back =
                m_session.link().readBytes(*d.start(), int(expected.bytes.size()));
            if (back.status != LinkStatus::Ok)
                return fail(back.status == LinkStatus::NoReply ||
                                    back.status == LinkStatus::PortLost
                                ? ExitNoTester
                                : ExitTesterFault,
                            QStringLiteral("the tester did not answer in step while the write "
                                           "was verified (address %1h): read it again")
                                .arg(Frames::formatAddress(back.address)));
            for (qsizetype k = 0; k < expected.bytes.size(); ++k) {
                if (back.bytes.at(k) == expected.bytes.at(k))
                    continue;
                ++mismatches;
                err() << "orva-cli: verify: " << d.name << " at address "
                      << Frames::formatAddress(quint16(*d.start() + k)) << "h: sent "
                      << hexByte(expected.bytes.at(k)) << ", the tester holds "
                      << hexByte(back.bytes.at(k)) << '\n';
            }
        }
    }
    if (m_session.link().settle() != LinkStatus::Ok)
        return fail(ExitTesterFault, QStringLiteral("the line lost step while the write was "
                                                    "verified: read it again"));
    if (mismatches)
        return fail(
            ExitVerifyMismatch,
            QStringLiteral("%1 byte(s) differ after the write: send again").arg(mismatches));
    return ExitOk;
}

int CliCommands::calibrate(const QString &device, Beam beam, const QString &lux, AccessLevel level,
                           bool yes)
{
    const Control button = beam == Beam::Low ? Control::CmdCalibraAna : Control::CmdCalibraAbb;
    if (Controls::action(button, level) != LevelAction::Open)
        return fail(ExitAccessRefused, QStringLiteral("this password may not calibrate"));
    m_session.state().accessLevel = [level] { return level; };
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    m_form.setText(beam == Beam::Low ? Control::TestoLuxAnaCampione : Control::TestoLuxAbbCampione,
                   lux);
    m_form.setAnswer(yes);
    const Outcome o = m_session.calibrate(beam);
    if (!o.succeeded() && o.kind != Outcome::Kind::Declined)
        return failed(o);
    QTextStream out(stdout);
    out << "reading " << *o.reading << ", factor " << *o.factor
        << (yes ? ", written to the tester\n" : ", not written (add --yes to write it)\n");
    out.flush();
    if (yes && !m_lastBackup.isEmpty())
        err() << "orva-cli: previous values saved in " << m_lastBackup << '\n';
    return ExitOk;
}
