#include "zeigen/info_zeichnen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dc_zustand.h"
#include "farbgebung.h"
#include "gdi_objekt.h"
#include "namen.h"
#include "schrifthoehe.h"
#include "zeigen/info_lage.h"

namespace {

// Lines of the popup.
constexpr int RAND = 2;          // left edge, tab origin and first line's top
constexpr int ZEILENABSTAND = 20;
constexpr int INFO_SCHRIFT = 16;  // pixels
constexpr int TABS[] = {55, 95, 123};
constexpr int TAB_ANZAHL = sizeof TABS / sizeof TABS[0];
constexpr size_t ERSTER_TAB_BLANK = 10;  // from the 11th character on, blanks are tabs

constexpr size_t ZEILE = TEXT_PUFFER + 16;

void tab_text(HDC dc, int x, int y, const char* text, int ursprung) {
    TabbedTextOutA(dc, x, y, text, static_cast<int>(strlen(text)), TAB_ANZAHL, TABS, ursprung);
}

// The character at place i of text, a blank beyond its end: a designation cut
// short by its file counts as blank there.
char zeichen(const char* text, size_t i) { return i < strlen(text) ? text[i] : ' '; }

// "Bez." and the Flamsteed number with the constellation, or the Greek letter
// in the Symbol font at the first tab stop followed in the text font by its
// index and the constellation. Nothing without a constellation.
void bezeichnung_zeile(HDC dc, int y, const Himmel& himmel, const Schriften& s) {
    char d[TEXT_PUFFER];
    snprintf(d, sizeof d, "%s", himmel.stern_text(2));
    if (zeichen(d, KENNUNG_STERNBILD) == ' ') return;
    const char* sternbild = d + KENNUNG_STERNBILD;
    char zeile[ZEILE];
    text_aus(dc, RAND, y, "Bez.");
    if (zeichen(d, KENNUNG_BAYER) == ' ') {
        snprintf(zeile, sizeof zeile, "\t%d %s", atoi(d), sternbild);
        tab_text(dc, RAND, y, zeile, RAND);
        return;
    }
    char abk[4] = {d[KENNUNG_BAYER], d[KENNUNG_BAYER + 1], d[KENNUNG_BAYER + 2], 0};
    const char buchstabe[] = {'\t', griechisch(abk), 0};
    SelectObject(dc, s.symbol.handle());
    tab_text(dc, RAND, y, buchstabe, RAND);
    SIZE g{};
    GetTextExtentPoint32A(dc, buchstabe + 1, 1, &g);
    SelectObject(dc, s.text.handle());
    const int t = g.cx + RAND;
    if (zeichen(d, KENNUNG_BAYER_INDEX) == ' ')
        snprintf(zeile, sizeof zeile, "\t %s", sternbild);
    else
        snprintf(zeile, sizeof zeile, "\t%c %s", d[KENNUNG_BAYER_INDEX], sternbild);
    tab_text(dc, t, y, zeile, t);
}

// "Rekt." or "Dekl." with its value, each part of the value at a tab stop.
void winkel_zeile(HDC dc, int y, const char* titel, const char* wert) {
    char zeile[ZEILE];
    snprintf(zeile, sizeof zeile, "%s\t%s", titel, wert);
    const size_t laenge = strlen(zeile);
    for (size_t i = ERSTER_TAB_BLANK; i < laenge; ++i)
        if (zeile[i] == ' ') zeile[i] = '\t';
    tab_text(dc, RAND, y, zeile, RAND);
}

void stern_zeilen(HDC dc, const Himmel& himmel, const Schriften& s) {
    int y = RAND;
    bezeichnung_zeile(dc, y, himmel, s);
    char zeile[ZEILE];
    const char* name = himmel.stern_text(3);
    if (name[0] && name[0] != ' ') {
        snprintf(zeile, sizeof zeile, "Name\t%s", name);
        tab_text(dc, RAND, y + ZEILENABSTAND, zeile, RAND);
    }
    winkel_zeile(dc, y += 2 * ZEILENABSTAND, "Rekt.", himmel.stern_text(4));
    winkel_zeile(dc, y += ZEILENABSTAND, "Dekl.", himmel.stern_text(5));
    snprintf(zeile, sizeof zeile, "mag\t%s", himmel.stern_text(6));
    tab_text(dc, RAND, y += ZEILENABSTAND, zeile, RAND);
    snprintf(zeile, sizeof zeile, "Spektr.\t%s", himmel.stern_text(7));
    tab_text(dc, RAND, y += ZEILENABSTAND, zeile, RAND);
}

void koerper_zeilen_zeichnen(HDC dc, const Koerperzeilen& z) {
    constexpr int KOERPER_TAB = 85;
    for (int32_t i = 0; i < z.anzahl; ++i)
        TabbedTextOutA(dc, RAND, RAND + i * ZEILENABSTAND, z.zeile[i], static_cast<int>(strlen(z.zeile[i])),
                       1, &KOERPER_TAB, RAND);
}

void sternbild_zeilen(HDC dc, const Himmel& himmel) {
    for (int32_t feld = 1; feld <= 3; ++feld)
        text_aus(dc, RAND, RAND + (feld - 1) * ZEILENABSTAND, himmel.sternbild_text(feld));
}

}  // namespace

void info_zeichnen(HDC dc, const RECT& flaeche, int32_t art, const Himmel& himmel,
                   const Schriften& schriften, const Koerperzeilen& koerper) {
    // Declared before the context's state, which lets go of the fonts first.
    Schrifthoehe text(schriften.text, INFO_SCHRIFT);
    Schrifthoehe symbol(schriften.symbol, INFO_SCHRIFT);
    Dc_Zustand zustand(dc);
    // The window library's colour scheme when one is set (night mode).
    const Farbgebung* farben = farbgebung();
    FillRect(dc, &flaeche, farben ? farbgebung_feld() : GetSysColorBrush(COLOR_WINDOW));
    if (farben) SetTextColor(dc, farben->text);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, schriften.text.handle());
    if (art == INFO_STERN) stern_zeilen(dc, himmel, schriften);
    if (art == INFO_STERNBILD) sternbild_zeilen(dc, himmel);
    if (art == INFO_KOERPER) koerper_zeilen_zeichnen(dc, koerper);
}
