#include "common/SamePath.h"

#include "common/win32/Win32.h"

namespace tavmir {

std::string sameFileKey(std::string_view path) {
    if (path.empty()) return {};
    const std::string text(path);
    if (text.find('\0') == std::string::npos && !win32::namesDevice(text)) {
        const win32::Handle h = win32::openPath(win32::widePath(text), 0, win32::kShareAll,
                                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
        win32::OpenStatus st;
        if (h.valid() && win32::statusOfHandle(h.get(), st) && st.kind != NodeKind::Other) {
            // Starts with a NUL, so it never equals the path form below.
            std::string key(1, '\0');
            key += std::to_string(st.stamp.device);
            key += ':';
            key += std::to_string(st.stamp.inode);
            return key;
        }
    }
    // The door's wide form is absolute and normal already; names are told apart without
    // regard to case here, as the file system does.
    std::wstring wide = win32::widePath(text);
    if (wide.empty()) return text;
    ::CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return win32::utf8Of(wide);
}

bool samePath(std::string_view a, std::string_view b) {
    if (a.empty() || b.empty()) return false;
    return sameFileKey(a) == sameFileKey(b);
}

}  // namespace tavmir
