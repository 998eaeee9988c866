// The editor's history under arbitrary edits: typing in fields, typed and bulk writes of
// operations (some inside a dialog's open session), undos and redos in any order. Whatever
// happened, undoing everything gives the document as it was opened, with no modified mark, and
// redoing everything then gives the last state the history holds, field for field (the
// averages included) and with its mark.
#include <array>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "document/EditorDocument.h"
#include "document/Layout.h"

namespace {

using namespace tavmir;

struct State {
    std::array<std::string, kFieldCount + 1> texts;
    bool modified = false;
};

State stateOf(const EditorDocument& doc) {
    State s;
    for (int i = 1; i <= kFieldCount; ++i) s.texts[static_cast<std::size_t>(i)] = doc.text(i);
    s.modified = doc.modified();
    return s;
}

bool same(const State& a, const State& b) { return a.texts == b.texts && a.modified == b.modified; }

// A short value from the input: a number or a few characters.
std::string valueOf(fuzz::Input& in) {
    const unsigned kind = in.byte();
    if (kind % 4 == 0) return std::string(in.take(in.byte() % 6));
    return std::to_string(static_cast<int>(in.littleEndian(2)) - 1000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Catalogue& cat = fuzz::catalogue();
    static const std::shared_ptr<const Catalogue> shared(&cat, [](const Catalogue*) {});
    fuzz::Input in(data, size);

    // Opened as a file holding every default, so the state as opened is clean.
    EditorDocument doc(shared);
    OpenRunFlags flags;
    const SettingsReader reader = [&](SettingsFileData& record) {
        for (int n = 1; n <= kSettingCount; ++n) {
            record.values[static_cast<std::size_t>(n)] = cat[n].defaultValue;
            record.found[static_cast<std::size_t>(n)] = true;
        }
        record.foundCount = kSettingCount;
        record.fileType = "CFG";
    };
    if (!doc.openFile("/zone/arena.cfg", reader, flags, {}).loaded()) return 0;
    const State opened = stateOf(doc);
    if (opened.modified) return 0;  // a default longer than its field: not this target's case

    std::vector<std::unique_ptr<EditorDocument::StepScope>> sessions;
    for (int op = 0; op < 200 && !in.rest().empty(); ++op) {
        const unsigned choice = in.byte() % 8;
        const int item = 1 + static_cast<int>(in.littleEndian(2) % kSettingCount);
        switch (choice) {
            case 0: {  // typing in a field, then leaving it
                // Typing that leaves the text as it was is no step, and keeps the mark it set
                // (as the editor has always done): the property is about steps, so each
                // typing here is a whole one that changes the text.
                std::string value = valueOf(in);
                if (fitToField(cat, item, value) == doc.text(item)) value += "1";
                doc.focusField(item);
                doc.editField(item, value);
                doc.blurField();
                break;
            }
            case 1:
            case 2: {  // an operation's writes
                std::vector<FieldWrite> writes;
                for (unsigned n = in.byte() % 8; n > 0; --n)
                    writes.push_back(
                        {1 + static_cast<int>(in.littleEndian(2) % kSettingCount), valueOf(in)});
                doc.applyWrites("Op", choice == 1 ? StepKind::Typed : StepKind::Bulk, writes);
                break;
            }
            case 3:
                doc.undo();
                break;
            case 4:
                doc.redo();
                break;
            case 5:  // a dialog's session opens (they nest)
                if (sessions.size() < 3)
                    sessions.push_back(std::make_unique<EditorDocument::StepScope>(
                        doc.openStep("Session", StepKind::Typed)));
                break;
            case 6:
                if (!sessions.empty()) sessions.pop_back();
                break;
            default:
                doc.blurField();
                break;
        }
    }
    sessions.clear();
    doc.blurField();

    while (doc.canRedo()) doc.redo();
    const State last = stateOf(doc);
    while (doc.canUndo()) doc.undo();
    fuzz::check(same(stateOf(doc), opened));
    while (doc.canRedo()) doc.redo();
    fuzz::check(same(stateOf(doc), last));
    return 0;
}
