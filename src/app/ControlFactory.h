#pragma once

#include "base/Control.h"

#include <QString>

class LockableComboBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The kinds of control the main window is made of, each built with its
// object name, accessible name and state at creation.
namespace ControlFactory {

// A read-only caption used as a label: grey, no focus.
QLineEdit *captionBox(QWidget *parent, const char *name, const QString &text);
// The controls of the table carry its name and, as accessible name, its
// caption.
// A field the user types into, locked until a level opens it, as long as the
// table says.
QLineEdit *textBox(QWidget *parent, Control control, const QString &text = QString());
// Filled by the program only: grey, read-only, takes focus; at least as wide
// as `longest`.
QLineEdit *displayBox(QWidget *parent, Control control, const QString &text = QString(),
                      const QString &longest = QString());
LockableComboBox *comboBox(QWidget *parent, Control control,
                           const QString &placeholder = QString());
// Disabled, with its caption as its text.
QCheckBox *checkBox(QWidget *parent, Control control, bool checked);
QPushButton *button(QWidget *parent, Control control, const QString &text);
QLabel *exitHint(QWidget *parent, const char *name);

// How wide a line edit must be to show `text` whole, in its own font.
int widthFor(const QLineEdit *edit, const QString &text);
// The value of the field's greatest length the width is measured with: as
// wide a letter as most capitals.
QString longestValue(Control field);

} // namespace ControlFactory
