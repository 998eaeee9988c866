// The checks an editor's values must pass before anything is written: every setting's value
// against its type and limits, in setting-number order, then for each ship the fourteen
// initial/maximum pairs, which must not decrease. Only the first problem is reported, with
// the field to focus, the page on which that field lies and the text of the message box, so
// the user fixes one thing and saves again.
#pragma once

#include <optional>
#include <string>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"

namespace tavmir {

struct SaveCheckFailure {
    int setting = 0;      // the field to give the focus, 1..961
    int page = 0;         // the page to show (1..12), 0 to leave the page shown as it is
    std::string message;  // text of the critical message box titled "Tavmir"
};

// The first value or pair check that the texts of fields 1..961 fail, or nothing when the
// document can be written.
std::optional<SaveCheckFailure> checkBeforeSave(const Catalogue& catalogue,
                                                const FieldTexts& texts);

}  // namespace tavmir
