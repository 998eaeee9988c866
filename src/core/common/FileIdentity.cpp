#include "common/FileIdentity.h"

#include "common/Hash.h"

namespace tavmir {
namespace {

void takeStamp(FileIdentity& id, const FileStamp& stamp) {
    id.size = stamp.size;
    id.modifiedNs = stamp.modifiedNs;
    id.device = stamp.device;
    id.inode = stamp.inode;
}

}  // namespace

FileIdentity identityOfBytes(const FileStamp& stamp, std::string_view bytes) {
    FileIdentity id;
    id.exists = true;
    id.regular = true;
    takeStamp(id, stamp);
    id.size = bytes.size();
    id.hash = fnv1a64(bytes);
    return id;
}

FileIdentity identifyFile(const std::string& path, std::uint64_t maxBytes) {
    const FileReadResult read = readFile(path, maxBytes);
    if (read) return identityOfBytes(read->stamp, read->bytes);
    FileIdentity id;
    const ReadError& e = read.error();
    switch (e.failure) {
        case ReadFailure::NotFound:
            break;
        case ReadFailure::NotRegular:
            // Its time and inode tell one folder or FIFO from the next.
            id.exists = true;
            takeStamp(id, e.stamp);
            break;
        case ReadFailure::TooLarge:
            // Too large to hash: the size (and time and inode) alone tell it apart.
            id.exists = true;
            id.regular = true;
            takeStamp(id, e.stamp);
            break;
        case ReadFailure::OpenFailed:
        case ReadFailure::ReadFailed:
            id.exists = true;
            id.regular = true;
            id.error = e.reason();
            break;
    }
    return id;
}

DiskChange diskChange(const FileIdentity& known, const FileIdentity& now) {
    if (!now.exists) return known.exists ? DiskChange::Deleted : DiskChange::None;
    if (!now.regular) return DiskChange::NotRegular;
    if (!now.error.empty()) return DiskChange::Unreadable;
    if (!known.exists || !known.regular) return DiskChange::Changed;
    if (now.size != known.size) return DiskChange::Changed;
    // Same size: the bytes decide (a file too large to hash counts as changed when its time
    // or inode moved).
    if (now.hash != 0 || known.hash != 0) {
        return now.hash == known.hash ? DiskChange::None : DiskChange::Changed;
    }
    return now.modifiedNs == known.modifiedNs && now.inode == known.inode &&
                   now.device == known.device
               ? DiskChange::None
               : DiskChange::Changed;
}

}  // namespace tavmir
