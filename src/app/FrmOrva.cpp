#include "FrmOrva.h"

#include "ControlFactory.h"
#include "FieldFocusRules.h"
#include "FrmPassword.h"
#include "HistoryPage.h"
#include "LockableComboBox.h"
#include "MessageBoxPrompts.h"
#include "PendingChanges.h"
#include "StatusArea.h"
#include "StorableTextValidator.h"
#include "WindowForm.h"
#include "access/Interlock.h"
#include "access/Passwords.h"
#include "base/ProgramClosing.h"
#include "history/ServiceHistory.h"
#include "link/Frames.h"
#include "ops/OutcomeMessage.h"
#include "params/ValueCodec.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace Build = ControlFactory;

namespace {

QString baseCaption()
{
    return FrmOrva::tr("Setting Parameters ORVA  ver. ");
}

QScrollArea *scrolled(QWidget *page)
{
    auto *area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

} // namespace

FrmOrva::FrmOrva(const FrmOrvaOptions &options, UserPrompts *prompts, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_options(options)
    , m_ownPrompts(prompts ? nullptr : std::make_unique<MessageBoxPrompts>())
    , m_prompts(prompts ? prompts : m_ownPrompts.get())
{
    setObjectName(QStringLiteral("FrmOrva"));
    setWindowTitle(baseCaption());

    // The window's size is fixed: a compact font, as on the original tool,
    // fits it; it follows the desktop's, and a page scrolls where a larger
    // one no longer fits.
    QFont compact = QApplication::font();
    compact.setPointSizeF(std::max(7.0, compact.pointSizeF() - 1));
    setFont(compact);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    // Parented at once, so the controls are sized in the window's font.
    auto *page1 = new QWidget(SSTab1);
    auto *page2 = new QWidget(SSTab1);
    buildPage1(page1);
    buildPage2(page2);
    SSTab1->addTab(scrolled(page1), tr("Setting Parameter ..."));
    SSTab1->addTab(scrolled(page2), tr("Setting light calibration ..."));
    PageHistory = new HistoryPage(*m_prompts);
    PageHistory->setObjectName(QStringLiteral("PageHistory"));
    SSTab1->addTab(scrolled(PageHistory), tr("Service history"));
    SSTab1->setCurrentIndex(0);
    setCentralWidget(SSTab1);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    m_statusArea = new StatusArea(StatusBar);
    connect(m_statusArea, &StatusArea::textChanged, this, &FrmOrva::statusChanged);
    connect(m_statusArea, &StatusArea::progressChanged, this, &FrmOrva::progressChanged);
    setStatusBar(StatusBar);

    // The hidden companion of the language list keeps one key per language.
    ListaLingua1 = Build::comboBox(this, Control::ListaLingua1);
    ListaLingua1->hide();

    setTabOrderChain();
    setFixedSize(636, 571);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    m_form = new WindowForm(*this, *m_statusArea, *m_prompts);
    SessionOptions session;
    session.programFolder = options.programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                            : options.programFolder;
    session.ports = options.ports;
    session.systemPorts = options.systemPorts;
    m_tester = std::make_unique<TesterSession>(*m_form, session);
    if (const Result<TesterLink::Limits> limits = TesterLink::Limits::configured())
        m_tester->link().limits = *limits;
    else
        m_limitsProblem = limits.error().description();
    m_tester->policy().present = [this](const Outcome &o) { present(o); };
    // Without its history the window still reads; every write is refused
    // with the reason.
    if (auto history = ServiceHistory::openConfigured(options.history)) {
        m_history = std::move(history.value());
        m_tester->setHistory(m_history.get());
        showUnpushed();
    } else {
        m_tester->setHistoryUnavailable(history.error());
    }

    m_password = new FrmPassword(this);
    connect(m_password, &FrmPassword::okPressed, this, &FrmOrva::onPasswordOk);
    m_tester->state().accessLevel = [this] { return Access::levelFor(m_password->password()); };
    m_pending = new PendingChanges(*m_form, *m_tester, this);
    connect(m_pending, &PendingChanges::countChanged, m_statusArea, &StatusArea::setPendingCount);
    CmdCalFoto->setToolTip(tr("The equipment calibrates its photodiodes by itself: no "
                              "password starts it from this program."));
    connectHandlers();
}

FrmOrva::~FrmOrva() = default;

void FrmOrva::connectHandlers()
{
    connect(ListaCom, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            choosePort();
    });
    connect(CmdInvia, &QPushButton::clicked, this, [this] {
        runTransfer(HistoryEntry::Kind::Send, tr("Send"), [this] { return m_tester->send(); });
    });
    connect(CmdCalibraAna, &QPushButton::clicked, this, [this] {
        runTransfer(HistoryEntry::Kind::Calibration, tr("Low beam calibration"),
                    [this] { return m_tester->calibrate(Beam::Low); });
    });
    connect(CmdCalibraAbb, &QPushButton::clicked, this, [this] {
        runTransfer(HistoryEntry::Kind::Calibration, tr("High beam calibration"),
                    [this] { return m_tester->calibrate(Beam::High); });
    });
    connect(CmdCalFoto, &QPushButton::clicked, this, [this] {
        runTransfer(HistoryEntry::Kind::Calibration, tr("Photodiode calibration"),
                    [this] { return m_tester->calibratePhotodiode(); });
    });
    for (QPushButton *abort :
         {CmdInterrompiParametri, CmdInterrompiAna, CmdInterrompiAbb, CmdInterrompiFotodiodi}) {
        connect(abort, &QPushButton::clicked, this, [this, abort] {
            m_tester->abortFlag().set();
            abort->hide();
        });
    }
    m_focusRules = new FieldFocusRules(this);
    for (const Control c : Controls::all()) {
        if (!Controls::selectsOnFocus(c))
            continue;
        auto *field = qobject_cast<QLineEdit *>(m_form->widget(c));
        m_focusRules->watch(field);
        new StorableTextValidator(field);
    }
}

void FrmOrva::runTransfer(HistoryEntry::Kind kind, const QString &name,
                          const std::function<Outcome()> &operation)
{
    // A checked field that has the focus is checked before the action sees it.
    if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        FieldFocusRules::applyCheck(field);
    m_busy = true;
    try {
        const Outcome outcome = operation();
        m_busy = false;
        m_statusArea->setOutcome(describe(kind, name, outcome));
        present(outcome);
    } catch (const ProgramClosing &) {
        // The window is closing: nothing more to do.
    }
    m_busy = false;
}

QString FrmOrva::describe(HistoryEntry::Kind kind, const QString &operation, const Outcome &o) const
{
    const QString at = QTime::currentTime().toString(QStringLiteral("HH:mm"));
    QString words;
    switch (o.kind) {
    case Outcome::Kind::Done:
        if (kind == HistoryEntry::Kind::Read)
            words = tr("Read from tester %1 at %2").arg(m_tester->testerState().serial(), at);
        else if (kind == HistoryEntry::Kind::Send)
            words = tr("Sent at %1").arg(at);
        else if (o.measure)
            words = tr("%1: factor %2 written at %3")
                        .arg(operation)
                        .arg(o.measure->factor.value_or(0))
                        .arg(at);
        else
            words = tr("%1 started at %2").arg(operation, at);
        break;
    case Outcome::Kind::Aborted:
        words = tr("%1 aborted at %2").arg(operation, at);
        break;
    case Outcome::Kind::Declined:
        words = tr("%1: not written").arg(operation);
        break;
    case Outcome::Kind::NoTester:
        words = tr("%1 failed at %2: no equipment answered").arg(operation, at);
        break;
    case Outcome::Kind::Incomplete:
        words =
            o.address
                ? tr("%1 stopped at address %2h").arg(operation, Frames::formatAddress(*o.address))
                : tr("%1 stopped at %2").arg(operation, at);
        break;
    case Outcome::Kind::Mismatch:
    case Outcome::Kind::Unverified:
        words = tr("%1 not confirmed by the read-back at %2").arg(operation, at);
        break;
    case Outcome::Kind::Failed:
    case Outcome::Kind::Refused:
    case Outcome::Kind::Fatal:
        words = tr("%1 failed at %2: nothing written").arg(operation, at);
        break;
    }
    if (o.historyEntry)
        words += tr(" (history entry %1)").arg(*o.historyEntry);
    return words;
}

void FrmOrva::showUnpushed()
{
    const Result<int> count = m_history ? m_history->pendingCount() : Result<int>(0);
    m_statusArea->setUnpushedCount(count ? *count : 0);
}

void FrmOrva::present(const Outcome &outcome)
{
    const OutcomeMessage message = messageOf(outcome);
    if (outcome.kind == Outcome::Kind::Fatal) {
        m_prompts->critical(this, message.title, message.text);
        endProgram(1);
        return;
    }
    if (!message.isEmpty() && !outcome.alreadyTold) {
        if (message.critical)
            m_prompts->critical(this, message.title, message.text);
        else
            m_prompts->warning(this, message.title, message.text);
    }
    if (const OutcomeMessage record = recordMessageOf(outcome); !record.isEmpty())
        m_prompts->warning(this, record.title, record.text);
    m_pending->refresh();
    showUnpushed();
    PageHistory->showTester(m_history.get(), m_tester->testerState().serial());
    if (const OutcomeMessage notSent = notSentMessageOf(outcome); !notSent.isEmpty())
        m_prompts->warning(this, notSent.title, notSent.text);
}

void FrmOrva::onPasswordOk()
{
    const AccessLevel level = Access::levelFor(m_password->password());
    setWindowTitle(windowTitle() + Access::captionSuffix(level));
    Interlock::applyAccessLevel(*m_form, level);
    m_form->setLevel(level);
    if (level == AccessLevel::Unknown)
        m_statusArea->setLevel(tr("Password not recognised: values can only be read"), false);
    else
        m_statusArea->setLevel(tr("Access: %1").arg(Access::levelShown(level)), true);
}

void FrmOrva::startUp()
{
    try {
        const QVersionNumber v = QVersionNumber::fromString(m_options.version);
        setWindowTitle(baseCaption() + QStringLiteral("%1.%2%3")
                                           .arg(v.majorVersion())
                                           .arg(v.minorVersion())
                                           .arg(v.microVersion()));
        m_tester->prepare();
        scanPorts();
        if (ListaCom->count() == 0) {
            present(Outcome::fatal(
                OrvaError(ErrorNumber::InvalidPropertyValue,
                          tr("Invalid property value: no serial port can be used. Plug in the "
                             "tester's serial adapter and check that no other program holds "
                             "it; on Linux, join the dialout group (sudo usermod -aG dialout "
                             "$USER) and log in again. Then start the program again."))));
            return;
        }
        ListaCom->setCurrentIndex(0); // the port choice opens it
        TestoData->setText(ValueCodec::dateTimeText(QDateTime::currentDateTime(),
                                                    ValueCodec::systemDateSeparator()));
        show();
        if (!m_limitsProblem.isEmpty())
            m_prompts->warning(this, tr("ORVA settings"),
                               m_limitsProblem + QStringLiteral("\r\n") +
                                   tr("Until then the program's own time limits are used."));
        // Visible, but no input until a password is confirmed.
        SSTab1->setEnabled(false);
        if (!m_password->waitForConfirmation())
            return endProgram(0);
        SSTab1->setEnabled(true);
        activateWindow();
        const Outcome loaded = m_tester->load();
        m_statusArea->setOutcome(describe(HistoryEntry::Kind::Read, tr("Read"), loaded));
        present(loaded);
    } catch (const ProgramClosing &) {
        // Closed while starting: the end steps have run.
    }
}

void FrmOrva::scanPorts()
{
    const QSignalBlocker blocker(ListaCom);
    for (const int n : m_tester->ports().usableNumbers()) {
        ListaCom->addItem(m_tester->ports().entry(n));
        ListaCom->setItemData(ListaCom->count() - 1, m_tester->ports().tooltip(n), Qt::ToolTipRole);
    }
    // Adding to an empty list selects its first entry silently; clear that
    // so selecting it fires the port choice.
    ListaCom->setCurrentIndex(-1);
}

void FrmOrva::choosePort()
{
    const Result<> opened = m_tester->openPort(PortCatalogue::numberOf(ListaCom->currentText()));
    if (!opened)
        m_prompts->warning(
            this, tr("ORVA connection ..."),
            tr("%1\r\nChoose another port in \"Port Com\".").arg(opened.error().description()));
}

void FrmOrva::closeEvent(QCloseEvent *event)
{
    // Unsent changes are asked about once; during a transfer closing always
    // ends the program (the running operation unwinds).
    if (!m_ending && !m_busy && m_pending->count() > 0 &&
        !m_prompts->confirm(this, tr("ORVA parameters ..."),
                            tr("%1 not sent to the equipment. Close anyway?")
                                .arg(m_pending->count() == 1
                                         ? tr("1 change is")
                                         : tr("%1 changes are").arg(m_pending->count())))) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram(0);
}

void FrmOrva::endProgram(int status)
{
    if (m_ending)
        return;
    m_ending = true;
    m_tester->serial().shutdown();
    if (m_password->isVisible())
        m_password->reject(); // ends its wait too
    hide();
    emit programEnded(status);
}

QString FrmOrva::status() const
{
    return m_statusArea->text();
}
