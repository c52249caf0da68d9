#pragma once

#include "document/CommandIds.h"
#include "document/DisplayConfig.h"

#include <functional>
#include <span>

class CQueltaDoc;

/// One document command: what the desktop's menus, toolbars and accelerators show, when it is
/// offered and checked, and what it does.
struct SCommand {
    ECommandId id;
    /// The menu text, tab and shortcut label included.
    const char* menuText;
    /// The accelerator key ("Ctrl+O"); empty for none.
    const char* accelerator;
    ECommandCondition enabled;
    /// Whether the item is checked; nullptr for an item that never is.
    bool (*checked)(const CQueltaDoc& doc);
    /// For "Show" items: the display flag that checks it and is cleared while it is not offered.
    int DisplayConfig::*showFlag;
    /// What the command does.
    void (*run)(CQueltaDoc& doc);
};

/// Every command, File menu first, then the Model, Win Set and Show menus.
std::span<const SCommand> CommandTable();

/// The command with this identifier; nullptr for none.
const SCommand* FindCommand(ECommandId id);

/// Whether the condition holds for the document.
bool IsConditionMet(const CQueltaDoc& doc, ECommandCondition condition);

/// Whether the command is offered now.
bool IsCommandEnabled(const CQueltaDoc& doc, ECommandId id);

/// Whether the command's item is checked now (a "Show" item that is not offered never is).
bool IsCommandChecked(const CQueltaDoc& doc, ECommandId id);

/// The state of an item as the menus show it: enabled and checked.
struct SCommandState {
    bool enabled = false;
    bool checked = false;
};

/// Brings a menu item up to date: its state, and for a "Show" item that is not offered, its
/// flag cleared.
SCommandState UpdateCommandState(CQueltaDoc& doc, ECommandId id);

/// Runs the command when it is offered; false when it is not (or unknown).
bool RunCommand(CQueltaDoc& doc, ECommandId id);

/// A command the desktop carries out itself: the script window ("Script" in both menus), the
/// chart bitmap ("Graphics") and the member editor ("Member").
using FFrontEndCommand = std::function<void(CQueltaDoc& doc)>;

/// Registers what a front-end command does; an empty function removes it.
void SetFrontEndCommand(ECommandId id, FFrontEndCommand handler);

/// The message shown when a front-end command runs without a registered handler.
inline constexpr const char* kNoFrontEndMessage = "This command needs the desktop window.";
