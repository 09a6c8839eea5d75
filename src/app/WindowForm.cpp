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
    for (const Control c : Controls::all())
        updateLook(c);
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
        edit->setCursorPosition(0);           // a field too narrow shows its beginning
        if (control == Control::TestoFileIni) // a path as long as the folder it lies in
            edit->setToolTip(value);
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
        // Never narrower than its longest item, wherever the page puts it.
        combo->setMinimumWidth(combo->sizeHint().width());
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
    updateLook(control);
}

void WindowForm::setLevel(AccessLevel level)
{
    m_level = level;
    for (const Control c : Controls::all())
        if (Controls::info(c).interlocked)
            updateLook(c);
}

void WindowForm::setPending(Control control, bool pending)
{
    if (m_pending.value(control) == pending)
        return;
    m_pending[control] = pending;
    updateLook(control);
}

void WindowForm::updateLook(Control control)
{
    QWidget *w = widget(control);
    const ControlInfo &row = Controls::info(control);
    if (row.kind != ControlKind::Text && row.kind != ControlKind::List &&
        row.kind != ControlKind::Check)
        return;
    const bool pending = m_pending.value(control);
    const bool closedToLevel =
        row.interlocked && m_level && Controls::action(control, *m_level) != LevelAction::Open;
    // The platform's colours, the read-only field taking the window's; a
    // change not sent yet is tinted and bold, so not told by colour alone.
    const QPalette plain = m_window.palette();
    QPalette palette = plain;
    const QPalette::ColorRole role = row.kind == ControlKind::Check  ? QPalette::WindowText
                                     : row.kind == ControlKind::List ? QPalette::Button
                                                                     : QPalette::Base;
    if (pending)
        palette.setColor(role, row.kind == ControlKind::Check ? QColor(0x8a, 0x4b, 0x00)
                                                              : QColor(0xff, 0xe8, 0x9c));
    else if (!isOpen(control) && row.kind != ControlKind::Check)
        palette.setColor(role, plain.color(QPalette::Window).darker(104));
    w->setPalette(palette);
    QFont font = w->font();
    font.setBold(pending);
    w->setFont(font);
    w->setToolTip(pending         ? tr("Changed: not sent to the equipment yet")
                  : closedToLevel ? tr("Not changeable with this password")
                                  : QString());
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
