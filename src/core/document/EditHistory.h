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

// One setting's text before and after a step.
struct FieldChangeRecord {
    int item = 0;
    std::string before;
    std::string after;
};

struct EditStep {
    std::string name;  // what the Edit menu shows after "Undo " / "Redo "
    StepKind kind = StepKind::Typed;
    std::vector<FieldChangeRecord> fields;  // one record per changed setting, in setting order

    // Bytes the step holds, counting its texts and records.
    std::size_t bytes() const;
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
