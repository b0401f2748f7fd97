// The pointer cursors for night mode: a monochrome cursor made again as a
// colour cursor whose white is night red, so that no white pointer crosses
// the red chart. Its black, its transparent and its inverting pixels stay
// what they are.
#pragma once

#include <windows.h>

// A new cursor (the caller destroys it with DestroyCursor) of the same size
// and hot spot as einfarbig, white drawn in rot; null when einfarbig is null,
// is no monochrome cursor, or the system makes none.
HCURSOR roter_zeiger(HCURSOR einfarbig, COLORREF rot);

// Owns the red variants of the two chart cursors.
class RoteZeiger {
public:
    RoteZeiger() = default;
    ~RoteZeiger();
    RoteZeiger(const RoteZeiger&) = delete;
    RoteZeiger& operator=(const RoteZeiger&) = delete;
    // Makes them once, from the monochrome "Stern" and "Sternbild".
    void machen(HCURSOR stern_einfarbig, HCURSOR sternbild_einfarbig, COLORREF rot);
    // Destroys them, so that the next machen makes them from new cursors
    // (those of another screen resolution).
    void vergessen();

    HCURSOR stern = nullptr;
    HCURSOR sternbild = nullptr;
};
