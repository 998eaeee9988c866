// FrmFindSetting ("Find Setting"): asks for the text to find and where to look (section, key,
// description). It shows the run's search state on opening and stores the confirmed choice
// back into it; "&Find" (or Enter) refuses an empty text or no place to look and stays open;
// "&Close" (or Escape) leaves the search state as it was.
#pragma once

#include "dialogs/OperationDialog.h"
#include "operations/FindSetting.h"

class QCheckBox;
class QLineEdit;

namespace tavmir::gui {

class FrmFindSetting : public OperationDialog {
    Q_OBJECT

  public:
    // `search`: the run's search state, shared by every editor; it must outlive the dialog.
    explicit FrmFindSetting(SearchState& search, QWidget* parent = nullptr);

    // Set when the dialog opens, cleared only by an accepted "&Find".
    bool findCancelled() const { return m_cancelled; }

  protected:
    void enterPressed() override { acceptSearch(); }
    void escapePressed() override { cancelSearch(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // "&Find": checks the choice, stores it in the search state and closes; a refusal stays.
    void acceptSearch();
    // "&Close": the search state stays as it was.
    void cancelSearch();

    SearchState& m_search;
    bool m_cancelled = true;
    QLineEdit* m_findText = nullptr;    // tFind
    QCheckBox* m_sectionBox = nullptr;  // chGroup
    QCheckBox* m_keyBox = nullptr;      // chName
    QCheckBox* m_remarkBox = nullptr;   // chRemark
};

}  // namespace tavmir::gui
