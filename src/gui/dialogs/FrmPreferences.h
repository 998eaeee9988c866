// FrmPreferences: shows, applies and saves the preferences.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "GuiContext.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace tavmir::gui {

class FilteredLineEdit;

class FrmPreferences : public QDialog {
    Q_OBJECT

  public:
    // The colour of lMessageTime while the time field is disabled.
    static constexpr int kGreyRed = 172;
    static constexpr int kGreyGreen = 168;
    static constexpr int kGreyBlue = 153;

    FrmPreferences(GuiContext& context, std::function<void()> realignEditors,
                   QWidget* parent = nullptr);

    // Apply: checks the message time, then changes the process-wide preferences and realigns
    // the editors; false (nothing applied) when the time was refused.
    bool applyPreferences();
    // Save: apply, then write tavmir.ini; false when refused or a write failed.
    bool savePreferencesFile();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showMessageTimeEnabled(bool enabled);

    GuiContext& m_context;
    std::function<void()> m_realignEditors;
    std::string m_alignmentWord;  // "left", "right" or "center": what the last apply chose

    QTabWidget* m_tabs = nullptr;                    // SSTab1
    QRadioButton* m_wheelLowOption = nullptr;        // oWheelSpeedLow
    QRadioButton* m_wheelMediumOption = nullptr;     // oWheelSpeedMedium
    QRadioButton* m_wheelHighOption = nullptr;       // oWheelSpeedHigh
    QRadioButton* m_alignLeftOption = nullptr;       // oTextAlignLeft
    QRadioButton* m_alignCenterOption = nullptr;     // oTextAlignCenter
    QRadioButton* m_alignRightOption = nullptr;      // oTextAlignRight
    QCheckBox* m_disableMessageBox = nullptr;        // chDisableWindowMessage
    QLabel* m_messageTimeLabel = nullptr;            // lMessageTime
    FilteredLineEdit* m_messageTimeField = nullptr;  // tMessageTime
    QCheckBox* m_keepOriginalBox = nullptr;          // chKeepOriginal
    QCheckBox* m_keepLinesBox = nullptr;             // chKeepLines
    QCheckBox* m_reopenFilesBox = nullptr;           // chReopenFiles
};

// Shows the dialog modally. `realignEditors` is called after every apply (the main window
// re-aligns every open editor's value fields to the TextAlign preference).
void showPreferences(QWidget* parent, GuiContext& context,
                     const std::function<void()>& realignEditors);

}  // namespace tavmir::gui
