// The two ways the program reads numbers out of value texts, and how it writes them back.
// Every rule about "is this a number" and "what number does this text start with" lives here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavmir {

// The "is a number" test of the value check: optional blanks, an optional sign, digits with
// at most one decimal point (at least one digit), an optional exponent (E or D, optional
// sign, digits), optional blanks; or "&H"/"&O" followed by hexadecimal/octal digits.
bool isNumber(std::string_view text);

// The value of a text that passes isNumber, or nothing when it does not.
std::optional<double> numberValue(std::string_view text);

// The number a text starts with: blanks, tabs and line feeds are skipped wherever they occur;
// an optional sign, digits, an optional decimal point and digits, and an optional exponent
// (E or D) are read up to the first other character; no digits give 0. "&H" and "&O" read a
// hexadecimal or octal whole number.
double leadingNumber(std::string_view text);
// The same number, or nothing when the text does not start with one (no digits where the
// number would begin): "12a" gives 12, "abc" and "-" nothing.
std::optional<double> leadingNumberOf(std::string_view text);

// The shortest decimal text that reads back as x, never in exponent form: 12, 12.5, -3.25.
std::string shortestDecimal(double x);

// x rounded to `decimals` places, halves to the even digit (on the decimal value as written,
// so 0.125 gives 0.12 and 0.375 gives 0.38).
double roundHalfEven(double x, int decimals);

// A share of 100 as the progress bars and their labels show it: rounded to a whole number,
// halves to the even one, never above 100. The reader's and the comparison's progress both
// use it.
int progressPercent(double share);

}  // namespace tavmir
