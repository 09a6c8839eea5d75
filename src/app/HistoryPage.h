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

    // Shows the entries of the tester with this serial number.
    void show(ServiceHistory *history, const QString &serial);
    // The report of the selected entry's day (the newest entry's when none
    // is selected) to a file the user chooses.
    void saveReport();

    QTableWidget *HistoryTable;
    QPushButton *CmdSaveReport;

private:
    UserPrompts &m_prompts;
    QLabel *m_where;
    QList<HistoryEntry> m_entries;
    QString m_serial;
};
