#pragma once

#include "document/CommandIds.h"

#include <vector>

/// One entry of the desktop's menus: a document command, a separator, a submenu, or a place
/// where the window puts its own items (printing with the recent files, the About box).
struct SMenuEntry {
    enum class EKind { Command, Separator, Submenu, WindowItems };
    EKind kind = EKind::Separator;
    ECommandId id{};
    /// The submenu's title ("&File"), or the name of the window's items ("print", "about").
    const char* title = nullptr;
    std::vector<SMenuEntry> entries;

    static SMenuEntry Command(ECommandId id) { return {EKind::Command, id, nullptr, {}}; }
    static SMenuEntry Separator() { return {}; }
    static SMenuEntry Submenu(const char* title, std::vector<SMenuEntry> entries) {
        return {EKind::Submenu, {}, title, std::move(entries)};
    }
    static SMenuEntry WindowItems(const char* name) { return {EKind::WindowItems, {}, name, {}}; }
};

/// The menu bar, left to right: each top-level entry is a submenu.
const std::vector<SMenuEntry>& MenuLayout();

/// The main toolbar's commands, in order (a separator between groups).
const std::vector<SMenuEntry>& MainToolbarLayout();

/// The win-set toolbar: the common "Show" commands and the capture commands.
const std::vector<SMenuEntry>& WinSetToolbarLayout();
