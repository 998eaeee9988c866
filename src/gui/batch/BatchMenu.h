// The File menu's batch commands: Compare CFG/SET Files, Validate CFG/SET Files, Set Values In
// CFG/SET Files (one window of each, raised when already open) and Validate template.sss (a modal
// dialog).
#pragma once

#include <QObject>
#include <QPointer>

#include "GuiContext.h"

class QWidget;

namespace tavmir::gui {

class FrmCompareFiles;
class FrmSetValues;
class FrmValidateFiles;

class BatchMenu : public QObject {
    Q_OBJECT

  public:
    // The windows belong to main.
    BatchMenu(QWidget& main, GuiContext& context);

    FrmValidateFiles* validateFiles();
    FrmCompareFiles* compareFiles();
    FrmSetValues* setValues();
    void validateTemplate();
    // Closes the open batch windows, as their close boxes would; false when one refused (its
    // run is going on, which it says).
    bool closeWindows();

  private:
    QWidget& m_main;
    GuiContext& m_context;
    QPointer<FrmValidateFiles> m_validate;
    QPointer<FrmCompareFiles> m_compare;
    QPointer<FrmSetValues> m_set;
};

}  // namespace tavmir::gui
