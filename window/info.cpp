#include "info.h"

#include "bitmap_kf.h"
#include "dpi.h"
#include "font.h"
#include "instanz.h"
#include "taster_kf.h"
#include "text_kf.h"

#include <cstring>

namespace {

const DWORD KIND = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr int32_t ZEILE_X = 10, ZEILE_BREITE = 400;  // pixels at 96 DPI

}  // namespace

Info_Basis_DF::Info_Basis_DF(Fenster* vater, const char* titel, const char* button_text,
                             int32_t x, int32_t y, int32_t breite, int32_t hoehe, DWORD stil,
                             const Aufbau& aufbau96, int32_t dpi)
    : Dialog_F(vater, titel, x, y, breite, hoehe, stil), dpi_(dpi_begrenzt(dpi)), aufbau(aufbau_fuer(aufbau96, dpi_)) {
    if (instanz && dpi_ != DPI_NORMAL) schrift = std::make_unique<Font>(schrift_fuer(instanz->font.beschreibung(), dpi_));
    for (int32_t i = 0; i < aufbau.bilder; ++i) {
        const RECT& r = aufbau.bild[i];
        bilder[i] = new Bitmap_KF(this, nullptr, r.left, r.top, r.right, r.bottom, KIND);
    }
    const RECT& k = aufbau.knopf;
    knopf_ = new Taster_KF(this, button_text, k.left, k.top, k.right, k.bottom,
                           KIND | WS_TABSTOP | BS_DEFPUSHBUTTON);
    knopf_->id(IDOK);  // Enter in the dialog presses it too
}

Info_Basis_DF::~Info_Basis_DF() {
    for (Text_KF*& z : zeilen) delete z;
    for (Bitmap_KF*& b : bilder) delete b;
    delete knopf_;
}

HWND Info_Basis_DF::oeffnen(int zeigen) {
    Dialog_F::oeffnen(zeigen);
    // Dialog_F gives the library's font; at another resolution its scaled one.
    if (hwnd && schrift) {
        sm_setfont(schrift->handle(), 1);
        for (uint32_t i = 0; Fenster* kind = kinder()[i]; ++i) kind->sm_setfont(schrift->handle(), 1);
    }
    return hwnd;
}

Info_Basis_DF::Aufbau Info_Basis_DF::aufbau_fuer(const Aufbau& a, int32_t dpi) {
    return {a.bilder, {rechteck_fuer(a.bild[0], dpi), rechteck_fuer(a.bild[1], dpi)}, rechteck_fuer(a.knopf, dpi),
            a.zeilen, skaliert(a.zeilen_y, dpi), skaliert(a.abstand, dpi)};
}

HFONT Info_Basis_DF::schrift_handle() const {
    return schrift ? schrift->handle() : instanz->font.handle();
}

Taster_KF* Info_Basis_DF::knopf() {
    return knopf_;
}

LRESULT Info_Basis_DF::wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) {
    if (knopf_->hwnd && kontrolle == reinterpret_cast<LPARAM>(knopf_->hwnd) && code == BN_CLICKED) {
        destroy_window();
        return 0;
    }
    return Dialog_F::wm_command(id, kontrolle, code);
}

void Info_Basis_DF::zeilen_setzen(const char* const* texte, int32_t n) {
    for (Text_KF*& z : zeilen) {
        delete z;
        z = nullptr;
    }
    for (int32_t i = 0; i < n && i < aufbau.zeilen; ++i) {
        if (!texte[i]) continue;
        zeilen[i] = new Text_KF(this, texte[i], skaliert(ZEILE_X, dpi_), aufbau.zeilen_y + i * aufbau.abstand,
                                skaliert(ZEILE_BREITE, dpi_), aufbau.abstand, KIND);
        if (hwnd) {
            zeilen[i]->oeffnen(1);
            zeilen[i]->sm_setfont(schrift_handle(), 1);
        }
    }
}

void Info_Basis_DF::bild_setzen(int32_t nummer, HBITMAP bitmap) {
    if (nummer >= 0 && nummer < aufbau.bilder) bilder[nummer]->setze_bild(bitmap);
}

// Layouts in pixels at 96 DPI; pictures and button as x, y, width, height.
const Info_Basis_DF::Aufbau Info_DF::AUFBAU = {
    2, {{325, 20, 64, 64}, {10, 160, 380, 211}}, {330, 380, 64, 25}, 9, 20, 15};
const Info_Basis_DF::Aufbau Info2_DF::AUFBAU = {
    1, {{340, 20, 64, 64}, {0, 0, 0, 0}}, {340, 235, 64, 25}, 12, 20, 20};

Info_DF::Info_DF(Fenster* vater, const char* titel, const char* button_text, int32_t x,
                 int32_t y, int32_t breite, int32_t hoehe, DWORD stil, int32_t dpi)
    : Info_Basis_DF(vater, titel, button_text, x, y, breite, hoehe, stil, AUFBAU, dpi) {}

int Info_DF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Info_DF") == 0) return 1;
    return nur_diese ? 0 : Dialog_F::klassen_name_(name, 0);
}

void Info_DF::texte(const char* z1, const char* z2, const char* z3, const char* z4,
                    const char* z5, const char* z6, const char* z7, const char* z8,
                    const char* z9) {
    const char* const zeilen[] = {z1, z2, z3, z4, z5, z6, z7, z8, z9};
    zeilen_setzen(zeilen, 9);
}

void Info_DF::bild1(HBITMAP bitmap) {
    bild_setzen(0, bitmap);
}

void Info_DF::bild2(HBITMAP bitmap) {
    bild_setzen(1, bitmap);
}

Info2_DF::Info2_DF(Fenster* vater, const char* titel, const char* button_text, int32_t x,
                   int32_t y, int32_t breite, int32_t hoehe, DWORD stil)
    : Info_Basis_DF(vater, titel, button_text, x, y, breite, hoehe, stil, AUFBAU, DPI_NORMAL) {}

int Info2_DF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Info2_DF") == 0) return 1;
    return nur_diese ? 0 : Dialog_F::klassen_name_(name, 0);
}

void Info2_DF::texte(const char* z1, const char* z2, const char* z3, const char* z4,
                     const char* z5, const char* z6, const char* z7, const char* z8,
                     const char* z9, const char* z10, const char* z11, const char* z12) {
    const char* const zeilen[] = {z1, z2, z3, z4, z5, z6, z7, z8, z9, z10, z11, z12};
    zeilen_setzen(zeilen, 12);
}

void Info2_DF::bild(HBITMAP bitmap) {
    bild_setzen(0, bitmap);
}
