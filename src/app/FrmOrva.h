#pragma once

#include "history/HistoryEntry.h"
#include "ops/TesterSession.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class FieldFocusRules;
class HistoryPage;
class PendingChanges;
class ServiceHistory;
class FrmPassword;
class LockableComboBox;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class StatusArea;
class UserPrompts;
class WindowForm;
struct Outcome;

struct FrmOrvaOptions
{
    QStringList ports;       // devices listed first, in order
    bool systemPorts = true; // then the system's serial devices
    QString programFolder;   // where the parameter files are; empty: the program's folder
    QString history;         // the service history's location; empty: the configured one
    QString version = QStringLiteral("2.0.3");
};

// The main window: every parameter field, the calibration controls, the
// serial port and the status line, laid out; the operations run on it
// through its form adapter.
class FrmOrva : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmOrva(const FrmOrvaOptions &options, UserPrompts *prompts = nullptr,
                     QWidget *parent = nullptr);
    ~FrmOrva() override;

    // The start-up steps: state, lists, ports, password, then the load.
    void startUp();

    TesterSession &tester() { return *m_tester; }
    Session &session() { return m_tester->state(); }
    SerialLink &link() { return m_tester->serial(); }
    AbortFlag &abortFlag() { return m_tester->abortFlag(); }
    WindowForm &form() { return *m_form; }
    FrmPassword *password() const { return m_password; }
    QString status() const;
    ServiceHistory *history() const { return m_history.get(); }

    // Page 1, frame "Calibration General Equipment Parameters"
    QLineEdit *Text19, *TestoVersioneScheda, *TestoFileIni;
    QLabel *Label3;
    QLineEdit *Text5, *Text10, *Text6, *Text11, *Text7, *Text12, *Text8, *Text15, *Text24, *Text9,
        *Text14, *Text13, *Text16, *Text17, *Text18, *Text21;
    LockableComboBox *ListaLingua, *ListaLingua1, *ListaMisura, *ListaPannello, *ListaProtocollo,
        *ListaTipoFaro, *ListaCom;
    QLineEdit *TestoMarca, *TestoModello, *TestoNumOmologa, *TestoVersioneMctc, *TestoNumSerie,
        *TestoIndirizzoApp, *TestoGiornoScadenza, *TestoMeseScadenza, *TestoAnnoScadenza,
        *TestoData;
    QCheckBox *ChkEnFogReq, *ChkEnForzatura, *ChkEnPrecFaro;
    // frame "Printing Options"
    QLineEdit *Text25, *Text26, *TestoNomeOfficina, *TestoIndirizzo1, *TestoIndirizzo2,
        *TestoIndirizzo3, *TestoIndirizzo4;
    QCheckBox *ChkPrnHfaroIncl;
    // bottom row of page 1
    QPushButton *CmdInvia, *CmdInterrompiParametri;
    QLineEdit *Text20;
    QLabel *Label1;
    // Page 2
    QLineEdit *Text3, *TestoLuxAnaCampione, *Text2, *TestoBitAnaScheda, *Text22, *TestoAnaConv;
    QLineEdit *Text4, *TestoLuxAbbCampione, *Text1, *TestoBitAbbScheda, *Text23, *TestoAbbConv;
    QPushButton *CmdCalibraAna, *CmdInterrompiAna, *CmdCalibraAbb, *CmdInterrompiAbb;
    QPlainTextEdit *TestoOffsetFotodiodi;
    QPushButton *CmdCalFoto, *CmdInterrompiFotodiodi;
    QLabel *Label2;
    QFrame *Shape1;
    QGroupBox *Frame1, *Frame2, *Frame3;
    QTabWidget *SSTab1;
    HistoryPage *PageHistory;
    QStatusBar *StatusBar;

signals:
    // The program is to end with this status (closing the window: 0).
    void programEnded(int status);
    void statusChanged(const QString &text);
    void progressChanged(qint64 done, qint64 total);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPage1(QWidget *page);
    void buildPage2(QWidget *page);
    void setTabOrderChain();
    void connectHandlers();

    void scanPorts();
    void choosePort();
    void onPasswordOk();
    // Runs a button's operation with the focused field checked first, and
    // tells the user how it ended.
    void runTransfer(HistoryEntry::Kind kind, const QString &name,
                     const std::function<Outcome()> &operation);
    void present(const Outcome &outcome);
    void showUnpushed();
    // How an operation ended, in words, for the status bar.
    QString describe(HistoryEntry::Kind kind, const QString &operation,
                     const Outcome &outcome) const;
    void endProgram(int status);

    FrmOrvaOptions m_options;
    std::unique_ptr<UserPrompts> m_ownPrompts;
    UserPrompts *m_prompts;
    StatusArea *m_statusArea = nullptr;
    FieldFocusRules *m_focusRules = nullptr;
    WindowForm *m_form = nullptr;
    PendingChanges *m_pending = nullptr;
    std::unique_ptr<TesterSession> m_tester;
    FrmPassword *m_password = nullptr;
    std::unique_ptr<ServiceHistory> m_history;
    bool m_ending = false;
    QString m_limitsProblem; // a [limits] line of the settings file that cannot be used
    bool m_busy = false;     // a transfer is running
};
