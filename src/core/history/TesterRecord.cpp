#include "TesterRecord.h"

#include "HistoryEntry.h"

#include <QJsonValue>
#include <QRegularExpression>

namespace {

QString trimmedField(const QJsonObject &fields, const char *name)
{
    return fields.value(QLatin1String(name)).toString().trimmed();
}

// The address line with the town: the one that starts with a postcode, as
// the workshops' addresses do; else the second line, where most put it.
QString townOf(const QJsonObject &fields)
{
    static const QRegularExpression postcode(QStringLiteral("^\\d{4,5}\\s"));
    QStringList lines;
    for (const char *name :
         {"garageAddress1", "garageAddress2", "garageAddress3", "garageAddress4"})
        lines.append(trimmedField(fields, name));
    for (const QString &line : lines)
        if (postcode.match(line).hasMatch())
            return line;
    return lines.at(1);
}

std::optional<int> factor(const QJsonObject &fields, const char *name)
{
    const QJsonValue v = fields.value(QLatin1String(name));
    if (!v.isDouble())
        return std::nullopt;
    return int(v.toInteger());
}

} // namespace

TesterRecord TesterRecord::from(const HistoryEntry &entry)
{
    TesterRecord r;
    r.serial = entry.serial;
    r.model = entry.model;
    r.firmware = entry.firmware;
    r.lastEntry = entry.id;
    r.lastAt = entry.at.toUTC();
    r.lastKind = HistoryEntry::kindName(entry.kind);
    r.lastOutcome = entry.outcome;
    r.lastLevel = entry.level;
    r.lastProgram = entry.program;
    const QJsonObject document = entry.after.isEmpty() ? entry.before : entry.after;
    const QJsonObject fields = document.value("fields").toObject();
    if (fields.isEmpty())
        return r;
    r.stateKnown = true;
    if (r.model.isEmpty())
        r.model = trimmedField(fields, "model");
    if (r.firmware.isEmpty())
        r.firmware = document.value("firmwareVersion").toString().trimmed();
    r.garageName = trimmedField(fields, "garageName");
    r.town = townOf(fields);
    const QString day = trimmedField(fields, "expiryDay");
    const QString month = trimmedField(fields, "expiryMonth");
    const QString year = trimmedField(fields, "expiryYear");
    r.expiryAsHeld = QStringList{day, month, year}.join(u'/');
    bool okDay = false, okMonth = false, okYear = false;
    const QDate date(year.toInt(&okYear), month.toInt(&okMonth), day.toInt(&okDay));
    if (okDay && okMonth && okYear && date.isValid())
        r.expiry = date;
    r.lowBeamFactor = factor(fields, "lowBeamFactor");
    r.highBeamFactor = factor(fields, "highBeamFactor");
    return r;
}

std::optional<qint64> TesterRecord::daysLeft(const QDate &today) const
{
    if (!expiry.isValid())
        return std::nullopt;
    return today.daysTo(expiry);
}

QString TesterRecord::status(const QDate &today, int dueDays) const
{
    const std::optional<qint64> days = daysLeft(today);
    if (!days)
        return QStringLiteral("unknown");
    if (*days < 0)
        return QStringLiteral("overdue");
    return *days <= dueDays ? QStringLiteral("due") : QStringLiteral("ok");
}

QJsonObject TesterRecord::toJson(const QDate &today) const
{
    const std::optional<qint64> days = daysLeft(today);
    const auto number = [](const std::optional<int> &v) {
        return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
    };
    return QJsonObject{
        {"serialNumber", serial},
        {"model", model},
        {"firmwareVersion", firmware},
        {"garageName", garageName},
        {"town", town},
        {"expiryDate", expiry.isValid() ? QJsonValue(expiry.toString(Qt::ISODate))
                                        : QJsonValue(QJsonValue::Null)},
        {"expiryAsHeld", expiryAsHeld},
        {"daysLeft", days ? QJsonValue(*days) : QJsonValue(QJsonValue::Null)},
        {"status", status(today)},
        {"lastVisit", QJsonObject{{"entry", lastEntry},
                                  {"at", lastAt.toString(Qt::ISODateWithMs)},
                                  {"kind", lastKind},
                                  {"outcome", lastOutcome},
                                  {"level", lastLevel},
                                  {"program", lastProgram}}},
        {"lowBeamFactor", number(lowBeamFactor)},
        {"highBeamFactor", number(highBeamFactor)},
    };
}
