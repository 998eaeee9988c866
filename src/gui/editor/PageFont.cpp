#include "editor/PageFont.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>

#include <memory>

#include "UiServices.h"
#include "catalogue/Catalogue.h"
#include "document/Layout.h"

namespace tavmir::gui {
namespace {

QFont sized(QFont font, int pixels) {
    font.setPixelSize(pixels);
    return font;
}

// True when the font exists here under that name, not as another family standing in for it
// (a family found in more than one foundry is named "Family [foundry]").
bool installed(const QFont& font) {
    QString found = QFontInfo(font).family();
    if (const qsizetype foundry = found.indexOf(QStringLiteral(" [")); foundry > 0)
        found.truncate(foundry);
    return found.compare(font.family(), Qt::CaseInsensitive) == 0;
}

bool everyLabelFits(const Catalogue& catalogue, const QFont& font) {
    const QFontMetrics metrics(font);
    for (int item = 1; item <= kFieldCount; ++item) {
        const int space = kLabelWidth - labelTextIndent(fieldPlacement(catalogue, item));
        if (metrics.horizontalAdvance(fromCore(labelCaption(catalogue, item))) > space)
            return false;
    }
    return true;
}

}  // namespace

PageFont::PageFont(const Catalogue& catalogue, const QStringList& families, const QFont& fallback) {
    QList<QFont> candidates;
    for (const QString& family : families) {
        const QFont font = sized(QFont(family), kLabelPixels);
        if (installed(font)) candidates.append(font);
    }
    candidates.append(sized(fallback, kLabelPixels));
    m_label = candidates.front();
    for (const QFont& font : candidates) {
        if (!everyLabelFits(catalogue, font)) continue;
        m_label = font;
        m_fit = true;
        break;
    }
    m_field = sized(m_label, kFieldPixels);
}

const PageFont& PageFontCache::fontsFor(const Catalogue& catalogue) {
    if (!m_fonts || m_measured != &catalogue || m_systemFont != QApplication::font()) {
        m_measured = &catalogue;
        m_systemFont = QApplication::font();
        m_fonts = std::make_unique<PageFont>(
            catalogue,
            QStringList{QStringLiteral("DejaVu Sans Condensed"),
                        QStringLiteral("Liberation Sans Narrow"),
                        QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans"),
                        QStringLiteral("Liberation Sans")},
            m_systemFont);
    }
    return *m_fonts;
}

}  // namespace tavmir::gui
