// The colours of the library's own windows: the system's, or a scheme the
// program sets for all of them at once (the star chart's night mode). The
// dialogs colour their controls by it, the controls' 3-D frames and the
// texts draw in it, and the dialogs' class paints its background in it.
// Never the system's colours themselves: SetSysColors would recolour every
// program on the desktop.
#pragma once

#include <windows.h>

#include "export.h"

struct Farbgebung {
    COLORREF flaeche;   // dialog background and the 3-D frames' face
    COLORREF feld;      // background of edit fields, lists and scroll bars
    COLORREF text;      // text on both
    COLORREF schatten;  // the 3-D frames' shadow
    COLORREF hell;      // the 3-D frames' light edge
    COLORREF grau;      // the text of a disabled control
};

// Sets the scheme (copied) or, with null, goes back to the system's; the
// caller then redraws its windows. Brushes of a scheme are the library's.
VARNIS_EXPORT void farbgebung_setzen(const Farbgebung* farben);
// The scheme set, or null while the system's colours hold.
VARNIS_EXPORT const Farbgebung* farbgebung();
// Brushes of the scheme's face and field; null while the system's hold.
VARNIS_EXPORT HBRUSH farbgebung_flaeche();
VARNIS_EXPORT HBRUSH farbgebung_feld();
