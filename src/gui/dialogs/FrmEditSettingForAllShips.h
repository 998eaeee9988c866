// FrmEditSettingForAllShips ("Edit Setting For All Ships", object name
// frmEditSettingForAllShips): one per-ship setting for the eight ships side by side, with their
// plain average and each ship's distance from it, the previous and next setting, and the values
// written back on every step and every close. The rules live in EditAllShipsSession; this dialog
// shows its state and forwards typing, focus and clicks. Every way of closing (Close, Escape,
// Enter, the close box) writes back.
#pragma once

#include <QPoint>

#include <array>
#include <functional>
#include <string>

#include "dialogs/OperationDialog.h"
#include "operations/EditAllShips.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace tavmir::gui {

// What the dialog reaches of the editor it works on.
struct EditAllShipsHost {
    const FieldTexts* fields = nullptr;      // the editor's value fields
    ApplyWrites apply;                       // writes as typed into the editor
    std::function<void(int page)> showPage;  // the editor's page selector
};

class FrmEditSettingForAllShips : public OperationDialog {
    Q_OBJECT

  public:
    FrmEditSettingForAllShips(const Catalogue& catalogue, EditAllShipsHost host, int shownRow,
                              QWidget* parent = nullptr);

    // Opening: fills the boxes, aligns them as the preferences say and focuses the box of
    // the page the editor shows.
    void open(int currentPage, int focusedField, Qt::Alignment alignment);

    // Where the editor goes once the dialog has closed.
    EditAllShipsSession::Closing closing() const { return m_closing; }
    const EditAllShipsSession& session() const { return m_session; }

    // Writes the boxes back and shows the previous / next per-ship setting.
    void showPreviousSetting();
    void showNextSetting();
    // Writes the boxes back, shows the page the editor goes to, and closes.
    void writeBackAndClose();

  protected:
    void enterPressed() override { writeBackAndClose(); }
    void escapePressed() override { writeBackAndClose(); }
    void reject() override { writeBackAndClose(); }  // the close box
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showSession();
    void showPercents();
    int boxOf(const QObject* object) const;
    void showFocusedShipPage();

    EditAllShipsSession m_session;
    EditAllShipsHost m_host;
    EditAllShipsSession::Closing m_closing;
    bool m_closed = false;
    bool m_filling = false;
    QGroupBox* m_frame = nullptr;              // Frame1
    std::array<QLineEdit*, 9> m_valueBoxes{};  // tSet_0 .. tSet_8 (8: the average)
    std::array<QLabel*, 9> m_captionLabels{};  // Label1_0 .. Label1_8
    std::array<QLabel*, 8> m_percentLabels{};  // lAvg_0 .. lAvg_7
};

}  // namespace tavmir::gui
