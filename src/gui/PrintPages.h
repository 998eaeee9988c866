// Printing a text document page by page, as the log windows print their logs: the document's
// text alone, with its fonts and colours, laid out on the printer's page inside margins of
// 2 cm. No heading, page number or footer is added (QTextDocument::print adds a page number to
// every page of a document it has to break into pages itself).
#pragma once

class QPrinter;
class QTextDocument;

namespace tavmir::gui {

// The margin kept clear around the text on every side, in centimetres.
inline constexpr double kPrintMarginCentimetres = 2.0;

// Prints the printer's page range (all pages when none is chosen) of document onto printer in
// one job, in the printer's page order. False when the job could not be started or finished
// (a PDF file that cannot be written, a printer that refused it).
bool printPages(const QTextDocument& document, QPrinter& printer);

}  // namespace tavmir::gui
