#include "font.h"

#include <cstdio>
#include <cstring>

namespace {

LOGFONTA beschreibung_von(int vorrat) {
    LOGFONTA lf{};
    GetObjectA(GetStockObject(vorrat), sizeof lf, &lf);
    return lf;
}

}  // namespace

Font::Font() : logfont(beschreibung_von(ANSI_VAR_FONT)) {
    neu_erzeugen();
}

Font::Font(int32_t vorrat, int32_t hoehe) : logfont(beschreibung_von(vorrat)) {
    if (hoehe > 0) logfont.lfHeight = hoehe;
    neu_erzeugen();
}

Font::Font(const char* name, int32_t hoehe) : logfont(beschreibung_von(SYSTEM_FONT)) {
    snprintf(logfont.lfFaceName, sizeof logfont.lfFaceName, "%s", name ? name : "");
    if (hoehe > 0) logfont.lfHeight = hoehe;
    neu_erzeugen();
}

Font::Font(const LOGFONTA& beschreibung) : logfont(beschreibung) {
    neu_erzeugen();
}

Font::~Font() {
    if (hfont) DeleteObject(hfont);
}

void Font::setze_hoehe(int32_t hoehe, int32_t breite) {
    logfont.lfHeight = hoehe;
    logfont.lfWidth = breite;
    neu_erzeugen();
}

void Font::setze_name(const char* name) {
    snprintf(logfont.lfFaceName, sizeof logfont.lfFaceName, "%s", name ? name : "");
    neu_erzeugen();
}

int32_t Font::textbreite(const char* text) const {
    if (!text) return 0;
    HDC dc = GetDC(nullptr);
    const int32_t breite = textbreite(dc, text);
    ReleaseDC(nullptr, dc);
    return breite;
}

int32_t Font::textbreite(HDC dc, const char* text) const {
    if (!text) return 0;
    HGDIOBJ alt = SelectObject(dc, hfont);
    SIZE groesse{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &groesse);
    SelectObject(dc, alt);
    return groesse.cx;
}

void Font::neu_erzeugen() {
    if (hfont) DeleteObject(hfont);
    hfont = CreateFontIndirectA(&logfont);
    // The description as the system realised it, and its metrics on the screen.
    GetObjectA(hfont, sizeof logfont, &logfont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ alt = SelectObject(dc, hfont);
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, alt);
    ReleaseDC(nullptr, dc);
}
