#include "WindowForm.h"

#include "LockableComboBox.h"
#include "StatusArea.h"
#include "UserPrompts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

WindowForm::WindowForm(QWidget &window, StatusArea &status, UserPrompts &prompts)
    : QObject(&window)
    , m_window(window)
    , m_status(status)
    , m_prompts(prompts)
{
    for (const Control c : Controls::all()) {
        QWidget *w = window.findChild<QWidget *>(Controls::name(c));
        if (!w)
            qFatal("WindowForm: the window has no control named %s", Controls::info(c).name);
        m_widgets[std::size_t(c)] = w;
        if (auto *combo = qobject_cast<QComboBox *>(w))
            connect(combo, &QComboBox::currentIndexChanged, this,
                    [this, c] { notifyListChanged(c); });
    }
}

QString WindowForm::text(Control control) const
{
    QWidget *w = widget(control);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(w))
        return plain->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    return {};
}

void WindowForm::setText(Control control, const QString &value)
{
    QWidget *w = widget(control);
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setText(value);
        edit->setCursorPosition(0); // a field too narrow shows its beginning
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w)) {
        plain->setPlainText(QString(value).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

QStringList WindowForm::items(Control list) const
{
    QStringList out;
    if (auto *combo = qobject_cast<QComboBox *>(widget(list)))
        for (int i = 0; i < combo->count(); ++i)
            out.append(combo->itemText(i));
    return out;
}

void WindowForm::setItems(Control list, const QStringList &values)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget(list))) {
        combo->clear();
        combo->addItems(values);
    }
}

int WindowForm::currentIndex(Control list) const
{
    auto *combo = qobject_cast<QComboBox *>(widget(list));
    return combo ? combo->currentIndex() : -1;
}

void WindowForm::setCurrentIndex(Control list, int index)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget(list)))
        combo->setCurrentIndex(index);
}

bool WindowForm::isChecked(Control box) const
{
    auto *check = qobject_cast<QCheckBox *>(widget(box));
    return check && check->isChecked();
}

void WindowForm::setChecked(Control box, bool checked)
{
    if (auto *check = qobject_cast<QCheckBox *>(widget(box)))
        check->setChecked(checked);
}

void WindowForm::setOpen(Control control, bool open)
{
    QWidget *w = widget(control);
    if (auto *combo = qobject_cast<LockableComboBox *>(w))
        combo->setLocked(!open);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setReadOnly(!open);
    else
        w->setEnabled(open);
}

bool WindowForm::isOpen(Control control) const
{
    QWidget *w = widget(control);
    if (auto *combo = qobject_cast<LockableComboBox *>(w))
        return !combo->isLocked();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return !edit->isReadOnly();
    return w->isEnabled();
}

void WindowForm::setShown(Control control, bool shown)
{
    widget(control)->setVisible(shown);
}

void WindowForm::setStatus(const QString &value)
{
    m_status.setText(value);
}

void WindowForm::setProgress(qint64 done, qint64 total)
{
    m_status.setProgress(done, total);
}

void WindowForm::beep()
{
    m_prompts.beep();
}

bool WindowForm::confirm(const QString &title, const QString &value)
{
    return m_prompts.confirm(&m_window, title, value);
}
