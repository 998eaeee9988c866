#include "settingsfile/LineScanner.h"

#include <cstring>

namespace tavmir {

LineScanner::LineScanner(std::string_view bytes) : m_bytes(bytes) {
    if (m_bytes.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
}

std::size_t LineScanner::nextOf(char c, std::size_t& cached) const {
    const void* hit = std::memchr(m_bytes.data() + m_pos, c, m_bytes.size() - m_pos);
    cached = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - m_bytes.data())
                 : m_bytes.size();
    return cached;
}

bool LineScanner::next(std::string_view& line) {
    const std::size_t size = m_bytes.size();
    if (m_pos >= size) return false;
    if (!m_crValid || m_nextCr < m_pos) nextOf('\r', m_nextCr), m_crValid = true;
    if (!m_lfValid || m_nextLf < m_pos) nextOf('\n', m_nextLf), m_lfValid = true;
    const std::size_t end = m_nextCr < m_nextLf ? m_nextCr : m_nextLf;
    line = std::string_view(m_bytes.data() + m_pos, end - m_pos);
    if (end == size) {
        m_pos = size;
    } else if (m_bytes[end] == '\r' && end + 1 < size && m_bytes[end + 1] == '\n') {
        m_pos = end + 2;
    } else {
        m_pos = end + 1;
    }
    return true;
}

}  // namespace tavmir
