#pragma once

#include <QObject>

class QLineEdit;

// The typed fields' focus rules: a field that gets the focus selects its
// whole width, so typing replaces the padding; a checked field that loses it
// to another control of the window has a rejected entry replaced. Moving to
// another program or a popup is no focus change between the window's
// controls and changes nothing.
class FieldFocusRules : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void watch(QLineEdit *field);
    // Runs the check of a checked field, as before a button's action.
    static void applyCheck(QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
