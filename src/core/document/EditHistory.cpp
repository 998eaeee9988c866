#include "document/EditHistory.h"

#include <utility>

namespace tavmir {

void EditStep::add(int item, std::string_view before, std::string_view after) {
    Change change;
    change.item = item;
    change.offset = static_cast<std::uint32_t>(m_texts.size());
    change.beforeLength = static_cast<std::uint32_t>(before.size());
    change.afterLength = static_cast<std::uint32_t>(after.size());
    m_texts.append(before);
    m_texts.append(after);
    m_changes.push_back(change);
}

void EditStep::shrink() {
    m_changes.shrink_to_fit();
    m_texts.shrink_to_fit();
}

std::string_view EditStep::before(std::size_t i) const {
    const Change& c = m_changes[i];
    return std::string_view(m_texts).substr(c.offset, c.beforeLength);
}

std::string_view EditStep::after(std::size_t i) const {
    const Change& c = m_changes[i];
    return std::string_view(m_texts).substr(c.offset + c.beforeLength, c.afterLength);
}

std::size_t EditStep::bytes() const {
    return sizeof(EditStep) + name.capacity() + m_changes.capacity() * sizeof(Change) +
           m_texts.capacity();
}

void EditHistory::record(EditStep step) {
    while (m_steps.size() > m_cursor) {
        m_bytes -= m_steps.back().bytes();
        m_steps.pop_back();
    }
    // The clean state lay among the dropped steps: no state can reach it any more.
    if (m_clean > m_cursor) m_cleanKnown = false;
    step.shrink();
    m_bytes += step.bytes();
    m_steps.push_back(std::move(step));
    ++m_cursor;
    trim();
}

void EditHistory::trim() {
    while (m_steps.size() > 1 &&
           (m_steps.size() > kMaxHistorySteps || m_bytes > kMaxHistoryBytes)) {
        m_bytes -= m_steps.front().bytes();
        m_steps.pop_front();
        --m_cursor;
        if (m_clean == 0)
            m_cleanKnown = false;
        else
            --m_clean;
    }
}

void EditHistory::reset(bool cleanModified) {
    m_steps.clear();
    m_cursor = 0;
    m_clean = 0;
    m_cleanKnown = true;
    m_cleanModified = cleanModified;
    m_bytes = 0;
}

void EditHistory::markSaved() {
    m_clean = m_cursor;
    m_cleanKnown = true;
    m_cleanModified = false;
}

std::string_view EditHistory::undoName() const {
    return canUndo() ? std::string_view(m_steps[m_cursor - 1].name) : std::string_view();
}

std::string_view EditHistory::redoName() const {
    return canRedo() ? std::string_view(m_steps[m_cursor].name) : std::string_view();
}

const EditStep* EditHistory::undo() {
    if (!canUndo()) return nullptr;
    --m_cursor;
    return &m_steps[m_cursor];
}

const EditStep* EditHistory::redo() {
    if (!canRedo()) return nullptr;
    ++m_cursor;
    return &m_steps[m_cursor - 1];
}

}  // namespace tavmir
