// Where the program keeps its own state between runs (the journals of writes in place, and of
// unsaved work): $XDG_STATE_HOME/tavmir/, else ~/.local/state/tavmir/. Made only when something
// is to be kept there, readable by the user alone.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <tl/expected.hpp>

namespace tavmir {

// The state folder, whether it exists or not; empty when none can be named (no absolute
// XDG_STATE_HOME and no HOME).
std::filesystem::path stateFolder();

// The subfolder `name` of the state folder, made (with the state folder, mode 0700) when
// missing; the system's reason when it cannot be had.
tl::expected<std::filesystem::path, std::string> stateSubfolder(std::string_view name);

}  // namespace tavmir
