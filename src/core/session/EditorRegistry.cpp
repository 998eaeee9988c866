#include "session/EditorRegistry.h"

#include "common/SamePath.h"

namespace tavmir {

const EditorRegistry::Slot* EditorRegistry::slotAt(int slot) const {
    if (slot < 1 || slot > slotCount()) return nullptr;
    return &m_slots[static_cast<std::size_t>(slot - 1)];
}

void EditorRegistry::setActiveEditor(int slot) {
    if (slot >= 0 && slot <= slotCount()) m_activeEditor = slot;
}

bool EditorRegistry::slotInUse(int slot) const {
    const Slot* s = slotAt(slot);
    return s != nullptr && s->inUse;
}

const std::string& EditorRegistry::slotPath(int slot) const {
    static const std::string kNone;
    const Slot* s = slotAt(slot);
    return s != nullptr ? s->path : kNone;
}

EditorWindow* EditorRegistry::editor(int slot) const {
    const Slot* s = slotAt(slot);
    return s != nullptr && s->inUse ? s->editor : nullptr;
}

bool EditorRegistry::slotLoaded(int slot) const {
    const Slot* s = slotAt(slot);
    return s != nullptr && s->inUse && s->loaded;
}

int EditorRegistry::findOpenFile(const std::string& path) const {
    for (int slot = 1; slot <= slotCount(); ++slot) {
        const Slot& s = m_slots[static_cast<std::size_t>(slot - 1)];
        if (!s.inUse) continue;
        // The editor's own path, since Save As moves an editor to another file.
        const std::string shown = s.editor != nullptr ? s.editor->filePath() : s.path;
        if (samePath(shown, path)) return slot;
    }
    return 0;
}

int EditorRegistry::addSlot(const std::string& path) {
    if (m_openEditorCount >= kMaxEditors) return 0;
    m_slots.push_back(Slot{nullptr, path, true, false});
    ++m_openEditorCount;
    return slotCount();
}

void EditorRegistry::attach(int slot, EditorWindow* window) {
    if (!slotInUse(slot)) return;
    m_slots[static_cast<std::size_t>(slot - 1)].editor = window;
}

void EditorRegistry::markLoaded(int slot) {
    if (!slotInUse(slot)) return;
    m_slots[static_cast<std::size_t>(slot - 1)].loaded = true;
}

bool EditorRegistry::release(int slot) {
    if (!slotInUse(slot)) return false;
    Slot& s = m_slots[static_cast<std::size_t>(slot - 1)];
    s.inUse = false;
    s.loaded = false;
    s.editor = nullptr;
    --m_openEditorCount;
    return true;
}

}  // namespace tavmir
