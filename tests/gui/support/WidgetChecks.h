// What a person checks by looking at a window, done by measuring: texts wider than the room
// their control gives them, and the cells of the editor pages (a label wider than the space
// before its field unless elided with its full name leading the tooltip, a label a field
// covers, a field a screen reader could not name).
#pragma once

#include <QFont>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace tavmir {
class Catalogue;
}

namespace tavmir::gui {
class FrmSettingsEdit;
}

namespace tavmir::gui::test {

struct CheckReport {
    std::vector<std::string> lines;  // what the transcript shows
    int problems = 0;                // lines that are faults
};

// The visible labels, buttons, check boxes, options and frame titles of `window` whose text
// needs more width than they have.
CheckReport cutTexts(const QWidget& window);

// Every page of the editor shown in turn and its cells measured (then the page shown before
// comes back); `labelFont`, when given, is put on every label first.
CheckReport checkCells(FrmSettingsEdit& editor, const Catalogue& catalogue,
                       const std::optional<QFont>& labelFont);

}  // namespace tavmir::gui::test
