// The non-client parts of a system window that no library object wraps
// (the list that drops down from a combo box, the Unicode fields of a
// dialog): while a colour scheme holds (farbgebung.h) its border, sunken
// client edge and vertical scroll bar are drawn over in the scheme after
// every message the window handles, since the system draws them in its own
// colours, at times without a WM_NCPAINT. While the user drags that scroll
// bar's thumb the system's own loop draws it; it is drawn over when the
// button is let go.
#pragma once

#include <windows.h>

#include "export.h"

// Takes the window's procedure over (once; it is handed back when the
// window is destroyed).
VARNIS_EXPORT void schema_rand_uebernehmen(HWND fenster);
