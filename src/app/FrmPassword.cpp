#include "FrmPassword.h"

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
    setWindowTitle(tr("Enable Setting General Equipment Parameters"));
    setFixedSize(378, 107);
    setModal(true);

    lblTipText = new QLabel(tr("Enter password :"), this);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setTextFormat(Qt::PlainText);
    QFont labelFont = lblTipText->font();
    labelFont.setPointSizeF(9.75);
    lblTipText->setFont(labelFont);

    TestoPassword = new QLineEdit(this);
    TestoPassword->setObjectName(QStringLiteral("TestoPassword"));
    TestoPassword->setEchoMode(QLineEdit::Password);
    TestoPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    TestoPassword->setAccessibleName(tr("Enter password"));
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
        accept();
    });
}

QString FrmPassword::password() const
{
    return TestoPassword->text();
}

bool FrmPassword::waitForConfirmation()
{
    TestoPassword->setFocus();
    return exec() == QDialog::Accepted;
}
