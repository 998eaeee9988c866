// The date and time texts of the reports' headers: today's date and the time now, in the
// long formats of the user's locale, as the reader and the batch runs ask for them.
#pragma once

#include <string>

namespace tavmir::gui {

std::string longDateText();
std::string longTimeText();

}  // namespace tavmir::gui
