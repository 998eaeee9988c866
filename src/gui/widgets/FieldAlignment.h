// How value texts sit in their boxes: the TextAlign preference turned into a Qt alignment.
// The editor's value fields and the boxes of the edit-for-all-ships dialog both follow it.
#pragma once

#include <Qt>

namespace tavmir::gui {

// TextAlign 1 right, 2 centre, anything else left; always centred vertically.
Qt::Alignment fieldAlignment(int textAlign);

}  // namespace tavmir::gui
