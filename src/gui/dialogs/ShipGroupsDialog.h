// The shared body of the copy and swap dialogs: two ship lists in page order with their
// labels (whose access keys put the focus into the lists), and the frame of the seven setting-group
// check boxes, where "All Settings" checked disables the six groups (their marks stay). The derived
// dialogs add their buttons.
#pragma once

#include <array>
#include <vector>

#include "dialogs/OperationDialog.h"
#include "operations/ShipCopySwap.h"

class QCheckBox;
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
    // The confirming button (bCopy, bSwap): left of Cancel, before it in the keyboard order,
    // and the one Enter clicks.
    QPushButton* addConfirmButton(const char* name, const QString& caption);
    // The ship (1..8) selected in the first list, and in the second one while it takes one
    // ship only; 0 when none.
    int originShip() const;
    int destinationShip() const;
    // The ships selected in the second list.
    ShipSelection destinationShips() const;
    SettingGroups groups() const;
    const FieldTexts& fields() const { return m_fields; }
    // Shows the refusal (information icon) and focuses the control to correct.
    void refuse(const ShipDialogRefusal& refusal);
    // Closes the dialog with the writes the editor applies.
    void acceptWrites(std::vector<FieldWrite> writes);

  private:
    // The ship (1..8) selected in a single-selection list, 0 when none.
    static int selectedShip(const QListWidget& list);

    const FieldTexts& m_fields;
    std::vector<FieldWrite> m_writes;
    QListWidget* m_originList = nullptr;                        // List1
    QListWidget* m_destinationList = nullptr;                   // List2
    std::array<QCheckBox*, kSettingGroupCount> m_groupBoxes{};  // Check1_0 .. Check1_6
    QPushButton* m_cancelButton = nullptr;
};

}  // namespace tavmir::gui
