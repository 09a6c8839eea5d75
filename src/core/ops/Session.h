#pragma once

#include "base/AccessLevel.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>

// A value the tester holds that the window cannot show (a list index the
// list does not offer, bits no check box stands for): kept, so that a send
// writes it back unless the user changed the control.
struct KeptValue
{
    QByteArray raw;  // the tester's bytes
    QString shown;   // what the send would write from the controls right after the load
    QString display; // the bytes as the user reads them, for the warning
};

// Program-wide state that the operations share.
struct Session
{
    QString programFolder;
    QString parameterFilePath;
    bool parametersLoaded = false;
    // By parameter key, from the last load.
    QHash<QString, KeptValue> kept;
    // Worked out afresh from the password whenever it is needed.
    std::function<AccessLevel()> accessLevel = [] { return AccessLevel::Unknown; };

    QString fileFor(const QString &name) const { return programFolder + QLatin1Char('/') + name; }
    QString defaultFile() const { return fileFor(QStringLiteral("ORVA_100.ini")); }
};
