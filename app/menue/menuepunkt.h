// Menu items drawn by the program, for night mode: the system draws menus in
// its own colours, which no program may change for itself alone. Such an
// item points to its Menuepunkt as its item data and is drawn in the window
// library's colour scheme (farbgebung.h): face, text, grey for a disabled
// item, the shadow colour under the selection.
#pragma once

#include <windows.h>

#include <cstdint>

struct Menuepunkt {
    const char* text;  // UI text: "&" before the mnemonic, a tab before the key
    bool in_leiste;    // a pop-up's title in the menu bar
};

// The size of an item: its text in the system's menu font, with room for a
// check mark in a pop-up; in the menu bar the text alone. dpi is the
// window's resolution: font, margins and the system's sizes are those at it.
void menuepunkt_messen(HWND fenster, MEASUREITEMSTRUCT& punkt, int32_t dpi);
// Draws an item at dpi; nothing while no colour scheme is set.
void menuepunkt_zeichnen(const DRAWITEMSTRUCT& punkt, int32_t dpi);
