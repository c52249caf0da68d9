#include "script/ScriptState.h"

#include <algorithm>

std::optional<std::size_t> SScriptState::FindLine(int number) const {
    const auto found =
        std::lower_bound(lines.begin(), lines.end(), number,
                         [](const SScriptLine& line, int wanted) { return line.number < wanted; });
    if (found == lines.end() || found->number != number)
        return std::nullopt;
    return static_cast<std::size_t>(found - lines.begin());
}
