#pragma once

#include "base/AccessLevel.h"

#include <QString>

#include <functional>

// Program-wide state that the operations share.
struct Session
{
    QString programFolder;
    QString parameterFilePath;
    bool parametersLoaded = false;
    // Worked out afresh from the password whenever it is needed.
    std::function<AccessLevel()> accessLevel = [] { return AccessLevel::Unknown; };

    QString fileFor(const QString &name) const { return programFolder + QLatin1Char('/') + name; }
    QString defaultFile() const { return fileFor(QStringLiteral("ORVA_100.ini")); }
};
