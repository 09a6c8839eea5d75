#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// A query that runs or says why not. A forward-only one streams its rows
// rather than holding them all.
struct SqlStatement
{
    QSqlQuery query;
    QString error;

    SqlStatement(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {},
                 bool forwardOnly = false)
        : query(db)
    {
        query.setForwardOnly(forwardOnly);
        // PostgreSQL cannot prepare a table's definition: statements without
        // values run as they are.
        if (values.isEmpty()) {
            if (!query.exec(sql))
                error = query.lastError().text();
            return;
        }
        if (!query.prepare(sql)) {
            error = query.lastError().text();
            return;
        }
        for (const QVariant &v : values)
            query.addBindValue(v);
        if (!query.exec())
            error = query.lastError().text();
    }
    bool ok() const { return error.isEmpty(); }
};
