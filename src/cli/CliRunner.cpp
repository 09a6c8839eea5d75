#include "CliRunner.h"

#include "access/ControlTable.h"
#include "link/Frames.h"
#include "link/OrvaError.h"
#include "link/PortCatalogue.h"
#include "ops/LoadParameters.h"
#include "ops/ParameterDocument.h"
#include "ops/SendParameters.h"
#include "params/Catalogue.h"
#include "params/ParameterFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTextStream>
#include <QTimer>

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

CliRunner::CliRunner(const QString &programFolder, int timeoutSeconds, bool progress)
    : m_timeoutSeconds(timeoutSeconds)
    , m_equipment(
          m_link, m_abort, [this](const QString &s) { m_form.setStatus(s); },
          [this] { return m_session.parameterFilePath; })
    , m_ctx{m_form, m_equipment, m_session}
{
    m_session.programFolder = programFolder;
    m_session.parameterFilePath = m_session.defaultFile();
    m_form.session = &m_session;
    m_form.showProgress = progress;
    m_form.snapshot = [this] { return ParameterDocument::fromForm(m_form, m_session); };
    m_form.onStatus = [this](const QString &s) {
        if (s.startsWith(QLatin1String("Wait reading")) ||
            s.startsWith(QLatin1String("Wait sending")))
            m_answered = true;
    };
}

int CliRunner::fail(int status, const QString &message)
{
    err() << "orva-cli: " << message << '\n';
    err().flush();
    return status;
}

int CliRunner::listPorts()
{
    const PortCatalogue ports;
    SerialLink probe;
    QTextStream out(stdout);
    for (int n = 1; n <= PortCatalogue::MaxPorts; ++n) {
        const QString device = ports.device(n);
        if (device.isEmpty())
            continue;
        try {
            probe.open(device);
            probe.close();
            out << PortCatalogue::entryText(n).left(PortCatalogue::entryText(n).indexOf(u' '))
                << '\t' << ports.tooltip(n) << '\n';
        } catch (const OrvaError &) {
            // not usable: the window does not offer it either
        }
    }
    return ExitOk;
}

int CliRunner::open(const QString &device)
{
    m_device = device;
    try {
        m_link.open(device);
    } catch (const OrvaError &e) {
        return fail(ExitPortUnusable, e.description());
    }
    return ExitOk;
}

std::unique_ptr<QTimer> CliRunner::armDeadline()
{
    // Only the wait for the tester's first answer is limited; once it answers,
    // the operation runs to its end.
    m_answered = false;
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, &m_link, [this] {
        if (!m_answered)
            m_link.shutdown();
    });
    timer->start(m_timeoutSeconds * 1000);
    return timer;
}

int CliRunner::load()
{
    const auto deadline = armDeadline();
    try {
        LoadParameters(m_ctx);
    } catch (const ProgramClosing &) {
        if (m_form.ended())
            return fail(ExitTesterFault, m_form.messages.value(m_form.messages.size() - 1));
        return fail(ExitNoTester,
                    QStringLiteral("no tester answered on %1 within %2 s: check the cable, the "
                                   "port and the tester's power supply")
                        .arg(m_device)
                        .arg(m_timeoutSeconds));
    }
    return ExitOk;
}

int CliRunner::read(const QString &device, const QString &outFile)
{
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    const QByteArray json = QJsonDocument(ParameterDocument::fromForm(m_form, m_session))
                                .toJson(QJsonDocument::Indented);
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

int CliRunner::write(const QString &device, const QString &inFile, AccessLevel level, bool verify)
{
    QFile file(inFile);
    if (!file.open(QIODevice::ReadOnly))
        return fail(ExitBadInput,
                    QStringLiteral("cannot read %1: %2").arg(inFile, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject())
        return fail(ExitBadInput, QStringLiteral("%1 is not a parameter document: %2")
                                      .arg(inFile, parseError.errorString()));
    if (level == AccessLevel::Unknown)
        return fail(ExitAccessRefused,
                    QStringLiteral("this password may not change any parameter"));
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    const QStringList errors = ParameterDocument::apply(m_form, doc.object(), level);
    if (!errors.isEmpty()) {
        bool refused = false;
        for (const QString &e : errors) {
            err() << "orva-cli: " << inFile << ": " << e << '\n';
            refused = refused || e.contains(QLatin1String("may not change"));
        }
        return fail(refused ? ExitAccessRefused : ExitBadInput,
                    QStringLiteral("nothing was written"));
    }

    const auto deadline = armDeadline();
    const qsizetype before = m_form.messages.size();
    try {
        SendParameters(m_ctx);
    } catch (const ProgramClosing &) {
        return fail(ExitNoTester,
                    QStringLiteral("the tester stopped answering on %1").arg(m_device));
    }
    if (!m_form.lastBackup.isEmpty())
        err() << "orva-cli: previous values saved in " << m_form.lastBackup << '\n';
    if (m_form.messages.size() > before)
        return fail(ExitTesterFault, m_form.messages.last());
    return verify ? verifyWritten() : ExitOk;
}

int CliRunner::verifyWritten()
{
    const QStringList lines = ParameterFile::readLines(m_session.parameterFilePath);
    struct Write
    {
        QString key;
        QString value;
        int mode;
    };
    QList<Write> writes = {{m_form.currentText(QStringLiteral("ListaLingua1")), QString(), 2}};
    for (const CatalogueEntry &e : Catalogue::entries())
        if (!e.writeMode().isEmpty())
            writes.append({e.key, composeValue(m_form, e), e.writeMode().toInt()});
    int mismatches = 0;
    for (Write &w : writes) {
        for (const Definition &d : ParameterFile::findForWrite(lines, w.key)) {
            const auto start = Frames::parseAddress(d.address);
            const auto expected = Equipment::encode(d, w.value, w.mode);
            if (!start || !expected || d.length <= 0)
                continue;
            const ReadReply back = m_equipment.readBytes(*start, int(expected->size()));
            if (back.noReply)
                return fail(ExitNoTester, QStringLiteral("the tester stopped answering while the "
                                                         "write was verified (address %1h)")
                                              .arg(back.address));
            for (qsizetype k = 0; k < expected->size(); ++k) {
                if ((k < back.bytes.size() ? back.bytes.at(k) : char(0)) == expected->at(k))
                    continue;
                ++mismatches;
                err() << "orva-cli: verify: " << d.name << " at address "
                      << Frames::formatAddress(quint16(*start + k)) << "h: sent "
                      << hexByte(expected->at(k)) << ", the tester holds "
                      << hexByte((k < back.bytes.size() ? back.bytes.at(k) : char(0))) << '\n';
            }
        }
    }
    m_form.setStatus(QString());
    if (mismatches)
        return fail(
            ExitVerifyMismatch,
            QStringLiteral("%1 byte(s) differ after the write: send again").arg(mismatches));
    return ExitOk;
}

int CliRunner::calibrate(const QString &device, Beam beam, const QString &lux, AccessLevel level,
                         bool yes)
{
    const QString button =
        beam == Beam::Low ? QStringLiteral("CmdCalibraAna") : QStringLiteral("CmdCalibraAbb");
    bool allowed = false;
    for (const auto &step : ControlTable::levelSteps(level))
        allowed = allowed || (step.control == button && step.action == ControlTable::Action::Open);
    if (!allowed)
        return fail(ExitAccessRefused, QStringLiteral("this password may not calibrate"));
    if (const int s = open(device))
        return s;
    if (const int s = load())
        return s;
    m_form.setText(beam == Beam::Low ? QStringLiteral("TestoLuxAnaCampione")
                                     : QStringLiteral("TestoLuxAbbCampione"),
                   lux);
    m_form.readingControl = beam == Beam::Low ? QStringLiteral("TestoBitAnaScheda")
                                              : QStringLiteral("TestoBitAbbScheda");
    m_form.factorControl =
        beam == Beam::Low ? QStringLiteral("TestoAnaConv") : QStringLiteral("TestoAbbConv");
    m_form.answerYes = yes;
    const qsizetype before = m_form.messages.size();
    const auto deadline = armDeadline();
    try {
        LuxCalibration(m_ctx, beam);
    } catch (const ProgramClosing &) {
        return fail(ExitNoTester,
                    QStringLiteral("the tester stopped answering on %1").arg(m_device));
    }
    if (m_form.messages.size() > before && m_form.confirmedFactor.isEmpty())
        return fail(ExitTesterFault, m_form.messages.last());
    QTextStream out(stdout);
    out << "reading " << m_form.confirmedReading << ", factor " << m_form.confirmedFactor
        << (yes ? ", written to the tester\n" : ", not written (add --yes to write it)\n");
    out.flush();
    if (yes && !m_form.lastBackup.isEmpty())
        err() << "orva-cli: previous values saved in " << m_form.lastBackup << '\n';
    if (m_form.messages.size() > before)
        return fail(ExitTesterFault, m_form.messages.last());
    return ExitOk;
}
