#include "PendingRecords.h"

#include "base/RegularFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PendingRecords)
};

// No write runs this long: a lock older than this whose program still seems
// to run belongs to another program that reused its number.
constexpr int StaleAfterMs = 24 * 3600 * 1000;
} // namespace

PendingRecords::PendingRecords(const QString &history, const QString &folder)
    : m_folder(folder)
    , m_prefix(QString::fromLatin1(
          QCryptographicHash::hash(history.toUtf8(), QCryptographicHash::Sha1).toHex().left(16)))
{}

PendingRecords::~PendingRecords() = default;

QString PendingRecords::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/orvaps/unfinished");
}

QString PendingRecords::path(qint64 id, const char *suffix) const
{
    return QStringLiteral("%1/%2-%3.%4").arg(m_folder, m_prefix).arg(id).arg(QLatin1String(suffix));
}

Result<> PendingRecords::started(qint64 id)
{
    if (!QDir().mkpath(m_folder))
        return OrvaError(70, Texts::tr("The folder %1 cannot be made, so a write could not be "
                                       "followed to its end.")
                                 .arg(QDir::toNativeSeparators(m_folder)));
    auto lock = std::make_unique<QLockFile>(path(id, "lock"));
    lock->setStaleLockTime(StaleAfterMs);
    if (!lock->tryLock(0))
        return OrvaError(70, Texts::tr("%1 cannot be written: a write could not be followed "
                                       "to its end.")
                                 .arg(QDir::toNativeSeparators(path(id, "lock"))));
    m_locks[id] = std::move(lock);
    return {};
}

Result<> PendingRecords::keep(const HistoryEntry &entry)
{
    QDir().mkpath(m_folder);
    QSaveFile file(path(entry.id, "json"));
    const QByteArray bytes = QJsonDocument(entry.toJson(true)).toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return OrvaError(70,
                         Texts::tr("%1 cannot be written: %2")
                             .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
    m_locks.erase(entry.id); // the kept end says the rest
    QFile::remove(path(entry.id, "lock"));
    return {};
}

void PendingRecords::finished(qint64 id)
{
    m_locks.erase(id);
    QFile::remove(path(id, "lock"));
    QFile::remove(path(id, "json"));
}

QList<PendingRecords::Left> PendingRecords::left() const
{
    QList<Left> found;
    const QString pattern = m_prefix + QStringLiteral("-*");
    for (const QFileInfo &file : QDir(m_folder).entryInfoList({pattern}, QDir::Files)) {
        bool ok = false;
        const qint64 id = file.completeBaseName().section(u'-', 1).toLongLong(&ok);
        if (!ok || m_locks.count(id))
            continue;
        if (file.suffix() == QLatin1String("json")) {
            const Result<QByteArray> bytes = RegularFile::read(file.filePath(), 4 << 20);
            const QJsonObject json =
                bytes ? QJsonDocument::fromJson(*bytes).object() : QJsonObject();
            if (!json.isEmpty())
                found.append({id, HistoryEntry::fromJson(json)});
        } else if (file.suffix() == QLatin1String("lock") && !QFile::exists(path(id, "json"))) {
            // Taken: its program is gone.
            QLockFile lock(file.filePath());
            lock.setStaleLockTime(StaleAfterMs);
            if (lock.tryLock(0)) {
                lock.unlock();
                found.append({id, std::nullopt});
            }
        }
    }
    return found;
}
