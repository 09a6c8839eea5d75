#pragma once

#include <QElapsedTimer>
#include <QObject>

class QLabel;
class QProgressBar;
class QStatusBar;

// The status bar's permanent parts, in two rows. The first: the status line
// the operations write, and the progress of a transfer with the time it
// still needs. The second: how the last operation ended, in words, the
// changes not sent yet, and the access level.
class StatusArea : public QObject
{
    Q_OBJECT
public:
    explicit StatusArea(QStatusBar *bar);

    QString text() const;
    void setText(const QString &text);
    // Bytes done of a total; a total of 0 hides the progress.
    void setProgress(qint64 done, qint64 total);

    QString outcome() const;
    void setOutcome(const QString &text);
    void setPendingCount(int count);
    // The level's name, or the words for a password no level has.
    void setLevel(const QString &text, bool known);

    QLabel *outcomeLabel() const { return m_outcome; }
    QLabel *pendingLabel() const { return m_pending; }
    QLabel *levelLabel() const { return m_level; }

signals:
    void textChanged(const QString &text);
    void progressChanged(qint64 done, qint64 total);

private:
    QLabel *m_text;
    QProgressBar *m_progress;
    QLabel *m_timeLeft;
    QLabel *m_outcome;
    QLabel *m_pending;
    QLabel *m_level;
    QElapsedTimer m_clock;
    QElapsedTimer m_shown; // when the bar last changed
};
