// FrmMessage: the small transient window that confirms a file was written. It shows two lines
// centred on the screen for the preference's MessageTime and closes by itself, so nobody has to
// press a button; with DisableWindowMessage it is never shown and only a short pause remains.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace tavmir {
struct Preferences;
}

namespace tavmir::gui {

// Display time used when a caller passes none (or less than 1 ms).
inline constexpr int kDefaultMessageMilliseconds = 1000;
// The pause that stands in for the window when it is switched off.
inline constexpr int kDisabledMessagePauseMilliseconds = 500;
// lMessage1's left margin and its top for two lines or one.
inline constexpr int kMessageMargin = 16;
inline constexpr int kMessageTopTwoLines = 8;
inline constexpr int kMessageTopOneLine = 23;  // 22.5 px, the single line sits in the middle
inline constexpr int kMessageWindowHeight = 68;

class FrmMessage : public QDialog {
    Q_OBJECT

  public:
    // The window for line1 and line2, closing after milliseconds (1000 when below 1).
    FrmMessage(const QString& line1, const QString& line2, int milliseconds,
               QWidget* parent = nullptr);

    QLabel* lMessage1 = nullptr;
    QLabel* lMessage2 = nullptr;
    QTimer* Timer1 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
};

// Shows line1 and line2 for milliseconds and returns once the window closed; when
// the preferences switch the window off, returns after a pause. Events keep running meanwhile.
void showMessage(QWidget* parent, const Preferences& preferences, const QString& line1,
                 const QString& line2, int milliseconds);

}  // namespace tavmir::gui
