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
ListEntry listEntry(const OrvaForm &form, Control c, int index)
{
    const QStringList items =
        c == Control::ListaTipoFaro ? Catalogue::lampTypeNames() : form.items(c);
    return {index, items.value(index)};
}

QJsonValue valueOf(const OrvaForm &form, Control c)
{
    return TesterState::fieldJson(ParameterDocument::fieldValue(form, c));
}

QList<int> offsetsOf(const OrvaForm &form)
{
    QList<int> values;
    static const QRegularExpression line(QStringLiteral("^PH\\d\\d=(\\d+)$"));
    for (const QString &l :
         form.text(Control::TestoOffsetFotodiodi).split(QStringLiteral("\r\n"))) {
        const auto m = line.match(l);
        if (m.hasMatch())
            values.append(m.captured(1).toInt());
    }
    return values;
}

QJsonArray offsetsJson(const OrvaForm &form)
{
    QJsonArray values;
    for (const int v : offsetsOf(form))
        values.append(v);
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

FieldValue ParameterDocument::fieldValue(const OrvaForm &form, Control c)
{
    switch (Controls::info(c).kind) {
    case ControlKind::List:
        return listEntry(form, c, form.currentIndex(c));
    case ControlKind::Check:
        return form.isChecked(c);
    case ControlKind::Display: // the factors
        return form.text(c).toInt();
    case ControlKind::Text:
    case ControlKind::Button:
        break;
    }
    return form.text(c);
}

TesterState ParameterDocument::stateOf(const OrvaForm &form, const Session &session)
{
    TesterState state;
    for (const Control c : documentControls())
        state.set(c, fieldValue(form, c));
    state.offsets = offsetsOf(form);
    state.firmware = form.text(Control::TestoVersioneScheda);
    state.firmware.remove(QStringLiteral("ORVA ver. "));
    state.parameterFile = QFileInfo(session.parameterFilePath).fileName();
    state.languageKey = form.currentText(Control::ListaLingua1);
    state.readAt = QDateTime::currentDateTime().toString(Qt::ISODate);
    // What the tester holds where a field shows no value of it (a list
    // showing no entry): kept, and written back unless the field changes.
    for (auto it = session.kept.cbegin(); it != session.kept.cend(); ++it)
        state.notOffered.insert(it.key(), it->display);
    return state;
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
    if (fields.contains(Offsets) && fields.value(Offsets).toArray() != offsetsJson(form))
        problems.refused.append(Texts::tr("%1: the tester sets them itself").arg(Offsets));
    problems.invalid += listRuleConflicts(form, listChanges);
    if (problems.any())
        return problems;
    for (const auto &[c, v] : changes)
        put(form, c, v);
    return problems;
}

TesterState ParameterDocument::withStored(const TesterState &state, const OrvaForm &form,
                                          const QString &key, const QByteArray &bytes)
{
    const auto entry = std::find_if(Catalogue::entries().cbegin(), Catalogue::entries().cend(),
                                    [&](const CatalogueEntry &e) { return e.keyText() == key; });
    if (entry == Catalogue::entries().cend() || bytes.isEmpty())
        return state;
    TesterState result = state;
    const Control c = entry->control;
    const auto listValue = [&](std::optional<int> index) {
        const int n = index.value_or(-1);
        const auto was = state.value(c);
        return was && state.index(c) == n ? *was : FieldValue(listEntry(form, c, n));
    };
    const QString text = ValueCodec::text(bytes);
    const QString old = state.text(c).leftJustified(Controls::info(c).maxLength, u' ');
    switch (entry->kind) {
    case ParamKind::Text:
        result.set(c, text);
        break;
    case ParamKind::TextHead:
        result.set(c, text.leftJustified(entry->split, u' ').left(entry->split) +
                          old.mid(entry->split));
        break;
    case ParamKind::TextTail:
        result.set(c, old.left(entry->split) +
                          ValueCodec::text(ValueCodec::printable(bytes, int(bytes.size()))));
        break;
    case ParamKind::Date:
        for (int k = 0; k < 3; ++k)
            result.set(Catalogue::DateFields[k], text.mid(k * 2, k < 2 ? 2 : -1));
        break;
    case ParamKind::LanguageIndex:
    case ParamKind::ByteIndex:
        result.set(c, listValue(ValueCodec::byteCode(bytes)));
        break;
    case ParamKind::DigitIndex:
        result.set(c, listValue(ValueCodec::digitIndex(bytes)));
        break;
    case ParamKind::Switches: {
        const int bits = ValueCodec::number16(bytes).value_or(0);
        for (int bit = 0; bit < int(std::size(Catalogue::Switches)); ++bit)
            result.set(Catalogue::Switches[bit], (bits & (1 << bit)) != 0);
        break;
    }
    case ParamKind::CheckByte:
        result.set(c, ValueCodec::byteCode(bytes).value_or(0) != 0);
        break;
    case ParamKind::Factor:
        if (const auto n = ValueCodec::number16(bytes))
            result.set(c, *n);
        break;
    }
    return result;
}

TesterState ParameterDocument::afterWrite(const TesterState &before, const OrvaForm &form,
                                          const WritePlan &plan)
{
    TesterState result = before.asStored();
    // A field of two definitions is cut too when the second got no byte, or
    // was never tried (an Abort between the two).
    QList<Control> written; // in the plan's order
    QSet<Control> stored;
    QSet<Control> cut;
    QSet<QString> tried;
    for (const WrittenBytes &w : plan) {
        tried.insert(w.key);
        if (w.acknowledged > 0)
            result = withStored(result, form, w.key, w.held());
        for (const Control c : documentControls()) {
            if (!Catalogue::keysOf(c).contains(w.key))
                continue;
            if (!written.contains(c))
                written.append(c);
            if (w.acknowledged > 0)
                stored.insert(c);
            if (!w.whole())
                cut.insert(c);
        }
    }
    result.partial.clear();
    for (const Control c : written) {
        const QStringList keys = Catalogue::keysOf(c);
        const bool untried = std::any_of(keys.cbegin(), keys.cend(),
                                         [&](const QString &k) { return !tried.contains(k); });
        if (stored.contains(c) && (cut.contains(c) || untried))
            result.partial.append(c);
    }
    return result;
}
