#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks once for the password that decides the access level. The text stays
// in TestoPassword for the whole run: the level is derived from it each time.
class FrmPassword : public QDialog
{
    Q_OBJECT
public:
    explicit FrmPassword(QWidget *parent = nullptr);

    QString password() const;

    // Shows the dialog and returns once OK was pressed (true) or the dialog
    // was closed without it (false).
    bool waitForConfirmation();

    QLabel *lblTipText;
    QLineEdit *TestoPassword;
    QPushButton *CmdOk;

signals:
    // OK pressed: the main window applies the level before the hand-over.
    void okPressed();
    // Closed by its frame or Escape before OK: the program ends.
    void abandoned();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    bool PasswordConfirmed = false;
    bool m_closed = false;
};
