// A window of another process read back from the screen, and what its
// pixels tell: a drawn chart, or light text on a dark picture.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// The pixels of a window as the screen shows them, 0x00RRGGBB, row by row
// from the top; empty when the window has no area.
std::vector<uint32_t> bildschirm_pixel(HWND fenster);

// Mostly its background colour, with more than a thousand pixels of stars,
// lines and names in at least four other colours (an empty pane has one).
bool sieht_nach_karte_aus(const std::vector<uint32_t>& pixel);

// Pixels whose red, green and blue are all 0xE0 or more (white text) in
// the rows von..bis-1 of a picture breite pixels wide.
int32_t helle_pixel(const std::vector<uint32_t>& pixel, int32_t breite, int32_t von, int32_t bis);
