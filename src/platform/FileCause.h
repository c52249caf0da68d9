#pragma once

#include <string>

/// The fixed cause code (1 to 14) for a system error number of a failed file operation.
int FileCauseCode(int systemError);

/// The fixed text of a cause code (1 to 14); empty for any other code.
std::string FileCauseTextForCode(int cause);

/// The fixed cause text for a system error number.
inline std::string FileCauseText(int systemError) {
    return FileCauseTextForCode(FileCauseCode(systemError));
}
