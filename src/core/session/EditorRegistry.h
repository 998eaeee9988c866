// The main window's table of editor windows: one slot per editor opened in this run, numbered
// from 1 and never reused, at most kMaxEditors open at once, and the slot of the editor that was
// activated last. Every Edit, Save and Close command acts on that active editor.
//
// A released slot keeps its number and path but no longer its editor, so a stale ActiveEditor
// leads nowhere instead of to a window that is gone. Releasing twice is harmless, which lets a
// window's own close event and the main window's close commands both report a close.
#pragma once

#include <string>
#include <vector>

#include "session/EditorWindow.h"

namespace tavmir {

// The most editors open at once.
inline constexpr int kMaxEditors = 8;

class EditorRegistry {
  public:
    // Slots handed out so far; only grows.
    int slotCount() const { return static_cast<int>(m_slots.size()); }
    // Slots in use, 0..kMaxEditors.
    int openEditorCount() const { return m_openEditorCount; }
    // Slot of the editor activated last, 0 before any.
    int activeEditor() const { return m_activeEditor; }
    // Written when an editor window is activated; a slot number outside 0..SlotCount is ignored.
    void setActiveEditor(int slot);

    // False for any number outside 1..slotCount().
    bool slotInUse(int slot) const;
    // The path the slot was opened with; empty outside 1..slotCount().
    const std::string& slotPath(int slot) const;
    // The slot's editor while the slot is in use, else null.
    EditorWindow* editor(int slot) const;
    // The editor in ActiveEditor, or null when that slot is not in use.
    EditorWindow* activeEditorWindow() const { return editor(m_activeEditor); }
    // True once the slot's editor has loaded its file, until the slot is released.
    bool slotLoaded(int slot) const;

    // The slot in use whose editor shows the same file as path (see samePath); 0 when none.
    int findOpenFile(const std::string& path) const;

    // Takes slot SlotCount + 1 for path and counts it open; 0 when kMaxEditors are open.
    int addSlot(const std::string& path);
    // Puts the editor window into a slot in use.
    void attach(int slot, EditorWindow* window);
    // Marks the slot's editor as holding its file (the menus of an open file apply from now).
    void markLoaded(int slot);
    // Frees a slot in use and uncounts it; false (and no change) when it was not in use.
    bool release(int slot);

  private:
    struct Slot {
        EditorWindow* editor = nullptr;
        std::string path;
        bool inUse = false;
        bool loaded = false;
    };
    const Slot* slotAt(int slot) const;

    std::vector<Slot> m_slots;
    int m_openEditorCount = 0;
    int m_activeEditor = 0;
};

}  // namespace tavmir
