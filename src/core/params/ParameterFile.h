#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The columns a "//" marker starts in a parameter file line.
struct Definition
{
    QString address; // as written in the file, for the status line
    int length = 0;
    QString name;
    QString line; // the line as the lookup saw it (a leading marker blanked for writing)
    int lineNumber = 0;

    bool usable() const;
    // The address column's leading hexadecimal digits; none when it has none.
    std::optional<quint16> start() const;
};

// What write mode "2" takes from a definition line's value column.
struct LineValue
{
    enum Kind { Text, Number, Unusable } kind = Unusable;
    QByteArray text;
    quint64 number = 0;
};

struct ListLines
{
    QStringList items;
    QStringList keys; // the language block keys, for the "lang" tag
};

// The three readers of a parameter file. Each reads the whole file and
// closes it before it answers; nothing is cached between calls.
namespace ParameterFile {

// No parameter file is anywhere near this long.
constexpr qint64 MaxBytes = 1 << 20;

// Error 53 when the file cannot be read, or is no ordinary file of a
// sensible size.
Result<QStringList> readLines(const QString &path);
// One line per CR LF (or LF) ended line, one character per byte.
QStringList splitLines(const QByteArray &contents);

std::optional<Definition> definitionAt(const QString &line, qsizetype marker);

// Wildcard keys ("xxxxxx_******") match every name with the same first six
// characters.
bool keyMatches(const QString &key, const QString &name);

// Only the line's first marker counts; the first line naming the key wins.
std::optional<Definition> findForRead(const QStringList &lines, const QString &key);

// A marker in columns 1-2 is blanked first; every matching line counts.
QList<Definition> findForWrite(const QStringList &lines, const QString &key);

LineValue valueOf(const Definition &definition);

// How many bytes reading, or writing, these keys moves over the line.
qint64 bytesToRead(const QStringList &lines, const QStringList &keys);
qint64 bytesToWrite(const QStringList &lines, const QStringList &keys);

ListLines listLines(const QStringList &lines, const QString &tag);

} // namespace ParameterFile
