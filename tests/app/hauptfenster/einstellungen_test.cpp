// The main window's settings: defaults without a file, the 26 keys written
// back as read, values beyond the bars' ranges, a damaged file healed by the
// next save, and the low 8 bits of a colour.
#include "farben.h"
#include "programm_umgebung.h"

#include <cmath>
#include <map>
#include <string>

#include "ablage.h"
#include "bedienfeld/orte.h"
#include "gemeinsam/ui_texte.h"
#include "ini_datei.h"
#include "combobox_kf.h"
#include "edit_kf.h"
#include "schluessel.h"

namespace {

using Einstellungen_ = ProgrammTest;
using Werte = std::map<std::string, int32_t>;

constexpr double GRAD = 3.1415927 / 180.0;

void schreiben(const std::string& datei, const Werte& werte) {
    for (const Schluessel& s : SCHLUESSEL) {
        const auto w = werte.find(s.name);
        if (w == werte.end()) continue;
        WritePrivateProfileStringA(s.abschnitt, s.name, std::to_string(w->second).c_str(),
                                   datei.c_str());
    }
}

Werte lesen(const std::string& datei) {
    Werte werte;
    for (const Schluessel& s : SCHLUESSEL) {
        werte[s.name] = static_cast<int32_t>(GetPrivateProfileIntA(s.abschnitt, s.name, -77777, datei.c_str()));
    }
    return werte;
}

// Every key with a value of its own that lies within its range.
Werte alle_schluessel() {
    Werte w;
    int32_t n = 0;
    for (const Schluessel& s : SCHLUESSEL) w[s.name] = 17 + 7 * n++;
    w["Rek"] = 29;
    w["Dek"] = 1000;
    w["Gesichtsfeld"] = 12;
    w["Fest"] = 2;
    w["Monat"] = 5;
    w["Zeit"] = 13;
    w["Ort"] = 3;
    w["Sternbilder"] = 57;
    w["Sternbildnamen"] = 0;
    w["Sternnamen"] = 100;
    w["Hilfslinien"] = 1;
    // The moment's keys, each within its range.
    w["Regel"] = REGEL_ORIGINAL;
    w["Datum"] = 20270704;
    w["Uhrzeit"] = 2215;
    w["Laenge"] = 1158;
    w["Ort_Breite"] = 4813;
    w["Ort_Laenge"] = -4321;
    w["Planeten"] = 0;  // switched off: not the default
    w["Nachtmodus"] = 1;  // on: not the default
    return w;
}

TEST_F(Einstellungen_, VorgabenOhneDatei) {
    dateien({"Orte.dat"});
    instanz->fenster_registrieren();
    fenster = new Himmel_DF(0, 0, 1024, 740);
    Himmel_DF& f = *fenster;
    EXPECT_DOUBLE_EQ(19.90, f.himmel->rektaszension);
    EXPECT_DOUBLE_EQ(39.33, f.himmel->deklination);
    EXPECT_NEAR(37 * GRAD, f.himmel->gesichtsfeld, 1e-12);
    EXPECT_EQ(1, f.fest);
    EXPECT_EQ(2, f.monat);
    EXPECT_EQ(7, f.zeit);
    EXPECT_EQ(15, f.ort);
    const double staerken[EBENEN] = {0.70, 0.70, 0.95, 0.30};
    for (int32_t i = 0; i < EBENEN; ++i) {
        EXPECT_DOUBLE_EQ(staerken[i], staerke_anteil(f.darstellung, static_cast<Ebene>(i)));
        EXPECT_EQ(static_cast<int32_t>(staerken[i] * 100 + 0.5), f.ebenen_leisten[i]->pos());
    }
    EXPECT_EQ(48, f.darstellung.hintergrund.blau);

    // Opened, the lists show the date and the 16th place; the hour follows
    // the right ascension, since the date was set last.
    f.oeffnen(1);
    char text[40] = "";
    f.monat_wahl->getlbtext(static_cast<int32_t>(f.monat_wahl->getcursel()), text, sizeof text);
    EXPECT_STREQ("  1. Februar", text);
    EXPECT_EQ(15, f.ort_wahl->getcursel());
    EXPECT_EQ(10, f.zeit);  // 19.90 h on the 1st of February
    EXPECT_EQ("+39\xB0 20'", text_von(f.dekl_anzeige->hwnd));
}

TEST_F(Einstellungen_, UnveraendertWieGelesenZurueck) {
    Werte werte = alle_schluessel();
    werte["Rot_Hintergrund"] = 300;  // only its low 8 bits count
    schreiben(pfad("Varnis.ini"), werte);
    instanz->fenster_registrieren();
    fenster = new Himmel_DF(0, 0, 1024, 740);
    EXPECT_DOUBLE_EQ(0.29, fenster->himmel->rektaszension);
    EXPECT_DOUBLE_EQ(-10.0, fenster->himmel->deklination);
    EXPECT_NEAR(12 * GRAD, fenster->himmel->gesichtsfeld, 1e-12);
    EXPECT_DOUBLE_EQ(0.57, staerke_anteil(fenster->darstellung, STERNBILDER));
    EXPECT_EQ(44, fenster->darstellung.hintergrund.rot);
    delete fenster;  // saves to Varnis.ini
    fenster = nullptr;

    werte["Rot_Hintergrund"] = 44;
    EXPECT_EQ(werte, lesen(pfad("Varnis.ini")));
}

TEST_F(Einstellungen_, NiedrigeAchtBitsEinerFarbeImBild) {
    alle_dateien();
    schreiben(pfad("Varnis.ini"), {{"Rot_Hintergrund", 300}, {"Blau_Sternbilder", 511}});
    Himmel_DF& f = oeffnen();
    EXPECT_EQ(0x30002Cu, f.karte_bild.farbe(0));       // (44, 0, 48)
    EXPECT_EQ(0x30002Cu, f.uebersicht_bild.farbe(0));
    EXPECT_EQ(0xB2B227u, f.karte_bild.farbe(FIGUREN_INDEX));  // (56, 255, 255) x 0.7
}

TEST_F(Einstellungen_, WerteJenseitsDerLeistenWerdenGehalten) {
    schreiben(pfad("Varnis.ini"), {{"Rek", 3000}, {"Dek", -20000}, {"Gesichtsfeld", 0},
                                  {"Sternbilder", 300}, {"Hilfslinien", -5}});
    instanz->fenster_registrieren();
    fenster = new Himmel_DF(0, 0, 1024, 740);
    EXPECT_DOUBLE_EQ(24.0, fenster->himmel->rektaszension);
    EXPECT_DOUBLE_EQ(89.99, fenster->himmel->deklination);
    EXPECT_NEAR(3 * GRAD, fenster->himmel->gesichtsfeld, 1e-12);
    EXPECT_DOUBLE_EQ(1.0, staerke_anteil(fenster->darstellung, STERNBILDER));
    EXPECT_DOUBLE_EQ(0.0, staerke_anteil(fenster->darstellung, HILFSLINIEN));
    fenster->einstellungen_speichern();
    const Werte gespeichert = lesen(pfad("Varnis.ini"));
    EXPECT_EQ(2400, gespeichert.at("Rek"));
    EXPECT_EQ(-8999, gespeichert.at("Dek"));
    EXPECT_EQ(3, gespeichert.at("Gesichtsfeld"));
    EXPECT_EQ(100, gespeichert.at("Sternbilder"));
    EXPECT_EQ(0, gespeichert.at("Hilfslinien"));
}

// Each key comes out of the program within its range, so a damaged file
// heals on the next save: Fest 1 or 2, Ort a place of the list or -1.
TEST_F(Einstellungen_, BeschaedigteDateiHeiltBeimSpeichern) {
    alle_dateien();
    Orte orte;
    ASSERT_EQ(0, orte_laden(nullptr, orte));
    const int32_t n = orte.anzahl();
    ASSERT_GT(n, 2);
    const struct {
        int32_t fest, ort;                  // in the file
        int32_t fest_danach, ort_danach;    // saved
    } faelle[] = {
        {7, 99999, 2, -1},
        {0, -5, 1, -1},
        {2, n - 1, 2, n - 1},  // the last place of the list
        {1, n, 1, -1},         // one past it
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE("Fest=" + std::to_string(f.fest) + " Ort=" + std::to_string(f.ort));
        DeleteFileA(pfad("Varnis.ini").c_str());
        schreiben(pfad("Varnis.ini"), {{"Fest", f.fest}, {"Ort", f.ort}, {"Monat", 99}, {"Zeit", -3}});
        oeffnen();
        delete fenster;  // saves to Varnis.ini
        fenster = nullptr;
        const Werte gespeichert = lesen(pfad("Varnis.ini"));
        EXPECT_EQ(f.fest_danach, gespeichert.at("Fest"));
        EXPECT_EQ(f.ort_danach, gespeichert.at("Ort"));
        for (const char* name : {"Monat", "Zeit"}) {
            EXPECT_GE(gespeichert.at(name), 0) << name;
            EXPECT_LE(gespeichert.at(name), 23) << name;
        }
    }
}

TEST_F(Einstellungen_, AndereDateiLadenZeichnetNeu) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    rollen(*f.feld_leiste, SB_PAGELEFT);
    const std::string andere = pfad("Andere.ini");
    f.einstellungen_speichern(andere.c_str());
    EXPECT_EQ(47, lesen(andere).at("Gesichtsfeld"));

    schreiben(pfad("Dritte.ini"), {{"Gesichtsfeld", 90}, {"Rot_Sternnamen", 0}});
    f.einstellungen_laden(pfad("Dritte.ini").c_str());
    EXPECT_EQ(60, f.zeichen_schritt);  // drawn afresh
    EXPECT_EQ(" 90\xB0", text_von(f.feld_anzeige->hwnd));
    EXPECT_EQ(0xE4C100u, f.karte_bild.farbe(INDEX_STERNNAMEN));  // (0, 204, 240) x 0.95

    f.einstellungen_laden(andere.c_str());
    EXPECT_EQ(-47, f.feld_leiste->pos());
    EXPECT_EQ(" 47\xB0", text_von(f.feld_anzeige->hwnd));
}

// A file loaded into the open window puts its date and hour into both lists,
// and the one not set last follows the file's right ascension, whatever the
// lists showed before.
TEST_F(Einstellungen_, GeladeneDateiStehtInBeidenListen) {
    alle_dateien();
    Himmel_DF& f = oeffnen();  // the defaults: 1 February, 10 o'clock
    const struct {
        int32_t fest;
        int32_t monat, zeit;  // shown afterwards
    } faelle[] = {
        {2, 19, 3},  // the hour set last: 5.00 h at 3 o'clock is 1 October
        {1, 20, 2},  // the date set last: 5.00 h on 1 November is 2 o'clock
    };
    for (const auto& fall : faelle) {
        schreiben(pfad("Andere.ini"), {{"Rek", 500}, {"Fest", fall.fest}, {"Monat", 20}, {"Zeit", 3},
                                     {"Regel", REGEL_ORIGINAL}});
        f.einstellungen_laden(pfad("Andere.ini").c_str());
        EXPECT_EQ(fall.monat, f.monat) << fall.fest;
        EXPECT_EQ(fall.zeit, f.zeit) << fall.fest;
        EXPECT_EQ(fall.monat, f.monat_wahl->getcursel()) << fall.fest;
        EXPECT_EQ(fall.zeit, f.zeit_wahl->getcursel()) << fall.fest;
    }
}

}  // namespace

namespace {

// A Varnis.ini of the 26 keys only, as every earlier version wrote it, shows
// the view it always did: the bars' right ascension (to the minute the moment
// can hold) and declination, the list set last and the place; the moment is
// the one that puts that right ascension overhead, and the chart's centre
// is its zenith in J2000, within precession's reach of the bars' values.
TEST_F(Einstellungen_, AlteDateiZeigtDieselbeAnsicht) {
    alle_dateien();
    const struct {
        int32_t rek, dek, fest, monat, zeit, ort;
    } faelle[] = {
        {1990, -3933, 1, 2, 10, 15},  // the defaults
        {530, -4814, 1, 23, 22, 76},  // München, 15 December, the date set last
        {1200, 3493, 2, 0, 21, 3},    // Adelaide, the hour set last
    };
    for (const auto& f : faelle) {
        delete fenster;  // saves its own view first
        fenster = nullptr;
        DeleteFileA(pfad("Varnis.ini").c_str());
        schreiben(pfad("Varnis.ini"), {{"Rek", f.rek}, {"Dek", f.dek}, {"Fest", f.fest},
                                       {"Monat", f.monat}, {"Zeit", f.zeit}, {"Ort", f.ort}});
        Himmel_DF& h = oeffnen();
        const Ansicht a = h.einstellungen().ansicht;
        EXPECT_LE(std::abs(a.rek - f.rek), 2) << f.rek;  // 2 hundredths of an hour: 1.2 min
        EXPECT_EQ(f.dek, a.dek) << f.rek;
        EXPECT_EQ(f.fest, a.fest) << f.rek;
        EXPECT_EQ(f.ort, a.ort) << f.rek;
        if (f.fest == 1) {
            EXPECT_EQ(f.monat, a.monat) << f.rek;
        }
        // Precession since 2000 moves the zenith by well under a degree.
        EXPECT_NEAR(-f.dek / 100.0, h.himmel->deklination, 0.5) << f.rek;
    }
}

// Settings that can be written nowhere: a read-only Varnis.ini, one that
// is a folder, or a data folder the user may not write (the seam of
// settings/ablage.h) with a user's folder that cannot be made. The user is
// told once per session with the file named; the old file keeps its bytes.
Ablage ablage_vorher;
bool nie_schreibbar(const char*) { return false; }
bool unerreichbarer_benutzer(Ordner o, char* ziel, size_t groesse) {
    if (o != Ordner::BENUTZER) return ablage_vorher.ordner(o, ziel, groesse);
    return snprintf(ziel, groesse, "Z:\\kein\\solcher\\Ordner\\Varnis") > 0;
}

TEST_F(Einstellungen_, NirgendsSchreibbarWirdEinmalGemeldet) {
    alle_dateien();
    const std::string ini = pfad("Varnis.ini");
    const struct {
        const char* name;
        DWORD art;                 // what stands at Varnis.ini: a read-only file or a folder
        bool gesperrt;             // the data folder unwritable, the user's not to be made
        std::string genannt;       // the file the box names
    } faelle[] = {
        {"read-only Varnis.ini", FILE_ATTRIBUTE_READONLY, false, ini},
        {"Varnis.ini a folder", FILE_ATTRIBUTE_DIRECTORY, false, ini},
        {"no place", 0, true, "Z:\\kein\\solcher\\Ordner\\Varnis\\Varnis.ini"},
    };
    ablage_vorher = ablage;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        if (f.art == FILE_ATTRIBUTE_DIRECTORY) {
            ASSERT_TRUE(CreateDirectoryA(ini.c_str(), nullptr));
        } else if (f.art != 0) {
            schreiben(ini, {{"Rek", 29}});
            ASSERT_TRUE(SetFileAttributesA(ini.c_str(), f.art));
        }
        const std::string vorher = datei_lesen(ini);
        if (f.gesperrt) {
            ablage.schreibbar = nie_schreibbar;
            ablage.ordner = unerreichbarer_benutzer;
        }
        meldungen.clear();
        Himmel_DF& h = oeffnen();
        EXPECT_EQ(-1, h.einstellungen_speichern());
        EXPECT_EQ(-1, h.einstellungen_speichern());
        delete fenster;  // saves once more
        fenster = nullptr;
        ablage = ablage_vorher;

        ASSERT_EQ(1u, meldungen.size());
        char erwartet[600];
        snprintf(erwartet, sizeof erwartet, ui_text(UI_EINSTELLUNGEN_NICHT_GESPEICHERT), f.genannt.c_str());
        EXPECT_EQ(erwartet, meldungen[0].text);
        EXPECT_EQ(ui_text(UI_TITEL_FEHLER), meldungen[0].titel);
        EXPECT_EQ(vorher, datei_lesen(ini));
        SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA(ini.c_str())) RemoveDirectoryA(ini.c_str());
    }
}

}  // namespace
