#include "TesterRegister.h"

#include "SqlStatement.h"

#include <QVariant>

namespace {

QVariant nullableText(bool known, const QString &value)
{
    return known ? QVariant(value.isNull() ? QStringLiteral("") : value)
                 : QVariant(QMetaType::fromType<QString>());
}

QVariant nullableNumber(const std::optional<int> &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<int>());
}

QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

// A state column takes the new value when the entry had a document.
QString kept(const char *column)
{
    return QStringLiteral("%1 = CASE WHEN excluded.expiry_as_held IS NULL THEN testers.%1 ELSE "
                          "excluded.%1 END")
        .arg(QLatin1String(column));
}

} // namespace

QString TesterRegister::record(const QSqlDatabase &db, const TesterRecord &r)
{
    if (r.serial.isEmpty())
        return {};
    const bool known = r.stateKnown;
    QStringList state;
    for (const char *column :
         {"garage_name", "town", "expiry_as_held", "expiry_date", "low_factor", "high_factor"})
        state.append(kept(column));
    // Entries arrive in time order but for a finish, which may come after a
    // newer entry of the same tester: the newest entry wins.
    const QString sql =
        QStringLiteral(
            "INSERT INTO testers (serial, model, firmware, garage_name, town, expiry_as_held, "
            "expiry_date, last_entry, last_at, last_kind, last_outcome, last_level, last_program, "
            "low_factor, high_factor) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
            "ON CONFLICT (serial) DO UPDATE SET model = CASE WHEN excluded.model = '' THEN "
            "testers.model ELSE excluded.model END, firmware = CASE WHEN excluded.firmware = '' "
            "THEN testers.firmware ELSE excluded.firmware END, %1, last_entry = "
            "excluded.last_entry, last_at = excluded.last_at, "
            "last_kind = excluded.last_kind, last_outcome = excluded.last_outcome, last_level = "
            "excluded.last_level, last_program = excluded.last_program WHERE testers.last_at < "
            "excluded.last_at OR (testers.last_at = excluded.last_at AND testers.last_entry <= "
            "excluded.last_entry)")
            .arg(state.join(QStringLiteral(", ")));
    const SqlStatement upsert(db, sql,
                              {r.serial, text(r.model), text(r.firmware),
                               nullableText(known, r.garageName), nullableText(known, r.town),
                               nullableText(known, r.expiryAsHeld),
                               r.expiry.isValid() ? QVariant(r.expiry.toString(Qt::ISODate))
                                                  : QVariant(QMetaType::fromType<QString>()),
                               r.lastEntry, r.lastAt.toString(Qt::ISODateWithMs), text(r.lastKind),
                               text(r.lastOutcome), text(r.lastLevel), text(r.lastProgram),
                               nullableNumber(known ? r.lowBeamFactor : std::nullopt),
                               nullableNumber(known ? r.highBeamFactor : std::nullopt)});
    return upsert.error;
}

QString TesterRegister::list(const QSqlDatabase &db, const std::optional<QDate> &dueBy,
                             const std::function<bool(const TesterRecord &)> &row)
{
    const QString sql =
        QStringLiteral("SELECT serial, model, firmware, garage_name, town, expiry_as_held, "
                       "expiry_date, last_entry, last_at, last_kind, last_outcome, last_level, "
                       "last_program, low_factor, high_factor FROM testers %1 ORDER BY "
                       "CASE WHEN expiry_date IS NULL THEN 1 ELSE 0 END, expiry_date, serial")
            .arg(dueBy ? QStringLiteral("WHERE expiry_date IS NULL OR expiry_date <= ?")
                       : QString());
    SqlStatement s(db, sql, dueBy ? QVariantList{dueBy->toString(Qt::ISODate)} : QVariantList(),
                   true);
    if (!s.ok())
        return s.error;
    while (s.query.next()) {
        const QSqlQuery &q = s.query;
        TesterRecord r;
        r.serial = q.value(0).toString();
        r.model = q.value(1).toString();
        r.firmware = q.value(2).toString();
        r.stateKnown = !q.value(5).isNull();
        r.garageName = q.value(3).toString();
        r.town = q.value(4).toString();
        r.expiryAsHeld = q.value(5).toString();
        r.expiry = QDate::fromString(q.value(6).toString(), Qt::ISODate);
        r.lastEntry = q.value(7).toLongLong();
        r.lastAt = QDateTime::fromString(q.value(8).toString(), Qt::ISODateWithMs);
        r.lastKind = q.value(9).toString();
        r.lastOutcome = q.value(10).toString();
        r.lastLevel = q.value(11).toString();
        r.lastProgram = q.value(12).toString();
        if (!q.value(13).isNull())
            r.lowBeamFactor = q.value(13).toInt();
        if (!q.value(14).isNull())
            r.highBeamFactor = q.value(14).toInt();
        if (!row(r))
            break;
    }
    if (s.query.lastError().isValid())
        return s.query.lastError().text();
    return {};
}
