// The start-up's look for unsaved work: the journals that programs which ended without closing
// left (RecoveryStore in core) are offered in FrmRecoverChanges, and each file the user
// recovers is opened as the Open command opens it, its journal's values then applied as one
// step of its history ("Recover Unsaved Changes"). A file gone from disk is shown from its
// journal; its values are marked modified, and Save writes the file again.
#pragma once

namespace tavmir::gui {

class MDIFormMain;
struct GuiContext;

// Starts keeping journals for this run (context.recovery) and offers those left behind.
void recoverUnsavedChanges(MDIFormMain& window, GuiContext& context);

}  // namespace tavmir::gui
