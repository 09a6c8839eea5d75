#include "ControlFactory.h"

#include "LockableComboBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

void greyBackground(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    w->setPalette(p);
}

} // namespace

namespace ControlFactory {

QLineEdit *captionBox(QWidget *parent, const char *name, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    greyBackground(box);
    box->setAccessibleName(text);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(text) + 14);
    return box;
}

QLineEdit *textBox(QWidget *parent, Control control, const QString &text)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(Controls::name(control));
    const int maxLength = Controls::info(control).maxLength;
    box->setMaxLength(maxLength);
    box->setText(text);
    box->setReadOnly(true);
    box->setAccessibleName(Controls::caption(control));
    if (maxLength > 4) // wide enough for a typical value
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * std::min(maxLength, 20) + 10);
    else // short numeric fields are only as wide as their digits
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(maxLength + 1, u'0')) + 16);
    return box;
}

QLineEdit *displayBox(QWidget *parent, Control control, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(Controls::name(control));
    box->setReadOnly(true);
    greyBackground(box);
    box->setAccessibleName(Controls::caption(control));
    return box;
}

LockableComboBox *comboBox(QWidget *parent, Control control, const QString &placeholder)
{
    auto *combo = new LockableComboBox(parent);
    combo->setObjectName(Controls::name(control));
    combo->setPlaceholderText(placeholder);
    combo->setAccessibleName(Controls::caption(control));
    combo->setMinimumContentsLength(9);
    return combo;
}

QCheckBox *checkBox(QWidget *parent, Control control, bool checked)
{
    auto *box = new QCheckBox(Controls::caption(control), parent);
    box->setObjectName(Controls::name(control));
    box->setChecked(checked);
    box->setEnabled(false);
    box->setAccessibleName(Controls::caption(control));
    return box;
}

QPushButton *button(QWidget *parent, Control control, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(Controls::name(control));
    b->setAccessibleName(Controls::caption(control));
    b->setAutoDefault(false);
    return b;
}

QLabel *exitHint(QWidget *parent, const char *name)
{
    auto *label = new QLabel(QStringLiteral("Exit : ALT + F4"), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace ControlFactory
