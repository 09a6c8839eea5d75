#include "CliForm.h"

#include "access/ListRules.h"
#include "ops/Backup.h"
#include "ops/ResetParameterFields.h"
#include "ops/Session.h"
#include "params/Catalogue.h"

#include <QTextStream>

CliForm::CliForm()
{
    m_texts = {{"TestoAnaConv", "0"},
               {"TestoAbbConv", "0"},
               {"TestoBitAnaScheda", "0"},
               {"TestoBitAbbScheda", "0"}};
    setItems(QStringLiteral("ListaTipoFaro"), Catalogue::lampTypes());
    ResetParameterFields(*this);
}

void CliForm::setText(const QString &control, const QString &text)
{
    const int width = maxLength(control);
    m_texts[control] = width > 0 ? text.left(width) : text;
}

int CliForm::maxLength(const QString &control) const
{
    return Catalogue::fieldWidth(control);
}

void CliForm::setItems(const QString &list, const QStringList &items)
{
    m_items[list] = items;
    // As a combo box does: a filled list selects its first entry.
    setCurrentIndex(list, items.isEmpty() ? -1 : 0);
}

void CliForm::setCurrentIndex(const QString &list, int index)
{
    if (m_index.value(list, -1) == index)
        return;
    m_index[list] = index;
    if (list == QLatin1String("ListaProtocollo") || list == QLatin1String("ListaMisura") ||
        list == QLatin1String("ListaLingua"))
        ListRules::listChanged(*this, session && session->parametersLoaded, list);
}

void CliForm::setStatus(const QString &text)
{
    if (onStatus)
        onStatus(text);
}

void CliForm::setProgress(qint64 done, qint64 total)
{
    if (!showProgress)
        return;
    QTextStream err(stderr);
    if (total <= 0) {
        if (m_progressShown)
            err << '\n';
        m_progressShown = false;
        return;
    }
    err << QStringLiteral("\r%1 of %2 bytes (%3 %)").arg(done).arg(total).arg(done * 100 / total);
    err.flush();
    m_progressShown = true;
}

bool CliForm::confirm(const QString &, const QString &)
{
    confirmedReading = text(readingControl);
    confirmedFactor = text(factorControl);
    return answerYes;
}

void CliForm::critical(const QString &, const QString &text)
{
    messages.append(text);
}

void CliForm::warning(const QString &, const QString &text)
{
    messages.append(text);
}

void CliForm::parametersLoaded()
{
    if (snapshot)
        lastRead = snapshot();
}

void CliForm::aboutToWrite()
{
    if (!lastRead.isEmpty())
        lastBackup = Backup::save(lastRead);
}
