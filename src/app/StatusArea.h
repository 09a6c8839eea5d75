#pragma once

#include <QElapsedTimer>
#include <QObject>

class QLabel;
class QProgressBar;
class QStatusBar;

// The status bar's permanent parts: the status line the operations write,
// and the progress of a transfer with the time it still needs.
class StatusArea : public QObject
{
    Q_OBJECT
public:
    explicit StatusArea(QStatusBar *bar);

    QString text() const;
    void setText(const QString &text);
    // Bytes done of a total; a total of 0 hides the progress.
    void setProgress(qint64 done, qint64 total);

signals:
    void textChanged(const QString &text);
    void progressChanged(qint64 done, qint64 total);

private:
    QLabel *m_text;
    QProgressBar *m_progress;
    QLabel *m_timeLeft;
    QElapsedTimer m_clock;
};
