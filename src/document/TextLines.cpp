#include "document/TextLines.h"

#include "document/FileCause.h"

#include <cerrno>
#include <cstdio>
#include <memory>
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

} // namespace

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool lastLine = end == std::string::npos;
        if (lastLine)
            end = text.size();
        size_t length = end - start;
        if (!lastLine && length > 0 && text[end - 1] == '\r')
            --length;
        lines.push_back(text.substr(start, length));
        start = end + 1;
    }
    return lines;
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
    return true;
}

bool WriteTextFileAtomically(const std::string& path, const std::string& text, std::string& cause) {
    if (IsDirectory(path)) {
        cause = FileCauseText(EISDIR);
        return false;
    }
    const std::string temporary = path + ".tmp-" + std::to_string(::getpid());
    FilePtr file(std::fopen(temporary.c_str(), "wb"));
    if (!file) {
        cause = FileCauseText(errno);
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() &&
                         std::fflush(file.get()) == 0 && ::fsync(::fileno(file.get())) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        cause = FileCauseText(written ? errno : writeError);
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        cause = FileCauseText(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
