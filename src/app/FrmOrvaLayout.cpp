#include "FrmOrva.h"

#include "ControlFactory.h"
#include "LockableComboBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The two pages of the window: every control in the place its caption and
// its neighbours give it, each wide enough for its longest value.

namespace Build = ControlFactory;

namespace {

// A button and its Abort button take turns in one place: as wide as the wider,
// so nothing moves when one replaces the other.
void sharePlace(QPushButton *a, QPushButton *b)
{
    const int width = std::max(a->sizeHint().width(), b->sizeHint().width());
    a->setMinimumWidth(width);
    b->setMinimumWidth(width);
}

} // namespace

void FrmOrva::buildPage1(QWidget *page)
{
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(6, 2, 6, 4);
    pageLayout->setSpacing(3);
    Label1 = Build::exitHint(page, "Label1");
    pageLayout->addWidget(Label1, 0, Qt::AlignRight);

    Frame2 = new QGroupBox(tr("Calibration General Equipment Parameters"), page);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto *g = new QGridLayout(Frame2);
    g->setHorizontalSpacing(3);
    g->setVerticalSpacing(3);
    g->setContentsMargins(4, 4, 4, 4);

    Label3 = new QLabel(tr("Versione Firmware"), Frame2);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Text19 = Build::captionBox(Frame2, "Text19", tr("Firmware Version"));
    TestoVersioneScheda =
        Build::displayBox(Frame2, Control::TestoVersioneScheda, QString(), tr("ORVA ver. NNNN"));
    TestoFileIni = Build::displayBox(Frame2, Control::TestoFileIni);
    g->addWidget(Label3, 0, 0);
    g->addWidget(Text19, 0, 0);
    Text19->raise(); // covers Label3
    g->addWidget(TestoVersioneScheda, 0, 1);
    g->addWidget(TestoFileIni, 0, 2, 1, 2);

    Text5 = Build::captionBox(Frame2, "Text5", tr("Language"));
    ListaLingua = Build::comboBox(Frame2, Control::ListaLingua, tr("Scegli la Lingua"));
    Text10 = Build::captionBox(Frame2, "Text10", tr("Unit of Light"));
    ListaMisura = Build::comboBox(Frame2, Control::ListaMisura);
    g->addWidget(Text5, 1, 0);
    g->addWidget(ListaLingua, 1, 1);
    g->addWidget(Text10, 1, 2);
    g->addWidget(ListaMisura, 1, 3);

    Text6 = Build::captionBox(Frame2, "Text6", tr("Manufacter"));
    TestoMarca = Build::textBox(Frame2, Control::TestoMarca);
    Text11 = Build::captionBox(Frame2, "Text11", tr("Type of Panel"));
    ListaPannello = Build::comboBox(Frame2, Control::ListaPannello);
    g->addWidget(Text6, 2, 0);
    g->addWidget(TestoMarca, 2, 1);
    g->addWidget(Text11, 2, 2);
    g->addWidget(ListaPannello, 2, 3);

    Text7 = Build::captionBox(Frame2, "Text7", tr("Model"));
    TestoModello = Build::textBox(Frame2, Control::TestoModello);
    Text12 = Build::captionBox(Frame2, "Text12", tr("Protocol RS232"));
    ListaProtocollo = Build::comboBox(Frame2, Control::ListaProtocollo);
    g->addWidget(Text7, 3, 0);
    g->addWidget(TestoModello, 3, 1);
    g->addWidget(Text12, 3, 2);
    g->addWidget(ListaProtocollo, 3, 3);

    Text8 = Build::captionBox(Frame2, "Text8", tr("Homologation N."));
    TestoNumOmologa = Build::textBox(Frame2, Control::TestoNumOmologa);
    Text15 = Build::captionBox(Frame2, "Text15", tr("MCTC-NET Version"));
    TestoVersioneMctc = Build::textBox(Frame2, Control::TestoVersioneMctc);
    g->addWidget(Text8, 4, 0);
    g->addWidget(TestoNumOmologa, 4, 1);
    g->addWidget(Text15, 4, 2);
    g->addWidget(TestoVersioneMctc, 4, 3, Qt::AlignLeft);

    Text9 = Build::captionBox(Frame2, "Text9", tr("Serial Number"));
    TestoNumSerie = Build::textBox(Frame2, Control::TestoNumSerie);
    Text14 = Build::captionBox(Frame2, "Text14", tr("Equipment Address"));
    TestoIndirizzoApp = Build::textBox(Frame2, Control::TestoIndirizzoApp);
    g->addWidget(Text9, 5, 0);
    g->addWidget(TestoNumSerie, 5, 1);
    g->addWidget(Text14, 5, 2);
    g->addWidget(TestoIndirizzoApp, 5, 3, Qt::AlignLeft);

    Text13 = Build::captionBox(Frame2, "Text13", tr("Date of Expire"));
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
    Text24 = Build::captionBox(Frame2, "Text24", tr("Type of Lamp"));
    ListaTipoFaro = Build::comboBox(Frame2, Control::ListaTipoFaro, tr("Scegli la Lingua"));
    g->addWidget(Text13, 6, 0);
    g->addLayout(date, 6, 1);
    g->addWidget(Text24, 6, 2);
    g->addWidget(ListaTipoFaro, 6, 3);

    Text21 = Build::captionBox(Frame2, "Text21", QString());
    Text21->setAccessibleName(Controls::caption(Control::TestoData));
    Text21->setMinimumHeight(2 * Text21->sizeHint().height());
    TestoData = Build::displayBox(Frame2, Control::TestoData, QString(),
                                  QStringLiteral("00/00/0000 00:00:00"));
    g->addWidget(Text21, 7, 2);
    g->addWidget(TestoData, 7, 3);

    ChkEnFogReq = Build::checkBox(Frame2, Control::ChkEnFogReq, false);
    ChkEnForzatura = Build::checkBox(Frame2, Control::ChkEnForzatura, false);
    ChkEnPrecFaro = Build::checkBox(Frame2, Control::ChkEnPrecFaro, false);
    auto *switches = new QHBoxLayout;
    for (QCheckBox *b : {ChkEnFogReq, ChkEnForzatura, ChkEnPrecFaro})
        switches->addWidget(b);
    g->addLayout(switches, 8, 0, 1, 4);
    pageLayout->addWidget(Frame2, 1);

    Frame3 = new QGroupBox(tr("Printing Options"), page);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto *p = new QGridLayout(Frame3);
    p->setVerticalSpacing(2);
    Text25 = Build::captionBox(Frame3, "Text25", tr("Garage Name"));
    TestoNomeOfficina = Build::textBox(Frame3, Control::TestoNomeOfficina);
    ChkPrnHfaroIncl = Build::checkBox(Frame3, Control::ChkPrnHfaroIncl, true);
    Text26 = Build::captionBox(Frame3, "Text26", tr("Garage address"));
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
    CmdInvia = Build::button(page, Control::CmdInvia, tr("Send Parameters to Equipment !"));
    CmdInvia->setEnabled(false);
    CmdInvia->hide();
    CmdInterrompiParametri = Build::button(page, Control::CmdInterrompiParametri, tr("Abort"));
    CmdInterrompiParametri->hide();
    Text20 = Build::captionBox(page, "Text20", tr("Port Com"));
    ListaCom = Build::comboBox(page, Control::ListaCom, tr("Seleziona COM"));
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

    Frame1 = new QGroupBox(tr("Calibrate Photodiode Light at battery voltage of 13,8 V :"), page);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *g = new QGridLayout(Frame1);
    g->setColumnStretch(5, 1);
    g->setHorizontalSpacing(2);
    g->setContentsMargins(3, 4, 3, 4);

    Text3 = Build::captionBox(Frame1, "Text3", tr("Lux Calibrator LOW BEAM"));
    TestoLuxAnaCampione =
        Build::textBox(Frame1, Control::TestoLuxAnaCampione, QStringLiteral("29"));
    CmdCalibraAna = Build::button(Frame1, Control::CmdCalibraAna, tr("Calibrate Low Beam"));
    CmdCalibraAna->setEnabled(false);
    CmdInterrompiAna = Build::button(Frame1, Control::CmdInterrompiAna, tr("Abort"));
    CmdInterrompiAna->hide();
    sharePlace(CmdCalibraAna, CmdInterrompiAna);
    Text2 = Build::captionBox(Frame1, "Text2", tr("Bit Cpu LOW BEAM"));
    TestoBitAnaScheda = Build::displayBox(Frame1, Control::TestoBitAnaScheda, QStringLiteral("0"),
                                          QStringLiteral("4294967295"));
    Text22 = Build::captionBox(Frame1, "Text22", tr("Bit / Lux LoW BEAM"));
    TestoAnaConv = Build::displayBox(Frame1, Control::TestoAnaConv, QStringLiteral("0"),
                                     QStringLiteral("65535"));
    // Each half in two columns, the button under the reference field: side by
    // side they would not fit the window.
    g->addWidget(Text3, 0, 0);
    g->addWidget(TestoLuxAnaCampione, 0, 1);
    g->addWidget(CmdCalibraAna, 1, 1);
    g->addWidget(CmdInterrompiAna, 1, 1);
    g->addWidget(Text2, 2, 0);
    g->addWidget(TestoBitAnaScheda, 2, 1);
    g->addWidget(Text22, 3, 0);
    g->addWidget(TestoAnaConv, 3, 1);

    Shape1 = new QFrame(Frame1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::VLine);
    g->addWidget(Shape1, 0, 2, 4, 1);

    Text4 = Build::captionBox(Frame1, "Text4", tr("Lux Calibrator HIGH BEAM"));
    TestoLuxAbbCampione =
        Build::textBox(Frame1, Control::TestoLuxAbbCampione, QStringLiteral("77"));
    CmdCalibraAbb = Build::button(Frame1, Control::CmdCalibraAbb, tr("Calibrate High Beam"));
    CmdCalibraAbb->setEnabled(false);
    CmdInterrompiAbb = Build::button(Frame1, Control::CmdInterrompiAbb, tr("Abort"));
    CmdInterrompiAbb->hide();
    sharePlace(CmdCalibraAbb, CmdInterrompiAbb);
    Text1 = Build::captionBox(Frame1, "Text1", tr("Bit Cpu HIGH BEAM"));
    TestoBitAbbScheda = Build::displayBox(Frame1, Control::TestoBitAbbScheda, QStringLiteral("0"),
                                          QStringLiteral("4294967295"));
    Text23 = Build::captionBox(Frame1, "Text23", tr("Bit / Lux HIGH BEAM"));
    TestoAbbConv = Build::displayBox(Frame1, Control::TestoAbbConv, QStringLiteral("0"),
                                     QStringLiteral("65535"));
    g->addWidget(Text4, 0, 3);
    g->addWidget(TestoLuxAbbCampione, 0, 4);
    g->addWidget(CmdCalibraAbb, 1, 4);
    g->addWidget(CmdInterrompiAbb, 1, 4);
    g->addWidget(Text1, 2, 3);
    g->addWidget(TestoBitAbbScheda, 2, 4);
    g->addWidget(Text23, 3, 3);
    g->addWidget(TestoAbbConv, 3, 4);
    pageLayout->addWidget(Frame1);

    auto *lower = new QGridLayout;
    TestoOffsetFotodiodi = new QPlainTextEdit(page);
    TestoOffsetFotodiodi->setObjectName(Controls::name(Control::TestoOffsetFotodiodi));
    TestoOffsetFotodiodi->setEnabled(false);
    TestoOffsetFotodiodi->setAccessibleName(Controls::caption(Control::TestoOffsetFotodiodi));
    CmdCalFoto = Build::button(page, Control::CmdCalFoto, tr("Calibrate Photodiode ..."));
    CmdCalFoto->setEnabled(false);
    CmdInterrompiFotodiodi = Build::button(page, Control::CmdInterrompiFotodiodi, tr("Abort"));
    CmdInterrompiFotodiodi->hide();
    sharePlace(CmdCalFoto, CmdInterrompiFotodiodi);
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
