#pragma once
// Numbers read from and written to text the same way under every C locale
// (the decimal separator is always a point). The readers follow the C
// runtime's lenient rules: leading white space is skipped, the longest
// number at the start is taken, and text that starts with no number reads
// as 0.
#include <cstdint>
#include <string>
#include <string_view>

namespace ORB {

// As atoi: optional sign and decimal digits; saturates at the int32 range.
int32_t ParseIntText(std::string_view text);

// As atof: optional sign, then a decimal number with optional exponent, a
// hexadecimal one ("0x1.8p3"), "inf", "infinity" or "nan". Overflow gives an
// infinity, underflow 0.
double ParseDoubleText(std::string_view text);

// ParseDoubleText narrowed to float; values beyond the float range become
// infinities instead of undefined conversions.
float ParseFloatText(std::string_view text);

// As strtoul with base 16: optional sign and "0x" prefix, then hexadecimal
// digits; saturates at 0xFFFFFFFF; a minus sign negates modulo 2^32.
uint32_t ParseHexWord(std::string_view text);

// "%.*f": fixed notation with the given number of decimals.
std::string FormatFixed(double value, int precision);

// "%.*i": decimal digits, at least `precision` of them (zero-padded), with a
// leading minus sign for negative values.
std::string FormatPaddedInt(int64_t value, int precision);

// The value as a default-formatted wide stream writes it: integers in
// decimal; floating values with six significant digits in the shorter of
// fixed and scientific notation ("%g").
std::wstring IntToWString(int64_t value);
std::wstring FloatToWString(double value);

// Narrowing of a double to float that never leaves the float range
// undefined: too large magnitudes become infinities, NaN stays NaN.
float ToFloatSaturated(double value);

}  // namespace ORB
