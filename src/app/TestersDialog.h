#pragma once

#include <QDate>
#include <QDialog>

class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class ServiceHistory;

// The register of testers: every tester the history knows with its expiry
// date, soonest first, those due soon and overdue marked. Opening a tester
// shows its entries on the history page.
class TestersDialog : public QDialog
{
    Q_OBJECT
public:
    // Rows due within this many days are marked.
    static constexpr int DueDays = 30;

    TestersDialog(ServiceHistory &history, QWidget *parent = nullptr);

    // Reads the register again; `today` decides what is due.
    void refresh(const QDate &today = QDate::currentDate());

    QTableView *TestersTable;
    QPushButton *CmdShowEntries;

signals:
    void testerChosen(const QString &serial);

private:
    void chooseCurrent();

    ServiceHistory &m_history;
    QStandardItemModel *m_model;
    QSortFilterProxyModel *m_sorted;
    QLabel *m_problem;
};
