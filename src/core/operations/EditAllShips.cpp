#include "operations/EditAllShips.h"

#include <algorithm>

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "document/Layout.h"

namespace tavmir {
namespace {

// The column (0..8) of a field on its ship-page row, or -1.
int columnOfField(int row, int field) {
    for (int c = 0; c <= kAverageColumn; ++c)
        if (shipTable(row, c) == field) return c;
    return -1;
}

// -0.0 would be written "-0" and take the minus branch of the sign rule.
double withoutNegativeZero(double x) { return x == 0.0 ? 0.0 : x; }

}  // namespace

std::string shipPercentText(double shipValue, double average) {
    if (average == 0.0) return "+0%";
    const double p = withoutNegativeZero(roundHalfEven((shipValue - average) * 100.0 / average, 2));
    // Built piece by piece: a chain of operator+ trips a false -Wrestrict in GCC 12 at -O3.
    std::string text = p >= 0.0 ? "+" : "";
    text += shortestDecimal(p);
    text += '%';
    return text;
}

std::string plainAverageText(const std::array<std::string, 8>& shipTexts) {
    double sum = 0.0;
    for (const std::string& t : shipTexts) sum += leadingNumber(t);
    return shortestDecimal(withoutNegativeZero(roundHalfEven(sum / 8.0, 2)));
}

EditAllShipsSession::EditAllShipsSession(const Catalogue& catalogue, int row)
    : m_catalogue(catalogue), m_shownRow(std::clamp(row, 1, kShipRows)) {
    m_baseItem = shipTable(m_shownRow, 0);
}

int EditAllShipsSession::open(const FieldTexts& fields, int currentPage, int focusedField) {
    fill(fields);
    int box = currentPage - kFirstShipPage;
    if (currentPage < kFirstShipPage || currentPage > kAverageShipPage) {
        // Only ship and Average Ship pages name a box; a general page would give a box
        // number below 0, so the focused field's own column stands in.
        box = std::max(0, columnOfField(m_shownRow, focusedField));
    }
    focusBox(box);
    return box;
}

void EditAllShipsSession::fill(const FieldTexts& fields) {
    m_baseItem = shipTable(m_shownRow, 0);
    for (int k = 0; k < kShipCount; ++k)
        m_boxes[static_cast<std::size_t>(k)] = fields[shipTable(m_shownRow, k)];
    // The average box shows the Average Ship field whose label names the base key.
    const SettingDef& base = m_catalogue[m_baseItem];
    int averageRow = m_shownRow;
    for (int r = 1; r <= kShipRows; ++r) {
        if (m_catalogue[shipTable(r, 0)].key == base.key) {
            averageRow = r;
            break;
        }
    }
    m_boxes[kEditAllAverageBox] = fields[shipTable(averageRow, kAverageColumn)];
    computePercents();
    m_frameCaption = base.key;
    m_descriptionLine = limitsText(base) + base.description;
}

void EditAllShipsSession::editShipBox(int k, std::string text) {
    if (k < 0 || k >= kShipCount) return;
    m_boxes[static_cast<std::size_t>(k)] = std::move(text);
    std::array<std::string, 8> ships;
    std::copy_n(m_boxes.begin(), kShipCount, ships.begin());
    m_boxes[kEditAllAverageBox] = plainAverageText(ships);
    computePercents();
}

void EditAllShipsSession::focusBox(int k) {
    if (k >= 0 && k <= kEditAllAverageBox) m_focusedShip = k;
}

std::vector<FieldWrite> EditAllShipsSession::writeBack(const FieldTexts& fields) const {
    std::vector<FieldWrite> writes;
    for (int k = 0; k < kShipCount; ++k) {
        const int field = shipTable(m_shownRow, k);
        const std::string& text = m_boxes[static_cast<std::size_t>(k)];
        if (fields[field] != text) writes.push_back({field, text});
    }
    return writes;
}

void EditAllShipsSession::previousSetting(const FieldTexts& fields, const ApplyWrites& apply) {
    stepTo(m_shownRow == 1 ? kShipRows : m_shownRow - 1, fields, apply);
}

void EditAllShipsSession::nextSetting(const FieldTexts& fields, const ApplyWrites& apply) {
    stepTo(m_shownRow == kShipRows ? 1 : m_shownRow + 1, fields, apply);
}

EditAllShipsSession::Closing EditAllShipsSession::close(const FieldTexts& fields,
                                                        const ApplyWrites& apply) {
    const std::vector<FieldWrite> writes = writeBack(fields);
    if (!writes.empty() && apply) apply(writes);
    const int box = m_focusedShip < 0 ? 0 : m_focusedShip;
    return {shipTable(m_shownRow, box), box + kFirstShipPage};
}

int EditAllShipsSession::pageOfFocusedBox() const {
    return (m_focusedShip < 0 ? 0 : m_focusedShip) + kFirstShipPage;
}

void EditAllShipsSession::computePercents() {
    const double average = leadingNumber(m_boxes[kEditAllAverageBox]);
    for (int k = 0; k < kShipCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        m_percents[i] = shipPercentText(leadingNumber(m_boxes[i]), average);
    }
}

void EditAllShipsSession::stepTo(int row, const FieldTexts& fields, const ApplyWrites& apply) {
    const std::vector<FieldWrite> writes = writeBack(fields);
    if (!writes.empty() && apply) apply(writes);
    m_shownRow = row;
    fill(fields);
}

}  // namespace tavmir
