// The Average Ship page: for each of the 84 per-ship rows, the mean of the eight ships'
// values, and for each ship value how far it lies from that mean in per cent.
//
// Everything is computed from field texts. A ship value is the number its text starts with
// (empty or non-numeric text counts as 0); the average field's own text is read whole, and
// a text that is not a number counts as 0. Means and percentages are taken to 2 decimals
// with halves to the even digit and written in their shortest decimal form.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"

namespace tavmir {

// The average text of ship row 1..84 from the eight ship fields.
std::string rowAverageText(const FieldTexts& fields, int row);
// The average text of a row whose eight values add up to `sum`.
std::string averageTextOfSum(double sum);
// Row recomputation: writes the average text into the row's Average Ship field.
void recalculateRow(FieldTexts& fields, int row);

// Percentage difference of a ship value from its row's average text, 2 decimals; 0 when
// the average is numerically 0.
double percentageFromAverage(std::string_view valueText, std::string_view averageText);
// "(+p%  Avg:a) " for p of 0 or more, "(p%  Avg:a) " for negative p (the minus sign comes
// from the number); a is the average field's text as shown.
std::string averageAnnotation(std::string_view valueText, std::string_view averageText);
// The same from numbers already read: the value's leading number and the average text's
// full numeric value (0 when it is not a number).
std::string averageAnnotation(double value, double average, std::string_view averageText);
// Appends the annotation to `out` (saves a copy where many are built in a row).
void appendAverageAnnotation(std::string& out, double value, double average,
                             std::string_view averageText);

// The number a ship field's text counts as: its leading number (0 for none).
double shipValue(std::string_view text);
// The full tooltip of a per-ship setting: annotation, limits text, description.
std::string shipTooltip(const Catalogue& catalogue, const FieldTexts& fields, int setting, int row);

}  // namespace tavmir
