#pragma once

#include <QObject>

class QSocketNotifier;
class TesterSession;

// SIGINT and SIGTERM while orva-cli works with the tester. A write stops
// between two bytes, as Abort stops it, and its record is finished with
// what the tester acknowledged; before or after a write the signal ends the
// program at once, as it would have.
class Interruption : public QObject
{
    Q_OBJECT
public:
    explicit Interruption(TesterSession &session);
    ~Interruption() override;

    // The signal that came, or 0.
    int signal() const { return m_signal; }
    // SIGINT, SIGTERM.
    static QString name(int signal);
    void arrived(int signal);

private:
    TesterSession &m_session;
    int m_signal = 0;
    QSocketNotifier *m_notifier = nullptr;
};
