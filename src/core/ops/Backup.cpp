#include "Backup.h"

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

QString Backup::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/orvaps/backups");
}

QString Backup::save(const QJsonObject &document, const QString &folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return {};
    QString serial = document.value("fields").toObject().value("serialNumber").toString().trimmed();
    serial.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    if (serial.isEmpty())
        serial = QStringLiteral("unknown");
    const QString name =
        QStringLiteral("%1_%2.json")
            .arg(serial,
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    QSaveFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(document).toJson()) < 0 ||
        !file.commit())
        return {};
    // Keep the newest only.
    const QFileInfoList all =
        dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (qsizetype i = 0; i + Kept < all.size(); ++i)
        QFile::remove(all[i].filePath());
    return dir.filePath(name);
}
