// Lines for the user of the command line. Varnis32 is a windows program
// without a console of its own: a line goes to the standard output or error
// that the caller handed over (a file or a pipe of a script), or else to the
// console of the program that started it (a command prompt); when there is
// neither, nowhere. Never into a message box.
#pragma once

enum class Kanal { AUSGABE, FEHLER };

// One line (without its line break) in Windows-1252; on a console it is
// shown with its umlauts, in a file or pipe it stays Windows-1252.
void konsole_zeile(Kanal kanal, const char* zeile);

// Lines that already end in "\r\n" (the help).
void konsole_text(Kanal kanal, const char* text);
