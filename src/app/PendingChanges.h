#pragma once

#include "base/Control.h"

#include <QList>
#include <QObject>

class TesterSession;
class WindowForm;

// Marks every field whose value differs from what the tester was last read
// or written to hold: a tinted, bold field (so not by colour alone), and the
// count of such changes for the status bar.
class PendingChanges : public QObject
{
    Q_OBJECT
public:
    PendingChanges(WindowForm &form, TesterSession &tester, QObject *parent = nullptr);

    int count() const { return m_count; }
    // Compares the fields with the tester's state again.
    void refresh();

signals:
    void countChanged(int count);

private:
    WindowForm &m_form;
    TesterSession &m_tester;
    QList<Control> m_fields; // the document's fields the user can edit
    int m_count = 0;
};
