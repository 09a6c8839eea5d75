#include "MessageBoxPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

void MessageBoxPrompts::beep()
{
    QApplication::beep();
}

bool MessageBoxPrompts::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxPrompts::critical(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

void MessageBoxPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

QString MessageBoxPrompts::saveFileName(QWidget *parent, const QString &title,
                                        const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}
