// FrmEditAlphanum ("Edit Alphanumeric Setting"): a text setting in a wide box of at most 255
// characters that accepts printable characters (codes 32..127) and Backspace. "&Accept" (or
// Enter) hands the text back for the editor's field; "Ca&ncel" (or Escape) changes nothing.
#pragma once

#include <functional>
#include <vector>

#include "dialogs/OperationDialog.h"
#include "operations/FindSetting.h"

class QLineEdit;

namespace tavmir::gui {

class FrmEditAlphanum : public OperationDialog {
    Q_OBJECT

  public:
    // The setting (1..961) of the editor's `fields` to edit.
    FrmEditAlphanum(const Catalogue& catalogue, const FieldTexts& fields, int editItem,
                    QWidget* parent = nullptr);

    int editItem() const { return m_edit.item; }
    // The description shown as the frame's tooltip, also the editor's remark line.
    QString remark() const;
    // The write "&Accept" decided; empty after Cancel or when the text is unchanged.
    const std::vector<FieldWrite>& writes() const { return m_writes; }

  protected:
    void enterPressed() override { acceptText(); }
    void escapePressed() override { reject(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // "&Accept": hands the text back for the editor's field and closes.
    void acceptText();

    const FieldTexts& m_fields;
    AlphanumEdit m_edit;
    std::vector<FieldWrite> m_writes;
    QLineEdit* m_textBox = nullptr;  // tSetting
};

}  // namespace tavmir::gui
