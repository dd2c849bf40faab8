#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString NotRegular()
{
    return QCoreApplication::translate("Files", "not a regular file");
}

void Say(QString* why, const QString& text)
{
    if (why)
        *why = text;
}

#ifdef Q_OS_UNIX
// O_NONBLOCK: opening a pipe or a terminal line must not wait for the other
// end; fstat then tells what was opened, before a byte moves.
int OpenRegular(const QString& path, int flags, RegularFile::Links links, QString* why, bool* missing = nullptr)
{
    const QByteArray name = QFile::encodeName(path);
    flags |= O_NONBLOCK | O_CLOEXEC;
    if (links == RegularFile::Links::Refuse)
        flags |= O_NOFOLLOW;
    int fd;
    do
        fd = ::open(name.constData(), flags, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        if (missing)
            *missing = error == ENOENT;
        // A pipe with no reader refuses a writer (ENXIO); a link refused by
        // O_NOFOLLOW gives ELOOP: both are better said as what they are.
        struct stat st;
        if ((error == ENXIO || error == ELOOP) && ::lstat(name.constData(), &st) == 0
            && (error == ENXIO || S_ISLNK(st.st_mode)))
            Say(why, error == ENXIO ? NotRegular() : QCoreApplication::translate("Files", "a link, not a file"));
        else
            Say(why, qt_error_string(error));
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        Say(why, NotRegular());
        ::close(fd);
        return -1;
    }
    // Regular files ignore it, but nothing later should meet EAGAIN.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool WriteAll(int fd, const char* data, qint64 size, QString* why)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            Say(why, n < 0 ? qt_error_string(errno) : QCoreApplication::translate("Files", "the disk is full"));
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}
#endif

} // namespace

QString RegularFile::Problem(const QString& path, Links links)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return QString();
    if (S_ISLNK(st.st_mode)) {
        if (links == Links::Refuse)
            return QCoreApplication::translate("Files", "a link, not a file");
        if (::stat(name.constData(), &st) != 0)
            return QString();
    }
    return S_ISREG(st.st_mode) ? QString() : NotRegular();
#else
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    if (info.isSymLink() && links == Links::Refuse)
        return QCoreApplication::translate("Files", "a link, not a file");
    return info.isFile() ? QString() : NotRegular();
#endif
}

bool RegularFile::Append(const QString& path, const QByteArray& bytes, Links links, QString* why)
{
#ifdef Q_OS_UNIX
    const int fd = OpenRegular(path, O_WRONLY | O_CREAT | O_APPEND, links, why);
    if (fd < 0)
        return false;
    struct stat st;
    const bool sized = ::fstat(fd, &st) == 0;
    const bool ok = WriteAll(fd, bytes.constData(), bytes.size(), why);
    if (!ok && sized)
        (void)::ftruncate(fd, st.st_size);
    ::close(fd);
    return ok;
#else
    if (const QString problem = Problem(path, links); !problem.isEmpty()) {
        Say(why, problem);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        Say(why, file.errorString());
        return false;
    }
    const qint64 before = file.size();
    if (file.write(bytes) != bytes.size()) {
        Say(why,
            file.errorString().isEmpty() ? QCoreApplication::translate("Files", "the disk is full")
                                         : file.errorString());
        file.resize(before);
        return false;
    }
    return true;
#endif
}

RegularFile::Read RegularFile::ReadFile(const QString& path, qint64 maxBytes, Links links, Part part)
{
    Read r;
#ifdef Q_OS_UNIX
    bool missing = false;
    const int fd = OpenRegular(path, O_RDONLY, links, &r.why, &missing);
    if (fd < 0) {
        if (missing) {
            r.ok = true;
            r.why.clear();
        } else {
            r.exists = true;
        }
        return r;
    }
    r.exists = true;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        r.why = qt_error_string(errno);
        ::close(fd);
        return r;
    }
    r.size = st.st_size;
    if (r.size > maxBytes) {
        if (part == Part::Whole) {
            r.tooLarge = true;
            r.why = QCoreApplication::translate("Files", "larger than %1 bytes").arg(maxBytes);
            ::close(fd);
            return r;
        }
        if (part == Part::Tail)
            r.offset = r.size - maxBytes;
    }
    // What the size said, and no more: a file that grows meanwhile is read as it was.
    r.bytes.resize(qMin(r.size - r.offset, maxBytes));
    qint64 done = 0;
    while (done < r.bytes.size()) {
        const ssize_t n = ::pread(fd, r.bytes.data() + done, size_t(r.bytes.size() - done), off_t(r.offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            r.why = qt_error_string(errno);
            ::close(fd);
            return r;
        }
        if (n == 0)
            break;
        done += n;
    }
    r.bytes.truncate(done);
    ::close(fd);
    r.ok = true;
    return r;
#else
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        r.ok = true;
        return r;
    }
    r.exists = true;
    if (const QString problem = Problem(path, links); !problem.isEmpty()) {
        r.why = problem;
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.why = file.errorString();
        return r;
    }
    r.size = file.size();
    if (r.size > maxBytes) {
        if (part == Part::Whole) {
            r.tooLarge = true;
            r.why = QCoreApplication::translate("Files", "larger than %1 bytes").arg(maxBytes);
            return r;
        }
        if (part == Part::Tail)
            r.offset = r.size - maxBytes;
        file.seek(r.offset);
    }
    r.bytes = file.read(qMin(r.size - r.offset, maxBytes));
    r.ok = file.error() == QFileDevice::NoError;
    if (!r.ok)
        r.why = file.errorString();
    return r;
#endif
}

bool RegularFile::Truncate(const QString& path, qint64 size, QString* why)
{
#ifdef Q_OS_UNIX
    const int fd = OpenRegular(path, O_WRONLY, Links::Follow, why);
    if (fd < 0)
        return false;
    const bool ok = ::ftruncate(fd, off_t(size)) == 0;
    if (!ok)
        Say(why, qt_error_string(errno));
    ::close(fd);
    return ok;
#else
    QFile file(path);
    if (!file.resize(size)) {
        Say(why, file.errorString());
        return false;
    }
    return true;
#endif
}
