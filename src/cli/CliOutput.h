#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonObject>
#include <QString>

class QTextStream;

// What orva-cli's commands share to say things: messages on standard error,
// and rows on standard output written as they come.
namespace CliOutput {

// Says `message` on standard error at once and returns `status`.
int fail(int status, const QString &message);
// Standard error for notes and warnings; what it holds goes out when the
// program ends.
QTextStream &err();
// A history line is one line of tab-separated columns, whatever a tester holds.
QString escapedColumn(const QString &text);
// "2026-12-06 14:02" in the user's time zone.
QString localMinute(const QDateTime &at);

// Standard output for a listing that may be long: rows go out as they are
// made, so memory does not grow with the listing; a failed write is kept.
class Stream
{
public:
    Stream();
    bool write(const QByteArray &bytes);
    bool finish();
    QString error() const { return m_file.errorString(); }

private:
    QFile m_file;
    bool m_ok;
};

// A JSON array of objects in QJsonDocument's indented form, one object at a time.
class JsonArrayStream
{
public:
    explicit JsonArrayStream(Stream &out);
    bool append(const QJsonObject &object);
    bool finish();

private:
    Stream &m_out;
    bool m_first = true;
};

} // namespace CliOutput
