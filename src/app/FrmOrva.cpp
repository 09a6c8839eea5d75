#include "FrmOrva.h"

#include "FrmPassword.h"
#include "LockableComboBox.h"
#include "MessageBoxPrompts.h"
#include "access/AccessLevel.h"
#include "access/ControlTable.h"
#include "access/FieldRules.h"
#include "access/ListRules.h"
#include "link/Frames.h"
#include "link/OrvaError.h"
#include "ops/Backup.h"
#include "ops/ErrorReport.h"
#include "ops/LoadParameters.h"
#include "ops/LuxCalibration.h"
#include "ops/ParameterDocument.h"
#include "ops/PhotodiodeCalibration.h"
#include "ops/ResetParameterFields.h"
#include "ops/SendParameters.h"
#include "params/Catalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFocusEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace {

const QString BaseCaption = QStringLiteral("Setting Parameters ORVA  ver. ");

void greyBackground(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    w->setPalette(p);
}

} // namespace

// Builders for the kinds of control the window is made of.
namespace {

QLineEdit *captionBox(QWidget *parent, const char *name, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    greyBackground(box);
    box->setAccessibleName(text);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(text) + 14);
    return box;
}

QLineEdit *textBox(QWidget *parent, const char *name, const QString &accessible,
                   const QString &text = QString())
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    const int maxLength = Catalogue::fieldWidth(box->objectName());
    box->setMaxLength(maxLength);
    box->setText(text);
    box->setReadOnly(true);
    box->setAccessibleName(accessible);
    if (maxLength > 4) // wide enough for a typical value
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * std::min(maxLength, 20) + 10);
    if (maxLength <= 4) // short numeric fields are only as wide as their digits
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(maxLength + 1, u'0')) + 16);
    return box;
}

QLineEdit *displayBox(QWidget *parent, const char *name, const QString &accessible,
                      const QString &text = QString())
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    greyBackground(box);
    box->setAccessibleName(accessible);
    return box;
}

LockableComboBox *comboBox(QWidget *parent, const char *name, const QString &accessible,
                           const QString &placeholder = QString())
{
    auto *combo = new LockableComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setPlaceholderText(placeholder);
    combo->setAccessibleName(accessible);
    combo->setMinimumContentsLength(9);
    return combo;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, bool checked)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    box->setEnabled(false);
    box->setAccessibleName(text);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text,
                    const QString &accessible)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(accessible);
    b->setAutoDefault(false);
    return b;
}

QLabel *exitHint(QWidget *parent, const char *name)
{
    auto *label = new QLabel(QStringLiteral("Exit : ALT + F4"), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

FrmOrva::FrmOrva(const FrmOrvaOptions &options, UserPrompts *prompts, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_options(options)
    , m_ownPrompts(prompts ? nullptr : std::make_unique<MessageBoxPrompts>())
    , m_prompts(prompts ? prompts : m_ownPrompts.get())
    , m_ports(options.ports, options.systemPorts)
    , m_equipment(
          m_link, m_abortFlag, [this](const QString &t) { setStatus(t); },
          [this] { return m_session.parameterFilePath; })
    , m_ctx{*this, m_equipment, m_session}
{
    setObjectName(QStringLiteral("FrmOrva"));
    setWindowTitle(BaseCaption);
    m_session.programFolder = options.programFolder.isEmpty()
                                  ? QCoreApplication::applicationDirPath()
                                  : options.programFolder;

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
    SSTab1->setCurrentIndex(0);
    setCentralWidget(SSTab1);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    m_statusText = new QLabel(StatusBar);
    m_statusText->setObjectName(QStringLiteral("StatusText"));
    m_statusText->setAccessibleName(QStringLiteral("Status"));
    StatusBar->addPermanentWidget(m_statusText, 1);
    m_progress = new QProgressBar(StatusBar);
    m_progress->setObjectName(QStringLiteral("TransferProgress"));
    m_progress->setAccessibleName(QStringLiteral("Transfer progress"));
    m_progress->setMaximumWidth(120);
    m_progress->hide();
    m_timeLeft = new QLabel(StatusBar);
    m_timeLeft->setObjectName(QStringLiteral("TimeLeft"));
    m_timeLeft->hide();
    StatusBar->addPermanentWidget(m_progress);
    StatusBar->addPermanentWidget(m_timeLeft);
    setStatusBar(StatusBar);

    // The hidden companion of the language list keeps one key per language.
    ListaLingua1 = comboBox(this, "ListaLingua1", QStringLiteral("Language key"));
    ListaLingua1->hide();

    setTabOrderChain();
    connectHandlers();

    setFixedSize(636, 571);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    // Not a child: disabling the main window would disable the dialog too.
    m_passwordDialog = std::make_unique<FrmPassword>();
    m_password = m_passwordDialog.get();
    connect(m_password, &FrmPassword::okPressed, this, &FrmOrva::onPasswordOk);
    connect(m_password, &FrmPassword::abandoned, this, [this] {
        // Nothing can confirm a password any more: end rather than wait forever.
        if (m_ending)
            return;
        m_ending = true;
        m_link.shutdown();
        emit programEnded(0);
    });
}

FrmOrva::~FrmOrva() = default;

void FrmOrva::buildPage1(QWidget *page)
{
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(6, 2, 6, 4);
    pageLayout->setSpacing(3);
    Label1 = exitHint(page, "Label1");
    pageLayout->addWidget(Label1, 0, Qt::AlignRight);

    Frame2 = new QGroupBox(QStringLiteral("Calibration General Equipment Parameters"), page);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto *g = new QGridLayout(Frame2);
    g->setHorizontalSpacing(3);
    g->setVerticalSpacing(3);
    g->setContentsMargins(4, 4, 4, 4);

    Label3 = new QLabel(QStringLiteral("Versione Firmware"), Frame2);
    Label3->setObjectName(QStringLiteral("Label3"));
    Text19 = captionBox(Frame2, "Text19", QStringLiteral("Firmware Version"));
    TestoVersioneScheda =
        displayBox(Frame2, "TestoVersioneScheda", QStringLiteral("Firmware Version"));
    TestoFileIni = displayBox(Frame2, "TestoFileIni", QStringLiteral("Parameter file"));
    g->addWidget(Label3, 0, 0);
    g->addWidget(Text19, 0, 0);
    Text19->raise(); // covers Label3
    g->addWidget(TestoVersioneScheda, 0, 1);
    g->addWidget(TestoFileIni, 0, 2, 1, 3);

    Text5 = captionBox(Frame2, "Text5", QStringLiteral("Language"));
    ListaLingua = comboBox(Frame2, "ListaLingua", QStringLiteral("Language"),
                           QStringLiteral("Scegli la Lingua"));
    Text10 = captionBox(Frame2, "Text10", QStringLiteral("Unit of Light"));
    ListaMisura = comboBox(Frame2, "ListaMisura", QStringLiteral("Unit of Light"));
    g->addWidget(Text5, 1, 0);
    g->addWidget(ListaLingua, 1, 1);
    g->addWidget(Text10, 1, 2);
    g->addWidget(ListaMisura, 1, 3);

    Text6 = captionBox(Frame2, "Text6", QStringLiteral("Manufacter"));
    TestoMarca = textBox(Frame2, "TestoMarca", QStringLiteral("Manufacter"));
    Text11 = captionBox(Frame2, "Text11", QStringLiteral("Type of Panel"));
    ListaPannello = comboBox(Frame2, "ListaPannello", QStringLiteral("Type of Panel"));
    g->addWidget(Text6, 2, 0);
    g->addWidget(TestoMarca, 2, 1);
    g->addWidget(Text11, 2, 2);
    g->addWidget(ListaPannello, 2, 3);

    Text7 = captionBox(Frame2, "Text7", QStringLiteral("Model"));
    TestoModello = textBox(Frame2, "TestoModello", QStringLiteral("Model"));
    Text12 = captionBox(Frame2, "Text12", QStringLiteral("Protocol RS232"));
    ListaProtocollo = comboBox(Frame2, "ListaProtocollo", QStringLiteral("Protocol RS232"));
    g->addWidget(Text7, 3, 0);
    g->addWidget(TestoModello, 3, 1);
    g->addWidget(Text12, 3, 2);
    g->addWidget(ListaProtocollo, 3, 3);

    Text8 = captionBox(Frame2, "Text8", QStringLiteral("Homologation N."));
    TestoNumOmologa = textBox(Frame2, "TestoNumOmologa", QStringLiteral("Homologation N."));
    Text15 = captionBox(Frame2, "Text15", QStringLiteral("MCTC-NET Version"));
    TestoVersioneMctc = textBox(Frame2, "TestoVersioneMctc", QStringLiteral("MCTC-NET Version"));
    Text24 = captionBox(Frame2, "Text24", QStringLiteral("Type of Lamp"));
    g->addWidget(Text8, 4, 0);
    g->addWidget(TestoNumOmologa, 4, 1);
    g->addWidget(Text15, 4, 2);
    g->addWidget(TestoVersioneMctc, 4, 3);
    g->addWidget(Text24, 4, 4);

    Text9 = captionBox(Frame2, "Text9", QStringLiteral("Serial Number"));
    TestoNumSerie = textBox(Frame2, "TestoNumSerie", QStringLiteral("Serial Number"));
    Text14 = captionBox(Frame2, "Text14", QStringLiteral("Equipment Address"));
    TestoIndirizzoApp = textBox(Frame2, "TestoIndirizzoApp", QStringLiteral("Equipment Address"));
    ListaTipoFaro = comboBox(Frame2, "ListaTipoFaro", QStringLiteral("Type of Lamp"),
                             QStringLiteral("Scegli la Lingua"));
    // Sized by its shown text, not its longest item, so the model field keeps its room.
    ListaTipoFaro->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ListaTipoFaro->setMinimumContentsLength(14);
    g->addWidget(Text9, 5, 0);
    g->addWidget(TestoNumSerie, 5, 1);
    g->addWidget(Text14, 5, 2);
    g->addWidget(TestoIndirizzoApp, 5, 3);
    g->addWidget(ListaTipoFaro, 5, 4);

    Text13 = captionBox(Frame2, "Text13", QStringLiteral("Date of Expire"));
    TestoGiornoScadenza = textBox(Frame2, "TestoGiornoScadenza",
                                  QStringLiteral("Date of Expire DD"), QStringLiteral("01"));
    Text16 = captionBox(Frame2, "Text16", QStringLiteral("DD"));
    TestoMeseScadenza = textBox(Frame2, "TestoMeseScadenza", QStringLiteral("Date of Expire MM"),
                                QStringLiteral("01"));
    Text17 = captionBox(Frame2, "Text17", QStringLiteral("MM"));
    TestoAnnoScadenza = textBox(Frame2, "TestoAnnoScadenza", QStringLiteral("Date of Expire YYYY"),
                                QStringLiteral("2003"));
    Text18 = captionBox(Frame2, "Text18", QStringLiteral("YYYY"));
    auto *date = new QHBoxLayout;
    date->setSpacing(2);
    for (QLineEdit *w :
         {TestoGiornoScadenza, Text16, TestoMeseScadenza, Text17, TestoAnnoScadenza, Text18})
        date->addWidget(w);
    date->addStretch(1);
    Text21 = captionBox(Frame2, "Text21", QString());
    Text21->setAccessibleName(QStringLiteral("Date and time"));
    Text21->setMinimumHeight(2 * Text21->sizeHint().height());
    Text21->setMaximumWidth(40);
    TestoData = displayBox(Frame2, "TestoData", QStringLiteral("Date and time"));
    g->addWidget(Text13, 6, 0);
    g->addLayout(date, 6, 1, 1, 2);
    g->addWidget(Text21, 6, 3);
    g->addWidget(TestoData, 6, 4);

    ChkEnFogReq = checkBox(Frame2, "ChkEnFogReq", QStringLiteral("enable FOG test request"), false);
    ChkEnForzatura =
        checkBox(Frame2, "ChkEnForzatura", QStringLiteral("enable good test forcing"), false);
    ChkEnPrecFaro =
        checkBox(Frame2, "ChkEnPrecFaro", QStringLiteral("enable previous headlight test"), false);
    auto *switches = new QHBoxLayout;
    for (QCheckBox *b : {ChkEnFogReq, ChkEnForzatura, ChkEnPrecFaro})
        switches->addWidget(b);
    g->addLayout(switches, 7, 0, 1, 5);
    pageLayout->addWidget(Frame2, 1);

    Frame3 = new QGroupBox(QStringLiteral("Printing Options"), page);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto *p = new QGridLayout(Frame3);
    p->setVerticalSpacing(2);
    Text25 = captionBox(Frame3, "Text25", QStringLiteral("Garage Name"));
    TestoNomeOfficina = textBox(Frame3, "TestoNomeOfficina", QStringLiteral("Garage Name"));
    ChkPrnHfaroIncl = checkBox(Frame3, "ChkPrnHfaroIncl",
                               QStringLiteral("Print HEIGHT BEAM and INCLINATION"), true);
    Text26 = captionBox(Frame3, "Text26", QStringLiteral("Garage address"));
    TestoIndirizzo1 = textBox(Frame3, "TestoIndirizzo1", QStringLiteral("Garage address 1"));
    TestoIndirizzo2 = textBox(Frame3, "TestoIndirizzo2", QStringLiteral("Garage address 2"));
    TestoIndirizzo3 = textBox(Frame3, "TestoIndirizzo3", QStringLiteral("Garage address 3"));
    TestoIndirizzo4 = textBox(Frame3, "TestoIndirizzo4", QStringLiteral("Garage address 4"));
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
    CmdInvia = button(page, "CmdInvia", QStringLiteral("Send Parameters to Equipment !"),
                      QStringLiteral("Send Parameters to Equipment"));
    CmdInvia->setEnabled(false);
    CmdInvia->hide();
    CmdInterrompiParametri = button(page, "CmdInterrompiParametri", QStringLiteral("Abort"),
                                    QStringLiteral("Abort sending parameters"));
    CmdInterrompiParametri->hide();
    Text20 = captionBox(page, "Text20", QStringLiteral("Port Com"));
    ListaCom =
        comboBox(page, "ListaCom", QStringLiteral("Port Com"), QStringLiteral("Seleziona COM"));
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
    Label2 = exitHint(page, "Label2");
    pageLayout->addWidget(Label2, 0, Qt::AlignRight);

    Frame1 = new QGroupBox(
        QStringLiteral("Calibrate Photodiode Light at battery voltage of 13,8 V :"), page);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *g = new QGridLayout(Frame1);
    g->setColumnStretch(0, 1);
    g->setColumnStretch(4, 1);
    g->setHorizontalSpacing(2);
    g->setContentsMargins(3, 4, 3, 4);

    Text3 = captionBox(Frame1, "Text3", QStringLiteral("Lux Calibrator LOW BEAM"));
    TestoLuxAnaCampione = textBox(Frame1, "TestoLuxAnaCampione",
                                  QStringLiteral("Lux Calibrator LOW BEAM"), QStringLiteral("29"));
    CmdCalibraAna = button(Frame1, "CmdCalibraAna", QStringLiteral("Calibrate Low Beam"),
                           QStringLiteral("Calibrate Low Beam"));
    CmdCalibraAna->setEnabled(false);
    CmdInterrompiAna = button(Frame1, "CmdInterrompiAna", QStringLiteral("Abort"),
                              QStringLiteral("Abort Low Beam calibration"));
    CmdInterrompiAna->hide();
    Text2 = captionBox(Frame1, "Text2", QStringLiteral("Bit Cpu LOW BEAM"));
    TestoBitAnaScheda = displayBox(Frame1, "TestoBitAnaScheda", QStringLiteral("Bit Cpu LOW BEAM"),
                                   QStringLiteral("0"));
    Text22 = captionBox(Frame1, "Text22", QStringLiteral("Bit / Lux LoW BEAM"));
    TestoAnaConv = displayBox(Frame1, "TestoAnaConv", QStringLiteral("Bit / Lux LoW BEAM"),
                              QStringLiteral("0"));
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

    Text4 = captionBox(Frame1, "Text4", QStringLiteral("Lux Calibrator HIGH BEAM"));
    TestoLuxAbbCampione = textBox(Frame1, "TestoLuxAbbCampione",
                                  QStringLiteral("Lux Calibrator HIGH BEAM"), QStringLiteral("77"));
    CmdCalibraAbb = button(Frame1, "CmdCalibraAbb", QStringLiteral("Calibrate High Beam"),
                           QStringLiteral("Calibrate High Beam"));
    CmdCalibraAbb->setEnabled(false);
    CmdInterrompiAbb = button(Frame1, "CmdInterrompiAbb", QStringLiteral("Abort"),
                              QStringLiteral("Abort High Beam calibration"));
    CmdInterrompiAbb->hide();
    Text1 = captionBox(Frame1, "Text1", QStringLiteral("Bit Cpu HIGH BEAM"));
    TestoBitAbbScheda = displayBox(Frame1, "TestoBitAbbScheda", QStringLiteral("Bit Cpu HIGH BEAM"),
                                   QStringLiteral("0"));
    Text23 = captionBox(Frame1, "Text23", QStringLiteral("Bit / Lux HIGH BEAM"));
    TestoAbbConv = displayBox(Frame1, "TestoAbbConv", QStringLiteral("Bit / Lux HIGH BEAM"),
                              QStringLiteral("0"));
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
    TestoOffsetFotodiodi->setObjectName(QStringLiteral("TestoOffsetFotodiodi"));
    TestoOffsetFotodiodi->setEnabled(false);
    TestoOffsetFotodiodi->setAccessibleName(QStringLiteral("Photodiode offsets"));
    CmdCalFoto = button(page, "CmdCalFoto", QStringLiteral("Calibrate Photodiode ..."),
                        QStringLiteral("Calibrate Photodiode"));
    CmdCalFoto->setEnabled(false);
    CmdInterrompiFotodiodi = button(page, "CmdInterrompiFotodiodi", QStringLiteral("Abort"),
                                    QStringLiteral("Abort photodiode calibration"));
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
    connect(ListaProtocollo, &QComboBox::currentIndexChanged, this,
            [this] { onListChanged(QStringLiteral("ListaProtocollo")); });
    connect(ListaMisura, &QComboBox::currentIndexChanged, this,
            [this] { onListChanged(QStringLiteral("ListaMisura")); });
    connect(ListaLingua, &QComboBox::currentIndexChanged, this,
            [this] { onListChanged(QStringLiteral("ListaLingua")); });

    connect(CmdInvia, &QPushButton::clicked, this, [this] {
        m_lastBackup.clear();
        runTransfer([this] { SendParameters(m_ctx); });
        if (!m_lastBackup.isEmpty() && status().isEmpty())
            setStatus(QStringLiteral("Previous values saved in %1")
                          .arg(QDir::toNativeSeparators(m_lastBackup)));
    });
    connect(CmdCalibraAna, &QPushButton::clicked, this,
            [this] { runTransfer([this] { LuxCalibration(m_ctx, Beam::Low); }); });
    connect(CmdCalibraAbb, &QPushButton::clicked, this,
            [this] { runTransfer([this] { LuxCalibration(m_ctx, Beam::High); }); });
    connect(CmdCalFoto, &QPushButton::clicked, this,
            [this] { runTransfer([this] { PhotodiodeCalibration(m_ctx); }); });
    for (QPushButton *abort :
         {CmdInterrompiParametri, CmdInterrompiAna, CmdInterrompiAbb, CmdInterrompiFotodiodi}) {
        connect(abort, &QPushButton::clicked, this, [this, abort] {
            m_abortFlag.set();
            abort->hide();
        });
    }

    for (QLineEdit *field :
         {TestoMarca, TestoModello, TestoNumOmologa, TestoNumSerie, TestoVersioneMctc,
          TestoIndirizzoApp, TestoGiornoScadenza, TestoMeseScadenza, TestoAnnoScadenza,
          TestoNomeOfficina, TestoIndirizzo1, TestoIndirizzo2, TestoIndirizzo3, TestoIndirizzo4,
          TestoLuxAnaCampione, TestoLuxAbbCampione})
        field->installEventFilter(this);
}

template <typename Operation> void FrmOrva::runTransfer(Operation operation)
{
    commitFocusedField();
    try {
        operation();
    } catch (const ProgramClosing &) {
        // The window is closing: nothing more to do.
    } catch (const OrvaError &e) {
        // Unexpected trouble with the port or a file: say so and give the
        // window back rather than ending the program under the user.
        for (QPushButton *abort :
             {CmdInterrompiParametri, CmdInterrompiAna, CmdInterrompiAbb, CmdInterrompiFotodiodi})
            abort->hide();
        for (QPushButton *b : {CmdCalibraAna, CmdCalibraAbb, CmdCalFoto})
            b->show();
        m_abortFlag.clear();
        setStatus(QString());
        critical(
            QStringLiteral("ORVA connection ..."),
            QStringLiteral("Error n°%1\r\nDescription : %2").arg(e.number()).arg(e.description()));
        applyAccessLevel();
    }
}

bool FrmOrva::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (field && event->type() == QEvent::FocusIn) {
        // Select the whole width so typing replaces the padding; after a
        // mouse click, once the click has placed the cursor.
        const auto select = [field] {
            field->setSelection(0, std::min<int>(field->maxLength(), int(field->text().size())));
        };
        select();
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, field, select);
    } else if (field && event->type() == QEvent::FocusOut) {
        applyFieldCheck(field);
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmOrva::commitFocusedField()
{
    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (field && FieldRules::isChecked(field->objectName()))
        applyFieldCheck(field);
}

void FrmOrva::applyFieldCheck(QLineEdit *field)
{
    const QString checked = FieldRules::checked(field->objectName(), field->text());
    if (checked != field->text())
        field->setText(checked);
}

void FrmOrva::onListChanged(const QString &list)
{
    ListRules::listChanged(*this, m_session.parametersLoaded, list);
}

void FrmOrva::onPasswordOk()
{
    const AccessLevel level = Access::levelFor(m_password->password());
    setWindowTitle(windowTitle() + Access::captionSuffix(level));
    applyAccessLevel();
}

void FrmOrva::startUp()
{
    try {
        const QVersionNumber v = QVersionNumber::fromString(m_options.version);
        setWindowTitle(BaseCaption + QStringLiteral("%1.%2%3")
                                         .arg(v.majorVersion())
                                         .arg(v.minorVersion())
                                         .arg(v.microVersion()));
        m_session.parameterFilePath = m_session.defaultFile();
        m_abortFlag.clear();
        m_session.parametersLoaded = false;
        ResetParameterFields(*this);
        ListaTipoFaro->addItems(Catalogue::lampTypes());
        ListaTipoFaro->setCurrentIndex(0);
        scanPorts();
        if (ListaCom->count() == 0)
            throw OrvaError(ErrorNumber::InvalidPropertyValue,
                            QStringLiteral("Invalid property value: no serial port can be used. "
                                           "Plug in the tester's serial adapter and check that no "
                                           "other program holds it; on Linux, join the dialout "
                                           "group (sudo usermod -aG dialout $USER) and log in "
                                           "again. Then start the program again."));
        ListaCom->setCurrentIndex(0); // the port choice opens it
        TestoData->setText(
            Frames::dateTimeText(QDateTime::currentDateTime(), Frames::systemDateSeparator()));
        show();
        QMainWindow::setEnabled(false);
        if (!m_password->waitForConfirmation())
            return;
        QMainWindow::setEnabled(true);
        activateWindow();
        LoadParameters(m_ctx);
    } catch (const ProgramClosing &) {
        // Closed while starting: the end steps have run.
    } catch (const OrvaError &e) {
        try {
            reportFatal(*this, e);
        } catch (const ProgramClosing &) {
        }
    }
}

void FrmOrva::scanPorts()
{
    {
        const QSignalBlocker blocker(ListaCom);
        for (int n = 1; n <= PortCatalogue::MaxPorts; ++n) {
            ListaCom->addItem(PortCatalogue::entryText(n));
            ListaCom->setItemData(ListaCom->count() - 1, m_ports.tooltip(n), Qt::ToolTipRole);
            try {
                m_link.open(m_ports.device(n));
                m_link.close();
            } catch (const OrvaError &e) {
                if (e.number() != ErrorNumber::InvalidPortNumber &&
                    e.number() != ErrorNumber::PortAlreadyOpen &&
                    e.number() != ErrorNumber::DeviceNotOpen)
                    throw;
                ListaCom->removeItem(ListaCom->count() - 1);
                m_link.close();
            }
        }
        // Adding to an empty list selects its first entry silently; clear that
        // so selecting it fires the port choice.
        ListaCom->setCurrentIndex(-1);
    }
}

void FrmOrva::choosePort()
{
    m_link.close();
    const int number = PortCatalogue::numberOf(ListaCom->currentText());
    try {
        m_link.open(m_ports.device(number));
    } catch (const OrvaError &e) {
        warning(QStringLiteral("ORVA connection ..."),
                QStringLiteral("%1\r\nChoose another port in \"Port Com\".").arg(e.description()));
    }
}

void FrmOrva::closeEvent(QCloseEvent *event)
{
    // Closes the port and ends any wait; the running operation unwinds.
    const bool wasEnding = m_ending;
    m_ending = true;
    m_link.shutdown();
    if (m_password->isVisible())
        m_password->close(); // ends its wait too
    event->accept();
    if (!wasEnding)
        emit programEnded(0);
}

void FrmOrva::parametersLoaded()
{
    m_lastRead = ParameterDocument::fromForm(*this, m_session);
}

void FrmOrva::aboutToWrite()
{
    if (!m_lastRead.isEmpty())
        m_lastBackup = Backup::save(m_lastRead);
}

void FrmOrva::endProgram()
{
    m_ending = true;
    m_link.shutdown();
    emit programEnded(1);
}

QWidget *FrmOrva::control(const QString &name) const
{
    return findChild<QWidget *>(name);
}

QString FrmOrva::text(const QString &name) const
{
    QWidget *w = control(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(w))
        return plain->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    return {};
}

void FrmOrva::setText(const QString &name, const QString &value)
{
    QWidget *w = control(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setText(value);
        edit->setCursorPosition(0); // a field too narrow shows its beginning
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w))
        plain->setPlainText(QString(value).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

int FrmOrva::maxLength(const QString &name) const
{
    auto *edit = qobject_cast<QLineEdit *>(control(name));
    return edit ? edit->maxLength() : 0;
}

QStringList FrmOrva::items(const QString &list) const
{
    QStringList out;
    if (auto *combo = qobject_cast<QComboBox *>(control(list)))
        for (int i = 0; i < combo->count(); ++i)
            out.append(combo->itemText(i));
    return out;
}

void FrmOrva::setItems(const QString &list, const QStringList &values)
{
    if (auto *combo = qobject_cast<QComboBox *>(control(list))) {
        combo->clear();
        combo->addItems(values);
    }
}

int FrmOrva::currentIndex(const QString &list) const
{
    auto *combo = qobject_cast<QComboBox *>(control(list));
    return combo ? combo->currentIndex() : -1;
}

void FrmOrva::setCurrentIndex(const QString &list, int index)
{
    if (auto *combo = qobject_cast<QComboBox *>(control(list)))
        combo->setCurrentIndex(index);
}

bool FrmOrva::isChecked(const QString &box) const
{
    auto *check = qobject_cast<QCheckBox *>(control(box));
    return check && check->isChecked();
}

void FrmOrva::setChecked(const QString &box, bool checked)
{
    if (auto *check = qobject_cast<QCheckBox *>(control(box)))
        check->setChecked(checked);
}

void FrmOrva::setShown(const QString &name, bool shown)
{
    if (QWidget *w = control(name))
        w->setVisible(shown);
}

void FrmOrva::setEnabled(const QString &name, bool enabled)
{
    if (QWidget *w = control(name))
        w->setEnabled(enabled);
}

void FrmOrva::setStatus(const QString &value)
{
    if (value == m_statusText->text())
        return;
    m_statusText->setText(value);
    emit statusChanged(value);
}

void FrmOrva::setProgress(qint64 done, qint64 total)
{
    emit progressChanged(done, total);
    if (total <= 0) {
        m_progress->hide();
        m_timeLeft->hide();
        return;
    }
    if (done == 0 || !m_progressClock.isValid())
        m_progressClock.start();
    m_progress->setRange(0, int(total));
    m_progress->setValue(int(done));
    m_progress->show();
    // Time left from the pace so far; the line's speed is steady.
    if (done > 0 && m_progressClock.elapsed() > 500) {
        const qint64 left = m_progressClock.elapsed() * (total - done) / done / 1000;
        m_timeLeft->setText(QStringLiteral("about %1 s left").arg(left + 1));
        m_timeLeft->show();
    } else {
        m_timeLeft->hide();
    }
}

QString FrmOrva::status() const
{
    return m_statusText->text();
}

void FrmOrva::setOpen(const QString &name, bool open)
{
    QWidget *w = control(name);
    if (auto *combo = qobject_cast<LockableComboBox *>(w))
        combo->setLocked(!open);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setReadOnly(!open);
    else if (w)
        w->setEnabled(open);
}

void FrmOrva::lockAllControls()
{
    for (const auto &step : ControlTable::lockSteps())
        setOpen(step.control, false);
}

void FrmOrva::applyAccessLevel()
{
    const AccessLevel level = Access::levelFor(m_password->password());
    for (const auto &step : ControlTable::levelSteps(level))
        setOpen(step.control, step.action == ControlTable::Action::Open);
}

void FrmOrva::beep()
{
    m_prompts->beep();
}

bool FrmOrva::confirm(const QString &title, const QString &value)
{
    return m_prompts->confirm(this, title, value);
}

void FrmOrva::critical(const QString &title, const QString &value)
{
    m_prompts->critical(this, title, value);
}

void FrmOrva::warning(const QString &title, const QString &value)
{
    m_prompts->warning(this, title, value);
}
