#pragma once

#include "history/HistoryEntry.h"

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;
class ServiceHistory;
class TestersDialog;
class UserPrompts;

// The third page: the connected tester's service history (or one chosen
// from the register of testers), newest first, and the report of a visit to
// hand to the workshop.
class HistoryPage : public QWidget
{
    Q_OBJECT
public:
    HistoryPage(UserPrompts &prompts, QWidget *parent = nullptr);
    ~HistoryPage() override;

    // The entries of the tester with this serial number; read when the page
    // is on screen, so an operation does not pay for a page nobody looks at.
    void showTester(ServiceHistory *history, const QString &serial);
    // The report of the selected entry's day (the newest entry's when none
    // is selected) to a file the user chooses.
    void saveReport();
    // Entries are read a page at a time, the next when the list is scrolled
    // to its end.
    void fetchMore();
    bool canFetchMore() const;
    // The register of testers; choosing one lists its entries here.
    void showTesters();
    TestersDialog *testersDialog() const { return m_testers; }

    QTableWidget *HistoryTable;
    QPushButton *CmdSaveReport;
    QPushButton *CmdTesters;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refresh();

    UserPrompts &m_prompts;
    ServiceHistory *m_history = nullptr;
    bool m_stale = false;
    bool m_complete = false; // every entry of the tester is listed
    TestersDialog *m_testers = nullptr;
    QLabel *m_where;
    QList<HistoryEntry> m_entries;
    QString m_serial;
};
