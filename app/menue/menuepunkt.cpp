#include "menue/menuepunkt.h"

#include <cstring>

#include "dpi.h"
#include "farbgebung.h"
#include "gdi_objekt.h"

namespace {

// Pixels at 96 DPI.
constexpr int32_t RAND = 6;       // left and right of a text in the bar
constexpr int32_t ABSTAND = 24;   // between an item's text and its key

HFONT menueschrift(int32_t dpi) {
    LOGFONTW schrift{};
    return menueschrift_fuer(dpi, schrift) ? CreateFontIndirectW(&schrift) : nullptr;
}

// The text before the tab and the key after it ("" when there is none).
void teilen(ULONG_PTR daten, const char*& links, int& links_n, const char*& rechts) {
    const auto* punkt = reinterpret_cast<const Menuepunkt*>(daten);
    links = punkt && punkt->text ? punkt->text : "";
    const char* tab = strchr(links, '\t');
    links_n = static_cast<int>(tab ? tab - links : static_cast<ptrdiff_t>(strlen(links)));
    rechts = tab ? tab + 1 : "";
}

bool in_leiste(ULONG_PTR daten) {
    const auto* punkt = reinterpret_cast<const Menuepunkt*>(daten);
    return punkt && punkt->in_leiste;
}

int32_t textbreite(HDC dc, const char* text, int n) {
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text, n, &r, DT_SINGLELINE | DT_CALCRECT);
    return r.right;
}

}  // namespace

void menuepunkt_messen(HWND fenster, MEASUREITEMSTRUCT& punkt, int32_t dpi) {
    const char *links, *rechts;
    int links_n;
    teilen(punkt.itemData, links, links_n, rechts);
    HDC dc = GetDC(fenster);
    GdiObjekt schrift(menueschrift(dpi));
    Auswahl auswahl(dc, schrift.handle() ? schrift.handle() : GetStockObject(DEFAULT_GUI_FONT));
    const bool leiste = in_leiste(punkt.itemData);
    int32_t breite = textbreite(dc, links, links_n) + 2 * skaliert(RAND, dpi);
    if (!leiste) breite += systemmass(SM_CXMENUCHECK, dpi);
    if (*rechts) breite += skaliert(ABSTAND, dpi) + textbreite(dc, rechts, -1);
    punkt.itemWidth = static_cast<UINT>(breite);
    punkt.itemHeight = static_cast<UINT>(systemmass(SM_CYMENU, dpi));
    ReleaseDC(fenster, dc);
}

void menuepunkt_zeichnen(const DRAWITEMSTRUCT& punkt, int32_t dpi) {
    const Farbgebung* f = farbgebung();
    if (!f) return;
    HDC dc = punkt.hDC;
    const bool gewaehlt = (punkt.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
    GdiObjekt grund(CreateSolidBrush(gewaehlt ? f->schatten : f->flaeche));
    FillRect(dc, &punkt.rcItem, static_cast<HBRUSH>(grund.handle()));
    const char *links, *rechts;
    int links_n;
    teilen(punkt.itemData, links, links_n, rechts);
    GdiObjekt schrift(menueschrift(dpi));
    Auswahl auswahl(dc, schrift.handle() ? schrift.handle() : GetStockObject(DEFAULT_GUI_FONT));
    const int alter_modus = SetBkMode(dc, TRANSPARENT);
    const COLORREF alte_farbe =
        SetTextColor(dc, punkt.itemState & (ODS_GRAYED | ODS_DISABLED) ? f->grau : f->text);
    RECT r = punkt.rcItem;
    const bool leiste = in_leiste(punkt.itemData);
    r.left += leiste ? skaliert(RAND, dpi) : systemmass(SM_CXMENUCHECK, dpi) + skaliert(RAND, dpi);
    r.right -= skaliert(RAND, dpi);
    DrawTextA(dc, links, links_n, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (*rechts) DrawTextA(dc, rechts, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    if (punkt.itemState & ODS_CHECKED) {
        // A tick in the text's colour in the check column (96-DPI pixels).
        GdiObjekt stift(CreatePen(PS_SOLID, skaliert(2, dpi), f->text));
        Auswahl stift_auswahl(dc, stift.handle());
        const int32_t x = punkt.rcItem.left + skaliert(4, dpi), y = (punkt.rcItem.top + punkt.rcItem.bottom) / 2;
        MoveToEx(dc, x, y, nullptr);
        LineTo(dc, x + skaliert(3, dpi), y + skaliert(3, dpi));
        LineTo(dc, x + skaliert(9, dpi), y - skaliert(4, dpi));
    }
    SetTextColor(dc, alte_farbe);
    SetBkMode(dc, alter_modus);
}
