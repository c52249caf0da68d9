#include "document/TextLines.h"

#include "platform/AtomicFile.h"
#include "platform/FileCause.h"
#include "platform/Platform.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <sys/stat.h>

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
    if (const int error = WriteFileAtomically(path, text); error != 0) {
        cause = FileCauseText(error);
        return false;
    }
    return true;
}

bool ReadingCancelled(size_t line) {
    return line % 4096 == 0 && Platform().CancelRequested();
}
