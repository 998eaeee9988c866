#include "widgets/FieldAlignment.h"

namespace tavmir::gui {

Qt::Alignment fieldAlignment(int textAlign) {
    switch (textAlign) {
        case 1:
            return Qt::AlignRight | Qt::AlignVCenter;
        case 2:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace tavmir::gui
