#include "ParameterFile.h"

#include "ValueCodec.h"

#include "base/RegularFile.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ParameterFile)
};

const QString Marker = QStringLiteral("//");
constexpr int DefinitionWidth = 25;
const QString WildcardTail = QStringLiteral("_******");

// Skips blanks from `from`, then takes `count` characters.
QString field(const QString &text, qsizetype from, qsizetype count)
{
    while (from < text.size() && text.at(from) == u' ')
        ++from;
    return text.mid(from, count);
}

int leadingNumber(const QString &text)
{
    qint64 n = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        n = std::min<qint64>(n * 10 + (c.unicode() - '0'), 1 << 30);
    }
    return int(n);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

bool Definition::usable() const
{
    return !address.trimmed().isEmpty() && length >= 1;
}

std::optional<quint16> Definition::start() const
{
    quint32 value = 0;
    int digits = 0;
    for (const QChar c : address) {
        const int d = hexDigit(c);
        if (d < 0)
            break;
        value = (value * 16 + quint32(d)) & 0xFFFF;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    return quint16(value);
}

namespace ParameterFile {

Result<QStringList> readLines(const QString &path)
{
    const Result<QByteArray> contents = RegularFile::read(path, MaxBytes);
    if (!contents)
        return OrvaError(ErrorNumber::FileNotFound,
                         Texts::tr("%1 Put the parameter file back in the program's folder "
                                   "or reinstall the program.")
                             .arg(contents.error().description()));
    return splitLines(*contents);
}

QStringList splitLines(const QByteArray &contents)
{
    QStringList lines;
    for (QByteArray line : contents.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(QString::fromLatin1(line));
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<Definition> definitionAt(const QString &line, qsizetype marker)
{
    if (marker < 0 || line.size() - marker < DefinitionWidth)
        return std::nullopt;
    Definition d;
    d.address = field(line, marker + 2, 4);
    d.length = leadingNumber(field(line, marker + 6, 4));
    d.name = field(line, marker + 11, 13);
    d.line = line;
    return d;
}

bool keyMatches(const QString &key, const QString &name)
{
    if (key.mid(6, 7) == WildcardTail)
        return key.left(6) == name.left(6);
    return key == name;
}

std::optional<Definition> findForRead(const QStringList &lines, const QString &key)
{
    for (int i = 0; i < lines.size(); ++i) {
        auto d = definitionAt(lines[i], lines[i].indexOf(Marker));
        if (d && d->name == key) {
            d->lineNumber = i + 1;
            return d;
        }
    }
    return std::nullopt;
}

QList<Definition> findForWrite(const QStringList &lines, const QString &key)
{
    QList<Definition> found;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.startsWith(Marker))
            line.replace(0, 2, QStringLiteral("  "));
        auto d = definitionAt(line, line.indexOf(Marker));
        if (d && keyMatches(key, d->name)) {
            d->lineNumber = i + 1;
            found.append(*d);
        }
    }
    return found;
}

LineValue valueOf(const Definition &definition)
{
    LineValue v;
    qsizetype start = 0;
    while (start < definition.line.size() && definition.line.at(start) == u' ')
        ++start;
    const QString rest = definition.line.mid(start);
    if (rest.startsWith(u'"')) {
        const qsizetype close = rest.indexOf(u'"', 1);
        v.kind = LineValue::Text;
        v.text = rest.mid(1, close < 0 ? -1 : close - 1).toLatin1();
        return v;
    }
    const qsizetype comma = rest.indexOf(u',');
    if (comma < 0)
        return v;
    const auto number = ValueCodec::decimal(rest.left(comma).trimmed());
    if (!number)
        return v;
    v.kind = LineValue::Number;
    v.number = *number;
    return v;
}

qint64 bytesToRead(const QStringList &lines, const QStringList &keys)
{
    qint64 total = 0;
    for (const QString &key : keys) {
        const auto d = findForRead(lines, key);
        if (d && d->usable())
            total += d->length;
    }
    return total;
}

qint64 bytesToWrite(const QStringList &lines, const QStringList &keys)
{
    qint64 total = 0;
    for (const QString &key : keys)
        for (const Definition &d : findForWrite(lines, key))
            if (d.usable())
                total += d.length;
    return total;
}

ListLines listLines(const QStringList &lines, const QString &tag)
{
    ListLines out;
    for (const QString &line : lines) {
        if (!line.startsWith(Marker))
            continue;
        const QString remainder = line.mid(2);
        // 1-based odd positions p are 0-based even indexes.
        for (qsizetype p = 0; p < remainder.size(); p += 2) {
            if (remainder.mid(p, 2) != Marker || remainder.size() - p < DefinitionWidth)
                continue;
            if (field(remainder, p + 2, 4) != tag)
                continue;
            QString shortened = remainder;
            while (shortened.startsWith(u' '))
                shortened.remove(0, 1);
            if (!shortened.startsWith(u'"'))
                continue;
            shortened.remove(0, 1);
            const qsizetype close = shortened.indexOf(u'"');
            out.items.append(shortened.left(close < 0 ? -1 : close));
            if (tag == QLatin1String("lang"))
                out.keys.append(field(shortened, p + 11, 13));
        }
    }
    return out;
}

} // namespace ParameterFile
