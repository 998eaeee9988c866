// The shared body of the copy and swap dialogs: two ship lists in page order with their
// labels, and the frame of the seven setting-group check boxes, where "All Settings" checked
// disables the six groups (their marks stay). The derived dialogs add their buttons.
#pragma once

#include <array>
#include <vector>

#include "dialogs/OperationDialog.h"
#include "operations/ShipCopySwap.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;

namespace tavmir::gui {

class ShipGroupsDialog : public OperationDialog {
    Q_OBJECT

  public:
    struct Captions {
        QString objectName;
        QString caption;
        QString list1Label;
        QString list2Label;
        QString frame;
        bool list2Multiple = false;  // extended multiple selection, else single
    };
    ShipGroupsDialog(const Captions& captions, const FieldTexts& fields, QWidget* parent);

    // The writes the confirming button decided; empty after a refusal or a cancel.
    const std::vector<FieldWrite>& writes() const { return m_writes; }

  protected:
    // The ship (1..8) selected in a single-selection list, 0 when none.
    static int selectedShip(const QListWidget& list);
    SettingGroups groups() const;
    // Shows the refusal (information icon) and focuses the control to correct.
    void refuse(const ShipDialogRefusal& refusal);

    const FieldTexts& m_fields;
    std::vector<FieldWrite> m_writes;

  public:
    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* List2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QCheckBox*, kSettingGroupCount> Check1{};
    QPushButton* bCancel = nullptr;
};

}  // namespace tavmir::gui
