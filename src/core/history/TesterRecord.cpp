#include "TesterRecord.h"

#include "HistoryEntry.h"
#include "params/Beams.h"
#include "params/Catalogue.h"

#include <QRegularExpression>

namespace {

// The address line with the town: the one that starts with a postcode, as
// the workshops' addresses do; else the second line, where most put it.
QString townOf(const TesterState &state)
{
    static const QRegularExpression postcode(QStringLiteral("^\\d{4,5}\\s"));
    QStringList lines;
    for (const Control c : Catalogue::AddressLines)
        lines.append(state.text(c).trimmed());
    for (const QString &line : lines)
        if (postcode.match(line).hasMatch())
            return line;
    return lines.at(1);
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
    r.lastOutcome = HistoryEntry::endingName(entry.outcome);
    r.lastLevel = entry.levelName();
    r.lastProgram = entry.program;
    const TesterState &state = entry.after.isEmpty() ? entry.before : entry.after;
    if (state.isEmpty())
        return r;
    r.stateKnown = true;
    if (r.model.isEmpty())
        r.model = state.text(Control::TestoModello).trimmed();
    if (r.firmware.isEmpty())
        r.firmware = state.firmware.trimmed();
    r.garageName = state.text(Control::TestoNomeOfficina).trimmed();
    r.town = townOf(state);
    const QString day = state.text(Control::TestoGiornoScadenza).trimmed();
    const QString month = state.text(Control::TestoMeseScadenza).trimmed();
    const QString year = state.text(Control::TestoAnnoScadenza).trimmed();
    r.expiryAsHeld = QStringList{day, month, year}.join(u'/');
    bool okDay = false, okMonth = false, okYear = false;
    const QDate date(year.toInt(&okYear), month.toInt(&okMonth), day.toInt(&okDay));
    if (okDay && okMonth && okYear && date.isValid())
        r.expiry = date;
    r.lowBeamFactor = state.number(Beams::info(Beam::Low).factor);
    r.highBeamFactor = state.number(Beams::info(Beam::High).factor);
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
