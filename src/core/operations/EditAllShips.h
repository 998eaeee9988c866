// The rules of the "Edit Setting For All Ships" dialog: one per-ship setting shown for the
// eight ships side by side with their plain average and each ship's distance from it in
// percent, stepping through the 84 ship-page rows, and writing the eight values back.
//
// The session holds the dialog's state (shown row, the nine box texts, the eight percentage
// texts, the box focused last); the window only displays it and forwards typing and clicks.
// Writing back goes through a caller-supplied callback that applies the writes to the editor
// the way typing does (change handling: modified mark, the row's Average Ship field), because
// the next row is filled from the editor's fields after the write.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"
#include "operations/FieldWrites.h"

namespace tavmir {

inline constexpr int kEditAllAverageBox = 8;  // box 8 shows the average; 0..7 are the ships

// Captions of the nine boxes' labels, ships in page order then the average.
inline constexpr std::array<const char*, 9> kEditAllBoxCaptions{"Warbird",   "Javelin", "Spider",
                                                                "Leviathan", "Terrier", "Weasel",
                                                                "Lancaster", "Shark",   "Average"};

// The row a value field opens on is the document's shipRowOfItem (document/Editing.h).

// The text under a ship's box: its distance from the average in percent, 2 decimals, halves
// to even, "+" in front when not negative; "+0%" when the average is 0.
std::string shipPercentText(double shipValue, double average);

// The eight boxes' plain mean, 2 decimals halves to even, as the average box shows it.
std::string plainAverageText(const std::array<std::string, 8>& shipTexts);

// Called with the writes of a write-back; it must apply them to the same FieldTexts the
// session reads from, running each changed field's change handling.
using ApplyWrites = std::function<void(const std::vector<FieldWrite>&)>;

class EditAllShipsSession {
  public:
    struct Closing {
        int focusField = 0;  // the editor value field to focus after the dialog
        int page = 0;        // the editor page to show (4..11 a ship, 12 Average Ship)
        bool operator==(const Closing&) const = default;
    };

    // row = 1..84 (out-of-range rows are clamped into it).
    EditAllShipsSession(const Catalogue& catalogue, int row);

    // Opening: fills the boxes and puts the focus on the box of the ship whose page the
    // editor shows, the average box on the Average Ship page. On a general page (the editor
    // can still hold a ship field as its focused item there) the focused field's own column
    // is used. Returns the focused box.
    int open(const FieldTexts& fields, int currentPage, int focusedField);

    // Fills the nine boxes and the texts for the shown row from the editor's fields.
    void fill(const FieldTexts& fields);

    // The user changed ship box k (0..7): stores the text, recomputes average and percents.
    void editShipBox(int k, std::string text);

    // A box (0..8) got the focus.
    void focusBox(int k);

    // The eight ship boxes as writes to their editor fields; boxes whose text equals the
    // field's are left out (an unchanged field raises no change). The average is never written.
    std::vector<FieldWrite> writeBack(const FieldTexts& fields) const;

    // "< Previous" / "Next >": write back, step with wrap-around (1 <-> 84), fill.
    void previousSetting(const FieldTexts& fields, const ApplyWrites& apply);
    void nextSetting(const FieldTexts& fields, const ApplyWrites& apply);

    // Close, Escape, Enter or the close box: write back; says where the editor goes next.
    Closing close(const FieldTexts& fields, const ApplyWrites& apply);

    // Double-click on a box or its labels: the editor page of the focused box.
    int pageOfFocusedBox() const;

    int shownRow() const { return m_shownRow; }
    int baseItem() const { return m_baseItem; }
    int focusedShip() const { return m_focusedShip; }  // -1 before any box had the focus
    const std::string& boxText(int k) const { return m_boxes[static_cast<std::size_t>(k)]; }
    const std::string& percentText(int k) const { return m_percents[static_cast<std::size_t>(k)]; }
    const std::string& frameCaption() const { return m_frameCaption; }
    // Tooltip of the frame and the editor's remark line.
    const std::string& descriptionLine() const { return m_descriptionLine; }

  private:
    void computePercents();
    void stepTo(int row, const FieldTexts& fields, const ApplyWrites& apply);

    const Catalogue& m_catalogue;
    int m_shownRow = 1;
    int m_baseItem = 0;
    int m_focusedShip = -1;
    std::array<std::string, 9> m_boxes{};
    std::array<std::string, 8> m_percents{};
    std::string m_frameCaption;
    std::string m_descriptionLine;
};

}  // namespace tavmir
