#pragma once

#include "base/AccessLevel.h"
#include "params/Beams.h"
#include "params/TesterState.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// One visit's operation on a tester, as the service history keeps it.
struct HistoryEntry
{
    enum class Kind { Read, Send, Calibration, Restore };
    // How it ended; Started until it has.
    enum class Ending {
        Started,
        Done,
        Aborted,
        Declined,
        Incomplete,
        Mismatch,
        Unverified,
        Failed,
        Interrupted, // its program ended first
        Imported,    // an earlier version's backup
    };

    struct Calibration
    {
        Beam beam = Beam::Low;
        QString referenceLux; // as entered
        qint64 reading = 0;
        QString oldFactor; // as the window showed it
        int newFactor = 0;
        bool confirmed = false; // the user's answer
    };

    qint64 id = 0;
    QDateTime at; // UTC
    QString serial;
    QString model;
    QString firmware;
    QString parameterFile;
    // The level its password opened (never the password); none for an
    // earlier version's backup.
    std::optional<AccessLevel> level;
    QString program; // "orvaps" or "orva-cli"
    // The tester's line: its serial device, or tcp://HOST:PORT or
    // rfc2217://HOST:PORT; empty in entries older than this column.
    QString line;
    Kind kind = Kind::Read;
    Ending outcome = Ending::Started;
    QString detail;     // where it stopped, or what the user was told
    TesterState before; // the tester's parameters before; empty for a read
    TesterState after;  // what the tester acknowledged (a read: what it holds)
    std::optional<Calibration> calibration;
    // The entry's identity wherever it is kept, and the machine that made it.
    QString uuid;
    QString machine;
    // Recorded on this machine, not yet on the server it is kept for.
    bool pending = false;
    // Pushed from a machine's copy: the change of the entry it carries there,
    // so an older one arriving late does not undo a newer one.
    std::optional<qint64> revision;
    // A listing's entry: the changes stored with it, its documents not read.
    std::optional<QStringList> storedChanges;

    static QString kindName(Kind kind);
    static std::optional<Kind> kindFrom(const QString &name);
    // English words, as the history stores them and scripts read them.
    static QString endingName(Ending ending);
    static std::optional<Ending> endingFrom(const QString &name);
    static QStringList endingNames();
    // The level's stored name; empty for none.
    QString levelName() const;
    // "manufacturer: ORVA -> ACME", one line a field, from before and after.
    QStringList changes() const;
    // One line: a calibration's beam, reference, reading and factors, or the
    // changes; in English for scripts and stored data.
    QString summary(bool translated = true) const;
    // The entry as JSON, as orva-cli prints it and a record kept on this
    // machine waits in; fromJson takes it back.
    QJsonObject toJson(bool withDocuments) const;
    static HistoryEntry fromJson(const QJsonObject &json);
};
