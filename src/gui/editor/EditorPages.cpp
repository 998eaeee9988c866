#include "editor/EditorPages.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "UiServices.h"
#include "app/Preferences.h"
#include "editor/EditorCanvas.h"
#include "editor/PageFont.h"
#include "widgets/FieldAlignment.h"
#include "widgets/FieldLabel.h"
#include "widgets/ThemeColours.h"
#include "widgets/ValueField.h"

namespace tavmir::gui {
namespace {

constexpr int kPageTop = EditorCanvas::kPageTop;
constexpr int kPageHeight = EditorCanvas::kPageBottom - kPageTop;
constexpr int kFieldHeight = 19;
constexpr int kLabelHeight = 17;

// What a screen reader announces for field 1..1045: the setting's "Section:Key"; for an
// Average Ship row "Average Ship:" and the key.
QString accessibleFieldName(const Catalogue& catalogue, int item) {
    const SettingDef& def = catalogue[describingSetting(item)];
    return fromCore(
        (isAverageField(item) ? std::string(pageTitle(kAverageShipPage)) : def.section) + ":" +
        def.key);
}

// The classic flat look for the cells: a page repaints 190 of them at every switch, and the
// plain sunken frame costs a fraction of the default style's shaded one.
QStyle* fieldStyle() {
    static QStyle* style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Windows"));
        if (s != nullptr) s->setParent(qApp);
        return s;
    }();
    return style;
}

}  // namespace

EditorPages::EditorPages(QWidget& canvas, const EditorDocument& document, GuiContext& context,
                         EditorFieldEvents& events)
    : m_canvas(canvas),
      m_document(document),
      m_context(context),
      m_events(events),
      m_tabIndexes(fieldTabIndexes(document.catalogue())) {}

EditorPages::~EditorPages() = default;

QWidget& EditorPages::page(int page) {
    std::unique_ptr<QWidget>& container = m_pages[static_cast<std::size_t>(page)];
    if (container) return *container;

    container = std::make_unique<QWidget>(&m_canvas);
    container->setObjectName(QStringLiteral("page_%1").arg(page));
    container->setGeometry(0, kPageTop, EditorCanvas::kWidth, kPageHeight);
    container->hide();

    // Widgets are made in tab order: Qt's keyboard order within the page is creation order.
    std::vector<int> items = pageFields(page);
    std::stable_sort(items.begin(), items.end(), [this](int a, int b) {
        return m_tabIndexes[static_cast<std::size_t>(a)] <
               m_tabIndexes[static_cast<std::size_t>(b)];
    });
    const Catalogue& catalogue = m_document.catalogue();
    const Qt::Alignment align = fieldAlignment(m_context.preferences.textAlign);
    QStyle* style = fieldStyle();
    QPalette averagePalette;
    averagePalette.setColor(QPalette::Base, ThemeColours(m_canvas.palette()).averageFieldBase());
    // Labels a little smaller than the values, in a family in which the setting names fit
    // the space before their fields.
    const PageFont& fonts = m_context.pageFonts.fontsFor(catalogue);
    for (int item : items) {
        const FieldPlacement place = fieldPlacement(catalogue, item);
        const QString tip = fromCore(m_document.tooltip(item));
        const QString name = accessibleFieldName(catalogue, item);

        auto* label = new FieldLabel(item, m_events, container.get());
        label->setObjectName(QStringLiteral("Label1_%1").arg(item));
        label->setGeometry(place.label.x, place.label.y - kPageTop, kLabelWidth, kLabelHeight);
        label->setContentsMargins(labelTextIndent(place), 0, 0, 0);
        label->setFont(fonts.labelFont());
        label->setCellToolTip(tip);
        label->setCaption(fromCore(labelCaption(catalogue, item)), name);

        auto* field = new ValueField(item, m_events, container.get());
        field->setObjectName(QStringLiteral("Text1_%1").arg(item));
        field->setAccessibleName(name);
        label->setBuddy(field);
        const int maxLength = fieldMaxLength(catalogue, item);
        if (maxLength > 0) field->setMaxLength(maxLength);
        field->setGeometry(place.field.x, place.field.y - kPageTop, kFieldWidth, kFieldHeight);
        field->setFont(fonts.fieldFont());
        field->setAlignment(align);
        if (style != nullptr) {
            field->setStyle(style);
            label->setStyle(style);
        }
        field->setText(fromCore(m_document.text(item)));
        field->setCursorPosition(0);
        field->setCellToolTip(tip);
        if (isAverageField(item)) {
            field->setReadOnly(true);
            field->setPalette(averagePalette);
        }
        m_labels[static_cast<std::size_t>(item)] = label;
        m_fields[static_cast<std::size_t>(item)] = field;
    }
    // Fields above every label: a label box may reach under the field of the column to its
    // left, and the field must stay whole.
    for (int item : items) m_fields[static_cast<std::size_t>(item)]->raise();
    return *container;
}

void EditorPages::switchPage(int from, int to) {
    QWidget& next = page(to);
    syncPage(to);
    // Hide first: a focused field of the old page hands the focus on along the keyboard
    // order, which must not land on a field of the new page unasked.
    if (from >= 1 && from <= kPageCount && m_pages[static_cast<std::size_t>(from)])
        m_pages[static_cast<std::size_t>(from)]->hide();
    next.show();
}

void EditorPages::buildRemainingWhenIdle() {
    QTimer::singleShot(0, &m_canvas, [this] {
        // A closed (hidden, about to be deleted) editor builds nothing more.
        if (!m_canvas.isVisible()) return;
        for (int p = 1; p <= kPageCount; ++p) {
            if (m_pages[static_cast<std::size_t>(p)]) continue;
            page(p);
            buildRemainingWhenIdle();
            return;
        }
    });
}

void EditorPages::syncPage(int page) {
    if (!m_pages[static_cast<std::size_t>(page)]) return;
    for (int item : pageFields(page)) {
        ValueField* field = m_fields[static_cast<std::size_t>(item)];
        if (field == nullptr) continue;
        const QString text = fromCore(m_document.text(item));
        if (field->text() != text) {
            field->setText(text);
            field->setCursorPosition(0);
        }
        const QString tip = fromCore(m_document.tooltip(item));
        if (field->cellToolTip() != tip) showTooltip(item, tip);
    }
}

void EditorPages::syncAll() {
    for (int page = 1; page <= kPageCount; ++page) syncPage(page);
}

ValueField* EditorPages::field(int item) const {
    if (item < 1 || item > kFieldCount) return nullptr;
    return m_fields[static_cast<std::size_t>(item)];
}

void EditorPages::showTooltip(int item, const QString& tooltip) {
    if (item < 1 || item > kFieldCount) return;
    const auto n = static_cast<std::size_t>(item);
    if (m_fields[n] != nullptr) m_fields[n]->setCellToolTip(tooltip);
    if (m_labels[n] != nullptr) m_labels[n]->setCellToolTip(tooltip);
}

void EditorPages::applyAlignment(Qt::Alignment alignment) {
    for (ValueField* cell : m_fields)
        if (cell != nullptr) cell->setAlignment(alignment);
}

}  // namespace tavmir::gui
