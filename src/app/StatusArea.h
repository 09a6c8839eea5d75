#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

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
    // Entries of this machine a server history has not yet taken.
    void setUnpushedCount(int count);
    // The level's name, or the words for a password no level has.
    void setLevel(const QString &text, bool known);

    QLabel *outcomeLabel() const { return m_outcome; }
    QLabel *pendingLabel() const { return m_pending; }
    QLabel *levelLabel() const { return m_level; }
    QLabel *unpushedLabel() const { return m_unpushed; }

signals:
    void textChanged(const QString &text);
    void progressChanged(qint64 done, qint64 total);

private:
    // Labels and the bar repaint on every change, and a transfer changes
    // them for every frame: they show the latest a few times a second.
    void showLater();
    void showNow();

    QString m_textNow;
    qint64 m_done = 0;
    qint64 m_total = 0;
    QTimer m_showTimer;
    QElapsedTimer m_shown; // when the widgets last changed
    QLabel *m_text;
    QProgressBar *m_progress;
    QLabel *m_timeLeft;
    QLabel *m_outcome;
    QLabel *m_pending;
    QLabel *m_level;
    QLabel *m_unpushed;
    QElapsedTimer m_clock;
};
