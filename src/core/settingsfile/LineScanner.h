// Splits a file's bytes into lines. CR LF, a lone CR and a lone LF each end a line; a UTF-8
// byte-order mark at the very start is not part of the first line.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavmir {

class LineScanner {
  public:
    explicit LineScanner(std::string_view bytes);

    // The next line without its line end; false at the end of the bytes.
    bool next(std::string_view& line);
    // Bytes consumed so far, line ends included.
    std::size_t consumed() const { return m_pos; }

  private:
    // Position of the next CR / LF at or after m_pos (size() when none), each found with one
    // memchr that is repeated only once it has been passed: linear in the file's size.
    std::size_t nextOf(char c, std::size_t& cached) const;

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::size_t m_nextCr = 0;
    std::size_t m_nextLf = 0;
    bool m_crValid = false;
    bool m_lfValid = false;
};

}  // namespace tavmir
