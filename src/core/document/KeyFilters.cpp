#include "document/KeyFilters.h"

namespace tavmir {

char16_t numericKeyFilter(char16_t code) {
    if ((code >= u'0' && code <= u'9') || code == u'-' || code == kBackspaceKey) return code;
    return 0;
}

char16_t textKeyFilter(char16_t code) {
    if ((code >= 32 && code <= 127) || code == kBackspaceKey) return code;
    return 0;
}

}  // namespace tavmir
