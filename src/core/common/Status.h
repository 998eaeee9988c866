// The result of a step that either succeeds or fails with the text the user is shown: a typed
// value (tl::expected), so a success is never an empty text that a caller must know about.
#pragma once

#include <string>

#include <tl/expected.hpp>

namespace tavmir {

using Status = tl::expected<void, std::string>;

// The failure of a Status, with the text the user is shown.
inline tl::unexpected<std::string> failedWith(std::string text) {
    return tl::unexpected(std::move(text));
}

}  // namespace tavmir
