#pragma once

#include "TerminalForm.h"
#include "ops/TesterSession.h"

#include <QString>

#include <memory>

class ServiceHistory;
struct CliCall;

// What the commands that talk to the tester share: the window's own session
// on a form without widgets, and the steps every such command takes (the
// history, the port, the load) with their exit statuses. Each step returns
// ExitOk or the status of what went wrong, said on stderr.
class CliSession
{
public:
    CliSession(const QString &programFolder, const CliCall &call, bool progress);
    ~CliSession();

    SerialLink &link() { return m_session.serial(); }
    TesterSession &session() { return m_session; }
    TerminalForm &form() { return m_form; }
    ServiceHistory *history() { return m_history.get(); }
    bool records() const { return m_record; }
    const QString &device() const { return m_device; }

    // The level every rule of this session follows.
    void setLevel(AccessLevel level);
    // Opens the service history; a write needs it (or --no-history).
    int openHistory(bool forWriting);
    // Opens the port, waits for the tester (at most the timeout) and loads
    // every parameter.
    int connect(const QString &device);
    // openHistory, then connect: the start of every command but restore.
    int begin(const QString &device, bool forWriting);
    // Applies a document to the loaded form; refusals named on stderr.
    int apply(const QJsonObject &document, const QString &source, AccessLevel level, bool factors);
    // The operation's own status, or the history's when its record failed.
    int finished(const Outcome &outcome);

private:
    int load();
    int failed(const Outcome &outcome);

    QString m_historyUrl;
    bool m_record;
    int m_timeoutSeconds;
    TerminalForm m_form;
    TesterSession m_session;
    std::unique_ptr<ServiceHistory> m_history;
    QString m_device;
};
