#include "dialogs/LoadErrorDialogs.h"

#include "UiServices.h"
#include "dialogs/FrmLoadErrors.h"
#include "dialogs/FrmShowErrors.h"

namespace tavmir::gui {

LoadErrorAnswer runLoadErrorDialog(QWidget* parent, const LoadErrorRequest& request,
                                   const GuiContext* context) {
    FrmLoadErrors dialog(request, context, parent);
    ui().exec(dialog);
    return dialog.answer();
}

void showLoadErrors(QWidget* parent, const StyledLog& log, const QString& filePath,
                    int unwrittenLines, const GuiContext* context) {
    FrmShowErrors dialog(log, filePath, unwrittenLines, context, parent);
    ui().exec(dialog);
}

}  // namespace tavmir::gui
