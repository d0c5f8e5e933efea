#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Units.h"

namespace grill {

// Millimetres per inch, applied by multiplication to inch input.
inline constexpr double kMillimetresPerInch = 25.4;
// The double nearest to 1/25.4, applied by multiplication when a length in
// millimetres is shown in inches.
inline constexpr double kInchesPerMillimetre = 0.03937007874015748;

// The text parsers. Each sets `ok` to 1 on entry and to 0 when it rejects
// the text; the value returned on failure is fixed and callers may store it.

// Optional '-', digits, optional '.' and digits; no blanks, signs or
// exponents. Rejects (-1.0) a text whose value is not finite.
double ParseDecimal(std::string_view text, int& ok);
// Optional '-', digits; rejects (0) a value outside the 32-bit range and an
// empty text (-1).
std::int32_t ParseInteger(std::string_view text, int& ok);
// integer '/' integer; -1.0 on failure or a zero denominator.
double ParseFraction(std::string_view text, int& ok);
// A number or fraction up to the first letter; a lower-case 'i' there
// means inches (multiplied by 25.4).
double ParseMeasurement(std::string_view text, int& ok);

// printf "%.Nf" of `value`, always with '.' as the decimal mark.
std::string FormatFixed(double value, int decimals);
// printf "%d".
std::string FormatInteger(std::int64_t value);
// A length in millimetres as the dialogs show it: "%f" in millimetres or, in
// inches, of the value times kInchesPerMillimetre.
std::string FormatLength(double millimetres, Unit unit);
// A typed length in the dialog's unit, converted to millimetres.
double ToMillimetres(double typed, Unit unit);

}  // namespace grill
