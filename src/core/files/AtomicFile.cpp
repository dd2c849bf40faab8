#include "AtomicFile.h"

#include "files/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>

namespace {

// Beside the settings file while a save writes it (with the process id).
constexpr const char* UnfinishedSaveInfix = ".unfinished-save-";

// As many links in a row as the system itself follows.
constexpr int MaxLinkHops = 40;

// A file its owner may not write is kept as it is, also by root, whom the
// permission bits do not stop; so is one that this user (not root) may not
// write, although the folder would let a rename replace it.
bool IsReadOnly(const QString& target)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(target);
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return false;
    if (!(st.st_mode & S_IWUSR))
        return true;
    return ::geteuid() != 0 && ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0 && errno != ENOENT;
#else
    const QFileInfo info(target);
    return info.exists() && !info.isWritable();
#endif
}

} // namespace

QString SaveTarget(const QString& path, QString* why)
{
#ifdef Q_OS_UNIX
    // Each link's text is taken as the system takes it: relative to the
    // link's folder, with no ".." folded away by hand (a folder on the way
    // may itself be a link).
    QByteArray current = QFile::encodeName(path);
    for (int hops = 0; hops <= MaxLinkHops; ++hops) {
        struct stat st;
        if (::lstat(current.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return QFile::decodeName(current); // missing: the save creates it
        QByteArray link(qMax<qsizetype>(st.st_size, 255) + 1, Qt::Uninitialized);
        ssize_t n;
        while ((n = ::readlink(current.constData(), link.data(), size_t(link.size()))) == link.size())
            link.resize(link.size() * 2);
        if (n <= 0) {
            if (why)
                *why = qt_error_string(errno);
            return QString();
        }
        link.truncate(n);
        if (link.startsWith('/')) {
            current = link;
        } else {
            const qsizetype slash = current.lastIndexOf('/');
            current = slash < 0 ? link : current.left(slash + 1) + link;
        }
    }
    if (why)
        *why = qt_error_string(ELOOP);
    return QString();
#else
    QString current = path;
    for (int hops = 0; hops <= MaxLinkHops; ++hops) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    if (why)
        *why = QCoreApplication::translate("Files", "Too many levels of symbolic links");
    return QString();
#endif
}

void RemoveUnfinishedSaves(const QString& targetPath)
{
    const QFileInfo target(targetPath);
    QDir dir = target.absoluteDir();
    const QString prefix = target.fileName() + QLatin1String(UnfinishedSaveInfix);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name.startsWith(prefix))
            dir.remove(name);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QString why;
    const QString target = SaveTarget(path, &why);
    if (target.isEmpty() || IsReadOnly(target)) {
        if (error)
            *error = target.isEmpty() ? why : QCoreApplication::translate("Files", "The file is read-only.");
        return false;
    }
    // A pipe, a device or a folder there is not ours to replace.
    if (const QString problem = RegularFile::Problem(target, RegularFile::Links::Follow); !problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
#ifdef Q_OS_UNIX
    // Our own temporary file beside the target, given the old file's
    // permissions and put on the disk before it is renamed over the target:
    // whenever the process dies, the target is the old file or the new one.
    // A temporary file left by a killed process has a name of our own, so
    // the next save clears it (QSaveFile's names cannot be told from the
    // operator's own files).
    const QString temp = target + QLatin1String(UnfinishedSaveInfix) + QString::number(::getpid());
    QFile file(temp);
    auto failed = [&file, &temp, error](const QString& reason) {
        if (error)
            *error = reason;
        file.close();
        QFile::remove(temp);
        return false;
    };
    // Unbuffered: a buffered flush that the disk cuts short (full disk, size
    // limit) is not reported, and the rename would then install a cut file.
    // A file of our own, made now: whatever stands at the name (a pipe
    // left there, a link) is removed first, never opened.
    QFile::remove(temp);
    const int fd =
        ::open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (error)
            *error = qt_error_string(errno);
        return false;
    }
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(file.errorString());
    }
    if (QFileInfo::exists(target) && !file.setPermissions(QFile::permissions(target)))
        return failed(file.errorString());
    // Root saving another user's file leaves it theirs, so that their own
    // next save is not refused. Where the owner cannot be given back the
    // save still goes ahead: the settings matter more.
    struct stat old;
    if (::geteuid() == 0 && ::stat(QFile::encodeName(target).constData(), &old) == 0
        && (old.st_uid != 0 || old.st_gid != 0))
        (void)::fchown(file.handle(), old.st_uid, old.st_gid);
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return failed(file.errorString());
        done += n;
    }
    // On the disk before the rename, so that a power cut leaves one whole file.
    if (::fsync(file.handle()) != 0)
        return failed(qt_error_string(errno));
    file.close();
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0)
        return failed(qt_error_string(errno));
    return true;
#else
    // QSaveFile writes a temporary file beside the target, gives it the old
    // file's permissions and renames it over the old one; on any failure the
    // temporary file is removed and the old file stays as it was.
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    auto failed = [&file, error]() {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    // Unbuffered: a buffered flush that the disk cuts short (full disk, size
    // limit) is not reported, and commit() would then install a cut file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed();
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return failed();
        done += n;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
#endif
}

bool RenameReplacing(const QString& from, const QString& to, QString* error)
{
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (error)
        *error = qt_error_string(errno);
    return false;
#else
    QFile::remove(to);
    QFile file(from);
    if (file.rename(to))
        return true;
    if (error)
        *error = file.errorString();
    return false;
#endif
}
