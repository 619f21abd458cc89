#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Reading and writing the texts of number fields. A field's shown text is its value; every
// figure is read from and written to such a text, with a decimal comma, independent of the
// C locale (Qt sets the user's locale inside the program).
namespace calc {

// Raised by the strict reading; the text is the one the error report shows.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(std::string_view text);
};

enum class FieldKind { Decimal, Money };

// Lenient reading: every "." removed, then read with a decimal comma; 0 for anything else.
double f_Zahl(std::string_view sString);

// Strict reading: a decimal number with a decimal comma, no "."; throws ConversionError.
// A text that ends in a comma while it is typed ("12,") reads as the number before it.
double strictReading(std::string_view sString);

// Text-or-zero reading: the empty text gives 0, any other is read strictly.
double textOrZero(std::string_view sString);

// Whether the strict reading of the text succeeds.
bool isStrictNumber(std::string_view sString);

// The number text: shortest text of at most 15 significant digits, decimal comma, no grouping.
std::string numberText(double value);

// What a field of the given decimals and kind shows for a text set into it: trimmed, "0" for a
// text that is no number ("." grouping is accepted), fixed decimals rounded half away from zero
// on the decimal digits of the text, "." grouping for the money kind.
std::string shownText(std::string_view text, int decimals, FieldKind kind = FieldKind::Decimal);

// The value a field shows after the text was set into it (shownText read back).
double shownValue(std::string_view text, int decimals);

// Convenience for the formulas: a value written into a field and read back as shown.
double asShown(double value, int decimals);

} // namespace calc
