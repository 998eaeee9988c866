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
                    const GuiContext* context) {
    FrmShowErrors dialog(log, filePath, context, parent);
    ui().exec(dialog);
}

}  // namespace tavmir::gui
