#include "eintragsfarben.h"

#include "farbgebung.h"

Eintragsfarben::Eintragsfarben(const DRAWITEMSTRUCT& element)
    : e(element), grund(GetBkColor(element.hDC)), schrift(GetTextColor(element.hDC)) {
    const Farbgebung* f = farbgebung();
    if (e.itemState & ODS_SELECTED) {
        SetBkColor(e.hDC, f ? f->schatten : GetSysColor(COLOR_HIGHLIGHT));
        SetTextColor(e.hDC, f ? f->text : GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else if (f) {
        SetBkColor(e.hDC, f->feld);
        SetTextColor(e.hDC, (e.itemState & ODS_DISABLED) ? f->grau : f->text);
    }
}

Eintragsfarben::~Eintragsfarben() {
    SetBkColor(e.hDC, grund);
    SetTextColor(e.hDC, schrift);
}

void Eintragsfarben::fokus() {
    if ((e.itemState & ODS_FOCUS) && !farbgebung()) DrawFocusRect(e.hDC, &e.rcItem);
}

int32_t zeilenhoehe(HWND fenster, HFONT font) {
    HDC dc = GetDC(fenster);
    HGDIOBJ alt = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, alt);
    ReleaseDC(fenster, dc);
    return tm.tmHeight;
}
