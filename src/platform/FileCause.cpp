#include "platform/FileCause.h"

#include <array>
#include <cerrno>

int FileCauseCode(int systemError) {
    switch (systemError) {
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        return 5;
    case EBADF:
        return 6;
    case EBUSY:
        return 7;
    case ESPIPE:
        return 9;
    case EIO:
        return 10;
    case EAGAIN:
        return 12;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 13;
    default:
        return 1;
    }
}

std::string FileCauseTextForCode(int cause) {
    static const std::array<const char*, 14> texts = {
        "An unspecified error occurred.",
        "File not found",
        "All or part of the path is invalid",
        "The permitted number of open files was exceeded.",
        "The file could not be accessed.",
        "There was an attempt to use an invalid file handle.",
        "The current working directory cannot be removed.",
        "There are no more directory entries.",
        "There was an error trying to set the file pointer.",
        "There was a hardware error.",
        "SHARE.EXE was not loaded, or a shared region was locked.",
        "There was an attempt to lock a region that was already locked.",
        "The disk is full.",
        "The end of file was reached.",
    };
    if (cause < 1 || cause > 14)
        return {};
    return texts[static_cast<size_t>(cause - 1)];
}
