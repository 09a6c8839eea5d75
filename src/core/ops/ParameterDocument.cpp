#include "ParameterDocument.h"

#include "Session.h"
#include "access/EditRules.h"
#include "access/ListRules.h"
#include "form/FormValues.h"
#include "params/Catalogue.h"
#include "params/ValueCodec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSet>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ParameterDocument)
};

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

// A list's entry as documents keep it: the program's own lamp types in
// English, whatever the window shows.
QJsonObject listEntry(const OrvaForm &form, Control c, int index)
{
    const QStringList items =
        c == Control::ListaTipoFaro ? Catalogue::lampTypeNames() : form.items(c);
    return {{"index", index}, {"item", items.value(index)}};
}

QJsonValue valueOf(const OrvaForm &form, Control c)
{
    switch (Controls::info(c).kind) {
    case ControlKind::Text:
        return form.text(c);
    case ControlKind::List:
        return listEntry(form, c, form.currentIndex(c));
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

// Why the value cannot stand in the field, whether it changes it or not.
QString typeProblem(Control c, const QJsonValue &v)
{
    switch (Controls::info(c).kind) {
    case ControlKind::Text:
        return v.isString() ? QString() : Texts::tr("must be a text");
    case ControlKind::List:
        return v.isObject() && v.toObject().value("index").isDouble()
                   ? QString()
                   : Texts::tr("must be {\"index\": n}");
    case ControlKind::Check:
        return v.isBool() ? QString() : Texts::tr("must be true or false");
    case ControlKind::Display:
        return v.isDouble() ? QString() : Texts::tr("must be a number");
    case ControlKind::Button:
        break;
    }
    return {};
}

// Why the window would not let the field take this new value.
QString editProblem(const OrvaForm &form, Control c, const QJsonValue &v)
{
    if (Controls::info(c).kind == ControlKind::Text)
        return EditRules::textProblem(c, v.toString()).value_or(QString());
    if (Controls::info(c).kind == ControlKind::List) {
        const int index = v.toObject().value("index").toInt(-1);
        const int count = int(form.items(c).size());
        if (index < 0 || index >= count)
            return Texts::tr("index %1 names no entry: the list has %2, from 0 to %3")
                .arg(index)
                .arg(count)
                .arg(count - 1);
    }
    return {};
}

int indexOf(const QJsonValue &v)
{
    return v.toObject().value("index").toInt(-1);
}

// The list changes as the window's list rules leave them: a wanted index the
// rules would move, or a list they would move that the document leaves
// alone, is refused.
QStringList listRuleConflicts(const OrvaForm &form, const QList<std::pair<Control, int>> &changes)
{
    if (changes.isEmpty())
        return {};
    FormValues lists;
    for (const Control c : Controls::all()) {
        if (Controls::info(c).kind != ControlKind::List)
            continue;
        lists.setItems(c, form.items(c));
        lists.setCurrentIndex(c, form.currentIndex(c));
    }
    lists.listChanged = [&lists](Control c) { ListRules::listChanged(lists, true, c); };
    for (const auto &[c, index] : changes)
        lists.setCurrentIndex(c, index);
    QStringList conflicts;
    for (const Control c : documentControls()) {
        if (Controls::info(c).kind != ControlKind::List)
            continue;
        int wanted = form.currentIndex(c);
        for (const auto &[changed, index] : changes)
            if (changed == c)
                wanted = index;
        if (lists.currentIndex(c) != wanted)
            conflicts.append(Texts::tr("%1: the protocol \"%2\" fixes it to \"%3\"")
                                 .arg(fieldName(c), lists.currentText(Control::ListaProtocollo),
                                      lists.currentText(c)));
    }
    return conflicts;
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
    case ControlKind::Display: // the factors, as a restore puts them back
        form.setText(c, QString::number(v.toInt()));
        break;
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
    QJsonObject document{
        {"format", Format},
        {"firmwareVersion", version},
        {"parameterFile", QFileInfo(session.parameterFilePath).fileName()},
        {"languageKey", form.currentText(Control::ListaLingua1)},
        {"readAt", QDateTime::currentDateTime().toString(Qt::ISODate)},
        {"fields", fields},
    };
    // What the tester holds where a field shows no value of it (a list
    // showing no entry): kept, and written back unless the field changes.
    if (!session.kept.isEmpty()) {
        QJsonObject kept;
        for (auto it = session.kept.cbegin(); it != session.kept.cend(); ++it)
            kept.insert(it.key(), it->display);
        document.insert("notOffered", kept);
    }
    return document;
}

ParameterDocument::Problems ParameterDocument::apply(OrvaForm &form, const QJsonObject &document,
                                                     AccessLevel level, bool factors)
{
    const bool mayCalibrate = Controls::action(Control::CmdCalibraAna, level) == LevelAction::Open;
    Problems problems;
    if (document.value("format").toInt() != Format) {
        problems.invalid.append(
            Texts::tr("the file is not a parameter document of format %1").arg(Format));
        return problems;
    }
    if (!document.value("fields").isObject()) {
        problems.invalid.append(Texts::tr("the document has no \"fields\" object"));
        return problems;
    }
    const QJsonObject fields = document.value("fields").toObject();
    const QStringList known = fieldNames();
    for (const QString &name : fields.keys())
        if (!known.contains(name))
            problems.invalid.append(Texts::tr("%1: no such field").arg(name));

    QList<std::pair<Control, QJsonValue>> changes;
    QList<std::pair<Control, int>> listChanges;
    for (const Control c : documentControls()) {
        const QString name = fieldName(c);
        if (!fields.contains(name))
            continue;
        const QJsonValue wanted = fields.value(name);
        if (const QString problem = typeProblem(c, wanted); !problem.isEmpty()) {
            problems.invalid.append(QStringLiteral("%1: %2").arg(name, problem));
            continue;
        }
        const QJsonValue now = valueOf(form, c);
        const bool isList = Controls::info(c).kind == ControlKind::List;
        if (isList ? indexOf(wanted) == indexOf(now) : wanted == now)
            continue;
        if (Controls::info(c).kind == ControlKind::Display) {
            if (!factors)
                problems.refused.append(
                    Texts::tr("%1: is set by the lux calibration, not by a write").arg(name));
            else if (!mayCalibrate)
                problems.refused.append(Texts::tr("%1: this password may not calibrate").arg(name));
            else if (wanted.toInt(-1) < 0 || wanted.toInt(-1) > 32767)
                problems.invalid.append(Texts::tr("%1: a factor is 0 to 32767").arg(name));
            else
                changes.append({c, wanted});
        } else if (Controls::action(c, level) != LevelAction::Open) {
            problems.refused.append(Texts::tr("%1: this password may not change it").arg(name));
        } else if (const QString problem = editProblem(form, c, wanted); !problem.isEmpty()) {
            problems.invalid.append(QStringLiteral("%1: %2").arg(name, problem));
        } else {
            changes.append({c, wanted});
            if (isList)
                listChanges.append({c, indexOf(wanted)});
        }
    }
    if (fields.contains(Offsets) && fields.value(Offsets).toArray() != offsetsOf(form))
        problems.refused.append(Texts::tr("%1: the tester sets them itself").arg(Offsets));
    problems.invalid += listRuleConflicts(form, listChanges);
    if (problems.any())
        return problems;
    for (const auto &[c, v] : changes)
        put(form, c, v);
    return problems;
}

QJsonObject ParameterDocument::withStored(const QJsonObject &document, const OrvaForm &form,
                                          const QString &key, const QByteArray &bytes)
{
    const auto entry = std::find_if(Catalogue::entries().cbegin(), Catalogue::entries().cend(),
                                    [&](const CatalogueEntry &e) { return e.keyText() == key; });
    if (entry == Catalogue::entries().cend() || bytes.isEmpty())
        return document;
    QJsonObject fields = document.value("fields").toObject();
    const QString name = fieldName(entry->control);
    const auto listValue = [&](std::optional<int> index) {
        const QJsonObject was = fields.value(name).toObject();
        const int n = index.value_or(-1);
        return QJsonValue(n == was.value("index").toInt(-2) ? was
                                                            : listEntry(form, entry->control, n));
    };
    const QString text = ValueCodec::text(bytes);
    const int width = Controls::info(entry->control).maxLength;
    const QString old = fields.value(name).toString().leftJustified(width, u' ');
    switch (entry->kind) {
    case ParamKind::Text:
        fields.insert(name, text);
        break;
    case ParamKind::TextHead:
        fields.insert(name, text.leftJustified(entry->split, u' ').left(entry->split) +
                                old.mid(entry->split));
        break;
    case ParamKind::TextTail:
        fields.insert(name, old.left(entry->split) +
                                ValueCodec::text(ValueCodec::printable(bytes, int(bytes.size()))));
        break;
    case ParamKind::Date:
        for (int k = 0; k < 3; ++k)
            fields.insert(fieldName(Catalogue::DateFields[k]), text.mid(k * 2, k < 2 ? 2 : -1));
        break;
    case ParamKind::LanguageIndex:
    case ParamKind::ByteIndex:
        fields.insert(name, listValue(ValueCodec::byteCode(bytes)));
        break;
    case ParamKind::DigitIndex:
        fields.insert(name, listValue(ValueCodec::digitIndex(bytes)));
        break;
    case ParamKind::Switches: {
        const int bits = ValueCodec::number16(bytes).value_or(0);
        for (int bit = 0; bit < int(std::size(Catalogue::Switches)); ++bit)
            fields.insert(fieldName(Catalogue::Switches[bit]), (bits & (1 << bit)) != 0);
        break;
    }
    case ParamKind::CheckByte:
        fields.insert(name, ValueCodec::byteCode(bytes).value_or(0) != 0);
        break;
    case ParamKind::Factor:
        if (const auto n = ValueCodec::number16(bytes))
            fields.insert(name, *n);
        break;
    }
    QJsonObject result = document;
    result.insert("fields", fields);
    return result;
}

QJsonObject ParameterDocument::afterWrite(const QJsonObject &before, const OrvaForm &form,
                                          const WritePlan &plan)
{
    QJsonObject result = asStored(before);
    // A field of two definitions is cut too when the second got no byte.
    QStringList written; // in the plan's order
    QSet<QString> stored;
    QSet<QString> cut;
    for (const WrittenBytes &w : plan) {
        if (w.acknowledged > 0)
            result = withStored(result, form, w.key, w.held());
        for (const Control c : documentControls()) {
            if (!Catalogue::keysOf(c).contains(w.key))
                continue;
            const QString name = fieldName(c);
            if (!written.contains(name))
                written.append(name);
            if (w.acknowledged > 0)
                stored.insert(name);
            if (!w.whole())
                cut.insert(name);
        }
    }
    QStringList partial;
    for (const QString &name : written)
        if (stored.contains(name) && cut.contains(name))
            partial.append(name);
    result.remove("partial");
    if (!partial.isEmpty())
        result.insert("partial", QJsonArray::fromStringList(partial));
    return result;
}

QJsonObject ParameterDocument::asStored(const QJsonObject &document)
{
    QJsonObject result = document;
    QJsonObject fields = document.value("fields").toObject();
    for (const Control c : documentControls()) {
        const ControlInfo &row = Controls::info(c);
        if (row.reset && qstrcmp(row.reset, Controls::Blanks) == 0)
            fields.insert(fieldName(c),
                          fields.value(fieldName(c)).toString().leftJustified(row.maxLength, u' '));
    }
    result.insert("fields", fields);
    return result;
}
