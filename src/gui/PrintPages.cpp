#include "PrintPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace tavmir::gui {

bool printPages(const QTextDocument& document, QPrinter& printer) {
    // A copy laid out for the printer: measured with the printer's own font metrics, and cut
    // into pages of the body's size, so nothing but the text goes onto the paper. Everything
    // is in the printer's pixels: the margins are kept by where each page is drawn, not by the
    // document's frame (whose margins the layout would scale from the screen's resolution).
    const std::unique_ptr<QTextDocument> paged(document.clone());
    paged->documentLayout()->setPaintDevice(&printer);
    paged->setDocumentMargin(0);
    const double marginX = kPrintMarginCentimetres / 2.54 * printer.logicalDpiX();
    const double marginY = kPrintMarginCentimetres / 2.54 * printer.logicalDpiY();
    const QSizeF body(std::max(1.0, printer.width() - 2 * marginX),
                      std::max(1.0, printer.height() - 2 * marginY));
    paged->setPageSize(body);

    const int pageCount = paged->pageCount();
    int first = printer.fromPage();
    int last = printer.toPage();
    if (first == 0 && last == 0) {
        first = 1;
        last = pageCount;
    }
    first = std::max(first, 1);
    last = std::min(last, pageCount);
    // A range beyond the log's end prints nothing, not a blank page.
    if (last < first) return true;
    const bool lastFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (int n = 0; n <= last - first; ++n) {
        if (n > 0 && !printer.newPage()) return false;
        const int index = lastFirst ? last - n : first + n;  // 1-based
        const QRectF view(0, (index - 1) * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(marginX, marginY - view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        // The layout moves a line that would cross the foot of a page onto the next page, so
        // that it begins right at the page's end; the layout draws every line that touches its
        // clip, so the last pixel row is left out, or that line would be drawn, clipped away
        // but still in a PDF's text, on this page as well.
        context.clip = view.adjusted(0, 0, 0, -1);
        // Text without a colour of its own prints black, whatever the screen's palette.
        context.palette.setColor(QPalette::Text, Qt::black);
        paged->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace tavmir::gui
