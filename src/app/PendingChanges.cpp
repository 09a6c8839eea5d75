#include "PendingChanges.h"

#include "WindowForm.h"
#include "ops/TesterSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonObject>
#include <QLineEdit>

namespace {

// The value as the tester stores it: texts padded with blanks to their width.
QJsonValue stored(Control c, const QJsonValue &v)
{
    const ControlInfo &row = Controls::info(c);
    if (v.isObject())
        return v.toObject().value("index");
    if (row.reset && qstrcmp(row.reset, Controls::Blanks) == 0)
        return v.toString().leftJustified(row.maxLength, u' ');
    return v;
}

} // namespace

PendingChanges::PendingChanges(WindowForm &form, TesterSession &tester, QObject *parent)
    : QObject(parent)
    , m_form(form)
    , m_tester(tester)
{
    for (const Control c : Controls::all()) {
        if (!Controls::info(c).field || Controls::info(c).kind == ControlKind::Display)
            continue;
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
    const QJsonObject known = m_tester.testerState().value("fields").toObject();
    const bool compare = loaded && !known.isEmpty();
    const QJsonObject shown =
        compare ? m_tester.document().value("fields").toObject() : QJsonObject();
    int count = 0;
    for (const Control c : Controls::all()) {
        const ControlInfo &row = Controls::info(c);
        if (!row.field || row.kind == ControlKind::Display)
            continue;
        const QString name = QString::fromLatin1(row.field);
        const bool pending =
            compare && stored(c, shown.value(name)) != stored(c, known.value(name));
        m_form.setPending(c, pending);
        count += pending;
    }
    if (count != m_count) {
        m_count = count;
        emit countChanged(count);
    }
}
