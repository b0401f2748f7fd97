// Ready-made information windows: pictures, lines of text and one button
// (the default button, identifier IDOK) whose click closes the window.
// Info_DF: two pictures and up to nine lines 15 pixels apart; Info2_DF: one
// picture and up to twelve lines 20 pixels apart.
#pragma once

#include <memory>

#include "dialog.h"
#include "skaliert.h"

class Bitmap_KF;
class Font;
class Taster_KF;
class Text_KF;

class VARNIS_EXPORT Info_Basis_DF : public Dialog_F {
public:
    ~Info_Basis_DF() override;  // deletes the controls it made
    // Dialog_F::oeffnen, then the font of dpi for the window and its controls.
    HWND oeffnen(int zeigen) override;
    LRESULT wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) override;
    Taster_KF* knopf();

protected:
    struct Aufbau {
        int32_t bilder;      // 1 or 2
        RECT bild[2];        // x, y, width, height of each picture
        RECT knopf;          // x, y, width, height of the button
        int32_t zeilen;      // at most 12
        int32_t zeilen_y;    // y of the first line
        int32_t abstand;     // from line to line
    };
    // aufbau96 in pixels at 96 DPI; the controls and the font are placed and
    // made at dpi (breite and hoehe are the caller's, already at dpi).
    Info_Basis_DF(Fenster* vater, const char* titel, const char* button_text, int32_t x,
                  int32_t y, int32_t breite, int32_t hoehe, DWORD stil, const Aufbau& aufbau96,
                  int32_t dpi);
    // Replaces the lines of an earlier call; a null line leaves its place empty.
    void zeilen_setzen(const char* const* texte, int32_t n);
    void bild_setzen(int32_t nummer, HBITMAP bitmap);

private:
    static Aufbau aufbau_fuer(const Aufbau& a, int32_t dpi);  // a's pixels at dpi
    HFONT schrift_handle() const;

    const int32_t dpi_;
    const Aufbau aufbau;  // at dpi_
    // The library's font scaled to dpi_; null at 96 DPI, where the
    // library's own is taken.
    std::unique_ptr<Font> schrift;
    Bitmap_KF* bilder[2] = {};
    Taster_KF* knopf_ = nullptr;
    Text_KF* zeilen[12] = {};
};

class VARNIS_EXPORT Info_DF : public Info_Basis_DF {
public:
    Info_DF(Fenster* vater, const char* titel, const char* button_text, int32_t x, int32_t y,
            int32_t breite, int32_t hoehe, DWORD stil, int32_t dpi = DPI_NORMAL);
    int klassen_name_(const char* name, int nur_diese) override;
    void texte(const char* z1, const char* z2 = nullptr, const char* z3 = nullptr,
               const char* z4 = nullptr, const char* z5 = nullptr, const char* z6 = nullptr,
               const char* z7 = nullptr, const char* z8 = nullptr, const char* z9 = nullptr);
    void bild1(HBITMAP bitmap);  // 64 x 64 at the top right (96 DPI)
    void bild2(HBITMAP bitmap);  // 380 x 211 below the lines (96 DPI)

private:
    static const Aufbau AUFBAU;
};

class VARNIS_EXPORT Info2_DF : public Info_Basis_DF {
public:
    Info2_DF(Fenster* vater, const char* titel, const char* button_text, int32_t x, int32_t y,
             int32_t breite, int32_t hoehe, DWORD stil);
    int klassen_name_(const char* name, int nur_diese) override;
    void texte(const char* z1, const char* z2 = nullptr, const char* z3 = nullptr,
               const char* z4 = nullptr, const char* z5 = nullptr, const char* z6 = nullptr,
               const char* z7 = nullptr, const char* z8 = nullptr, const char* z9 = nullptr,
               const char* z10 = nullptr, const char* z11 = nullptr, const char* z12 = nullptr);
    void bild(HBITMAP bitmap);  // 64 x 64 at the top right

private:
    static const Aufbau AUFBAU;
};
