// Ready-made information windows: pictures, lines of text and one button
// (the default button, identifier IDOK) whose click closes the window.
// Info_DF: two pictures and up to nine lines 15 pixels apart; Info2_DF: one
// picture and up to twelve lines 20 pixels apart.
#pragma once

#include "dialog.h"

class Bitmap_KF;
class Taster_KF;
class Text_KF;

class VARNIS_EXPORT Info_Basis_DF : public Dialog_F {
public:
    ~Info_Basis_DF() override;  // deletes the controls it made
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
    Info_Basis_DF(Fenster* vater, const char* titel, const char* button_text, int32_t x,
                  int32_t y, int32_t breite, int32_t hoehe, DWORD stil, const Aufbau& aufbau);
    // Replaces the lines of an earlier call; a null line leaves its place empty.
    void zeilen_setzen(const char* const* texte, int32_t n);
    void bild_setzen(int32_t nummer, HBITMAP bitmap);

private:
    const Aufbau& aufbau;
    Bitmap_KF* bilder[2] = {};
    Taster_KF* knopf_ = nullptr;
    Text_KF* zeilen[12] = {};
};

class VARNIS_EXPORT Info_DF : public Info_Basis_DF {
public:
    Info_DF(Fenster* vater, const char* titel, const char* button_text, int32_t x, int32_t y,
            int32_t breite, int32_t hoehe, DWORD stil);
    int klassen_name_(const char* name, int nur_diese) override;
    void texte(const char* z1, const char* z2 = nullptr, const char* z3 = nullptr,
               const char* z4 = nullptr, const char* z5 = nullptr, const char* z6 = nullptr,
               const char* z7 = nullptr, const char* z8 = nullptr, const char* z9 = nullptr);
    void bild1(HBITMAP bitmap);  // 64 x 64 at the top right
    void bild2(HBITMAP bitmap);  // 380 x 211 below the lines

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
