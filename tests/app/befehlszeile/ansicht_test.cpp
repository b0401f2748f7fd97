// The view from the command line against the panel's own: the same settings
// file loaded into the real main window, the same date, hour, place and
// field of view chosen in its lists and bar, give the view and the chart's
// centre that ansicht_fuer computes, by either rule.
#include "programm_umgebung.h"

#include "befehlszeile/ansicht.h"
#include "bedienfeld/ansichtsregeln.h"
#include "bedienfeld/momentregeln.h"
#include "bedienfeld/orte.h"
#include "combobox_kf.h"
#include "gemeinsam/uhr.h"

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

    Zonen zonen;
    ASSERT_EQ(ZEIT_OK, zonen_laden(ordner.c_str(), zonen));
    const int32_t jahr = jahr_jetzt();

    struct Fall {
        int32_t regel;
        int32_t fest;            // of the settings file: which list was set last
        int32_t halbmonat, stunde, ort, feld;  // -1 / 0: not given
    };
    const Fall faelle[] = {
        {REGEL_ORIGINAL, 1, -1, -1, -1, 0},  {REGEL_ORIGINAL, 2, -1, -1, -1, 0},
        {REGEL_ORIGINAL, 1, 23, -1, -1, 0},  {REGEL_ORIGINAL, 2, 23, -1, -1, 0},
        {REGEL_ORIGINAL, 1, -1, 22, -1, 0},  {REGEL_ORIGINAL, 2, -1, 5, -1, 0},
        {REGEL_ORIGINAL, 1, 4, 21, muenchen, 0}, {REGEL_ORIGINAL, 2, 0, 0, kapstadt, 120},
        {REGEL_MOMENT, 1, 23, 22, muenchen, 0}, {REGEL_MOMENT, 2, 0, 0, kapstadt, 120},
        {REGEL_MOMENT, 1, 13, 3, -1, 0},     {REGEL_MOMENT, 1, -1, -1, muenchen, 3},
    };
    for (const Fall& fall : faelle) {
        Einstellungen datei = vorgaben(Programm::STERNKARTE);
        datei.ansicht = {1234, -2000, 50, fall.fest, 9, 13, 2};
        datei.moment.regel = fall.regel;
        ASSERT_EQ(0, einstellungen_schreiben(pfad("Varnis.ini").c_str(), datei));
        delete fenster;
        fenster = nullptr;
        Himmel_DF& f = oeffnen();
        if (fall.halbmonat >= 0) waehlen(f, *f.monat_wahl, fall.halbmonat);
        if (fall.stunde >= 0) waehlen(f, *f.zeit_wahl, fall.stunde);
        if (fall.ort >= 0) waehlen(f, *f.ort_wahl, fall.ort);
        if (fall.feld > 0) rollen(*f.feld_leiste, SB_THUMBTRACK, static_cast<int16_t>(-fall.feld));
        const Ansicht bedienfeld = f.einstellungen().ansicht;

        // The lists' entries as the command line gives them: the first or
        // the 15th of the shown year, the full hour.
        Kartenauftrag a;
        if (fall.halbmonat >= 0) {
            a.mit_datum = true;
            a.datum = datum_des_halbmonats(jahr, fall.halbmonat);
        }
        if (fall.stunde >= 0) {
            a.mit_zeit = true;
            a.zeit = {fall.stunde, 0};
        }
        a.feld = fall.feld;
        const Einstellungen gelesen = einstellungen_lesen(pfad("Varnis.ini").c_str(), Programm::STERNKARTE);
        const Kartenansicht zeile = ansicht_fuer(gelesen, a, orte, fall.ort, zonen, jahr);
        const std::string wo = "Regel " + std::to_string(fall.regel) + ", fest " + std::to_string(fall.fest) +
                               ", " + std::to_string(fall.halbmonat) + "/" + std::to_string(fall.stunde) +
                               "/" + std::to_string(fall.ort);
        EXPECT_EQ(bedienfeld.rek, zeile.ansicht.rek) << wo;
        EXPECT_EQ(bedienfeld.dek, zeile.ansicht.dek) << wo;
        EXPECT_EQ(bedienfeld.gesichtsfeld, zeile.ansicht.gesichtsfeld) << wo;
        EXPECT_EQ(bedienfeld.monat, zeile.ansicht.monat) << wo;
        EXPECT_EQ(bedienfeld.zeit, zeile.ansicht.zeit) << wo;
        EXPECT_EQ(bedienfeld.fest, zeile.ansicht.fest) << wo;
        if (fall.ort >= 0) {
            EXPECT_EQ(bedienfeld.ort, zeile.ansicht.ort) << wo;
        }
        // The sky stands where the panel turned it.
        Himmel himmel;
        himmel_ausrichten(himmel, zeile.ansicht, zonen, zeile.moment, zeile.regel);
        EXPECT_NEAR(f.himmel->rektaszension, himmel.rektaszension, 1e-9) << wo;
        EXPECT_NEAR(f.himmel->deklination, himmel.deklination, 1e-9) << wo;
        EXPECT_DOUBLE_EQ(f.himmel->gesichtsfeld, himmel.gesichtsfeld) << wo;
    }
}

}  // namespace
