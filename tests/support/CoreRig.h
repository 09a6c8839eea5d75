#pragma once

#include "TesterSimulator.h"
#include "form/FormValues.h"
#include "history/ServiceHistory.h"
#include "ops/TesterSession.h"

#include <QJsonObject>
#include <QTemporaryDir>

#include <memory>

// The operations without a front end: a session on a widget-free form, as
// orva-cli wires it, against a simulated tester over a real pseudo-terminal,
// with the shipped parameter files in a private folder. Its waits wake on
// the test's own event loop.
class CoreRig
{
public:
    CoreRig();

    QTemporaryDir folder;
    TesterSimulator sim;
    FormValues form;
    std::unique_ptr<ServiceHistory> history;
    TesterSession session;

    // Records on a fresh history: an SQLite file in the folder or, when
    // ORVA_PG_DIR names a test server, a database of its own there.
    void useHistory();
    // Opens the simulator's port and loads; false when the load failed.
    bool start();
    // Limits short enough that a test waiting for a tester that never
    // answers does not wait as long as a user would.
    void shortLimits();

    // The newest entry, with its documents.
    HistoryEntry latest() const;
    // An entry's "before" or "after" document, read through its stable JSON.
    enum class Which { Before, After };
    static QJsonObject documentOf(const HistoryEntry &entry, Which which);
    static QJsonObject fieldsOf(const HistoryEntry &entry, Which which)
    {
        return documentOf(entry, which).value("fields").toObject();
    }
    // The form's document's fields.
    QJsonObject fields() const;
    // Puts these fields over the form's, under the rules a document file or
    // a restored entry follows at `level`; the refusals and invalid values.
    QStringList apply(const QJsonObject &fields, AccessLevel level, bool factors = false);
};
