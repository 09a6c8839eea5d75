#include "PendingChanges.h"

#include "WindowForm.h"
#include "ops/ParameterDocument.h"
#include "ops/TesterSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

PendingChanges::PendingChanges(WindowForm &form, TesterSession &tester, QObject *parent)
    : QObject(parent)
    , m_form(form)
    , m_tester(tester)
{
    for (const Control c : Controls::all()) {
        if (!Controls::info(c).field || Controls::info(c).kind == ControlKind::Display)
            continue;
        m_fields.append(c);
        QWidget *w = form.widget(c);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            connect(edit, &QLineEdit::textChanged, this, &PendingChanges::refresh);
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            connect(combo, &QComboBox::currentIndexChanged, this, &PendingChanges::refresh);
        else if (auto *box = qobject_cast<QCheckBox *>(w))
            connect(box, &QCheckBox::toggled, this, &PendingChanges::refresh);
    }
}

void PendingChanges::refresh()
{
    // While a load fills the window nothing can be pending; the document is
    // not built for every value it sets.
    const bool loaded = m_tester.state().parametersLoaded;
    if (!loaded && m_count == 0)
        return;
    const TesterState &known = m_tester.testerState();
    const bool compare = loaded && !known.isEmpty();
    int count = 0;
    for (const Control c : std::as_const(m_fields)) {
        const bool pending =
            compare &&
            !TesterState::same(c, known.value(c), ParameterDocument::fieldValue(m_form, c));
        m_form.setPending(c, pending);
        count += pending;
    }
    if (count != m_count) {
        m_count = count;
        emit countChanged(count);
    }
}
