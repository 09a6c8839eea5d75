#include "ParameterDocument.h"

#include "Session.h"
#include "form/OrvaForm.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>

namespace {

const QString Offsets = QStringLiteral("photodiodeOffsets");

QList<Control> documentControls()
{
    QList<Control> controls;
    for (const Control c : Controls::all())
        if (Controls::info(c).field)
            controls.append(c);
    return controls;
}

QString fieldName(Control c)
{
    return QString::fromLatin1(Controls::info(c).field);
}

QJsonValue valueOf(const OrvaForm &form, Control c)
{
    switch (Controls::info(c).kind) {
    case ControlKind::Text:
        return form.text(c);
    case ControlKind::List:
        return QJsonObject{{"index", form.currentIndex(c)}, {"item", form.currentText(c)}};
    case ControlKind::Check:
        return form.isChecked(c);
    case ControlKind::Display: // the factors
        return form.text(c).toInt();
    case ControlKind::Button:
        break;
    }
    return {};
}

QJsonArray offsetsOf(const OrvaForm &form)
{
    QJsonArray values;
    static const QRegularExpression line(QStringLiteral("^PH\\d\\d=(\\d+)$"));
    for (const QString &l :
         form.text(Control::TestoOffsetFotodiodi).split(QStringLiteral("\r\n"))) {
        const auto m = line.match(l);
        if (m.hasMatch())
            values.append(m.captured(1).toInt());
    }
    return values;
}

// An error text when the value does not fit the field.
QString check(const OrvaForm &form, Control c, const QJsonValue &v)
{
    const ControlInfo &row = Controls::info(c);
    switch (row.kind) {
    case ControlKind::Text:
        if (!v.isString())
            return QStringLiteral("must be a text");
        if (row.maxLength && v.toString().size() > row.maxLength)
            return QStringLiteral("is longer than %1 characters").arg(row.maxLength);
        return {};
    case ControlKind::List: {
        const int index = v.isObject() ? v.toObject().value("index").toInt(-2) : -2;
        if (index < -1 || index >= form.items(c).size())
            return QStringLiteral("must be {\"index\": n} with n from 0 to %1")
                .arg(form.items(c).size() - 1);
        return {};
    }
    case ControlKind::Check:
        return v.isBool() ? QString() : QStringLiteral("must be true or false");
    case ControlKind::Display:
        return v.isDouble() ? QString() : QStringLiteral("must be a number");
    case ControlKind::Button:
        break;
    }
    return {};
}

void put(OrvaForm &form, Control c, const QJsonValue &v)
{
    switch (Controls::info(c).kind) {
    case ControlKind::Text:
        form.setText(c, v.toString());
        break;
    case ControlKind::List:
        form.setCurrentIndex(c, v.toObject().value("index").toInt());
        break;
    case ControlKind::Check:
        form.setChecked(c, v.toBool());
        break;
    case ControlKind::Display:
    case ControlKind::Button:
        break;
    }
}

} // namespace

QStringList ParameterDocument::fieldNames()
{
    QStringList names;
    for (const Control c : documentControls())
        names.append(fieldName(c));
    names.append(Offsets);
    return names;
}

QJsonObject ParameterDocument::fromForm(const OrvaForm &form, const Session &session)
{
    QJsonObject fields;
    for (const Control c : documentControls())
        fields.insert(fieldName(c), valueOf(form, c));
    fields.insert(Offsets, offsetsOf(form));
    QString version = form.text(Control::TestoVersioneScheda);
    version.remove(QStringLiteral("ORVA ver. "));
    return QJsonObject{
        {"format", Format},
        {"firmwareVersion", version},
        {"parameterFile", QFileInfo(session.parameterFilePath).fileName()},
        {"languageKey", form.currentText(Control::ListaLingua1)},
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
    const QStringList known = fieldNames();
    for (const QString &name : fields.keys())
        if (!known.contains(name))
            errors.append(QStringLiteral("%1: no such field").arg(name));

    QList<std::pair<Control, QJsonValue>> changes;
    for (const Control c : documentControls()) {
        const QString name = fieldName(c);
        if (!fields.contains(name))
            continue;
        const QJsonValue wanted = fields.value(name);
        if (const QString problem = check(form, c, wanted); !problem.isEmpty()) {
            errors.append(QStringLiteral("%1: %2").arg(name, problem));
            continue;
        }
        const QJsonValue now = valueOf(form, c);
        const bool same = Controls::info(c).kind == ControlKind::List
                              ? wanted.toObject().value("index") == now.toObject().value("index")
                              : wanted == now;
        if (same)
            continue;
        if (Controls::info(c).kind == ControlKind::Display)
            errors.append(
                QStringLiteral("%1: is set by the lux calibration, not by a write").arg(name));
        else if (Controls::action(c, level) != LevelAction::Open)
            errors.append(QStringLiteral("%1: this password may not change it").arg(name));
        else
            changes.append({c, wanted});
    }
    if (fields.contains(Offsets) && fields.value(Offsets).toArray() != offsetsOf(form))
        errors.append(QStringLiteral("%1: the tester sets them itself").arg(Offsets));
    if (!errors.isEmpty())
        return errors;
    for (const auto &[c, v] : changes)
        put(form, c, v);
    return {};
}
