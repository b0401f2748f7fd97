#include "zeigen/info_zeichnen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dc_zustand.h"
#include "farbgebung.h"
#include "gdi_objekt.h"
#include "namen.h"
#include "schrifthoehe.h"
#include "skaliert.h"
#include "zeigen/info_lage.h"

namespace {

// Lines of the popup, in pixels at 96 dots per inch.
constexpr int RAND = 2;          // left edge, tab origin and first line's top
constexpr int ZEILENABSTAND = 20;
constexpr int INFO_SCHRIFT = 16;
constexpr int TABS[] = {55, 95, 123};
constexpr int TAB_ANZAHL = sizeof TABS / sizeof TABS[0];
constexpr int KOERPER_TAB = 85;
constexpr size_t ERSTER_TAB_BLANK = 10;  // from the 11th character on, blanks are tabs

constexpr size_t ZEILE = TEXT_PUFFER + 16;

// The sizes above at the screen's dots per inch.
struct Masse {
    explicit Masse(int32_t dpi)
        : rand(skaliert(RAND, dpi)), zeile(skaliert(ZEILENABSTAND, dpi)),
          schrift(skaliert(INFO_SCHRIFT, dpi)), koerper_tab(skaliert(KOERPER_TAB, dpi)) {
        for (int i = 0; i < TAB_ANZAHL; ++i) tabs[i] = skaliert(TABS[i], dpi);
    }
    int rand, zeile, schrift, koerper_tab;
    int tabs[TAB_ANZAHL];
};

void tab_text(HDC dc, const Masse& m, int x, int y, const char* text, int ursprung) {
    TabbedTextOutA(dc, x, y, text, static_cast<int>(strlen(text)), TAB_ANZAHL, m.tabs, ursprung);
}

// The character at place i of text, a blank beyond its end: a designation cut
// short by its file counts as blank there.
char zeichen(const char* text, size_t i) { return i < strlen(text) ? text[i] : ' '; }

// "Bez." and the Flamsteed number with the constellation, or the Greek letter
// in the Symbol font at the first tab stop followed in the text font by its
// index and the constellation. Nothing without a constellation.
void bezeichnung_zeile(HDC dc, const Masse& m, int y, const Himmel& himmel, const Schriften& s) {
    char d[TEXT_PUFFER];
    snprintf(d, sizeof d, "%s", himmel.stern_text(2));
    if (zeichen(d, KENNUNG_STERNBILD) == ' ') return;
    const char* sternbild = d + KENNUNG_STERNBILD;
    char zeile[ZEILE];
    text_aus(dc, m.rand, y, "Bez.");
    if (zeichen(d, KENNUNG_BAYER) == ' ') {
        snprintf(zeile, sizeof zeile, "\t%d %s", atoi(d), sternbild);
        tab_text(dc, m, m.rand, y, zeile, m.rand);
        return;
    }
    char abk[4] = {d[KENNUNG_BAYER], d[KENNUNG_BAYER + 1], d[KENNUNG_BAYER + 2], 0};
    const char buchstabe[] = {'\t', griechisch(abk), 0};
    SelectObject(dc, s.symbol.handle());
    tab_text(dc, m, m.rand, y, buchstabe, m.rand);
    SIZE g{};
    GetTextExtentPoint32A(dc, buchstabe + 1, 1, &g);
    SelectObject(dc, s.text.handle());
    const int t = g.cx + m.rand;
    if (zeichen(d, KENNUNG_BAYER_INDEX) == ' ')
        snprintf(zeile, sizeof zeile, "\t %s", sternbild);
    else
        snprintf(zeile, sizeof zeile, "\t%c %s", d[KENNUNG_BAYER_INDEX], sternbild);
    tab_text(dc, m, t, y, zeile, t);
}

// "Rekt." or "Dekl." with its value, each part of the value at a tab stop.
void winkel_zeile(HDC dc, const Masse& m, int y, const char* titel, const char* wert) {
    char zeile[ZEILE];
    snprintf(zeile, sizeof zeile, "%s\t%s", titel, wert);
    const size_t laenge = strlen(zeile);
    for (size_t i = ERSTER_TAB_BLANK; i < laenge; ++i)
        if (zeile[i] == ' ') zeile[i] = '\t';
    tab_text(dc, m, m.rand, y, zeile, m.rand);
}

void stern_zeilen(HDC dc, const Masse& m, const Himmel& himmel, const Schriften& s) {
    int y = m.rand;
    bezeichnung_zeile(dc, m, y, himmel, s);
    char zeile[ZEILE];
    const char* name = himmel.stern_text(3);
    if (name[0] && name[0] != ' ') {
        snprintf(zeile, sizeof zeile, "Name\t%s", name);
        tab_text(dc, m, m.rand, y + m.zeile, zeile, m.rand);
    }
    winkel_zeile(dc, m, y += 2 * m.zeile, "Rekt.", himmel.stern_text(4));
    winkel_zeile(dc, m, y += m.zeile, "Dekl.", himmel.stern_text(5));
    snprintf(zeile, sizeof zeile, "mag\t%s", himmel.stern_text(6));
    tab_text(dc, m, m.rand, y += m.zeile, zeile, m.rand);
    snprintf(zeile, sizeof zeile, "Spektr.\t%s", himmel.stern_text(7));
    tab_text(dc, m, m.rand, y += m.zeile, zeile, m.rand);
}

void koerper_zeilen_zeichnen(HDC dc, const Masse& m, const Koerperzeilen& z) {
    for (int32_t i = 0; i < z.anzahl; ++i)
        TabbedTextOutA(dc, m.rand, m.rand + i * m.zeile, z.zeile[i], static_cast<int>(strlen(z.zeile[i])),
                       1, &m.koerper_tab, m.rand);
}

void sternbild_zeilen(HDC dc, const Masse& m, const Himmel& himmel) {
    for (int32_t feld = 1; feld <= 3; ++feld)
        text_aus(dc, m.rand, m.rand + (feld - 1) * m.zeile, himmel.sternbild_text(feld));
}

}  // namespace

void info_zeichnen(HDC dc, const RECT& flaeche, int32_t art, const Himmel& himmel,
                   const Schriften& schriften, const Koerperzeilen& koerper, int32_t dpi) {
    const Masse m(dpi_begrenzt(dpi));
    // Declared before the context's state, which lets go of the fonts first.
    Schrifthoehe text(schriften.text, m.schrift);
    Schrifthoehe symbol(schriften.symbol, m.schrift);
    Dc_Zustand zustand(dc);
    // The window library's colour scheme when one is set (night mode).
    const Farbgebung* farben = farbgebung();
    FillRect(dc, &flaeche, farben ? farbgebung_feld() : GetSysColorBrush(COLOR_WINDOW));
    if (farben) SetTextColor(dc, farben->text);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, schriften.text.handle());
    if (art == INFO_STERN) stern_zeilen(dc, m, himmel, schriften);
    if (art == INFO_STERNBILD) sternbild_zeilen(dc, m, himmel);
    if (art == INFO_KOERPER) koerper_zeilen_zeichnen(dc, m, koerper);
}
