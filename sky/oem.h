// DOS code page 850 to Windows-1252, independent of the system's locale.
#pragma once

// Converts text in place; characters 1252 lacks get the system's best fit
// (box-drawing characters become "+", "-" or a broken bar).
void oem_nach_ansi(char* text);
