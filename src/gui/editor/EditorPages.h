// The twelve pages of an editor's cells on its canvas: one container widget per page
// (page_1 .. page_12) in the band between the separator lines, holding the labels (Label1_i)
// and value fields (Text1_i) of that page. A page is built on its first visit, or while the
// event loop is idle after an open, and afterwards only shown or hidden: a page switch never
// recreates widgets, and the texts of built pages are brought up to the document.
//
// The pages belong to this object, not only to the canvas: it is destroyed before the
// document its cells report to, so no cell outlives the host of its events.
#pragma once

#include <QString>
#include <Qt>

#include <array>
#include <memory>
#include <vector>

#include "GuiContext.h"
#include "document/EditorDocument.h"
#include "document/Layout.h"

class QWidget;

namespace tavmir {
struct Preferences;
}

namespace tavmir::gui {

class EditorFieldEvents;
class FieldLabel;
class ValueField;

class EditorPages {
  public:
    // The cells report to `events`; texts and tooltips come from `document`, the alignment
    // of new fields from the TextAlign preference and the fonts from the run's context. All
    // three must outlive the pages.
    EditorPages(QWidget& canvas, const EditorDocument& document, GuiContext& context,
                EditorFieldEvents& events);
    ~EditorPages();
    EditorPages(const EditorPages&) = delete;
    EditorPages& operator=(const EditorPages&) = delete;

    // Hides page `from` (0: none) and shows page `to` (1..12), built and up to date.
    void switchPage(int from, int to);
    // Builds the pages not visited yet, one per turn of the event loop while the canvas is
    // shown, so that a later first visit only shows a container.
    void buildRemainingWhenIdle();

    // Brings the texts and tooltips of the built pages up to the document: operations outside
    // the window (copy, swap, import, edit for all ships) write the document directly.
    void syncAll();
    // The cell of field 1..1045; null while its page is not built.
    ValueField* field(int item) const;
    // The field's and its label's tooltip.
    void showTooltip(int item, const QString& tooltip);
    // Re-aligns every built value field.
    void applyAlignment(Qt::Alignment alignment);

  private:
    QWidget& page(int page);
    void syncPage(int page);

    QWidget& m_canvas;
    const EditorDocument& m_document;
    GuiContext& m_context;
    EditorFieldEvents& m_events;
    std::vector<int> m_tabIndexes;
    std::array<ValueField*, kFieldCount + 1> m_fields{};
    std::array<FieldLabel*, kFieldCount + 1> m_labels{};
    // Last, so the cells go first, while the arrays above still stand.
    std::array<std::unique_ptr<QWidget>, kPageCount + 1> m_pages;
};

}  // namespace tavmir::gui
