// The about window: the program's two pictures and its name, version and
// credits. Made hidden at start-up, shown by the help menu; its button
// closes it, and it can be shown again.
#pragma once

#include <windows.h>

#include <cstdint>

class Fenster;
class Info_DF;

// Makes the window object (no native window yet) with vater as its owner,
// at 96 DPI.
Info_DF* ueber_erzeugen(Fenster* vater, HINSTANCE modul);
// Opens (or shows again) the about window at dpi, the owner's resolution:
// its size, pictures and font are those of 96 DPI scaled; a window made for
// another resolution is made anew.
void ueber_zeigen(int32_t dpi);
// Deletes the window and its pictures.
void ueber_loeschen();
