#include "FrmOrva.h"

#include "ControlFactory.h"
#include "FieldFocusRules.h"
#include "FrmPassword.h"
#include "HistoryPage.h"
#include "LockableComboBox.h"
#include "MessageBoxPrompts.h"
#include "StatusArea.h"
#include "StorableTextValidator.h"
#include "WindowForm.h"
#include "access/AccessLevel.h"
#include "access/Interlock.h"
#include "base/ProgramClosing.h"
#include "history/ServiceHistory.h"
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
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace Build = ControlFactory;

namespace {
const QString BaseCaption = QStringLiteral("Setting Parameters ORVA  ver. ");
} // namespace

FrmOrva::FrmOrva(const FrmOrvaOptions &options, UserPrompts *prompts, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_options(options)
    , m_ownPrompts(prompts ? nullptr : std::make_unique<MessageBoxPrompts>())
    , m_prompts(prompts ? prompts : m_ownPrompts.get())
{
    setObjectName(QStringLiteral("FrmOrva"));
    setWindowTitle(BaseCaption);

    // The window's size is fixed: a compact font, as on the original tool, fits it.
    QFont compact = font();
    compact.setPointSizeF(8);
    setFont(compact);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    // Parented at once, so the controls are sized in the window's font.
    auto *page1 = new QWidget(SSTab1);
    auto *page2 = new QWidget(SSTab1);
    buildPage1(page1);
    buildPage2(page2);
    SSTab1->addTab(page1, QStringLiteral("Setting Parameter ..."));
    SSTab1->addTab(page2, QStringLiteral("Setting light calibration ..."));
    PageHistory = new HistoryPage(*m_prompts, SSTab1);
    PageHistory->setObjectName(QStringLiteral("PageHistory"));
    SSTab1->addTab(PageHistory, QStringLiteral("Service history"));
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
    m_tester->policy().present = [this](const Outcome &o) { present(o); };
    // Without its history the window still reads; every write is refused
    // with the reason.
    if (auto history = ServiceHistory::openConfigured(options.history)) {
        m_history = std::move(history.value());
        m_tester->setHistory(m_history.get());
    } else {
        m_tester->setHistoryUnavailable(history.error());
    }

    m_password = new FrmPassword(this);
    connect(m_password, &FrmPassword::okPressed, this, &FrmOrva::onPasswordOk);
    m_tester->state().accessLevel = [this] { return Access::levelFor(m_password->password()); };
    connectHandlers();
}

FrmOrva::~FrmOrva() = default;

void FrmOrva::buildPage1(QWidget *page)
{
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(6, 2, 6, 4);
    pageLayout->setSpacing(3);
    Label1 = Build::exitHint(page, "Label1");
    pageLayout->addWidget(Label1, 0, Qt::AlignRight);

    Frame2 = new QGroupBox(QStringLiteral("Calibration General Equipment Parameters"), page);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto *g = new QGridLayout(Frame2);
    g->setHorizontalSpacing(3);
    g->setVerticalSpacing(3);
    g->setContentsMargins(4, 4, 4, 4);

    Label3 = new QLabel(QStringLiteral("Versione Firmware"), Frame2);
    Label3->setObjectName(QStringLiteral("Label3"));
    Text19 = Build::captionBox(Frame2, "Text19", QStringLiteral("Firmware Version"));
    TestoVersioneScheda = Build::displayBox(Frame2, Control::TestoVersioneScheda);
    TestoFileIni = Build::displayBox(Frame2, Control::TestoFileIni);
    g->addWidget(Label3, 0, 0);
    g->addWidget(Text19, 0, 0);
    Text19->raise(); // covers Label3
    g->addWidget(TestoVersioneScheda, 0, 1);
    g->addWidget(TestoFileIni, 0, 2, 1, 3);

    Text5 = Build::captionBox(Frame2, "Text5", QStringLiteral("Language"));
    ListaLingua = Build::comboBox(Frame2, Control::ListaLingua, QStringLiteral("Scegli la Lingua"));
    Text10 = Build::captionBox(Frame2, "Text10", QStringLiteral("Unit of Light"));
    ListaMisura = Build::comboBox(Frame2, Control::ListaMisura);
    g->addWidget(Text5, 1, 0);
    g->addWidget(ListaLingua, 1, 1);
    g->addWidget(Text10, 1, 2);
    g->addWidget(ListaMisura, 1, 3);

    Text6 = Build::captionBox(Frame2, "Text6", QStringLiteral("Manufacter"));
    TestoMarca = Build::textBox(Frame2, Control::TestoMarca);
    Text11 = Build::captionBox(Frame2, "Text11", QStringLiteral("Type of Panel"));
    ListaPannello = Build::comboBox(Frame2, Control::ListaPannello);
    g->addWidget(Text6, 2, 0);
    g->addWidget(TestoMarca, 2, 1);
    g->addWidget(Text11, 2, 2);
    g->addWidget(ListaPannello, 2, 3);

    Text7 = Build::captionBox(Frame2, "Text7", QStringLiteral("Model"));
    TestoModello = Build::textBox(Frame2, Control::TestoModello);
    Text12 = Build::captionBox(Frame2, "Text12", QStringLiteral("Protocol RS232"));
    ListaProtocollo = Build::comboBox(Frame2, Control::ListaProtocollo);
    g->addWidget(Text7, 3, 0);
    g->addWidget(TestoModello, 3, 1);
    g->addWidget(Text12, 3, 2);
    g->addWidget(ListaProtocollo, 3, 3);

    Text8 = Build::captionBox(Frame2, "Text8", QStringLiteral("Homologation N."));
    TestoNumOmologa = Build::textBox(Frame2, Control::TestoNumOmologa);
    Text15 = Build::captionBox(Frame2, "Text15", QStringLiteral("MCTC-NET Version"));
    TestoVersioneMctc = Build::textBox(Frame2, Control::TestoVersioneMctc);
    Text24 = Build::captionBox(Frame2, "Text24", QStringLiteral("Type of Lamp"));
    g->addWidget(Text8, 4, 0);
    g->addWidget(TestoNumOmologa, 4, 1);
    g->addWidget(Text15, 4, 2);
    g->addWidget(TestoVersioneMctc, 4, 3);
    g->addWidget(Text24, 4, 4);

    Text9 = Build::captionBox(Frame2, "Text9", QStringLiteral("Serial Number"));
    TestoNumSerie = Build::textBox(Frame2, Control::TestoNumSerie);
    Text14 = Build::captionBox(Frame2, "Text14", QStringLiteral("Equipment Address"));
    TestoIndirizzoApp = Build::textBox(Frame2, Control::TestoIndirizzoApp);
    ListaTipoFaro =
        Build::comboBox(Frame2, Control::ListaTipoFaro, QStringLiteral("Scegli la Lingua"));
    // Sized by its shown text, not its longest item, so the model field keeps its room.
    ListaTipoFaro->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ListaTipoFaro->setMinimumContentsLength(14);
    g->addWidget(Text9, 5, 0);
    g->addWidget(TestoNumSerie, 5, 1);
    g->addWidget(Text14, 5, 2);
    g->addWidget(TestoIndirizzoApp, 5, 3);
    g->addWidget(ListaTipoFaro, 5, 4);

    Text13 = Build::captionBox(Frame2, "Text13", QStringLiteral("Date of Expire"));
    TestoGiornoScadenza =
        Build::textBox(Frame2, Control::TestoGiornoScadenza, QStringLiteral("01"));
    Text16 = Build::captionBox(Frame2, "Text16", QStringLiteral("DD"));
    TestoMeseScadenza = Build::textBox(Frame2, Control::TestoMeseScadenza, QStringLiteral("01"));
    Text17 = Build::captionBox(Frame2, "Text17", QStringLiteral("MM"));
    TestoAnnoScadenza = Build::textBox(Frame2, Control::TestoAnnoScadenza, QStringLiteral("2003"));
    Text18 = Build::captionBox(Frame2, "Text18", QStringLiteral("YYYY"));
    auto *date = new QHBoxLayout;
    date->setSpacing(2);
    for (QLineEdit *w :
         {TestoGiornoScadenza, Text16, TestoMeseScadenza, Text17, TestoAnnoScadenza, Text18})
        date->addWidget(w);
    date->addStretch(1);
    Text21 = Build::captionBox(Frame2, "Text21", QString());
    Text21->setAccessibleName(Controls::caption(Control::TestoData));
    Text21->setMinimumHeight(2 * Text21->sizeHint().height());
    Text21->setMaximumWidth(40);
    TestoData = Build::displayBox(Frame2, Control::TestoData);
    g->addWidget(Text13, 6, 0);
    g->addLayout(date, 6, 1, 1, 2);
    g->addWidget(Text21, 6, 3);
    g->addWidget(TestoData, 6, 4);

    ChkEnFogReq = Build::checkBox(Frame2, Control::ChkEnFogReq, false);
    ChkEnForzatura = Build::checkBox(Frame2, Control::ChkEnForzatura, false);
    ChkEnPrecFaro = Build::checkBox(Frame2, Control::ChkEnPrecFaro, false);
    auto *switches = new QHBoxLayout;
    for (QCheckBox *b : {ChkEnFogReq, ChkEnForzatura, ChkEnPrecFaro})
        switches->addWidget(b);
    g->addLayout(switches, 7, 0, 1, 5);
    pageLayout->addWidget(Frame2, 1);

    Frame3 = new QGroupBox(QStringLiteral("Printing Options"), page);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto *p = new QGridLayout(Frame3);
    p->setVerticalSpacing(2);
    Text25 = Build::captionBox(Frame3, "Text25", QStringLiteral("Garage Name"));
    TestoNomeOfficina = Build::textBox(Frame3, Control::TestoNomeOfficina);
    ChkPrnHfaroIncl = Build::checkBox(Frame3, Control::ChkPrnHfaroIncl, true);
    Text26 = Build::captionBox(Frame3, "Text26", QStringLiteral("Garage address"));
    TestoIndirizzo1 = Build::textBox(Frame3, Control::TestoIndirizzo1);
    TestoIndirizzo2 = Build::textBox(Frame3, Control::TestoIndirizzo2);
    TestoIndirizzo3 = Build::textBox(Frame3, Control::TestoIndirizzo3);
    TestoIndirizzo4 = Build::textBox(Frame3, Control::TestoIndirizzo4);
    p->addWidget(Text25, 0, 0);
    p->addWidget(TestoNomeOfficina, 0, 1);
    p->addWidget(ChkPrnHfaroIncl, 0, 2);
    p->addWidget(Text26, 1, 0);
    p->addWidget(TestoIndirizzo1, 1, 1);
    p->addWidget(TestoIndirizzo2, 2, 1);
    p->addWidget(TestoIndirizzo3, 3, 1);
    p->addWidget(TestoIndirizzo4, 4, 1);
    pageLayout->addWidget(Frame3);

    auto *bottom = new QHBoxLayout;
    CmdInvia =
        Build::button(page, Control::CmdInvia, QStringLiteral("Send Parameters to Equipment !"));
    CmdInvia->setEnabled(false);
    CmdInvia->hide();
    CmdInterrompiParametri =
        Build::button(page, Control::CmdInterrompiParametri, QStringLiteral("Abort"));
    CmdInterrompiParametri->hide();
    Text20 = Build::captionBox(page, "Text20", QStringLiteral("Port Com"));
    ListaCom = Build::comboBox(page, Control::ListaCom, QStringLiteral("Seleziona COM"));
    bottom->addWidget(CmdInvia);
    bottom->addWidget(CmdInterrompiParametri);
    bottom->addStretch(1);
    bottom->addWidget(Text20);
    bottom->addWidget(ListaCom);
    pageLayout->addLayout(bottom);
}

void FrmOrva::buildPage2(QWidget *page)
{
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(6, 2, 6, 4);
    Label2 = Build::exitHint(page, "Label2");
    pageLayout->addWidget(Label2, 0, Qt::AlignRight);

    Frame1 = new QGroupBox(
        QStringLiteral("Calibrate Photodiode Light at battery voltage of 13,8 V :"), page);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *g = new QGridLayout(Frame1);
    g->setColumnStretch(0, 1);
    g->setColumnStretch(4, 1);
    g->setHorizontalSpacing(2);
    g->setContentsMargins(3, 4, 3, 4);

    Text3 = Build::captionBox(Frame1, "Text3", QStringLiteral("Lux Calibrator LOW BEAM"));
    TestoLuxAnaCampione =
        Build::textBox(Frame1, Control::TestoLuxAnaCampione, QStringLiteral("29"));
    CmdCalibraAna =
        Build::button(Frame1, Control::CmdCalibraAna, QStringLiteral("Calibrate Low Beam"));
    CmdCalibraAna->setEnabled(false);
    CmdInterrompiAna = Build::button(Frame1, Control::CmdInterrompiAna, QStringLiteral("Abort"));
    CmdInterrompiAna->hide();
    Text2 = Build::captionBox(Frame1, "Text2", QStringLiteral("Bit Cpu LOW BEAM"));
    TestoBitAnaScheda = Build::displayBox(Frame1, Control::TestoBitAnaScheda, QStringLiteral("0"));
    Text22 = Build::captionBox(Frame1, "Text22", QStringLiteral("Bit / Lux LoW BEAM"));
    TestoAnaConv = Build::displayBox(Frame1, Control::TestoAnaConv, QStringLiteral("0"));
    g->addWidget(Text3, 0, 0);
    g->addWidget(TestoLuxAnaCampione, 0, 1);
    g->addWidget(CmdCalibraAna, 0, 2);
    g->addWidget(CmdInterrompiAna, 0, 2);
    g->addWidget(Text2, 1, 0);
    g->addWidget(TestoBitAnaScheda, 1, 1);
    g->addWidget(Text22, 2, 0);
    g->addWidget(TestoAnaConv, 2, 1);

    Shape1 = new QFrame(Frame1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::VLine);
    g->addWidget(Shape1, 0, 3, 3, 1);

    Text4 = Build::captionBox(Frame1, "Text4", QStringLiteral("Lux Calibrator HIGH BEAM"));
    TestoLuxAbbCampione =
        Build::textBox(Frame1, Control::TestoLuxAbbCampione, QStringLiteral("77"));
    CmdCalibraAbb =
        Build::button(Frame1, Control::CmdCalibraAbb, QStringLiteral("Calibrate High Beam"));
    CmdCalibraAbb->setEnabled(false);
    CmdInterrompiAbb = Build::button(Frame1, Control::CmdInterrompiAbb, QStringLiteral("Abort"));
    CmdInterrompiAbb->hide();
    Text1 = Build::captionBox(Frame1, "Text1", QStringLiteral("Bit Cpu HIGH BEAM"));
    TestoBitAbbScheda = Build::displayBox(Frame1, Control::TestoBitAbbScheda, QStringLiteral("0"));
    Text23 = Build::captionBox(Frame1, "Text23", QStringLiteral("Bit / Lux HIGH BEAM"));
    TestoAbbConv = Build::displayBox(Frame1, Control::TestoAbbConv, QStringLiteral("0"));
    g->addWidget(Text4, 0, 4);
    g->addWidget(TestoLuxAbbCampione, 0, 5);
    g->addWidget(CmdCalibraAbb, 0, 6);
    g->addWidget(CmdInterrompiAbb, 0, 6);
    g->addWidget(Text1, 1, 4);
    g->addWidget(TestoBitAbbScheda, 1, 5);
    g->addWidget(Text23, 2, 4);
    g->addWidget(TestoAbbConv, 2, 5);
    pageLayout->addWidget(Frame1);

    auto *lower = new QGridLayout;
    TestoOffsetFotodiodi = new QPlainTextEdit(page);
    TestoOffsetFotodiodi->setObjectName(Controls::name(Control::TestoOffsetFotodiodi));
    TestoOffsetFotodiodi->setEnabled(false);
    TestoOffsetFotodiodi->setAccessibleName(Controls::caption(Control::TestoOffsetFotodiodi));
    CmdCalFoto =
        Build::button(page, Control::CmdCalFoto, QStringLiteral("Calibrate Photodiode ..."));
    CmdCalFoto->setEnabled(false);
    CmdInterrompiFotodiodi =
        Build::button(page, Control::CmdInterrompiFotodiodi, QStringLiteral("Abort"));
    CmdInterrompiFotodiodi->hide();
    lower->addWidget(TestoOffsetFotodiodi, 0, 0, 2, 1);
    lower->addWidget(CmdCalFoto, 0, 1, Qt::AlignTop);
    lower->addWidget(CmdInterrompiFotodiodi, 0, 1, Qt::AlignTop);
    lower->setColumnStretch(0, 1);
    pageLayout->addLayout(lower, 1);
}

void FrmOrva::setTabOrderChain()
{
    const QList<QWidget *> order = {ListaLingua,
                                    TestoMarca,
                                    TestoModello,
                                    TestoNumOmologa,
                                    TestoNumSerie,
                                    TestoGiornoScadenza,
                                    TestoMeseScadenza,
                                    TestoAnnoScadenza,
                                    ListaMisura,
                                    ListaPannello,
                                    ListaProtocollo,
                                    TestoVersioneMctc,
                                    TestoIndirizzoApp,
                                    ListaTipoFaro,
                                    TestoNomeOfficina,
                                    TestoIndirizzo1,
                                    TestoIndirizzo2,
                                    TestoIndirizzo3,
                                    TestoIndirizzo4,
                                    ListaCom,
                                    ChkPrnHfaroIncl,
                                    TestoLuxAnaCampione,
                                    TestoLuxAbbCampione,
                                    CmdCalibraAbb,
                                    CmdCalibraAna,
                                    CmdInterrompiAbb,
                                    TestoAbbConv,
                                    TestoAnaConv,
                                    CmdInterrompiAna,
                                    TestoBitAbbScheda,
                                    TestoBitAnaScheda,
                                    CmdCalFoto,
                                    CmdInterrompiFotodiodi,
                                    CmdInvia,
                                    TestoData,
                                    TestoFileIni,
                                    TestoVersioneScheda,
                                    CmdInterrompiParametri,
                                    TestoOffsetFotodiodi,
                                    ChkEnFogReq,
                                    ChkEnForzatura,
                                    ChkEnPrecFaro};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FrmOrva::connectHandlers()
{
    connect(ListaCom, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            choosePort();
    });
    connect(CmdInvia, &QPushButton::clicked, this,
            [this] { runTransfer([this] { return m_tester->send(); }); });
    connect(CmdCalibraAna, &QPushButton::clicked, this,
            [this] { runTransfer([this] { return m_tester->calibrate(Beam::Low); }); });
    connect(CmdCalibraAbb, &QPushButton::clicked, this,
            [this] { runTransfer([this] { return m_tester->calibrate(Beam::High); }); });
    connect(CmdCalFoto, &QPushButton::clicked, this,
            [this] { runTransfer([this] { return m_tester->calibratePhotodiode(); }); });
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

void FrmOrva::runTransfer(const std::function<Outcome()> &operation)
{
    // A checked field that has the focus is checked before the action sees it.
    if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        FieldFocusRules::applyCheck(field);
    try {
        present(operation());
    } catch (const ProgramClosing &) {
        // The window is closing: nothing more to do.
    }
}

void FrmOrva::present(const Outcome &outcome)
{
    if (outcome.kind == Outcome::Kind::Fatal) {
        m_prompts->critical(this, outcome.title, outcome.text);
        endProgram(1);
        return;
    }
    if (outcome.hasMessage()) {
        if (outcome.critical)
            m_prompts->critical(this, outcome.title, outcome.text);
        else
            m_prompts->warning(this, outcome.title, outcome.text);
    }
    if (!outcome.historyProblem.isEmpty())
        m_prompts->warning(this, QStringLiteral("ORVA service history ..."),
                           outcome.historyProblem);
    PageHistory->show(m_history.get(), m_tester->testerState()
                                           .value("fields")
                                           .toObject()
                                           .value("serialNumber")
                                           .toString()
                                           .trimmed());
    if (!outcome.notSent.isEmpty())
        m_prompts->warning(this, QStringLiteral("ORVA connection ..."),
                           QStringLiteral("These lines of the parameter file were not sent:\r\n%1")
                               .arg(outcome.notSent.join(QStringLiteral("\r\n"))));
}

void FrmOrva::onPasswordOk()
{
    const AccessLevel level = Access::levelFor(m_password->password());
    setWindowTitle(windowTitle() + Access::captionSuffix(level));
    Interlock::applyAccessLevel(*m_form, level);
}

void FrmOrva::startUp()
{
    try {
        const QVersionNumber v = QVersionNumber::fromString(m_options.version);
        setWindowTitle(BaseCaption + QStringLiteral("%1.%2%3")
                                         .arg(v.majorVersion())
                                         .arg(v.minorVersion())
                                         .arg(v.microVersion()));
        m_tester->prepare();
        scanPorts();
        if (ListaCom->count() == 0) {
            present(Outcome::fatal(OrvaError(
                ErrorNumber::InvalidPropertyValue,
                QStringLiteral("Invalid property value: no serial port can be used. Plug in the "
                               "tester's serial adapter and check that no other program holds "
                               "it; on Linux, join the dialout group (sudo usermod -aG dialout "
                               "$USER) and log in again. Then start the program again."))));
            return;
        }
        ListaCom->setCurrentIndex(0); // the port choice opens it
        TestoData->setText(ValueCodec::dateTimeText(QDateTime::currentDateTime(),
                                                    ValueCodec::systemDateSeparator()));
        show();
        // Visible, but no input until a password is confirmed.
        SSTab1->setEnabled(false);
        if (!m_password->waitForConfirmation())
            return endProgram(0);
        SSTab1->setEnabled(true);
        activateWindow();
        present(m_tester->load());
    } catch (const ProgramClosing &) {
        // Closed while starting: the end steps have run.
    }
}

void FrmOrva::scanPorts()
{
    const QSignalBlocker blocker(ListaCom);
    for (const int n : m_tester->ports().usableNumbers()) {
        ListaCom->addItem(PortCatalogue::entryText(n));
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
        m_prompts->warning(this, QStringLiteral("ORVA connection ..."),
                           QStringLiteral("%1\r\nChoose another port in \"Port Com\".")
                               .arg(opened.error().description()));
}

void FrmOrva::closeEvent(QCloseEvent *event)
{
    // Closes the port and ends any wait; the running operation unwinds.
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
