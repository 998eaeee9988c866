#include "widgets/ThemeColours.h"

#include <algorithm>
#include <cmath>

#include "document/Layout.h"

namespace tavmir::gui {
namespace {

// Relative luminance (WCAG 2) of a colour, 0 (black) .. 1 (white).
double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of normal text that reads comfortably (WCAG AA).
constexpr double kReadableContrast = 4.5;

}  // namespace

ThemeColours::ThemeColours(const QPalette& palette)
    : m_palette(palette), m_dark(palette.color(QPalette::Base).lightness() < 128) {}

QColor ThemeColours::readable(const QColor& designed) const {
    if (!m_dark) return designed;
    if (designed == QColor(0, 0, 0)) return m_palette.color(QPalette::Text);
    const QColor base = m_palette.color(QPalette::Base);
    QColor shown = designed.toHsl();
    // Lighter in the same hue until it reads; white at the latest.
    for (int step = 0; step < 20 && contrast(shown, base) < kReadableContrast; ++step) {
        shown.setHsl(shown.hslHue(), shown.hslSaturation(), std::min(255, shown.lightness() + 12));
    }
    return shown.toRgb();
}

QColor ThemeColours::averageFieldBase() const {
    if (!m_dark) return QColor::fromRgb(static_cast<QRgb>(kAverageFieldColor));
    // An eighth of the way from the base towards the text: set apart from the editable
    // fields as the light grey is on a light palette, and the text still reads on it.
    const QColor base = m_palette.color(QPalette::Base);
    const QColor text = m_palette.color(QPalette::Text);
    const auto towardsText = [](int from, int to) { return from + (to - from) / 8; };
    return {towardsText(base.red(), text.red()), towardsText(base.green(), text.green()),
            towardsText(base.blue(), text.blue())};
}

}  // namespace tavmir::gui
