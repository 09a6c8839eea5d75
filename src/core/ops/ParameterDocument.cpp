#include "ParameterDocument.h"

#include "OrvaForm.h"
#include "Session.h"
#include "access/ControlTable.h"
#include "params/Catalogue.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>

namespace {

enum class Kind { Text, List, Check, Number };

struct Field
{
    const char *name;
    const char *control;
    Kind kind;
};

constexpr Field Fields[] = {
    {"language", "ListaLingua", Kind::List},
    {"manufacturer", "TestoMarca", Kind::Text},
    {"model", "TestoModello", Kind::Text},
    {"homologationNumber", "TestoNumOmologa", Kind::Text},
    {"serialNumber", "TestoNumSerie", Kind::Text},
    {"expiryDay", "TestoGiornoScadenza", Kind::Text},
    {"expiryMonth", "TestoMeseScadenza", Kind::Text},
    {"expiryYear", "TestoAnnoScadenza", Kind::Text},
    {"unitOfLight", "ListaMisura", Kind::List},
    {"panelType", "ListaPannello", Kind::List},
    {"protocol", "ListaProtocollo", Kind::List},
    {"equipmentAddress", "TestoIndirizzoApp", Kind::Text},
    {"mctcNetVersion", "TestoVersioneMctc", Kind::Text},
    {"lampType", "ListaTipoFaro", Kind::List},
    {"fogTestRequest", "ChkEnFogReq", Kind::Check},
    {"goodTestForcing", "ChkEnForzatura", Kind::Check},
    {"previousHeadlightTest", "ChkEnPrecFaro", Kind::Check},
    {"garageName", "TestoNomeOfficina", Kind::Text},
    {"garageAddress1", "TestoIndirizzo1", Kind::Text},
    {"garageAddress2", "TestoIndirizzo2", Kind::Text},
    {"garageAddress3", "TestoIndirizzo3", Kind::Text},
    {"garageAddress4", "TestoIndirizzo4", Kind::Text},
    {"printHeightAndInclination", "ChkPrnHfaroIncl", Kind::Check},
    {"lowBeamFactor", "TestoAnaConv", Kind::Number},
    {"highBeamFactor", "TestoAbbConv", Kind::Number},
};

const QString Offsets = QStringLiteral("photodiodeOffsets");

QJsonValue valueOf(const OrvaForm &form, const Field &f)
{
    const QString control = QString::fromLatin1(f.control);
    switch (f.kind) {
    case Kind::Text:
        return form.text(control);
    case Kind::List:
        return QJsonObject{{"index", form.currentIndex(control)},
                           {"item", form.currentText(control)}};
    case Kind::Check:
        return form.isChecked(control);
    case Kind::Number:
        return form.text(control).toInt();
    }
    return {};
}

QJsonArray offsetsOf(const OrvaForm &form)
{
    QJsonArray values;
    static const QRegularExpression line(QStringLiteral("^PH\\d\\d=(\\d+)$"));
    for (const QString &l :
         form.text(QStringLiteral("TestoOffsetFotodiodi")).split(QStringLiteral("\r\n"))) {
        const auto m = line.match(l);
        if (m.hasMatch())
            values.append(m.captured(1).toInt());
    }
    return values;
}

// The value a document gives for a field, in the form's terms; an error text
// when the value does not fit the field.
QString check(const OrvaForm &form, const Field &f, const QJsonValue &v)
{
    const QString control = QString::fromLatin1(f.control);
    switch (f.kind) {
    case Kind::Text:
        if (!v.isString())
            return QStringLiteral("must be a text");
        if (Catalogue::fieldWidth(control) && v.toString().size() > Catalogue::fieldWidth(control))
            return QStringLiteral("is longer than %1 characters")
                .arg(Catalogue::fieldWidth(control));
        return {};
    case Kind::List: {
        const int index = v.isObject() ? v.toObject().value("index").toInt(-2) : -2;
        if (index < -1 || index >= form.items(control).size())
            return QStringLiteral("must be {\"index\": n} with n from 0 to %1")
                .arg(form.items(control).size() - 1);
        return {};
    }
    case Kind::Check:
        return v.isBool() ? QString() : QStringLiteral("must be true or false");
    case Kind::Number:
        return v.isDouble() ? QString() : QStringLiteral("must be a number");
    }
    return {};
}

} // namespace

QStringList ParameterDocument::fieldNames()
{
    QStringList names;
    for (const Field &f : Fields)
        names.append(QString::fromLatin1(f.name));
    names.append(Offsets);
    return names;
}

QJsonObject ParameterDocument::fromForm(const OrvaForm &form, const Session &session)
{
    QJsonObject fields;
    for (const Field &f : Fields)
        fields.insert(QString::fromLatin1(f.name), valueOf(form, f));
    fields.insert(Offsets, offsetsOf(form));
    QString version = form.text(QStringLiteral("TestoVersioneScheda"));
    version.remove(QStringLiteral("ORVA ver. "));
    return QJsonObject{
        {"format", Format},
        {"firmwareVersion", version},
        {"parameterFile", QFileInfo(session.parameterFilePath).fileName()},
        {"languageKey", form.currentText(QStringLiteral("ListaLingua1"))},
        {"readAt", QDateTime::currentDateTime().toString(Qt::ISODate)},
        {"fields", fields},
    };
}

QStringList ParameterDocument::apply(OrvaForm &form, const QJsonObject &document, AccessLevel level)
{
    QStringList errors;
    if (document.value("format").toInt() != Format)
        return {QStringLiteral("the file is not a parameter document of format %1").arg(Format)};
    const QJsonObject fields = document.value("fields").toObject();
    for (const QString &name : fields.keys())
        if (!fieldNames().contains(name))
            errors.append(QStringLiteral("%1: no such field").arg(name));

    QStringList open;
    for (const auto &step : ControlTable::levelSteps(level))
        if (step.action == ControlTable::Action::Open)
            open.append(step.control);

    QList<std::pair<const Field *, QJsonValue>> changes;
    for (const Field &f : Fields) {
        const QString name = QString::fromLatin1(f.name);
        if (!fields.contains(name))
            continue;
        const QJsonValue wanted = fields.value(name);
        if (const QString problem = check(form, f, wanted); !problem.isEmpty()) {
            errors.append(QStringLiteral("%1: %2").arg(name, problem));
            continue;
        }
        const QJsonValue now = valueOf(form, f);
        const bool same = f.kind == Kind::List
                              ? wanted.toObject().value("index") == now.toObject().value("index")
                              : wanted == now;
        if (same)
            continue;
        if (f.kind == Kind::Number)
            errors.append(
                QStringLiteral("%1: is set by the lux calibration, not by a write").arg(name));
        else if (!open.contains(QString::fromLatin1(f.control)))
            errors.append(QStringLiteral("%1: this password may not change it").arg(name));
        else
            changes.append({&f, wanted});
    }
    if (fields.contains(Offsets) && fields.value(Offsets).toArray() != offsetsOf(form))
        errors.append(QStringLiteral("%1: the tester sets them itself").arg(Offsets));
    if (!errors.isEmpty())
        return errors;

    for (const auto &[f, v] : changes) {
        const QString control = QString::fromLatin1(f->control);
        switch (f->kind) {
        case Kind::Text:
            form.setText(control, v.toString());
            break;
        case Kind::List:
            form.setCurrentIndex(control, v.toObject().value("index").toInt());
            break;
        case Kind::Check:
            form.setChecked(control, v.toBool());
            break;
        case Kind::Number:
            break;
        }
    }
    return {};
}
