// The one way the program reads a file of the outside world whole: settings files, the
// catalogue, tavmir.ini, recent.dat, template.sss and template.dat, the original kept as
// FILE.bak, the identity of an editor's file, the old bytes of a file rewritten in place.
//
// Only a regular file is read. What stands at the path is looked at first and the file is
// opened without waiting, so a FIFO, device or socket put in a file's place is refused and
// never blocks; a folder is refused as one. Every read has a size cap the caller chooses: a
// file larger than it, or one that grows past it while it is read, is refused whole, never cut.
// Failures are typed (ReadFailure) and carry the system's reason; each caller words them for
// its own messages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <tl/expected.hpp>

namespace tavmir {

// What a name stands for on disk, links followed.
enum class NodeKind { Missing, Regular, Folder, Fifo, Device, Socket, Other };

// A regular file's status at the moment it was read or written.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;  // modification time, nanoseconds since the epoch
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};

enum class ReadFailure {
    NotFound,    // nothing there (or a folder on the way is missing)
    NotRegular,  // a folder, FIFO, device or socket: `kind` says which; never read
    TooLarge,    // larger than the cap, or grew past it while read
    OpenFailed,  // there, but the system refused to open it (permissions, a loop of links)
    ReadFailed,  // opened, but reading failed
};

struct ReadError {
    ReadFailure failure = ReadFailure::ReadFailed;
    NodeKind kind = NodeKind::Other;  // what stands at the path, where it was seen
    int systemError = 0;              // errno of the failing call; 0 where the program refused
                                      // (NotRegular, TooLarge)
    FileStamp stamp;                  // TooLarge and NotRegular: the status of what stands there

    // The system's description ("No such file or directory", "Is a directory", "File too
    // large", "Permission denied"); "Not a regular file" for a FIFO, device or socket.
    std::string reason() const;
};

struct FileContents {
    std::string bytes;
    FileStamp stamp;  // the file as it was read (after the read: a file that grew is refused)
};

using FileReadResult = tl::expected<FileContents, ReadError>;

// A failed read (the door's sides make them so).
inline tl::unexpected<ReadError> readFailure(ReadFailure failure, NodeKind kind, int err) {
    ReadError e;
    e.failure = failure;
    e.kind = kind;
    e.systemError = err;
    return tl::unexpected(std::move(e));
}

// The reason given for a FIFO, device or socket.
inline constexpr std::string_view kNotRegularFileText = "Not a regular file";

// Reads the regular file at path whole, at most maxBytes of it.
FileReadResult readFile(const std::string& path, std::uint64_t maxBytes);

// Reads the regular file open on fd whole from its start (the in-place write reads the old
// bytes through the descriptor it writes with). The descriptor stays open.
FileReadResult readOpenFile(int fd, std::uint64_t maxBytes);

// What stands at path, links followed; Missing also when it cannot be looked at.
NodeKind nodeKindOf(const std::string& path);

// What stands at path and its status (a folder's device and inode tell it apart from another).
struct NodeStatus {
    NodeKind kind = NodeKind::Missing;
    FileStamp stamp;
};
NodeStatus nodeStatusOf(const std::string& path);

}  // namespace tavmir
