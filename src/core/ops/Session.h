#pragma once

#include <QString>

class Equipment;
class OrvaForm;

// Program-wide state that the operations share.
struct Session
{
    QString programFolder;
    QString parameterFilePath;
    bool parametersLoaded = false;

    QString fileFor(const QString &name) const { return programFolder + QLatin1Char('/') + name; }
    QString defaultFile() const { return fileFor(QStringLiteral("ORVA_100.ini")); }
};

// What every operation works with.
struct OpContext
{
    OrvaForm &form;
    Equipment &equipment;
    Session &session;
};
