#pragma once

#include "history/HistoryEntry.h"

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;
class ServiceHistory;
class UserPrompts;

// The third page: the connected tester's service history, newest first, and
// the report of a visit to hand to the workshop.
class HistoryPage : public QWidget
{
    Q_OBJECT
public:
    HistoryPage(UserPrompts &prompts, QWidget *parent = nullptr);

    // The entries of the tester with this serial number; read when the page
    // is on screen, so an operation does not pay for a page nobody looks at.
    void showTester(ServiceHistory *history, const QString &serial);
    // The report of the selected entry's day (the newest entry's when none
    // is selected) to a file the user chooses.
    void saveReport();

    QTableWidget *HistoryTable;
    QPushButton *CmdSaveReport;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refresh();

    UserPrompts &m_prompts;
    ServiceHistory *m_history = nullptr;
    bool m_stale = false;
    QLabel *m_where;
    QList<HistoryEntry> m_entries;
    QString m_serial;
};
