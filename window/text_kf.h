// A label of up to ten text columns, painted by the library over the
// parent's background. The text is cut into columns at "#", "|" and tab
// characters, column n starting at x = tab[n]. After a column ended by a "#"
// (not the first character) one column is left empty for the control that
// the label belongs to; a "_" before that "#" means the control stands below
// instead, and no column is skipped.
#pragma once

#include "kontroll.h"

class VARNIS_EXPORT Text_KF : public Kontroll_F {
public:
    Text_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
            int32_t hoehe, DWORD stil);
    ~Text_KF() override;

    int klassen_name_(const char* name, int nur_diese) override;
    const char* fensterklasse() override;
    // A disabled label is painted grey; the native window stays enabled.
    void an(int ein) override;
    // Opens below its siblings, so that the control it labels lies above it.
    HWND oeffnen(int zeigen) override;
    // Keeps the font for painting (null: the system font).
    LRESULT sm_setfont(HFONT font, int neu_zeichnen, int post = 0) override;
    // New columns; nothing is repainted when they equal the old ones.
    LRESULT wm_settext(const char* text) override;
    LRESULT wm_paint() override;

    // The text of column n, null when the label has no such column.
    const char* spalte(int32_t n);

    // Column positions in pixels of every label: tab[0] is 0, entries 1 to
    // 9 start as 100, 200, ..., 900.
    static void tab_pos(int32_t t1, int32_t t2, int32_t t3, int32_t t4, int32_t t5,
                        int32_t t6, int32_t t7, int32_t t8, int32_t t9);
    static int32_t tab[10];

private:
    static constexpr int32_t SPALTEN = 10;
    // Invalidates the label and its place in the parent (with erasing).
    void neu_zeichnen();
    void texte_freigeben();

    char* texte[SPALTEN] = {};  // a null pointer ends the columns
    int32_t x_pos[SPALTEN] = {};
    HFONT font = nullptr;
};
