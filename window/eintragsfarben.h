// The items of owner-drawn lists drawn as the system draws those it draws
// itself: the selected one in the highlight colours, or in the colour
// scheme's (farbgebung.h) while one holds, the focused one with a dotted
// frame outside a scheme.
#pragma once

#include <windows.h>

#include <cstdint>

#include "export.h"

// Sets the colours of one item on its DC; the DC's own colours come back
// when the object goes, since the control draws its next item with them.
class VARNIS_EXPORT Eintragsfarben {
public:
    explicit Eintragsfarben(const DRAWITEMSTRUCT& element);
    ~Eintragsfarben();
    Eintragsfarben(const Eintragsfarben&) = delete;
    Eintragsfarben& operator=(const Eintragsfarben&) = delete;

    // The dotted frame of the focused item; none in a scheme, where its
    // inverted dots would be bright.
    void fokus();

private:
    const DRAWITEMSTRUCT& e;
    COLORREF grund, schrift;
};

// The pixel height of a line of font (null: the system font), which a list
// the system draws gives its items; an owner-drawn one keeps the height it
// was made with when its font changes.
VARNIS_EXPORT int32_t zeilenhoehe(HWND fenster, HFONT font);
