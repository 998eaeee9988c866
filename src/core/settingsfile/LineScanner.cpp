#include "settingsfile/LineScanner.h"


namespace tavmir {

LineScanner::LineScanner(std::string_view bytes) : m_bytes(bytes) {
    if (m_bytes.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
}

bool LineScanner::next(std::string_view& line) {
    const std::size_t size = m_bytes.size();
    if (m_pos >= size) return false;
    const char* data = m_bytes.data();
    std::size_t end = m_pos;
    while (end < size && data[end] != '\n' && data[end] != '\r') ++end;
    line = std::string_view(data + m_pos, end - m_pos);
    if (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ++end;
    m_pos = end < size ? end + 1 : end;
    return true;
}

}  // namespace tavmir
