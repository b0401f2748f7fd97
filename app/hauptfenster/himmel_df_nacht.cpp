// Night mode: the chart and the overview through the night colours of their
// tables (karte/nachtfarbe.h), the panel, the popup and the program's dialogs
// in the window library's colour scheme of dim reds on black.
#include <windows.h>

#include "dialog.h"
#include "dib_kf.h"
#include "farbgebung.h"
#include "hauptfenster/himmel_df.h"
#include "menue/menue.h"
#include "nachtfarbe.h"

namespace {

constexpr COLORREF rot(int32_t r) { return RGB(r, 0, 0); }

// A black face, fields and frames a few steps of red above it, text as red
// as a middle-bright star: nothing brighter than the chart's brightest star.
constexpr int32_t TEXT_ROT = 160;
static_assert(TEXT_ROT <= NACHT_ROT_MAX, "the panel is never brighter than the chart");
constexpr Farbgebung NACHT_FLAECHEN{rot(0), rot(28), rot(TEXT_ROT), rot(56), rot(80), rot(88)};

}  // namespace

void Himmel_DF::nachtmodus_schalten() {
    darstellung.nacht = !darstellung.nacht;
    nacht_anwenden();
    moment_anzeigen();
}

void Himmel_DF::nachtzeiger_machen() {
    if (darstellung.nacht) rote_zeiger.machen(cursor_stern, cursor_sternbild, rot(TEXT_ROT));
}

void Himmel_DF::nacht_anwenden() {
    nachtzeiger_machen();
    // New canvases: the entries no layer uses come back as a new canvas has
    // them, so the screen's tables are exactly what they were.
    if (karte->hwnd && uebersicht->hwnd && leinwaende_erzeugen() == 0) {
        farbtabellen_setzen();
        neu_zeichnen();
    }
    // The menus let go of the old scheme's brush before it goes.
    const HMENU menue = hwnd ? GetMenu(hwnd) : nullptr;
    if (menue) menue_nachtfarben(menue, false);
    Dialog_F::farbgebung_wechseln(hwnd, darstellung.nacht ? &NACHT_FLAECHEN : nullptr);
    if (menue && darstellung.nacht) menue_nachtfarben(menue, true);
    if (menue) DrawMenuBar(hwnd);
}
