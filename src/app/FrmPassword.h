#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks once for the password that decides the access level. A modal child of
// the main window, so it stays in front of it and has no task-bar entry of
// its own. The text stays in TestoPassword for the whole run: the level is
// derived from it each time.
class FrmPassword : public QDialog
{
    Q_OBJECT
public:
    explicit FrmPassword(QWidget *parent);

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
};
