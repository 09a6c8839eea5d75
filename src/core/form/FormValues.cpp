#include "FormValues.h"

FormValues::FormValues()
{
    for (const Control c : {Control::TestoBitAnaScheda, Control::TestoAnaConv,
                            Control::TestoBitAbbScheda, Control::TestoAbbConv})
        m_texts[c] = QStringLiteral("0");
    for (const Control c : Controls::all()) {
        const ControlInfo &row = Controls::info(c);
        if (row.kind == ControlKind::Text && row.reset && qstrcmp(row.reset, Controls::Blanks) != 0)
            m_texts[c] = QString::fromLatin1(row.reset);
    }
    m_checks[Control::ChkPrnHfaroIncl] = true;
}

void FormValues::setText(Control control, const QString &text)
{
    const int width = Controls::info(control).maxLength;
    m_texts[control] = width > 0 ? text.left(width) : text;
}

void FormValues::setItems(Control list, const QStringList &items)
{
    m_items[list] = items;
    // As a combo box does: emptied, it selects nothing; filled, its first entry.
    setCurrentIndex(list, -1);
    setCurrentIndex(list, items.isEmpty() ? -1 : 0);
}

void FormValues::setCurrentIndex(Control list, int index)
{
    if (index < -1 || index >= m_items.value(list).size())
        index = -1;
    if (currentIndex(list) == index)
        return;
    m_index[list] = index;
    notifyListChanged(list);
}

bool FormValues::confirm(const QString &, const QString &)
{
    return m_answerYes;
}
