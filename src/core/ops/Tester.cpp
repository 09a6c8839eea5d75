#include "Tester.h"

#include "Session.h"
#include "form/OrvaForm.h"
#include "link/AbortFlag.h"
#include "link/Frames.h"
#include "params/Catalogue.h"
#include "params/ParameterFile.h"
#include "params/ValueCodec.h"
#include "params/WriteEncoding.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Tester)
};

// Second parts of split texts come back with unprintable bytes made blanks.
bool isPrintableKey(const QString &key)
{
    return std::any_of(Catalogue::entries().cbegin(), Catalogue::entries().cend(),
                       [&](const CatalogueEntry &e) {
                           return e.kind == ParamKind::TextTail && e.keyText() == key;
                       });
}

// A reply that is neither complete nor aborted unwinds the operation.
void unlessOk(LinkStatus status, std::optional<quint16> address)
{
    if (status != LinkStatus::Ok && status != LinkStatus::Aborted)
        throw TesterLost{status, address};
}

} // namespace

Tester::Tester(TesterLink &link, OrvaForm &form, Session &session)
    : m_link(link)
    , m_form(form)
    , m_session(session)
{}

bool Tester::checkConnection()
{
    m_form.setStatus(Texts::tr("Wait connection to Equipment ! Reset with power supply ..."));
    if (m_link.checkConnection() != LinkStatus::Ok)
        return false;
    m_form.setStatus(QString());
    return true;
}

bool Tester::confirmInStep()
{
    return m_link.checkConnection(TesterLink::Tail::Quiet) == LinkStatus::Ok;
}

Result<QStringList> Tester::parameterLines()
{
    // A load asks for it once per key and once per list.
    const QFileInfo file(m_session.parameterFilePath);
    const QDateTime modified = file.lastModified();
    if (!m_lines || m_linesPath != file.filePath() || m_linesModified != modified ||
        m_linesSize != file.size()) {
        m_lines = ParameterFile::readLines(file.filePath());
        m_linesPath = file.filePath();
        m_linesModified = modified;
        m_linesSize = file.size();
    }
    return *m_lines;
}

Result<QByteArray> Tester::readParameter(const QString &key)
{
    const Result<QStringList> lines = parameterLines();
    if (!lines)
        return lines.error();
    const auto definition = ParameterFile::findForRead(*lines, key);
    if (!definition || !definition->usable() || !definition->start())
        return QByteArray();
    m_form.setStatus(Texts::tr("Wait reading parameters from equipment .... (addr. h%1 )")
                         .arg(definition->address));
    const LinkReply reply = m_link.readBytes(*definition->start(), definition->length);
    unlessOk(reply.status, reply.address);
    for (qsizetype k = 0; k < reply.bytes.size(); ++k)
        m_held.insert(quint16(*definition->start() + k), reply.bytes.at(k));
    if (isPrintableKey(key))
        return ValueCodec::printable(reply.bytes, definition->length);
    return reply.bytes;
}

Result<Tester::Written> Tester::writeParameter(const QString &value, const QString &key,
                                               WriteMode mode)
{
    return writeDefinitions(
        key, [&](const Definition &d) { return WriteEncoding::encode(d, value, mode); });
}

Result<Tester::Written> Tester::writeKept(const QString &key, const QByteArray &raw)
{
    // A definition of another length would get bytes it did not hold.
    return writeDefinitions(key, [&](const Definition &d) {
        return d.length == raw.size() ? Encoded{raw, {}} : Encoded{};
    });
}

Result<Tester::Written>
Tester::writeDefinitions(const QString &key,
                         const std::function<Encoded(const Definition &)> &encode)
{
    AbortFlag &abort = m_link.abortFlag();
    if (abort.isSet())
        return Written::Aborted;
    const Result<QStringList> lines = parameterLines();
    if (!lines)
        return lines.error();
    for (const Definition &d : ParameterFile::findForWrite(*lines, key)) {
        if (abort.isSet())
            return Written::Aborted;
        if (!d.start() || d.length <= 0)
            continue;
        const Encoded encoded = encode(d);
        if (!encoded.bytes) {
            if (encoded.unsent)
                m_notSent.append(*encoded.unsent);
            continue;
        }
        m_form.setStatus(
            Texts::tr("Wait sending parameters to Equipment .... (addr. h%1 )").arg(d.address));
        WrittenBytes &w = m_written.emplaceBack();
        w.key = key;
        w.name = d.name;
        w.start = *d.start();
        w.bytes = *encoded.bytes;
        for (qsizetype k = 0; k < w.bytes.size(); ++k) {
            const auto held = m_held.constFind(quint16(w.start + k));
            if (held == m_held.cend()) {
                w.before.clear();
                break;
            }
            w.before.append(*held);
        }
        const LinkReply reply = m_link.writeBytes(*d.start(), w.bytes);
        // A byte sent but not acknowledged may or may not have been stored.
        w.acknowledged =
            reply.status == LinkStatus::Ok ? int(w.bytes.size()) : int(reply.address - w.start);
        for (int k = 0; k < w.acknowledged; ++k)
            m_held.insert(quint16(w.start + k), w.bytes.at(k));
        unlessOk(reply.status, reply.address);
        if (reply.status == LinkStatus::Aborted)
            return Written::Aborted;
    }
    return Written::Done;
}

QList<Unsent> Tester::takeNotSent()
{
    QList<Unsent> taken;
    taken.swap(m_notSent);
    return taken;
}

void Tester::sendDateTime(const QDateTime &local)
{
    unlessOk(m_link.sendClock(local), std::nullopt);
}

std::optional<quint32> Tester::readPhotodiode(quint8 channel)
{
    const LinkReply reply = m_link.readPhotodiode(channel);
    unlessOk(reply.status, std::nullopt);
    if (reply.status == LinkStatus::Aborted)
        return std::nullopt;
    // The reading becomes a factor in the tester: a byte trailing it would
    // mean it was not the reading.
    unlessOk(m_link.settle(), std::nullopt);
    return Frames::decodeReading(reply.bytes);
}

void Tester::startPhotodiodeCalibration()
{
    unlessOk(m_link.startCalibration(), std::nullopt);
}
