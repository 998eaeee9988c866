// The fonts of the editor's cells. The page positions are fixed (a label has 196 pixels
// before its field, less where the field of the column to its left reaches into it), while
// the width of a font differs from system to system. So the family is chosen by measuring:
// the first installed family of a short list, narrow ones first, in which every label of the
// catalogue fits the space before its field at the label size. Where none does, the first
// installed one is taken and the labels that do not fit are elided (FieldLabel).
//
// The list holds only fonts a Debian desktop installs or that are free to install: DejaVu
// Sans Condensed (fonts-dejavu-extra, part of fonts-dejavu), Liberation Sans Narrow
// (fonts-liberation), Nimbus Sans Narrow (fonts-urw-base35, with Ghostscript), then the
// wider DejaVu Sans and Liberation Sans; the system's own font comes last.
#pragma once

#include <QFont>
#include <QStringList>

#include <memory>

namespace tavmir {
class Catalogue;
}

namespace tavmir::gui {

class PageFont {
  public:
    static constexpr int kLabelPixels = 10;
    static constexpr int kFieldPixels = 11;

    // Measures `families` (then `fallback`) against the catalogue's labels.
    PageFont(const Catalogue& catalogue, const QStringList& families, const QFont& fallback);

    const QFont& labelFont() const { return m_label; }
    const QFont& fieldFont() const { return m_field; }
    // Whether every label fits whole in the label font.
    bool labelsFit() const { return m_fit; }

  private:
    QFont m_label;
    QFont m_field;
    bool m_fit = false;
};

// The page fonts of one run (kept in its GuiContext): measured against the catalogue's labels
// once, and again only when the catalogue or the system font changes.
class PageFontCache {
  public:
    const PageFont& fontsFor(const Catalogue& catalogue);

  private:
    const Catalogue* m_measured = nullptr;
    QFont m_systemFont;
    std::unique_ptr<PageFont> m_fonts;
};

}  // namespace tavmir::gui
