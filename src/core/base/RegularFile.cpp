#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
};

OrvaError notFound(const QString &path, const QString &why)
{
    return {ErrorNumber::FileNotFound, Texts::tr("File not found: %1 (%2).").arg(path, why)};
}
} // namespace

Result<QByteArray> RegularFile::read(const QString &path, qint64 maxBytes)
{
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without blocking, then checked on the descriptor itself: a FIFO
    // would block a plain open, and a check by name could be raced.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return notFound(path, QString::fromLocal8Bit(strerror(errno)));
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return notFound(path, Texts::tr("not an ordinary file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return notFound(path, file.errorString());
    }
#else
    if (!QFileInfo(path).isFile())
        return notFound(path, Texts::tr("not an ordinary file"));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return notFound(path, file.errorString());
#endif
    // One byte more than allowed tells a file that is too long.
    QByteArray contents = file.read(maxBytes + 1);
    if (contents.size() > maxBytes)
        return OrvaError(ErrorNumber::FileNotFound,
                         Texts::tr("File not found: %1 is longer than %2 bytes, too long to "
                                   "be the file expected here.")
                             .arg(path)
                             .arg(maxBytes));
    return contents;
}
