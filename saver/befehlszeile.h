// The run mode and host window of the screen saver from its command line
// (portable: also built natively, for a fuzz target).
#pragma once

#include <cstdint>

enum ScrModus : int32_t {
    KEIN = 0,        // nothing to do
    SCHONER = 1,     // full-screen saver
    VORSCHAU = 2,    // preview inside a host window
    PASSWORT = 3,    // change the password
    EINSTELLEN = 4,  // configuration, handed to the star-chart program
};

// The parsed switches of a command line (program name included).
struct ScrBefehl {
    ScrModus modus;
    // The window handle as given on the command line: 32 significant bits,
    // sign-extended. A number that does not fit them names no window and
    // gives 0, as does a missing one.
    intptr_t eltern;
    int vordergrund;  // /c without a number: the parent is the foreground window
};
ScrBefehl ScrBefehlZerlegen(const char* befehlszeile);
