#include "TestersDialog.h"

#include "HistoryWords.h"
#include "history/ServiceHistory.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <limits>

namespace {

enum Column {
    SerialColumn,
    ExpiryColumn,
    DaysColumn,
    ModelColumn,
    FirmwareColumn,
    GarageColumn,
    TownColumn,
    VisitColumn,
    KindColumn,
    OutcomeColumn,
    LevelColumn,
    ProgramColumn,
    LowFactorColumn,
    HighFactorColumn,
    Columns
};

constexpr int SortRole = Qt::UserRole + 1;

QStandardItem *cell(const QString &text, const QVariant &sortKey = {})
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(sortKey.isValid() ? sortKey : QVariant(text), SortRole);
    return item;
}

QString factor(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QString();
}

} // namespace

TestersDialog::TestersDialog(ServiceHistory &history, QWidget *parent)
    : QDialog(parent)
    , TestersTable(new QTableView(this))
    , CmdShowEntries(new QPushButton(tr("Show entries"), this))
    , m_history(history)
    , m_model(new QStandardItemModel(0, Columns, this))
    , m_sorted(new QSortFilterProxyModel(this))
    , m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("TestersDialog"));
    setWindowTitle(tr("Testers"));
    m_model->setHorizontalHeaderLabels(
        {tr("Serial number"), tr("Expiry date"), tr("Days left"), tr("Model"), tr("Firmware"),
         tr("Garage"), tr("Town"), tr("Last visit"), tr("Operation"), tr("Outcome"),
         tr("Access level"), tr("Program"), tr("Low beam factor"), tr("High beam factor")});
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(SortRole);
    TestersTable->setObjectName(QStringLiteral("TestersTable"));
    TestersTable->setAccessibleName(tr("Testers"));
    TestersTable->setModel(m_sorted);
    TestersTable->setSortingEnabled(true);
    TestersTable->sortByColumn(ExpiryColumn, Qt::AscendingOrder);
    TestersTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    TestersTable->setSelectionMode(QAbstractItemView::SingleSelection);
    TestersTable->verticalHeader()->hide();
    TestersTable->horizontalHeader()->setStretchLastSection(true);
    CmdShowEntries->setObjectName(QStringLiteral("CmdShowEntries"));
    CmdShowEntries->setAccessibleName(tr("Show the tester's entries"));
    CmdShowEntries->setAutoDefault(false);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_problem->hide();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(CmdShowEntries, QDialogButtonBox::ActionRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_problem);
    layout->addWidget(TestersTable, 1);
    layout->addWidget(buttons);
    resize(900, 420);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(CmdShowEntries, &QPushButton::clicked, this, &TestersDialog::chooseCurrent);
    connect(TestersTable, &QTableView::doubleClicked, this, &TestersDialog::chooseCurrent);
}

void TestersDialog::refresh(const QDate &today)
{
    m_model->removeRows(0, m_model->rowCount());
    const QColor overdue(255, 205, 205);
    const QColor due(255, 240, 180);
    const Result<> listed = m_history.testers(std::nullopt, [&](const TesterRecord &r) {
        const std::optional<qint64> days = r.daysLeft(today);
        // Odd dates after every real one, in the order the tester holds them.
        const QString expiryKey = r.expiry.isValid() ? r.expiry.toString(Qt::ISODate)
                                                     : QStringLiteral("~") + r.expiryAsHeld;
        QList<QStandardItem *> row(Columns);
        row[SerialColumn] = cell(r.serial);
        row[ExpiryColumn] =
            cell(r.expiry.isValid() ? QLocale().toString(r.expiry, QLocale::ShortFormat)
                                    : r.expiryAsHeld,
                 expiryKey);
        row[DaysColumn] =
            cell(days ? QString::number(*days) : QString(),
                 days ? QVariant(*days) : QVariant(std::numeric_limits<qint64>::max()));
        row[ModelColumn] = cell(r.model);
        row[FirmwareColumn] = cell(r.firmware);
        row[GarageColumn] = cell(r.garageName);
        row[TownColumn] = cell(r.town);
        row[VisitColumn] = cell(r.lastAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                r.lastAt.toString(Qt::ISODateWithMs));
        row[KindColumn] = cell(HistoryWords::shown(r.lastKind));
        row[OutcomeColumn] = cell(HistoryWords::shown(r.lastOutcome));
        row[LevelColumn] = cell(r.lastLevel);
        row[ProgramColumn] = cell(r.lastProgram);
        row[LowFactorColumn] =
            cell(factor(r.lowBeamFactor), r.lowBeamFactor ? *r.lowBeamFactor : -1);
        row[HighFactorColumn] =
            cell(factor(r.highBeamFactor), r.highBeamFactor ? *r.highBeamFactor : -1);
        QString tip;
        QColor mark;
        if (!days) {
            tip = tr("The tester holds no valid expiry date: %1").arg(r.expiryAsHeld);
            mark = overdue;
        } else if (*days < 0) {
            tip = tr("Overdue by %n day(s)", nullptr, int(-*days));
            mark = overdue;
        } else if (*days <= DueDays) {
            tip = tr("Due in %n day(s)", nullptr, int(*days));
            mark = due;
        }
        for (QStandardItem *item : row) {
            item->setToolTip(tip);
            if (mark.isValid())
                item->setBackground(mark);
        }
        row[SerialColumn]->setData(r.status(today, DueDays), Qt::UserRole);
        m_model->appendRow(row);
        return true;
    });
    m_problem->setVisible(!listed);
    if (!listed)
        m_problem->setText(listed.error().description());
    TestersTable->resizeColumnsToContents();
    CmdShowEntries->setEnabled(m_model->rowCount() > 0);
}

void TestersDialog::chooseCurrent()
{
    const QModelIndex current = TestersTable->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    const QString serial = m_sorted->index(row, SerialColumn).data().toString();
    if (serial.isEmpty())
        return;
    emit testerChosen(serial);
}
