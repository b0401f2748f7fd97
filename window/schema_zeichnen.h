// Drawing in the library's colour scheme (farbgebung.h) what the system
// would draw in its own colours: filled rectangles, raised buttons and
// their arrows. No GDI object is made: rectangles are filled as the opaque
// background of an empty ExtTextOut, which leaves the DC's background
// colour changed.
#pragma once

#include <windows.h>

#include "export.h"
#include "farbgebung.h"

VARNIS_EXPORT void schema_fuellen(HDC dc, const RECT& r, COLORREF farbe);
// A raised button: light edge left and top, black right and bottom, the
// face in the shadow colour; pressed: flat and darker.
VARNIS_EXPORT void schema_knopf(HDC dc, const RECT& r, bool gedrueckt, const Farbgebung& f);
// The arrow on a button of rectangle r: a triangle pointing up (senkrecht)
// or left when vor, else down or right, a pixel lower right when pressed.
VARNIS_EXPORT void schema_pfeil(HDC dc, const RECT& r, bool senkrecht, bool vor, bool gedrueckt, COLORREF farbe);
// The system's sunken edge two pixels wide just inside r: shadow and
// black at left and top, light and face at right and bottom.
VARNIS_EXPORT void schema_vertieft(HDC dc, const RECT& r, const Farbgebung& f);
// A one-pixel frame just inside r.
VARNIS_EXPORT void schema_rahmen(HDC dc, const RECT& r, COLORREF farbe);
