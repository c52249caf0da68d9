#include "document/TextLines.h"

#include "document/FileCause.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct SFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, SFileCloser>;

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

/// The byte-order mark some editors put at the start of UTF-8 text.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

/// The folder part of a path, "." for a bare file name.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

/// The file a save replaces: the path itself, or the file its chain of symbolic links leads to
/// (which need not exist yet). Gives 0 or the system error.
int ResolveSaveTarget(const std::string& path, std::string& target) {
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

/// Refuses targets a save must not replace: anything but a regular file (a folder, a FIFO, a
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

/// Writes all of the text; gives 0 or the system error.
int WriteAll(int descriptor, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t count = ::write(descriptor, text.data() + done, text.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : ENOSPC;
        done += static_cast<size_t>(count);
    }
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

/// Ignores the file-size-limit signal while alive, so that a write past the limit fails with an
/// error the save can report instead of ending the program.
class CFileSizeSignalIgnored {
public:
    CFileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGXFSZ, &ignore, &m_previous);
    }
    ~CFileSizeSignalIgnored() { ::sigaction(SIGXFSZ, &m_previous, nullptr); }
    CFileSizeSignalIgnored(const CFileSizeSignalIgnored&) = delete;
    CFileSizeSignalIgnored& operator=(const CFileSizeSignalIgnored&) = delete;

private:
    struct sigaction m_previous {};
};

/// Writes the text to a new file of an unpredictable name, created exclusively beside the
/// target, and renames it over the target; on failure the new file is removed and the target
/// is left as it was. Gives 0 or the system error.
int WriteAndReplace(const std::string& target, const std::string& text) {
    std::string temporary = FolderOf(target) + "/.quelta-save-XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return errno;
    TakeOverPermissions(descriptor, target);
    int error = 0;
    {
        const CFileSizeSignalIgnored ignored;
        error = WriteAll(descriptor, text);
    }
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

} // namespace

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        // A carriage return followed by a line feed ends one line, not two.
        const bool pair = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        start = end + (pair ? 2 : 1);
    }
    return lines;
}

std::string FieldText(std::string_view text) {
    std::string field(text);
    for (char& c : field)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    return field;
}

bool ReadTextFile(const std::string& path, std::string& text, std::string& cause) {
    if (IsDirectory(path)) {
        cause = FileCauseText(EISDIR);
        return false;
    }
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        cause = FileCauseText(errno);
        return false;
    }
    text.clear();
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, count);
    if (std::ferror(file.get())) {
        cause = FileCauseText(errno ? errno : EIO);
        return false;
    }
    if (std::string_view(text).starts_with(kUtf8ByteOrderMark))
        text.erase(0, kUtf8ByteOrderMark.size());
    return true;
}

bool WriteTextFileAtomically(const std::string& path, const std::string& text, std::string& cause) {
    std::string target;
    int error = ResolveSaveTarget(path, target);
    if (error == 0)
        error = CheckReplaceable(target);
    if (error == 0)
        error = WriteAndReplace(target, text);
    if (error != 0) {
        cause = FileCauseText(error);
        return false;
    }
    return true;
}
