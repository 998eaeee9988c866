// The tooltip of an editor cell (a label or a value field): its own tooltip (the averages,
// limits and description), headed by the cell's whole text when the cell shows only part of it.
#pragma once

#include <QString>

namespace tavmir::gui {

inline QString cellToolTipText(bool textCut, const QString& wholeText, const QString& tip) {
    if (!textCut) return tip;
    return tip.isEmpty() ? wholeText : wholeText + QLatin1Char('\n') + tip;
}

}  // namespace tavmir::gui
