// A combo box with the library's frame. A drop-down list draws its items
// itself (owner-drawn with strings, combobox_zeichnen.cpp): in the system's
// colours as the system draws them, or in the colour scheme while one holds
// (farbgebung.h), which then draws the drop button too.
#pragma once

#include "kontroll.h"

class VARNIS_EXPORT Combobox_KF : public Kontroll_F {
public:
    Combobox_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                int32_t hoehe, DWORD stil);

    int klassen_name_(const char* name, int nur_diese) override;
    const char* fensterklasse() override;
    // A drop-down list is made owner-drawn with strings.
    HWND oeffnen(int zeigen) override;
    LRESULT wm_drawitem(WPARAM id, DRAWITEMSTRUCT* element) override;
    // The list's items as high as the font's text, as for a system-drawn
    // list (an owner-drawn one keeps the height it was created with).
    LRESULT wm_setfont(WPARAM font, uint16_t neu_zeichnen) override;
    // In a scheme: the system's painting, then the drop button over it.
    LRESULT wm_paint() override;

    LRESULT addstring(const char* text, int post = 0) override;
    LRESULT deletestring(int32_t index, int post = 0) override;
    LRESULT findstringexact(int32_t start, const char* text, int post = 0) override;
    LRESULT getcount(int post = 0) override;
    LRESULT getcursel(int post = 0) override;
    LRESULT getitemdata(int32_t index, int post = 0) override;
    LRESULT getlbtext(int32_t index, char* puffer, size_t groesse) override;
    LRESULT insertstring(int32_t index, const char* text, int post = 0) override;
    LRESULT limittext(int32_t n, int post = 0) override;
    LRESULT resetcontent(int post = 0) override;
    LRESULT selectstring(int32_t start, const char* text, int post = 0) override;
    LRESULT setcursel(int32_t index, int post = 0) override;
    LRESULT setitemdata(int32_t index, LPARAM daten, int post = 0) override;

protected:
    int32_t rahmen_dicke() override;

private:
    bool eigene_eintraege = false;  // made owner-drawn by oeffnen
};
