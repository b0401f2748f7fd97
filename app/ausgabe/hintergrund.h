// The chart as the desktop picture (command 101): drawn afresh for the whole
// screen into the program's desktop canvas, written to the user's folder
// (%APPDATA%\Varnis) as "Varnis.bmp" and set as the user's wallpaper.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ausgabe/bitmap_datei.h"
#include "dib.h"
#include "kartenbild.h"

// The canvas of the desktop picture, made on first use and kept for the
// next, so a second command 101 need not allocate again; freed at the end.
DIB& hintergrund_leinwand();
void hintergrund_leinwand_freigeben();

// The picture of a screen of breite x hoehe pixels: the chart is the centred
// square of side 2 * radius, shifted right or down by the origin offset.
struct Bildlage {
    int32_t breite, hoehe;
    int32_t radius;
    int32_t ursprung_x, ursprung_y;
};
Bildlage hintergrund_lage(int32_t breite, int32_t hoehe);

// Makes bild at the picture's size with the screen colour table and draws
// every layer whose intensity is above 0, then all stars. Text goes through
// the canvas's own memory drawing context, whose viewport origin is the
// origin offset, so the engine's texts and pixels land in the same bitmap.
// 0 done, -1 the canvas could not be made (nothing drawn).
int32_t hintergrund_zeichnen(DIB& bild, const Bildlage& lage, const Karteninhalt& inhalt);

// Sets pfad as the desktop wallpaper, writes the setting to the user's
// profile and tells the running programs; false when the system refuses.
using Tapete_Setzen = bool (*)(const char* pfad);
bool tapete_setzen(const char* pfad);

// Command 101 for a screen of the given size: draws into bild, writes it to
// benutzer_verzeichnis + "\Varnis.bmp" (the folder made when missing), releases the canvas's bitmap (bild
// itself is kept for the next use) and sets the file as wallpaper. When the
// file cannot be written the error box of bild_sichern tells the user and the
// wallpaper stays as it was. The result of bild_sichern (-1 also when the
// path would not fit).
int32_t hintergrund_setzen(DIB& bild, const Karteninhalt& inhalt, int32_t bildschirm_breite,
                           int32_t bildschirm_hoehe, const char* benutzer_verzeichnis,
                           HWND besitzer, Tapete_Setzen setzen = tapete_setzen);
