// The program's arguments as Windows gives them, in UTF-16, turned into
// UTF-8 for the switches: a file name in any script reaches /karte and
// /einstellungen whole (the ANSI command line would have replaced what
// Windows-1252 lacks by '?' or a look-alike).
#pragma once

#include <memory>

class Argumente {
public:
    // GetCommandLineW split as the C runtime splits it (CommandLineToArgvW).
    // None (anzahl 0) when the line cannot be split or memory is short.
    Argumente();
    int anzahl() const { return anzahl_; }
    // anzahl() texts, the first the program, as main's argv.
    const char* const* werte() const { return zeiger_.get(); }

private:
    int anzahl_ = 0;
    std::unique_ptr<char[]> texte_;
    std::unique_ptr<const char*[]> zeiger_;
};
