#include "TesterState.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

const QString Offsets = QStringLiteral("photodiodeOffsets");

QString fieldName(Control c)
{
    return QString::fromLatin1(Controls::info(c).field);
}

// The value as the tester stores it: texts that are cleared to blanks are
// blank-padded to their width.
std::optional<FieldValue> stored(Control c, const std::optional<FieldValue> &v)
{
    const ControlInfo &row = Controls::info(c);
    if (!v || !std::holds_alternative<QString>(*v) || !row.reset ||
        qstrcmp(row.reset, Controls::Blanks) != 0)
        return v;
    return std::get<QString>(*v).leftJustified(row.maxLength, u' ');
}

} // namespace

std::optional<FieldValue> TesterState::fieldFrom(Control c, const QJsonValue &v)
{
    switch (Controls::info(c).kind) {
    case ControlKind::Text:
        if (v.isString())
            return v.toString();
        break;
    case ControlKind::List:
        if (v.isObject())
            return ListEntry{v.toObject().value("index").toInt(-1),
                             v.toObject().value("item").toString()};
        break;
    case ControlKind::Check:
        if (v.isBool())
            return v.toBool();
        break;
    case ControlKind::Display: // the factors
        if (v.isDouble())
            return v.toInt();
        break;
    case ControlKind::Button:
        break;
    }
    return std::nullopt;
}

QJsonValue TesterState::fieldJson(const FieldValue &v)
{
    if (const auto *entry = std::get_if<ListEntry>(&v))
        return QJsonObject{{"index", entry->index}, {"item", entry->item}};
    if (const auto *flag = std::get_if<bool>(&v))
        return *flag;
    if (const auto *n = std::get_if<int>(&v))
        return *n;
    return std::get<QString>(v);
}

namespace {

QJsonArray arrayOf(const QList<int> &values)
{
    QJsonArray array;
    for (const int v : values)
        array.append(v);
    return array;
}

QString shownOffsets(const std::optional<QList<int>> &offsets)
{
    return QString::fromUtf8(
        QJsonDocument(arrayOf(offsets.value_or(QList<int>()))).toJson(QJsonDocument::Compact));
}

// A reader's change: texts compared without their blanks, lists by entry.
bool sameForReader(const std::optional<FieldValue> &was, const FieldValue &now)
{
    if (!was || was->index() != now.index())
        return false;
    if (const auto *entry = std::get_if<ListEntry>(&now))
        return entry->index == std::get<ListEntry>(*was).index;
    if (const auto *text = std::get_if<QString>(&now))
        return text->trimmed() == std::get<QString>(*was).trimmed();
    return TesterState::fieldJson(*was) == TesterState::fieldJson(now);
}

} // namespace

std::optional<FieldValue> TesterState::value(Control c) const
{
    const auto it = m_fields.find(c);
    return it == m_fields.end() ? std::nullopt : std::optional<FieldValue>(it->second);
}

QString TesterState::text(Control c) const
{
    const auto v = value(c);
    return v && std::holds_alternative<QString>(*v) ? std::get<QString>(*v) : QString();
}

int TesterState::index(Control c) const
{
    const auto v = value(c);
    return v && std::holds_alternative<ListEntry>(*v) ? std::get<ListEntry>(*v).index : -1;
}

bool TesterState::flag(Control c) const
{
    const auto v = value(c);
    return v && std::holds_alternative<bool>(*v) && std::get<bool>(*v);
}

std::optional<int> TesterState::number(Control c) const
{
    const auto v = value(c);
    return v && std::holds_alternative<int>(*v) ? std::optional<int>(std::get<int>(*v))
                                                : std::nullopt;
}

bool TesterState::same(Control c, const std::optional<FieldValue> &a,
                       const std::optional<FieldValue> &b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    if (std::holds_alternative<ListEntry>(*a) && std::holds_alternative<ListEntry>(*b))
        return std::get<ListEntry>(*a).index == std::get<ListEntry>(*b).index;
    const auto x = stored(c, a);
    const auto y = stored(c, b);
    return x->index() == y->index() && fieldJson(*x) == fieldJson(*y);
}

QString TesterState::shown(const std::optional<FieldValue> &v)
{
    if (!v)
        return {};
    if (const auto *entry = std::get_if<ListEntry>(&*v))
        return entry->item.trimmed();
    if (const auto *flag = std::get_if<bool>(&*v))
        return *flag ? QStringLiteral("yes") : QStringLiteral("no");
    if (const auto *n = std::get_if<int>(&*v))
        return QString::number(*n);
    return std::get<QString>(*v).trimmed();
}

QStringList TesterState::changesTo(const TesterState &after) const
{
    // By field name, as the stored changes have always been ordered.
    QList<std::pair<QString, QString>> lines;
    for (const auto &[c, now] : after.m_fields) {
        const std::optional<FieldValue> was = value(c);
        const bool cut = after.partial.contains(c);
        if (!sameForReader(was, now) || cut)
            lines.append({fieldName(c), QStringLiteral("%1: %2 -> %3%4")
                                            .arg(fieldName(c), shown(was), shown(now),
                                                 cut ? QStringLiteral(" (partial)") : QString())});
    }
    if (after.offsets && after.offsets != offsets)
        lines.append({Offsets, QStringLiteral("%1: %2 -> %3")
                                   .arg(Offsets, offsets ? shownOffsets(offsets) : QString(),
                                        shownOffsets(after.offsets))});
    std::sort(lines.begin(), lines.end());
    QStringList result;
    for (const auto &line : std::as_const(lines))
        result.append(line.second);
    return result;
}

TesterState TesterState::asStored() const
{
    TesterState result = *this;
    for (auto &[c, v] : result.m_fields)
        v = *stored(c, v);
    return result;
}

TesterState TesterState::fromDocument(const QJsonObject &document)
{
    TesterState state;
    state.firmware = document.value("firmwareVersion").toString();
    state.parameterFile = document.value("parameterFile").toString();
    state.languageKey = document.value("languageKey").toString();
    state.readAt = document.value("readAt").toString();
    const QJsonObject fields = document.value("fields").toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        if (it.key() == Offsets) {
            QList<int> values;
            for (const QJsonValue v : it->toArray())
                values.append(v.toInt());
            state.offsets = values;
        } else if (const auto c = Controls::byField(it.key())) {
            if (const auto v = fieldFrom(*c, *it))
                state.m_fields[*c] = *v;
        }
    }
    const QJsonObject kept = document.value("notOffered").toObject();
    for (auto it = kept.begin(); it != kept.end(); ++it)
        state.notOffered.insert(it.key(), it->toString());
    for (const QJsonValue name : document.value("partial").toArray())
        if (const auto c = Controls::byField(name.toString()))
            state.partial.append(*c);
    return state;
}

QJsonObject TesterState::toDocument() const
{
    QJsonObject fields;
    for (const auto &[c, v] : m_fields)
        fields.insert(fieldName(c), fieldJson(v));
    if (offsets)
        fields.insert(Offsets, arrayOf(*offsets));
    QJsonObject document{{"format", 1},
                         {"firmwareVersion", firmware},
                         {"parameterFile", parameterFile},
                         {"languageKey", languageKey},
                         {"fields", fields}};
    if (!readAt.isEmpty())
        document.insert("readAt", readAt);
    if (!notOffered.isEmpty()) {
        QJsonObject kept;
        for (auto it = notOffered.cbegin(); it != notOffered.cend(); ++it)
            kept.insert(it.key(), *it);
        document.insert("notOffered", kept);
    }
    if (!partial.isEmpty()) {
        QStringList names;
        for (const Control c : partial)
            names.append(fieldName(c));
        document.insert("partial", QJsonArray::fromStringList(names));
    }
    return document;
}
