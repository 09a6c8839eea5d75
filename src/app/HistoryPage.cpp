#include "HistoryPage.h"

#include "ServiceReport.h"
#include "UserPrompts.h"
#include "history/ServiceHistory.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString title()
{
    return HistoryPage::tr("ORVA service history ...");
}

// Kinds and outcomes are stored in English, the same for every user of a shared history.
QString shown(const QString &word)
{
    static const char *const words[] = {QT_TRANSLATE_NOOP("HistoryPage", "read"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "send"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "calibration"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "restore"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "done"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "aborted"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "declined"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "incomplete"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "failed"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "imported")};
    for (const char *w : words)
        if (word == QLatin1String(w))
            return HistoryPage::tr(w);
    return word;
}

} // namespace

HistoryPage::HistoryPage(UserPrompts &prompts, QWidget *parent)
    : QWidget(parent)
    , HistoryTable(new QTableWidget(0, 4, this))
    , CmdSaveReport(new QPushButton(tr("Save report..."), this))
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
    layout->addWidget(CmdSaveReport, 0, Qt::AlignRight);
    connect(CmdSaveReport, &QPushButton::clicked, this, &HistoryPage::saveReport);
}

void HistoryPage::showTester(ServiceHistory *history, const QString &serial)
{
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
    HistoryTable->setRowCount(0);
    if (!m_history) {
        m_where->setText(tr("No service history: nothing is recorded, and no write "
                            "is possible."));
        CmdSaveReport->setEnabled(false);
        return;
    }
    m_where->setText(
        tr("Tester %1 in %2")
            .arg(m_serial, QDir::toNativeSeparators(m_history->location().describe())));
    if (const auto entries = m_history->entries(m_serial))
        m_entries = *entries;
    for (const HistoryEntry &e : m_entries) {
        const int row = HistoryTable->rowCount();
        HistoryTable->insertRow(row);
        const QStringList cells = {e.at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                   shown(HistoryEntry::kindName(e.kind)),
                                   e.detail.isEmpty() ? shown(e.outcome)
                                                      : shown(e.outcome) + u' ' + e.detail,
                                   e.summary()};
        for (int column = 0; column < cells.size(); ++column)
            HistoryTable->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    HistoryTable->resizeColumnsToContents();
    CmdSaveReport->setEnabled(!m_entries.isEmpty());
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
    const Result<QByteArray> pdf =
        ServiceReport::pdf(ServiceReport::visit(m_entries, m_serial, day));
    QSaveFile file(path);
    if (!pdf || !file.open(QIODevice::WriteOnly) || file.write(*pdf) != pdf->size() ||
        !file.commit())
        m_prompts.warning(this, title(),
                          tr("The report could not be saved in %1: %2")
                              .arg(QDir::toNativeSeparators(path),
                                   pdf ? file.errorString() : pdf.error().description()));
}
