#include "OutputFile.h"

#include "CliOutput.h"
#include "Console.h"
#include "ExitStatus.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliCommands)
};
} // namespace

// A device or a pipe (/dev/stdout) is written as it is; an ordinary file
// replaced whole. Text gets the platform's line ends (CRLF on Windows), where
// a user opens it.
int OutputFile::write(const QString &path, const QByteArray &bytes, Content content)
{
    QString error;
    const QIODevice::OpenMode mode =
        content == Content::Text ? QIODevice::WriteOnly | QIODevice::Text : QIODevice::WriteOnly;
    if (path.isEmpty() || path == QLatin1String("-")) {
        QFile out;
        // The console's own text mode already ends lines as the platform does.
        if (content == Content::Binary)
            Console::setBinary(Console::Output);
        if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
            out.flush())
            return ExitOk;
        error = out.errorString();
    } else if (QFileInfo(path).exists() && !QFileInfo(path).isFile()) {
        QFile out(path);
        if (out.open(mode) && out.write(bytes) == bytes.size() && out.flush())
            return ExitOk;
        error = out.errorString();
    } else {
        QSaveFile out(path);
        if (out.open(mode) && out.write(bytes) == bytes.size() && out.commit())
            return ExitOk;
        error = out.errorString();
    }
    return CliOutput::fail(
        ExitOutputFailed,
        Texts::tr("cannot write %1: %2")
            .arg(path.isEmpty() ? Texts::tr("the standard output") : path, error));
}
