#include "ControlTable.h"

namespace {

// Per level: 'o' open, 'c' close, '-' leave alone.
struct Row
{
    const char *control;
    char administrator;
    char dealer;
    char technician;
};

constexpr Row Rows[] = {
    {"ListaLingua", 'o', 'o', '-'},
    {"ListaLingua1", 'o', 'o', '-'},
    {"TestoMarca", 'o', '-', '-'},
    {"TestoModello", 'o', '-', '-'},
    {"TestoNumOmologa", 'o', '-', '-'},
    {"TestoNumSerie", 'o', '-', '-'},
    {"TestoGiornoScadenza", 'o', 'o', 'o'},
    {"TestoMeseScadenza", 'o', 'o', 'o'},
    {"TestoAnnoScadenza", 'o', 'o', 'o'},
    {"ListaMisura", 'o', 'o', '-'},
    {"ListaPannello", 'c', '-', '-'},
    {"ListaProtocollo", 'o', '-', '-'},
    {"TestoVersioneMctc", 'o', '-', '-'},
    {"TestoIndirizzoApp", 'o', 'o', '-'},
    {"TestoNomeOfficina", 'o', 'o', '-'},
    {"TestoIndirizzo1", 'o', 'o', '-'},
    {"TestoIndirizzo2", 'o', 'o', '-'},
    {"TestoIndirizzo3", 'o', 'o', '-'},
    {"TestoIndirizzo4", 'o', 'o', '-'},
    {"ChkPrnHfaroIncl", 'o', 'o', '-'},
    {"CmdInvia", 'o', 'o', 'o'},
    {"ListaCom", 'o', 'o', 'o'},
    {"ListaTipoFaro", 'o', '-', '-'},
    {"TestoLuxAnaCampione", 'o', 'o', 'o'},
    {"CmdCalibraAna", 'o', 'o', 'o'},
    {"TestoLuxAbbCampione", 'o', 'o', 'o'},
    {"CmdCalibraAbb", 'o', 'o', 'o'},
    {"CmdCalFoto", '-', '-', '-'}, // no level opens it
    {"ChkEnFogReq", 'o', 'c', 'c'},
    {"ChkEnForzatura", 'o', 'c', 'c'},
    {"ChkEnPrecFaro", 'o', 'c', 'c'},
};

char actionOf(const Row &row, AccessLevel level)
{
    switch (level) {
    case AccessLevel::Administrator:
        return row.administrator;
    case AccessLevel::Dealer:
        return row.dealer;
    case AccessLevel::Technician:
        return row.technician;
    case AccessLevel::Unknown:
        break;
    }
    return '-';
}

} // namespace

QList<ControlTable::Step> ControlTable::lockSteps()
{
    QList<Step> steps;
    for (const Row &row : Rows)
        steps.append({QString::fromLatin1(row.control), Action::Close});
    return steps;
}

QList<ControlTable::Step> ControlTable::levelSteps(AccessLevel level)
{
    QList<Step> steps;
    for (const Row &row : Rows) {
        const char a = actionOf(row, level);
        if (a != '-')
            steps.append(
                {QString::fromLatin1(row.control), a == 'o' ? Action::Open : Action::Close});
    }
    return steps;
}
