#include "platform/AtomicFile.h"

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// The folder part of a path, "." for a bare file name.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

/// The file a write replaces: the path itself, or the file its chain of symbolic links leads to
/// (which need not exist yet). Gives 0 or the system error.
int ResolveTarget(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(info.st_mode))
            return 0;
        std::string link(static_cast<size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0)
            return errno;
        link.resize(static_cast<size_t>(length));
        target = link.front() == '/' ? link : FolderOf(target) + "/" + link;
    }
    return ELOOP;
}

/// Refuses targets a write must not replace: anything but a regular file (a folder, a FIFO, a
/// device) and files nobody may write to, whoever runs the program.
int CheckReplaceable(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    if (!S_ISREG(info.st_mode) || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    return ::access(target.c_str(), W_OK) == 0 ? 0 : errno;
}

/// Gives the new file the old one's permissions and owner, or for a new file the permissions
/// any new file gets.
void TakeOverPermissions(int descriptor, const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        ::fchmod(descriptor, info.st_mode & 07777);
        // Keeping another owner needs privileges; without them the special bits are dropped.
        if (::fchown(descriptor, info.st_uid, info.st_gid) != 0)
            ::fchmod(descriptor, info.st_mode & 0777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
}

/// Writes all of the bytes and flushes them to the disk; gives 0 or the system error.
int WriteAll(int descriptor, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : ENOSPC;
        done += static_cast<size_t>(count);
    }
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

/// Writes the bytes to a new file of an unpredictable name, created exclusively beside the
/// target, and renames it over the target; on failure the new file is removed and the target
/// is left as it was. Gives 0 or the system error.
int WriteAndReplace(const std::string& target, std::string_view bytes) {
    std::string temporary = FolderOf(target) + "/.quelta-save-XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return errno;
    TakeOverPermissions(descriptor, target);
    int error = WriteAll(descriptor, bytes);
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

} // namespace

void IgnoreFileSizeSignal() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

int CheckFileTarget(const std::string& path) {
    std::string target;
    const int error = ResolveTarget(path, target);
    return error != 0 ? error : CheckReplaceable(target);
}

int WriteFileAtomically(const std::string& path, std::string_view bytes) {
    IgnoreFileSizeSignal();
    std::string target;
    int error = ResolveTarget(path, target);
    if (error == 0)
        error = CheckReplaceable(target);
    return error != 0 ? error : WriteAndReplace(target, bytes);
}
