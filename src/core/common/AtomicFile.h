// Writing a whole file so that a failure never leaves a damaged target: the bytes go to a
// temporary file in the target's folder, are flushed to disk, and the temporary file is then
// renamed over the target. On any failure the target is untouched and the temporary file is
// removed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavmir {

enum class WriteStage {
    None,   // success
    Open,   // the temporary file could not be created
    Write,  // writing or flushing failed
    Close,  // closing or the final rename failed
};

struct WriteResult {
    WriteStage stage = WriteStage::None;
    std::string reason;  // the system's description of the failure

    bool ok() const { return stage == WriteStage::None; }
};

WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace tavmir
