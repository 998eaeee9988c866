// An editor's history of changes, for Undo and Redo. Every change to the setting values is one
// step: typing in one field until it loses the focus, one write-back session of the
// edit-for-all-ships dialog, a copy, a swap, an import, an alphanumeric edit. A step keeps, for
// each setting it changed, the text before and after; the Average Ship rows are not kept, as
// they follow from the ship values.
//
// The history is a list of steps with a cursor: Undo steps the cursor back, Redo forward, and a
// new step drops the steps that were undone. It also knows its clean position (the state of
// the last open or save) and the modified mark of that state, so that undoing back to it gives
// the mark the file had then.
//
// It is bounded: at most kMaxHistorySteps steps and about kMaxHistoryBytes of texts; the
// oldest steps go first (the step being recorded always stays).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tavmir {

inline constexpr std::size_t kMaxHistorySteps = 1000;
inline constexpr std::size_t kMaxHistoryBytes = 32u * 1024u * 1024u;

// How a step's texts go back into the document.
enum class StepKind {
    Typed,  // through each field's change handling (its row average and annotation follow)
    Bulk,   // all at once, then the whole Average Ship page is recomputed
};

// One step: its name and kind, and for each setting it changed (in setting order) the text
// before and after. The texts of all its settings share one buffer and each setting costs a
// small fixed record, so that even a step that changes every setting stays small (an import
// of all 961 settings keeps about 25 KB), and a thousand of them fit the history's bound.
struct EditStep {
    std::string name;  // what the Edit menu shows after "Undo " / "Redo "
    StepKind kind = StepKind::Typed;

    // Adds the next changed setting.
    void add(int item, std::string_view before, std::string_view after);
    // Gives back the memory reserved beyond what the step holds (once it is complete).
    void shrink();

    std::size_t size() const { return m_changes.size(); }
    bool empty() const { return m_changes.empty(); }
    int item(std::size_t i) const { return m_changes[i].item; }
    std::string_view before(std::size_t i) const;
    std::string_view after(std::size_t i) const;

    // Bytes the step holds, counting its texts and records.
    std::size_t bytes() const;

  private:
    struct Change {
        int item = 0;
        std::uint32_t offset = 0;  // of the text before in m_texts; the text after follows it
        std::uint32_t beforeLength = 0;
        std::uint32_t afterLength = 0;
    };
    std::vector<Change> m_changes;
    std::string m_texts;
};

class EditHistory {
  public:
    // Adds a finished step after the cursor, dropping the undone steps, then trims the oldest
    // steps to the bounds.
    void record(EditStep step);
    // Forgets every step; the current state becomes the clean one with the given mark.
    void reset(bool cleanModified = false);
    // The current state is the state of a save: clean, not modified.
    void markSaved();
    // The file the clean state stood for is gone from disk: no state is clean until the next
    // save.
    void forgetClean() { m_cleanKnown = false; }

    bool canUndo() const { return m_cursor > 0; }
    bool canRedo() const { return m_cursor < m_steps.size(); }
    // Names of the step Undo / Redo would take back or replay; empty when none.
    std::string_view undoName() const;
    std::string_view redoName() const;

    // Moves the cursor one step back (forward) and returns the step to take back (replay);
    // null when there is none.
    const EditStep* undo();
    const EditStep* redo();

    // Whether the current state is the clean one, and the modified mark it should show.
    bool atClean() const { return m_cleanKnown && m_cursor == m_clean; }
    // The modified mark of the current state: the clean state's own mark there, true
    // anywhere else.
    bool modified() const { return atClean() ? m_cleanModified : true; }

    std::size_t stepCount() const { return m_steps.size(); }
    std::size_t bytes() const { return m_bytes; }

  private:
    void trim();

    std::deque<EditStep> m_steps;
    std::size_t m_cursor = 0;  // steps before it are done, from it on undone
    std::size_t m_clean = 0;
    bool m_cleanKnown = true;  // false once the clean state was trimmed or dropped
    bool m_cleanModified = false;
    std::size_t m_bytes = 0;
};

}  // namespace tavmir
