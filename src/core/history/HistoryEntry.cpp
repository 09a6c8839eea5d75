#include "HistoryEntry.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HistoryEntry)
};
} // namespace

QString HistoryEntry::summary() const
{
    if (!calibration)
        return changes().join(QStringLiteral("; "));
    const QString beam =
        calibration->beam == QLatin1String("low") ? Texts::tr("low beam") : Texts::tr("high beam");
    return Texts::tr("%1: %2 lux, reading %3, factor %4 -> %5%6")
        .arg(beam, calibration->referenceLux)
        .arg(calibration->reading)
        .arg(calibration->oldFactor)
        .arg(calibration->newFactor)
        .arg(calibration->confirmed ? QString() : Texts::tr(" (not written)"));
}

QString HistoryEntry::serialOf(const QJsonObject &document)
{
    return document.value("fields").toObject().value("serialNumber").toString().trimmed();
}

QString HistoryEntry::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Read:
        return QStringLiteral("read");
    case Kind::Send:
        return QStringLiteral("send");
    case Kind::Calibration:
        return QStringLiteral("calibration");
    case Kind::Restore:
        return QStringLiteral("restore");
    }
    return {};
}

std::optional<HistoryEntry::Kind> HistoryEntry::kindFrom(const QString &name)
{
    for (const Kind k : {Kind::Read, Kind::Send, Kind::Calibration, Kind::Restore})
        if (kindName(k) == name)
            return k;
    return std::nullopt;
}

namespace {
QString shown(const QJsonValue &v)
{
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        return o.contains("item") ? o.value("item").toString().trimmed()
                                  : QString::number(o.value("index").toInt());
    }
    if (v.isBool())
        return v.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    if (v.isDouble())
        return QString::number(v.toInteger());
    if (v.isArray())
        return QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact));
    return v.toString().trimmed();
}
} // namespace

QStringList HistoryEntry::changes() const
{
    QStringList lines;
    if (before.isEmpty() || after.isEmpty())
        return lines;
    const QJsonObject was = before.value("fields").toObject();
    const QJsonObject now = after.value("fields").toObject();
    for (auto it = now.begin(); it != now.end(); ++it) {
        const QJsonValue old = was.value(it.key());
        const bool same = it->isObject() && old.isObject()
                              ? it->toObject().value("index") == old.toObject().value("index")
                              : *it == old;
        if (!same)
            lines.append(QStringLiteral("%1: %2 -> %3").arg(it.key(), shown(old), shown(*it)));
    }
    return lines;
}
