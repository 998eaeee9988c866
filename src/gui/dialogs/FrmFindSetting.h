// FrmFindSetting ("Find Setting"): asks for the text to find and where to look (section, key,
// description). It shows the run's search state on opening and stores the confirmed choice
// back into it; "&Find" (or Enter) refuses an empty text or no place to look and stays open;
// "&Close" (or Escape) leaves the search state as it was.
#pragma once

#include "dialogs/OperationDialog.h"
#include "operations/FindSetting.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tavmir::gui {

class FrmFindSetting : public OperationDialog {
    Q_OBJECT

  public:
    // `search`: the run's search state, shared by every editor; it must outlive the dialog.
    explicit FrmFindSetting(SearchState& search, QWidget* parent = nullptr);

    // Set when the dialog opens, cleared only by an accepted "&Find".
    bool findCancelled() const { return m_cancelled; }

    void bFind_Click();
    void bClose_Click();

  protected:
    void enterPressed() override { bFind_Click(); }
    void escapePressed() override { bClose_Click(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SearchState& m_search;
    bool m_cancelled = true;

  public:
    QLabel* Label1 = nullptr;
    QLineEdit* tFind = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* chGroup = nullptr;
    QCheckBox* chName = nullptr;
    QCheckBox* chRemark = nullptr;
    QPushButton* bFind = nullptr;
    QPushButton* bClose = nullptr;
};

}  // namespace tavmir::gui
