#include "HistoryEntry.h"

#include "access/Passwords.h"

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
    const QString beam = calibration->beam == Beam::Low
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
constexpr std::pair<HistoryEntry::Ending, const char *> EndingNames[] = {
    {HistoryEntry::Ending::Started, "started"},
    {HistoryEntry::Ending::Done, "done"},
    {HistoryEntry::Ending::Aborted, "aborted"},
    {HistoryEntry::Ending::Declined, "declined"},
    {HistoryEntry::Ending::Incomplete, "incomplete"},
    {HistoryEntry::Ending::Mismatch, "verify mismatch"},
    {HistoryEntry::Ending::Unverified, "unverified"},
    {HistoryEntry::Ending::Failed, "failed"},
    {HistoryEntry::Ending::Interrupted, "interrupted"},
    {HistoryEntry::Ending::Imported, "imported"},
};
} // namespace

QString HistoryEntry::endingName(Ending ending)
{
    for (const auto &[e, name] : EndingNames)
        if (e == ending)
            return QString::fromLatin1(name);
    return {};
}

std::optional<HistoryEntry::Ending> HistoryEntry::endingFrom(const QString &name)
{
    for (const auto &[e, n] : EndingNames)
        if (name == QLatin1String(n))
            return e;
    return std::nullopt;
}

QStringList HistoryEntry::endingNames()
{
    QStringList names;
    for (const auto &[e, name] : EndingNames)
        names.append(QString::fromLatin1(name));
    return names;
}

QString HistoryEntry::levelName() const
{
    return level ? Access::levelName(*level) : QString();
}

QStringList HistoryEntry::changes() const
{
    if (storedChanges)
        return *storedChanges;
    if (before.isEmpty() || after.isEmpty())
        return {};
    return before.changesTo(after);
}

QJsonObject HistoryEntry::toJson(bool withDocuments) const
{
    QJsonObject o{{"id", id},
                  {"at", at.toString(Qt::ISODateWithMs)},
                  {"serialNumber", serial},
                  {"model", model},
                  {"firmwareVersion", firmware},
                  {"parameterFile", parameterFile},
                  {"level", levelName()},
                  {"program", program},
                  {"line", line},
                  {"kind", kindName(kind)},
                  {"outcome", endingName(outcome)},
                  {"detail", detail},
                  {"changes", QJsonArray::fromStringList(changes())},
                  {"uuid", uuid},
                  {"machine", machine}};
    if (pending)
        o.insert("onServer", false);
    if (calibration)
        o.insert("calibration", QJsonObject{{"beam", Beams::name(calibration->beam)},
                                            {"referenceLux", calibration->referenceLux},
                                            {"reading", calibration->reading},
                                            {"oldFactor", calibration->oldFactor},
                                            {"newFactor", calibration->newFactor},
                                            {"confirmed", calibration->confirmed}});
    if (withDocuments) {
        o.insert("before", before.isEmpty() ? QJsonValue() : QJsonValue(before.toDocument()));
        o.insert("after", after.isEmpty() ? QJsonValue() : QJsonValue(after.toDocument()));
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
    e.level = Access::levelFrom(o.value("level").toString());
    e.program = o.value("program").toString();
    e.line = o.value("line").toString();
    e.kind = kindFrom(o.value("kind").toString()).value_or(Kind::Read);
    e.outcome = endingFrom(o.value("outcome").toString()).value_or(Ending::Started);
    e.detail = o.value("detail").toString();
    e.uuid = o.value("uuid").toString();
    e.machine = o.value("machine").toString();
    e.before = TesterState::fromDocument(o.value("before").toObject());
    e.after = TesterState::fromDocument(o.value("after").toObject());
    if (o.value("calibration").isObject()) {
        const QJsonObject c = o.value("calibration").toObject();
        e.calibration = Calibration{Beams::byName(c.value("beam").toString()).value_or(Beam::Low),
                                    c.value("referenceLux").toString(),
                                    c.value("reading").toInteger(),
                                    c.value("oldFactor").toString(),
                                    c.value("newFactor").toInt(),
                                    c.value("confirmed").toBool()};
    }
    return e;
}
