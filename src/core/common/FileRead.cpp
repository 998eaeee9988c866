// What is the same on every system: the words for a failed read. The reading itself is the
// system's side of the door (posix/, win32/).
#include "common/FileRead.h"

#include <cerrno>

#include "common/SystemError.h"

namespace tavmir {

std::string ReadError::reason() const {
    if (failure == ReadFailure::NotRegular)
        return kind == NodeKind::Folder ? systemErrorText(EISDIR)
                                        : std::string(kNotRegularFileText);
    if (failure == ReadFailure::TooLarge) return systemErrorText(EFBIG);
    return systemErrorText(systemError != 0 ? systemError : EIO);
}

}  // namespace tavmir
