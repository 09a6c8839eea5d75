#include "ControlFactory.h"

#include "LockableComboBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ControlFactory)
};

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
    box->setMinimumWidth(widthFor(box, text));
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
    box->setMinimumWidth(widthFor(box, longestValue(control)));
    if (maxLength <= 4) // short fields are no wider than their value
        box->setMaximumWidth(box->minimumWidth());
    return box;
}

QLineEdit *displayBox(QWidget *parent, Control control, const QString &text, const QString &longest)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(Controls::name(control));
    box->setReadOnly(true);
    greyBackground(box);
    box->setAccessibleName(Controls::caption(control));
    if (!longest.isEmpty())
        box->setMinimumWidth(widthFor(box, longest));
    return box;
}

LockableComboBox *comboBox(QWidget *parent, Control control, const QString &placeholder)
{
    auto *combo = new LockableComboBox(parent);
    combo->setObjectName(Controls::name(control));
    combo->setPlaceholderText(placeholder);
    combo->setAccessibleName(Controls::caption(control));
    // Items come after the window is shown: the width follows them.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
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
    auto *label = new QLabel(Texts::tr("Exit : ALT + F4"), parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

int widthFor(const QLineEdit *edit, const QString &text)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QMargins margins = edit->textMargins();
    // 2 pixels either side are the line edit's own, inside its frame.
    const QSize content(edit->fontMetrics().horizontalAdvance(text) + 4 + margins.left() +
                            margins.right(),
                        edit->fontMetrics().height());
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, content, edit).width() + 1;
}

QString longestValue(Control field)
{
    return QString(Controls::info(field).maxLength, u'N');
}

} // namespace ControlFactory
