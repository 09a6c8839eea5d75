#pragma once

#include <QSqlDatabase>

// Another program's connection to an SQLite history, for the length of a
// scope; queries on it must end before it does.
class OtherProgram
{
public:
    explicit OtherProgram(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        db.setDatabaseName(path);
        db.open();
    }
    ~OtherProgram()
    {
        QSqlDatabase::database(Name, false).close();
        QSqlDatabase::removeDatabase(Name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(Name, false); }

private:
    const QString Name = QStringLiteral("other");
};
