// The saver's notice in its picture when its data cannot be used: one short
// German text of what is missing and how to mend it, in place of the sky
// (portable: also built natively).
#pragma once

#include <cstddef>
#include <cstdint>

enum class Datenmangel : int32_t {
    KATALOG_FEHLT,        // the star catalogue is in none of the folders
    KATALOG_BESCHAEDIGT,  // it is there and cannot be read as a catalogue
};

// The notice for katalog (a file name) into ziel (groesse bytes, cut to fit):
// the folders looked in, ordner_1 (the data folder Kovra.ini names) and
// ordner_2 (the saver's own), each named once and only when not empty.
// Windows-1252.
void hinweis_text(Datenmangel grund, const char* katalog, const char* ordner_1,
                  const char* ordner_2, char* ziel, size_t groesse);
