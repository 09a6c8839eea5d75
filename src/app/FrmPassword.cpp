#include "FrmPassword.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmPassword::FrmPassword(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmPassword"));
    setWindowTitle(QStringLiteral("Enable Setting General Equipment Parameters"));
    setFixedSize(378, 107);
    setModal(false);

    lblTipText = new QLabel(QStringLiteral("Enter password :"), this);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    QFont labelFont = lblTipText->font();
    labelFont.setPointSizeF(9.75);
    lblTipText->setFont(labelFont);

    TestoPassword = new QLineEdit(this);
    TestoPassword->setObjectName(QStringLiteral("TestoPassword"));
    TestoPassword->setEchoMode(QLineEdit::Password);
    TestoPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    TestoPassword->setAccessibleName(QStringLiteral("Enter password"));
    QFont boxFont = TestoPassword->font();
    boxFont.setPointSize(12);
    TestoPassword->setFont(boxFont);

    CmdOk = new QPushButton(QStringLiteral("OK"), this);
    CmdOk->setObjectName(QStringLiteral("CmdOk"));
    CmdOk->setDefault(true);
    CmdOk->setAccessibleName(QStringLiteral("OK"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(lblTipText);
    layout->addWidget(TestoPassword);
    layout->addWidget(CmdOk, 0, Qt::AlignRight);
    setTabOrder(TestoPassword, CmdOk);

    connect(CmdOk, &QPushButton::clicked, this, [this] {
        emit okPressed();
        PasswordConfirmed = true;
    });
}

QString FrmPassword::password() const
{
    return TestoPassword->text();
}

bool FrmPassword::waitForConfirmation()
{
    PasswordConfirmed = false;
    show();
    raise();
    activateWindow();
    TestoPassword->setFocus();
    QEventLoop loop;
    connect(CmdOk, &QPushButton::clicked, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    connect(this, &FrmPassword::abandoned, &loop, &QEventLoop::quit);
    while (!PasswordConfirmed && !m_closed) {
        if (loop.exec() == -1)
            return false; // the application is quitting
    }
    if (PasswordConfirmed)
        hide();
    return PasswordConfirmed;
}

void FrmPassword::closeEvent(QCloseEvent *event)
{
    if (!PasswordConfirmed) {
        m_closed = true;
        emit abandoned();
    }
    event->accept();
}

void FrmPassword::reject()
{
    // Escape closes the dialog like its frame does.
    close();
}
