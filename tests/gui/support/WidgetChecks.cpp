#include "gui/support/WidgetChecks.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "catalogue/StartupTables.h"
#include "document/Layout.h"
#include "editor/FrmSettingsEdit.h"

namespace tavmir::gui::test {
namespace {

QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The width a control gives its text, or -1 for controls not measured.
int room(const QWidget& w) {
    QStyleOptionButton option;
    option.initFrom(&w);
    if (const auto* l = qobject_cast<const QLabel*>(&w))
        return l->wordWrap() || l->text().isEmpty() ? -1 : l->contentsRect().width();
    if (qobject_cast<const QCheckBox*>(&w))
        return w.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &w).width();
    if (qobject_cast<const QRadioButton*>(&w))
        return w.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &w).width();
    if (const auto* b = qobject_cast<const QPushButton*>(&w)) {
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        return w.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &w).width() - icon;
    }
    if (qobject_cast<const QGroupBox*>(&w)) return w.width() - 16;  // the title's indents
    return -1;
}

QString textOf(const QWidget& w) {
    if (const auto* l = qobject_cast<const QLabel*>(&w)) return l->text();
    if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) return b->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(&w)) return g->title();
    return {};
}

}  // namespace

CheckReport cutTexts(const QWidget& window) {
    CheckReport report;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        const int space = room(*w);
        const int needed = w->fontMetrics().horizontalAdvance(withoutMnemonic(textOf(*w)));
        if (space < 0 || needed <= space) continue;
        report.lines.push_back(w->objectName().toStdString() + " \"" + textOf(*w).toStdString() +
                               "\" needs " + std::to_string(needed) + " pixels, has " +
                               std::to_string(space));
        ++report.problems;
    }
    if (report.lines.empty()) report.lines.push_back("no text cut");
    return report;
}

CheckReport checkCells(FrmSettingsEdit& editor, const Catalogue& catalogue,
                       const std::optional<QFont>& labelFont) {
    CheckReport report;
    const int shownBefore = editor.currentPage();
    std::vector<std::string> elided;
    for (int page = 1; page <= kPageCount; ++page) {
        editor.showPage(page);
        auto* container = editor.findChild<QWidget*>(QStringLiteral("page_%1").arg(page));
        const QList<QLineEdit*> fields = container->findChildren<QLineEdit*>();
        int labels = 0, cut = 0;
        for (const int item : pageFields(page)) {
            auto* label = container->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(item));
            auto* field = container->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(item));
            if (labelFont) label->setFont(*labelFont);
            const SettingDef& def = catalogue[describingSetting(item)];
            const std::string section = isAverageField(item) ? "Average Ship" : def.section;
            const QString name = QString::fromStdString(section + ":" + def.key);
            const QString caption = page < kFirstShipPage ? name : QString::fromStdString(def.key);
            const QRect text(label->x() + label->contentsMargins().left(), label->y(),
                             label->fontMetrics().horizontalAdvance(label->text()),
                             label->height());
            std::string faults;
            if (text.x() + text.width() > field->x()) faults += ", runs into its field";
            for (const QLineEdit* other : fields)
                if (other->geometry().intersects(text))
                    faults += ", covered by " + other->objectName().toStdString();
            if (label->text() != caption) {
                ++cut;
                elided.push_back(label->objectName().toStdString() + " " +
                                 label->text().toStdString() + " | " +
                                 label->toolTip().section(QLatin1Char('\n'), 0, 0).toStdString());
                if (!label->text().endsWith(QChar(0x2026)) ||
                    !label->toolTip().startsWith(name + QLatin1Char('\n')))
                    faults += ", cut without its full name leading the tooltip";
            }
            if (field->accessibleName() != name || label->buddy() != field)
                faults += ", not named for a screen reader";
            if (!faults.empty()) {
                report.lines.push_back("!! " + label->objectName().toStdString() + " " +
                                       label->text().toStdString() + faults);
                ++report.problems;
            }
            ++labels;
        }
        report.lines.push_back("page " + std::to_string(page) + ": " + std::to_string(labels) +
                               " labels, " + std::to_string(cut) + " elided");
    }
    report.lines.insert(report.lines.end(), elided.begin(), elided.end());
    editor.showPage(shownBefore);
    return report;
}

}  // namespace tavmir::gui::test
