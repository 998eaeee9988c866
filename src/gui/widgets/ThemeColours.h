// The program's own colours (the red of errors in the logs, the light grey of read-only
// average fields, black text) as they show on the palette in use. On a light palette they
// are exactly the colours of the design; on a dark one (a base darker than mid grey, as a
// dark desktop theme gives) black becomes the palette's text colour, a colour too dark to
// read on the base is lightened in its own hue, and the average fields take a shade of the
// dark base. Only what is shown changes: saved and printed logs keep the design's colours.
#pragma once

#include <QColor>
#include <QPalette>

namespace tavmir::gui {

class ThemeColours {
  public:
    explicit ThemeColours(const QPalette& palette);

    // True when text is light on a dark base.
    bool dark() const { return m_dark; }
    // `designed` as it is drawn on the palette's base (text of a log, a grid cell).
    QColor readable(const QColor& designed) const;
    // The base of a read-only average field: RGB 232, 232, 232 on a light palette.
    QColor averageFieldBase() const;

  private:
    QPalette m_palette;
    bool m_dark;
};

}  // namespace tavmir::gui
