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

QString HistoryEntry::summary(bool translated) const
{
    if (!calibration)
        return changes().join(QStringLiteral("; "));
    const auto text = [translated](const char *source) {
        return translated ? Texts::tr(source) : QString::fromLatin1(source);
    };
    const QString beam = calibration->beam == QLatin1String("low")
                             ? text(QT_TRANSLATE_NOOP("HistoryEntry", "low beam"))
                             : text(QT_TRANSLATE_NOOP("HistoryEntry", "high beam"));
    return text(QT_TRANSLATE_NOOP("HistoryEntry", "%1: %2 lux, reading %3, factor %4 -> %5%6"))
        .arg(beam, calibration->referenceLux)
        .arg(calibration->reading)
        .arg(calibration->oldFactor)
        .arg(calibration->newFactor)
        .arg(calibration->confirmed ? QString()
                                    : text(QT_TRANSLATE_NOOP("HistoryEntry", " (not written)")));
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
    if (storedChanges)
        return *storedChanges;
    QStringList lines;
    if (before.isEmpty() || after.isEmpty())
        return lines;
    const QJsonObject was = before.value("fields").toObject();
    const QJsonObject now = after.value("fields").toObject();
    const QJsonArray partial = after.value("partial").toArray();
    for (auto it = now.begin(); it != now.end(); ++it) {
        const QJsonValue old = was.value(it.key());
        const bool cut = partial.contains(it.key());
        const bool same = it->isObject() && old.isObject()
                              ? it->toObject().value("index") == old.toObject().value("index")
                          : it->isString() && old.isString()
                              ? it->toString().trimmed() == old.toString().trimmed()
                              : *it == old;
        if (!same || cut)
            lines.append(QStringLiteral("%1: %2 -> %3%4")
                             .arg(it.key(), shown(old), shown(*it),
                                  cut ? QStringLiteral(" (partial)") : QString()));
    }
    return lines;
}

QJsonObject HistoryEntry::toJson(bool withDocuments) const
{
    QJsonObject o{{"id", id},
                  {"at", at.toString(Qt::ISODateWithMs)},
                  {"serialNumber", serial},
                  {"model", model},
                  {"firmwareVersion", firmware},
                  {"parameterFile", parameterFile},
                  {"level", level},
                  {"program", program},
                  {"line", line},
                  {"kind", kindName(kind)},
                  {"outcome", outcome},
                  {"detail", detail},
                  {"changes", QJsonArray::fromStringList(changes())},
                  {"uuid", uuid},
                  {"machine", machine}};
    if (pending)
        o.insert("onServer", false);
    if (calibration)
        o.insert("calibration", QJsonObject{{"beam", calibration->beam},
                                            {"referenceLux", calibration->referenceLux},
                                            {"reading", calibration->reading},
                                            {"oldFactor", calibration->oldFactor},
                                            {"newFactor", calibration->newFactor},
                                            {"confirmed", calibration->confirmed}});
    if (withDocuments) {
        o.insert("before", before.isEmpty() ? QJsonValue() : QJsonValue(before));
        o.insert("after", after.isEmpty() ? QJsonValue() : QJsonValue(after));
    }
    return o;
}

HistoryEntry HistoryEntry::fromJson(const QJsonObject &o)
{
    HistoryEntry e;
    e.id = o.value("id").toInteger();
    e.at = QDateTime::fromString(o.value("at").toString(), Qt::ISODateWithMs);
    e.serial = o.value("serialNumber").toString();
    e.model = o.value("model").toString();
    e.firmware = o.value("firmwareVersion").toString();
    e.parameterFile = o.value("parameterFile").toString();
    e.level = o.value("level").toString();
    e.program = o.value("program").toString();
    e.line = o.value("line").toString();
    e.kind = kindFrom(o.value("kind").toString()).value_or(Kind::Read);
    e.outcome = o.value("outcome").toString();
    e.detail = o.value("detail").toString();
    e.uuid = o.value("uuid").toString();
    e.machine = o.value("machine").toString();
    e.before = o.value("before").toObject();
    e.after = o.value("after").toObject();
    if (o.value("calibration").isObject()) {
        const QJsonObject c = o.value("calibration").toObject();
        e.calibration =
            Calibration{c.value("beam").toString(),     c.value("referenceLux").toString(),
                        c.value("reading").toInteger(), c.value("oldFactor").toString(),
                        c.value("newFactor").toInt(),   c.value("confirmed").toBool()};
    }
    return e;
}
