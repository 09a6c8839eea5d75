#pragma once

#include "link/AbortFlag.h"
#include "link/Equipment.h"
#include "link/PortCatalogue.h"
#include "link/SerialLink.h"
#include "ops/OrvaForm.h"
#include "ops/Session.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QMainWindow>
#include <QStringList>

#include <memory>

class FrmPassword;
class LockableComboBox;
class OrvaError;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class UserPrompts;

struct FrmOrvaOptions
{
    QStringList ports;       // devices listed first, in order
    bool systemPorts = true; // then the system's serial devices
    QString programFolder;   // where the parameter files are; empty: the program's folder
    QString version = QStringLiteral("2.0.3");
};

// The main window: every parameter field, the calibration controls, the
// serial port and the status line. Implements OrvaForm for the operations.
class FrmOrva : public QMainWindow, public OrvaForm
{
    Q_OBJECT
public:
    explicit FrmOrva(const FrmOrvaOptions &options, UserPrompts *prompts = nullptr,
                     QWidget *parent = nullptr);
    ~FrmOrva() override;

    // The start-up steps: state, lists, ports, password, then the load.
    void startUp();

    Session &session() { return m_session; }
    SerialLink &link() { return m_link; }
    Equipment &equipment() { return m_equipment; }
    AbortFlag &abortFlag() { return m_abortFlag; }
    FrmPassword *password() const { return m_password; }

    // OrvaForm
    QString text(const QString &control) const override;
    void setText(const QString &control, const QString &text) override;
    int maxLength(const QString &control) const override;
    QStringList items(const QString &list) const override;
    void setItems(const QString &list, const QStringList &items) override;
    int currentIndex(const QString &list) const override;
    void setCurrentIndex(const QString &list, int index) override;
    bool isChecked(const QString &box) const override;
    void setChecked(const QString &box, bool checked) override;
    void setShown(const QString &control, bool shown) override;
    void setEnabled(const QString &control, bool enabled) override;
    void setStatus(const QString &text) override;
    void setProgress(qint64 done, qint64 total) override;
    QString status() const;
    void lockAllControls() override;
    void LockAllControls() { lockAllControls(); }
    void applyAccessLevel() override;
    void ApplyAccessLevel() { applyAccessLevel(); }
    void beep() override;
    bool confirm(const QString &title, const QString &text) override;
    void critical(const QString &title, const QString &text) override;
    void warning(const QString &title, const QString &text) override;
    void endProgram() override;
    void parametersLoaded() override;
    void aboutToWrite() override;
    // Where the values read before the last write were saved; empty if none.
    QString lastBackup() const { return m_lastBackup; }

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
    QStatusBar *StatusBar;

signals:
    // The program is to end with this status (closing the window: 0).
    void programEnded(int status);
    void statusChanged(const QString &text);
    void progressChanged(qint64 done, qint64 total);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPage1(QWidget *page);
    void buildPage2(QWidget *page);
    void setTabOrderChain();
    void connectHandlers();

    void scanPorts();
    void choosePort();
    void onPasswordOk();
    void onListChanged(const QString &list);
    void commitFocusedField();
    // Replaces a rejected entry of a checked field; other fields pass as typed.
    void applyFieldCheck(QLineEdit *field);
    // Runs a button's operation; an error it did not handle is reported and
    // leaves the window usable.
    template <typename Operation> void runTransfer(Operation operation);
    void reportStartUpError(const OrvaError &error);

    QWidget *control(const QString &name) const;
    void setOpen(const QString &control, bool open);

    FrmOrvaOptions m_options;
    std::unique_ptr<UserPrompts> m_ownPrompts;
    UserPrompts *m_prompts;
    PortCatalogue m_ports;
    SerialLink m_link;
    AbortFlag m_abortFlag;
    Session m_session;
    Equipment m_equipment;
    OpContext m_ctx;
    std::unique_ptr<FrmPassword> m_passwordDialog;
    FrmPassword *m_password = nullptr;
    QLabel *m_statusText = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_timeLeft = nullptr;
    QElapsedTimer m_progressClock;
    QString m_baseCaption;
    QJsonObject m_lastRead;
    QString m_lastBackup;
    bool m_ending = false;
};
