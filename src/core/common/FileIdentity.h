// What a file on disk is at one moment, so that an editor can tell when another program
// changed, replaced, renamed away or deleted the file it shows: whether it exists and is a
// regular file, its size, modification time, device and inode, and a hash of its bytes.
//
// Only a regular file is read; a folder, FIFO or device in its place is reported as such and
// never opened for reading in a way that could block. Links are followed, as the editor reads
// and saves through them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/FileRead.h"

namespace tavmir {

struct FileIdentity {
    bool exists = false;   // something is there (or the system would not say: see error)
    bool regular = false;  // and it is a regular file, or one that could not be looked at
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;  // modification time, nanoseconds since the epoch
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t hash = 0;  // of the bytes (FNV-1a, 64 bits); 0 when not read
    std::string error;       // why it could not be read or looked at; "" when it was
};

// The identity of a file the program has just written (or read) as `bytes`, with the status
// it had then: what the program knows without reading it again.
FileIdentity identityOfBytes(const FileStamp& stamp, std::string_view bytes);

// The identity of path now. Files larger than maxBytes are not hashed (their size alone
// tells them apart). Only a name with nothing behind it (or a folder on the way missing) is
// gone: a file that cannot be looked at (a permission refused, a loop of links) is there and
// unreadable.
FileIdentity identifyFile(const std::string& path, std::uint64_t maxBytes = 64u << 20);

// How the file differs from when it was last read or written by the program.
enum class DiskChange {
    None,        // the same bytes (a touch or a rewrite with equal content counts as none)
    Changed,     // other bytes, or another file put in its place with other bytes
    Deleted,     // nothing there any more (deleted, or renamed away)
    NotRegular,  // a folder, FIFO, device or socket now stands in its place
    Unreadable,  // a regular file that cannot be read now (permissions)
};

DiskChange diskChange(const FileIdentity& known, const FileIdentity& now);

}  // namespace tavmir
