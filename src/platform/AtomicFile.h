#pragma once

#include <string>
#include <string_view>

/// Writes a whole file safely, the one way every file of the program is written: the bytes go
/// to a new file of an unpredictable name beside the target, which is then renamed over it, so
/// a failure leaves the old file as it was and no other file behind. A symbolic link is written
/// through to the file it leads to (the link stays); the file keeps its permissions. Folders,
/// FIFOs, devices and files nobody may write to are refused; a full disk or a file-size limit is
/// an error, never the end of the program. Gives 0 or the system error number.
int WriteFileAtomically(const std::string& path, std::string_view bytes);

/// Whether a file may be written at the path, for writers that cannot replace a file in one
/// step (a journal appended to): 0 when nothing is there yet or (through its symbolic links) a
/// regular file the program may write, else the system error number that refuses it.
int CheckFileTarget(const std::string& path);

/// Ignores the file-size-limit signal for the rest of the program, so that a write past the
/// limit fails with an error the writer reports instead of ending the program. Called at
/// start-up and by every write.
void IgnoreFileSizeSignal();
