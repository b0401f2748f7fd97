// Owned copies of texts, as the window objects keep their titles and labels.
#pragma once

#include <cstdarg>
#include <cstddef>

// A copy on the heap (release with text_freigeben); null for a null text
// or when no memory is left.
char* text_kopie(const char* text);
// A copy of the first n characters of text.
char* text_kopie(const char* text, size_t n);
// Formats into a copy of exactly the needed length; null on failure.
char* text_formatiert(const char* format, va_list argumente);
// Releases a copy and sets the pointer to null.
void text_freigeben(char*& text);
