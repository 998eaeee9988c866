// The editor's canvas (p1), 1020 x 688: what stays in place while the pages change. The
// twelve page buttons (bPag_1 .. bPag_12) along the top, the page title (lTitle), the button
// that shows the load errors again (bViewLoadErrors), the separator lines (Line1 at y = 68,
// Line2 at y = 650) and the remark line (lRemark) below them. The pages themselves lie in the
// band between the lines (EditorPages).
#pragma once

#include <QWidget>

#include <array>

#include "document/Layout.h"

class QLabel;
class QPushButton;

namespace tavmir::gui {

class EditorCanvas : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 1020;
    static constexpr int kHeight = 688;
    // The band between the two separator lines that the page containers cover, so the page
    // buttons, the title and the remark line above and below them stay clickable.
    static constexpr int kPageTop = 70;
    static constexpr int kPageBottom = 650;

    explicit EditorCanvas(QWidget* parent = nullptr);

    // The title of page 1..12, its button brought to the front.
    void showPageTitle(int page);
    void showRemark(const QString& remark);
    void showLoadErrorsButton(bool shown);

  signals:
    void pageButtonClicked(int page);
    void loadErrorsButtonClicked();

  private:
    std::array<QPushButton*, kPageCount + 1> m_pageButtons{};
    QLabel* m_title = nullptr;
    QPushButton* m_loadErrorsButton = nullptr;
    QLabel* m_remark = nullptr;
};

}  // namespace tavmir::gui
