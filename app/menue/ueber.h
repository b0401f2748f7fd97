// The about window: the program's two pictures and its name, version and
// credits. Made hidden at start-up, shown by the help menu; its button
// closes it, and it can be shown again.
#pragma once

#include <windows.h>

class Fenster;
class Info_DF;

// Makes the window object (no native window yet) with vater as its owner.
Info_DF* ueber_erzeugen(Fenster* vater, HINSTANCE modul);
// Opens (or shows again) the about window.
void ueber_zeigen();
// Deletes the window and its pictures.
void ueber_loeschen();
