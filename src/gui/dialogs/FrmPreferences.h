// FrmPreferences: shows, applies and saves the four preferences.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "GuiContext.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace tavmir::gui {

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

    QTabWidget* SSTab1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton* oWheelSpeedLow = nullptr;
    QRadioButton* oWheelSpeedMedium = nullptr;
    QRadioButton* oWheelSpeedHigh = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* oTextAlignLeft = nullptr;
    QRadioButton* oTextAlignCenter = nullptr;
    QRadioButton* oTextAlignRight = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* chDisableWindowMessage = nullptr;
    QLabel* lMessageTime = nullptr;
    QLineEdit* tMessageTime = nullptr;
    QPushButton* bApplyPreferences = nullptr;
    QPushButton* bSavePreferences = nullptr;
    QPushButton* bClose = nullptr;
};

// Shows the dialog modally. `realignEditors` is called after every apply (the main window
// re-aligns every open editor's value fields to the TextAlign preference).
void showPreferences(QWidget* parent, GuiContext& context,
                     const std::function<void()>& realignEditors);

}  // namespace tavmir::gui
