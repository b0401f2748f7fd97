// The view from the command line against the panel's own: the same settings
// file loaded into the real main window, the same date, hour, place and
// field of view chosen in its lists and bar, give the view that ansicht_fuer
// computes.
#include "programm_umgebung.h"

#include "befehlszeile/ansicht.h"
#include "bedienfeld/ansichtsregeln.h"
#include "bedienfeld/orte.h"
#include "combobox_kf.h"

namespace {

using BefehlszeileAnsicht = ProgrammTest;

void waehlen(Himmel_DF& f, Combobox_KF& liste, int32_t eintrag) {
    liste.setcursel(eintrag);
    SendMessageA(f.hwnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(liste.hwnd));
}

TEST_F(BefehlszeileAnsicht, WieImBedienfeldGewaehlt) {
    alle_dateien();
    Orte orte;
    ASSERT_EQ(0, orte_laden(ordner.c_str(), orte));
    const int32_t muenchen = ort_index(orte, "M\xFCnchen");
    const int32_t kapstadt = ort_index(orte, "Kapstadt");
    ASSERT_GE(muenchen, 0);
    ASSERT_GE(kapstadt, 0);

    struct Fall {
        int32_t fest;            // of the settings file: which list was set last
        int32_t halbmonat, stunde, ort, feld;  // -1 / 0: not given
    };
    const Fall faelle[] = {
        {1, -1, -1, -1, 0},  {2, -1, -1, -1, 0},  {1, 23, -1, -1, 0}, {2, 23, -1, -1, 0},
        {1, -1, 22, -1, 0},  {2, -1, 5, -1, 0},   {1, 4, 21, muenchen, 0},
        {2, 0, 0, kapstadt, 120}, {1, -1, -1, muenchen, 3},
    };
    for (const Fall& fall : faelle) {
        Einstellungen datei = vorgaben(Programm::STERNKARTE);
        datei.ansicht = {1234, -2000, 50, fall.fest, 9, 13, 2};
        ASSERT_EQ(0, einstellungen_schreiben(pfad("Varnis.ini").c_str(), datei));
        delete fenster;
        fenster = nullptr;
        Himmel_DF& f = oeffnen();
        if (fall.halbmonat >= 0) waehlen(f, *f.monat_wahl, fall.halbmonat);
        if (fall.stunde >= 0) waehlen(f, *f.zeit_wahl, fall.stunde);
        if (fall.ort >= 0) waehlen(f, *f.ort_wahl, fall.ort);
        if (fall.feld > 0) rollen(*f.feld_leiste, SB_THUMBTRACK, static_cast<int16_t>(-fall.feld));
        const Ansicht bedienfeld = f.einstellungen().ansicht;

        Kartenauftrag a;
        a.halbmonat = fall.halbmonat;
        a.stunde = fall.stunde;
        a.feld = fall.feld;
        const Ansicht gelesen =
            einstellungen_lesen(pfad("Varnis.ini").c_str(), Programm::STERNKARTE).ansicht;
        const Ansicht zeile = ansicht_fuer(gelesen, a, orte.ort(fall.ort), fall.ort);
        const std::string wo = "fest " + std::to_string(fall.fest) + ", " + std::to_string(fall.halbmonat) +
                               "/" + std::to_string(fall.stunde) + "/" + std::to_string(fall.ort);
        EXPECT_EQ(bedienfeld.rek, zeile.rek) << wo;
        EXPECT_EQ(bedienfeld.dek, zeile.dek) << wo;
        EXPECT_EQ(bedienfeld.gesichtsfeld, zeile.gesichtsfeld) << wo;
        EXPECT_EQ(bedienfeld.monat, zeile.monat) << wo;
        EXPECT_EQ(bedienfeld.zeit, zeile.zeit) << wo;
        EXPECT_EQ(bedienfeld.fest, zeile.fest) << wo;
        if (fall.ort >= 0) {
            EXPECT_EQ(bedienfeld.ort, zeile.ort) << wo;
        }
        // The sky stands where the panel turned it.
        Himmel himmel;
        himmel_ausrichten(himmel, zeile);
        EXPECT_DOUBLE_EQ(f.himmel->rektaszension, himmel.rektaszension) << wo;
        EXPECT_DOUBLE_EQ(f.himmel->deklination, himmel.deklination) << wo;
        EXPECT_DOUBLE_EQ(f.himmel->gesichtsfeld, himmel.gesichtsfeld) << wo;
    }
}

}  // namespace
