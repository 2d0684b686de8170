#pragma once
// The engine's own small printf for wide text on screen. It never writes past
// the caller's buffer and always terminates it.
//
// Conversions: %s (wide string), %i and %d (int; %li and %ld: long), %u
// (unsigned int), %f (double, with the usual flags, width and precision), %%.
// An optional 0 flag and width pad strings with blanks and numbers with zeros
// or blanks. Any other conversion letter is copied as text and takes no
// argument.
#include <cstdarg>
#include <cstddef>

namespace ORB {

// Characters written (not counting the terminating zero); 0 and nothing
// written for a capacity of 0 or no format; a null %s string ends formatting
// and answers 0.
size_t FormatWV(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list args);
size_t FormatW(wchar_t* buffer, size_t capacity, const wchar_t* format, ...);

}  // namespace ORB
