#include "common/win32/TemporaryFile.h"

#include <cerrno>

#include "common/SystemError.h"
#include "common/TemporaryName.h"

namespace tavmir::win32 {
namespace {

constexpr int kFreshNameAttempts = 16;
constexpr DWORD kAccess = GENERIC_READ | GENERIC_WRITE | DELETE;

}  // namespace

TemporaryFile::Claim TemporaryFile::claim(const std::wstring& name, bool takeOver) {
    if (name.empty()) return Claim::TryAnother;
    Handle h = openPath(name, kAccess, kShareAll, CREATE_NEW);
    const bool created = h.valid();
    if (!created) {
        const DWORD err = ::GetLastError();
        if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS) {
            m_error = errorNumber(err);
            return Claim::Failed;
        }
        if (!takeOver) return Claim::TryAnother;
        h = openPath(name, kAccess, kShareAll, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT);
        if (!h.valid()) return Claim::TryAnother;
    }
    // Another save holds it (it may even have taken over the file just made).
    if (!tryLock(h.get(), true)) return Claim::TryAnother;
    if (!created) {
        // Only a leftover file with one name is taken over.
        OpenStatus st;
        if (!statusOfHandle(h.get(), st) || st.kind != NodeKind::Regular || st.links != 1 ||
            !truncateAt(h.get(), 0))
            return Claim::TryAnother;
    }
    m_file = std::move(h);
    m_path = name;
    return Claim::Taken;
}

WriteStep TemporaryFile::create(const std::filesystem::path& target) {
    discard();
    m_error = 0;
    const std::string folder = textOf(target.parent_path());
    Claim c = claim(widePath(keptTemporaryName(folder, textOf(target.filename()))), true);
    for (int attempt = 0; c == Claim::TryAnother && attempt < kFreshNameAttempts; ++attempt) {
        const std::string fresh = temporaryFileName(folder);
        if (fresh.empty()) break;
        c = claim(widePath(fresh), false);
    }
    if (c == Claim::Taken) return {};
    return writeFailure(WriteStage::Open, systemErrorText(c == Claim::Failed ? m_error : EEXIST));
}

WriteStep TemporaryFile::commit(const std::filesystem::path& target, bool targetExists) {
    if (!m_file.reset()) return writeFailure(WriteStage::Close, systemErrorText(lastErrorNumber()));
    const std::wstring to = widePath(target);
    const BOOL done = targetExists
                          ? ::ReplaceFileW(to.c_str(), m_path.c_str(), nullptr,
                                           REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                          : ::MoveFileExW(m_path.c_str(), to.c_str(),
                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!done) return writeFailure(WriteStage::Close, systemErrorText(lastErrorNumber()));
    m_path.clear();
    return {};
}

tl::expected<Handle, WriteError> TemporaryFile::commitKeepingLock(
    const std::filesystem::path& target) {
    if (WriteStep moved = commit(target, false); !moved) return tl::unexpected(moved.error());
    Handle h = openPath(widePath(target), GENERIC_READ | GENERIC_WRITE, kShareAll, OPEN_EXISTING,
                        FILE_FLAG_OPEN_REPARSE_POINT);
    if (!h.valid() || !tryLock(h.get(), true))
        return writeFailure(WriteStage::Close, systemErrorText(lastErrorNumber()));
    return h;
}

void TemporaryFile::discard() {
    // Removed while still held, so that no other save takes it over in between; the removal
    // is done when the handle closes.
    if (!m_path.empty()) {
        FILE_DISPOSITION_INFO gone{};
        gone.DeleteFile = TRUE;
        if (!m_file.valid() ||
            !::SetFileInformationByHandle(m_file.get(), FileDispositionInfo, &gone, sizeof gone))
            ::DeleteFileW(m_path.c_str());
    }
    m_path.clear();
    m_file.reset();
}

}  // namespace tavmir::win32
