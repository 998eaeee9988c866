// Start where the user left off (the ReopenFiles preference): a normal exit remembers the open
// editors' files in their order, each one's page and the active one (LastSession in core), and
// the next start without files reopens them as one run of the Open command. Files that are gone
// or no longer open are left out, named in one message.
#pragma once

#include "session/LastSession.h"

namespace tavmir::gui {

class MDIFormMain;
struct GuiContext;

// The editors open now, in their order, as the next start is to reopen them.
LastSession openSession(const MDIFormMain& window);
// Keeps them for the next start; nothing when the preference is off.
void rememberSession(const LastSession& session, const GuiContext& context);

// Reopens the files of the last session when the preference is on; files open already (a
// recovery opened them) are not opened twice.
void reopenLastSession(MDIFormMain& window, const GuiContext& context);

}  // namespace tavmir::gui
