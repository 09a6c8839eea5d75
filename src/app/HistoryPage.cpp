#include "HistoryPage.h"

#include "HistoryWords.h"
#include "ServiceReport.h"
#include "TestersDialog.h"
#include "UserPrompts.h"
#include "history/ServiceHistory.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString title()
{
    return HistoryPage::tr("ORVA service history ...");
}

// Entries read at a time: the page costs what it shows, not the history's size.
constexpr int PageSize = 100;

} // namespace

HistoryPage::HistoryPage(UserPrompts &prompts, QWidget *parent)
    : QWidget(parent)
    , HistoryTable(new QTableWidget(0, 4, this))
    , CmdSaveReport(new QPushButton(tr("Save report..."), this))
    , CmdTesters(new QPushButton(tr("Testers..."), this))
    , m_prompts(prompts)
    , m_where(new QLabel(this))
{
    HistoryTable->setObjectName(QStringLiteral("HistoryTable"));
    HistoryTable->setAccessibleName(tr("Service history"));
    HistoryTable->setHorizontalHeaderLabels(
        {tr("Time"), tr("Operation"), tr("Outcome"), tr("What changed")});
    HistoryTable->horizontalHeader()->setStretchLastSection(true);
    HistoryTable->verticalHeader()->hide();
    HistoryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HistoryTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    HistoryTable->setSelectionMode(QAbstractItemView::SingleSelection);
    CmdSaveReport->setObjectName(QStringLiteral("CmdSaveReport"));
    CmdSaveReport->setAccessibleName(tr("Save report"));
    CmdSaveReport->setAutoDefault(false);
    CmdSaveReport->setEnabled(false);
    m_where->setObjectName(QStringLiteral("HistoryLocation"));
    m_where->setTextFormat(Qt::PlainText); // it holds the tester's serial number
    m_where->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(m_where);
    layout->addWidget(HistoryTable, 1);
    CmdTesters->setObjectName(QStringLiteral("CmdTesters"));
    CmdTesters->setAccessibleName(tr("Testers"));
    CmdTesters->setAutoDefault(false);
    CmdTesters->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CmdTesters);
    buttons->addStretch(1);
    buttons->addWidget(CmdSaveReport);
    layout->addLayout(buttons);
    connect(CmdSaveReport, &QPushButton::clicked, this, &HistoryPage::saveReport);
    connect(CmdTesters, &QPushButton::clicked, this, &HistoryPage::showTesters);
    connect(HistoryTable->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (value == HistoryTable->verticalScrollBar()->maximum())
            fetchMore();
    });
}

// The table's scroll bar moves while QWidget's destructor takes the table
// down, when this is no longer a HistoryPage to fetch more for.
HistoryPage::~HistoryPage()
{
    HistoryTable->verticalScrollBar()->disconnect(this);
}

void HistoryPage::showTester(ServiceHistory *history, const QString &serial)
{
    if (history != m_history) {
        delete m_testers;
        m_testers = nullptr;
    }
    m_history = history;
    m_serial = serial;
    m_stale = true;
    if (isVisible())
        refresh();
}

void HistoryPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void HistoryPage::refresh()
{
    m_stale = false;
    m_entries.clear();
    m_complete = false;
    HistoryTable->setRowCount(0);
    CmdTesters->setEnabled(m_history != nullptr);
    if (!m_history) {
        m_where->setText(tr("No service history: nothing is recorded, and no write "
                            "is possible."));
        CmdSaveReport->setEnabled(false);
        return;
    }
    m_where->setText(
        tr("Tester %1 in %2")
            .arg(m_serial, QDir::toNativeSeparators(m_history->location().describe())));
    fetchMore();
    HistoryTable->resizeColumnsToContents();
}

void HistoryPage::fetchMore()
{
    if (!m_history || m_complete)
        return;
    HistoryQuery query;
    query.serial = m_serial;
    query.limit = PageSize;
    query.beforeId = m_entries.isEmpty() ? 0 : m_entries.last().id;
    int read = 0;
    const Result<> listed = m_history->list(query, [&](const HistoryEntry &e) {
        ++read;
        m_entries.append(e);
        const int row = HistoryTable->rowCount();
        HistoryTable->insertRow(row);
        const QString outcome = HistoryWords::shown(HistoryEntry::endingName(e.outcome));
        const QStringList cells = {e.at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                   HistoryWords::shown(HistoryEntry::kindName(e.kind)),
                                   e.detail.isEmpty() ? outcome : outcome + u' ' + e.detail,
                                   e.summary()};
        for (int column = 0; column < cells.size(); ++column)
            HistoryTable->setItem(row, column, new QTableWidgetItem(cells[column]));
        return true;
    });
    m_complete = !listed || read < PageSize;
    CmdSaveReport->setEnabled(!m_entries.isEmpty());
}

bool HistoryPage::canFetchMore() const
{
    return m_history && !m_complete;
}

void HistoryPage::showTesters()
{
    if (!m_history)
        return;
    if (!m_testers) {
        m_testers = new TestersDialog(*m_history, this);
        connect(m_testers, &TestersDialog::testerChosen, this, [this](const QString &serial) {
            m_serial = serial;
            refresh();
        });
    }
    m_testers->refresh();
    m_testers->show();
    m_testers->raise();
}

void HistoryPage::saveReport()
{
    if (m_stale)
        refresh();
    if (m_entries.isEmpty())
        return;
    const int row = HistoryTable->currentRow();
    const HistoryEntry &chosen = m_entries.at(row >= 0 ? row : 0);
    const QDate day = chosen.at.toLocalTime().date();
    const QString path = m_prompts.saveFileName(
        this, tr("Save report..."),
        QDir::home().filePath(
            QStringLiteral("service-%1-%2.pdf").arg(m_serial, day.toString(Qt::ISODate))),
        tr("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    // The listing holds no documents: the day's entries are read with theirs.
    HistoryQuery query;
    query.serial = m_serial;
    query.since = day.startOfDay();
    query.until = day.addDays(1).startOfDay();
    query.documents = true;
    const Result<QList<HistoryEntry>> visit = m_history->collect(query);
    const Result<QByteArray> pdf =
        visit ? ServiceReport::pdf(ServiceReport::visit(*visit, m_serial, day))
              : Result<QByteArray>(visit.error());
    QSaveFile file(path);
    if (!pdf || !file.open(QIODevice::WriteOnly) || file.write(*pdf) != pdf->size() ||
        !file.commit())
        m_prompts.warning(this, title(),
                          tr("The report could not be saved in %1: %2")
                              .arg(QDir::toNativeSeparators(path),
                                   pdf ? file.errorString() : pdf.error().description()));
}
