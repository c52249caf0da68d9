#pragma once

#include "document/CommandIds.h"

#include <QIcon>

/// The toolbar picture of a command: the platform's own file icons for the file commands, and
/// small drawings of what the "Show", status-quo and capture commands put on the chart. A null
/// icon for commands that no toolbar shows.
QIcon ToolIcon(ECommandId id);
