#include "CliOutput.h"

#include "Console.h"

#include <QJsonDocument>
#include <QTextStream>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>

int CliOutput::fail(int status, const QString &message)
{
    QTextStream err(stderr);
    err << "orva-cli: " << QString(message).replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        << '\n';
    err.flush();
    return status;
}

QTextStream &CliOutput::err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString CliOutput::escapedColumn(const QString &text)
{
    // Most texts need nothing: no copy, no look-up of a character's category.
    const auto plain = [](QChar c) {
        return c.unicode() >= 0x20 && c != u'\\' &&
               (c.unicode() < 0x7f || c.category() != QChar::Other_Control);
    };
    if (std::all_of(text.cbegin(), text.cend(), plain))
        return text;
    QString out;
    for (const QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c.category() == QChar::Other_Control)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString CliOutput::localMinute(const QDateTime &at)
{
    // The zone's own rules rather than the C library's, which reads the
    // system's zone file again for each conversion of a long listing.
    static const QTimeZone local = QTimeZone::systemTimeZone();
    return at.toTimeZone(local).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// The rows' bytes go out as they are made (a CSV ends its lines in CRLF itself).
CliOutput::Stream::Stream()
    : m_ok((Console::setBinary(Console::Output), m_file.open(stdout, QIODevice::WriteOnly)))
{}

bool CliOutput::Stream::write(const QByteArray &bytes)
{
    m_ok = m_ok && m_file.write(bytes) == bytes.size();
    return m_ok;
}

bool CliOutput::Stream::finish()
{
    m_ok = m_ok && m_file.flush();
    return m_ok;
}

CliOutput::JsonArrayStream::JsonArrayStream(Stream &out)
    : m_out(out)
{}

bool CliOutput::JsonArrayStream::append(const QJsonObject &object)
{
    QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    text.chop(1); // its last line break
    text.replace("\n", "\n    ");
    const QByteArray lead = m_first ? QByteArray("[\n    ") : QByteArray(",\n    ");
    m_first = false;
    return m_out.write(lead + text);
}

bool CliOutput::JsonArrayStream::finish()
{
    return m_out.write(m_first ? QByteArray("[\n]\n") : QByteArray("\n]\n"));
}
