#include "batch/BatchMenu.h"

#include "UiServices.h"
#include "batch/FrmCompareFiles.h"
#include "batch/FrmSetValues.h"
#include "batch/FrmValidateFiles.h"
#include "batch/FrmValidateTemplateSSS.h"

namespace tavmir::gui {

BatchMenu::BatchMenu(QWidget& main, GuiContext& context)
    : QObject(&main), m_main(main), m_context(context) {}

template <typename Window>
static Window* openOne(QPointer<Window>& window, QWidget& main, GuiContext& context) {
    if (!window) window = new Window(context, &main);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

FrmValidateFiles* BatchMenu::validateFiles() { return openOne(m_validate, m_main, m_context); }

FrmCompareFiles* BatchMenu::compareFiles() { return openOne(m_compare, m_main, m_context); }

FrmSetValues* BatchMenu::setValues() { return openOne(m_set, m_main, m_context); }

bool BatchMenu::closeWindows() {
    const QPointer<BatchWindow> windows[] = {m_validate.data(), m_compare.data(), m_set.data()};
    for (const QPointer<BatchWindow>& window : windows)
        if (window && window->isVisible() && !window->close()) return false;
    return true;
}

void BatchMenu::validateTemplate() {
    FrmValidateTemplateSSS dialog(m_context, &m_main);
    ui().exec(dialog);
}

}  // namespace tavmir::gui
