// Varnis32.exe with switches in a real process under Wine: the bitmap it
// writes equals the bitmap commands' file for the same view, a vector file
// and the help, the table of bad command lines with their exit codes and
// lines, missing data files, and the window as before without switches.
#include "programm_umgebung.h"

#include <cstdio>
#include <string>
#include <vector>

#include "ausgabe/bitmap_datei.h"
#include "beschaedigte_kataloge.h"
#include "bedienfeld/orte.h"
#include "combobox_kf.h"
#include "dialogersatz.h"
#include "gemeinsam/uhr.h"
#include "gemeinsam/ui_texte.h"
#include "ini_datei.h"
#include "karten_umgebung.h"
#include "lauf.h"
#include "prozess.h"

namespace {

using Befehlszeile = ProgrammTest;

void waehlen(Himmel_DF& f, Combobox_KF& liste, int32_t eintrag) {
    liste.setcursel(eintrag);
    SendMessageA(f.hwnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(liste.hwnd));
}

// Lines of a text (each ends in "\r\n").
int32_t zeilen(const std::string& text) {
    int32_t n = 0;
    for (size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2)) ++n;
    return n;
}

// Pixels that differ between two BMP files of the same size, for a message.
int32_t abweichend(const std::string& a, const std::string& b) {
    const Bmp x = bmp_lesen(a), y = bmp_lesen(b);
    if (!x.gelesen || !y.gelesen || x.zeilen.size() != y.zeilen.size()) return -1;
    int32_t n = 0;
    for (size_t i = 0; i < x.zeilen.size(); ++i) n += x.zeilen[i] != y.zeilen[i];
    return n;
}

// 10 December 2026 at 22 o'clock over München: half-month 23 (15 December),
// hour 22, in the window's lists and on the command line.
TEST_F(Befehlszeile, BitmapGleichDerDateiDerBitmapBefehle) {
    alle_dateien();
    Einstellungen datei = vorgaben(Programm::STERNKARTE);
    datei.ansicht.gesichtsfeld = 45;
    datei.darstellung.staerke_prozent[HILFSLINIEN] = 60;
    ASSERT_EQ(0, einstellungen_schreiben(pfad("Varnis.ini").c_str(), datei));
    Himmel_DF& f = oeffnen();
    Orte orte;
    ASSERT_EQ(0, orte_laden(ordner.c_str(), orte));
    waehlen(f, *f.monat_wahl, 23);
    waehlen(f, *f.zeit_wahl, 22);
    waehlen(f, *f.ort_wahl, ort_index(orte, "M\xFCnchen"));
    bis_ruhe(f);
    const int32_t seite = f.karte_bild.breite();
    ASSERT_EQ(seite, f.karte_bild.hoehe());
    ASSERT_GE(seite, 100);
    ASSERT_GT(sternpixel(f.karte_bild), 500);

    const struct {
        Farbschema farben;
        std::vector<std::string> schema;
    } faelle[] = {
        {Farbschema::SCHIRM, {}},
        {Farbschema::SCHWARZ_AUF_WEISS, {"/schema", "schwarz-auf-weiss"}},
        {Farbschema::NACHT, {"/schema", "nacht"}},
    };
    for (const auto& fall : faelle) {
        dialog.antwort = pfad("fenster.bmp");
        ASSERT_EQ(0, bitmap_datei(f.karte_bild, fall.farben, f.hwnd, "", dialog_waehlen));
        const std::string tag = "15.12." + std::to_string(jahr_jetzt());
        std::vector<std::string> argumente = {"/karte", pfad("zeile.bmp"), "/datum", tag,
                                              "/stunde", "22", "/ort", "M\xFCnchen",
                                              "/groesse", std::to_string(seite),
                                              "/einstellungen", pfad("Varnis.ini")};
        argumente.insert(argumente.end(), fall.schema.begin(), fall.schema.end());
        const Lauf lauf = ausfuehren(varnis32(), argumente, ordner);
        ASSERT_TRUE(lauf.beendet);
        EXPECT_EQ(0u, lauf.code) << lauf.fehler;
        const std::string fenster_bild = datei_lesen(pfad("fenster.bmp"));
        ASSERT_GT(fenster_bild.size(), static_cast<size_t>(seite) * seite);
        EXPECT_TRUE(fenster_bild == datei_lesen(pfad("zeile.bmp")))
            << abweichend(pfad("fenster.bmp"), pfad("zeile.bmp")) << " pixels differ";
    }
    EXPECT_TRUE(meldungen.empty());
}

TEST(BefehlszeileProzess, VektorgrafikUndHilfe) {
    Temp_Ordner o;
    const std::string nacht = o.datei("nacht.emf");
    Lauf lauf = ausfuehren(varnis32(), {"/karte", nacht, "/ort", "muenchen", "/datum", "2026-12-10",
                                        "/stunde", "22"}, o.pfad());
    ASSERT_TRUE(lauf.beendet);
    EXPECT_EQ(0u, lauf.code) << lauf.fehler;
    EXPECT_EQ("Varnis: Karte geschrieben: " + nacht + "\r\n", lauf.ausgabe);
    EXPECT_EQ("", lauf.fehler);
    HENHMETAFILE emf = GetEnhMetaFileA(nacht.c_str());
    ASSERT_NE(nullptr, emf);
    ENHMETAHEADER kopf{};
    GetEnhMetaFileHeader(emf, sizeof kopf, &kopf);
    EXPECT_EQ(20000, kopf.rclFrame.right);
    EXPECT_GT(kopf.nRecords, 1000u);
    DeleteEnhMetaFile(emf);

    lauf = ausfuehren(varnis32(), {"/?"}, o.pfad());
    ASSERT_TRUE(lauf.beendet);
    EXPECT_EQ(0u, lauf.code);
    for (const char* schalter : {"/karte DATEI", "/datum", "/stunde", "/ort", "/feld", "/groesse",
                                 "/schema", "/einstellungen INI"}) {
        EXPECT_NE(std::string::npos, lauf.ausgabe.find(schalter)) << schalter;
    }
    EXPECT_EQ("", lauf.fehler);
}

TEST(BefehlszeileProzess, FalscheEingabenJeMitCodeUndEinerZeile) {
    Temp_Ordner o;
    const std::string nur_lesen = o.datei("alt.bmp");
    ASSERT_TRUE(datei_schreiben(nur_lesen, "alt"));
    ASSERT_TRUE(SetFileAttributesA(nur_lesen.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string ziel = o.datei("karte.bmp");
    const std::string lang = o.datei((std::string(DATEINAME_LAENGE, 'n') + ".bmp").c_str());
    const struct {
        const char* was;
        std::vector<std::string> argumente;
        DWORD code;
        const char* zeile_mit;
    } faelle[] = {
        {"unknown switch", {"/karte", ziel, "/farbe", "rot"}, 1, "/farbe"},
        {"missing value", {"/karte", ziel, "/stunde"}, 1, "/stunde"},
        {"no file", {"/datum", "1.1."}, 1, "/karte"},
        {"date out of range", {"/karte", ziel, "/datum", "31.11.2026"}, 1, "'31.11.2026'"},
        {"hour out of range", {"/karte", ziel, "/stunde", "24"}, 1, "'24'"},
        {"unknown place", {"/karte", ziel, "/ort", "Atlantis"}, 1, "'Atlantis'"},
        {"field of view too small", {"/karte", ziel, "/feld", "2"}, 1, "3 und 180"},
        {"field of view too large", {"/karte", ziel, "/feld", "181"}, 1, "'181'"},
        {"folder that does not exist", {"/karte", o.datei("fehlt\\karte.bmp")}, 3, "Ordner"},
        {"vector file into it", {"/karte", o.datei("fehlt\\karte.emf")}, 3, "Ordner"},
        {"name too long for the buffers", {"/karte", lang}, 1, "zu lang"},
        {"read-only target", {"/karte", nur_lesen}, 3, "schreibgesch\xFCtzt"},
        {"unknown extension", {"/karte", o.datei("karte.png")}, 1, "karte.png"},
        {"the null device", {"/karte", "NUL.bmp"}, 1, "Ger\xE4tename"},
        {"the console in a folder", {"/karte", o.datei("con.emf")}, 1, "Ger\xE4tename"},
        {"a port", {"/karte", "Com3.Karte.bmp"}, 1, "Ger\xE4tename"},
    };
    for (const auto& f : faelle) {
        const Lauf lauf = ausfuehren(varnis32(), f.argumente, o.pfad());
        ASSERT_TRUE(lauf.beendet) << f.was;
        EXPECT_EQ(f.code, lauf.code) << f.was << ": " << lauf.fehler;
        EXPECT_EQ(1, zeilen(lauf.fehler)) << f.was << ": " << lauf.fehler;
        EXPECT_EQ(0u, lauf.fehler.find("Varnis: ")) << f.was;
        EXPECT_NE(std::string::npos, lauf.fehler.find(f.zeile_mit)) << f.was << ": " << lauf.fehler;
        EXPECT_EQ("", lauf.ausgabe) << f.was;
        EXPECT_FALSE(vorhanden(ziel)) << f.was;
        EXPECT_FALSE(vorhanden(o.datei("karte.png"))) << f.was;
    }
    EXPECT_EQ("alt", datei_lesen(nur_lesen));
    SetFileAttributesA(nur_lesen.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(BefehlszeileProzess, FehlendeDatendateien) {
    Temp_Ordner o;
    const std::string programm = o.datei("Varnis32.exe");
    ASSERT_TRUE(CopyFileA(varnis32().c_str(), programm.c_str(), FALSE));
    const std::string karte = o.datei("karte.bmp");
    auto kopieren = [&](const char* name) {
        ASSERT_TRUE(CopyFileA((std::string(VARNIS_TEST_DATA) + "/" + name).c_str(), o.datei(name).c_str(), FALSE));
    };
    const struct {
        const char* dazu;  // copied beside the program before the run
        std::vector<std::string> argumente;
        DWORD code;
        const char* zeile_mit;
    } faelle[] = {
        {nullptr, {"/karte", karte}, 2, "VARNIS.DAT"},
        {"VARNIS.DAT", {"/karte", karte}, 2, "STBILDER.DAT"},
        {"STBILDER.DAT", {"/karte", karte, "/ort", "M\xFCnchen"}, 2, "Orte.dat"},
        {nullptr, {"/karte", karte, "/einstellungen", o.datei("fehlt.ini")}, 2, "fehlt.ini"},
        // Without a Varnis.ini the program's defaults hold, as at a first start.
        {nullptr, {"/karte", karte}, 0, nullptr},
    };
    for (const auto& f : faelle) {
        if (f.dazu) kopieren(f.dazu);
        const Lauf lauf = ausfuehren(programm, f.argumente, o.pfad());
        ASSERT_TRUE(lauf.beendet);
        EXPECT_EQ(f.code, lauf.code) << lauf.fehler;
        if (f.zeile_mit) {
            EXPECT_EQ(1, zeilen(lauf.fehler)) << lauf.fehler;
            EXPECT_NE(std::string::npos, lauf.fehler.find(f.zeile_mit)) << lauf.fehler;
        }
        EXPECT_EQ(f.code == 0, vorhanden(karte)) << lauf.fehler;
    }
    EXPECT_FALSE(vorhanden(o.datei("Varnis.ini"))) << "the command line writes no settings";
}

// A damaged catalogue is reported as a missing one: exit code 2, one line
// naming the file and the fault, no chart.
TEST(BefehlszeileProzess, BeschaedigteDatendateien) {
    Temp_Ordner o;
    const std::string programm = o.datei("Varnis32.exe");
    ASSERT_TRUE(CopyFileA(varnis32().c_str(), programm.c_str(), FALSE));
    const std::string karte = o.datei("karte.bmp");
    for (const char* name : {"VARNIS.DAT", "STBILDER.DAT"}) {
        for (const char* geliefert : {"VARNIS.DAT", "STBILDER.DAT"})
            ASSERT_TRUE(CopyFileA((std::string(VARNIS_TEST_DATA) + "/" + geliefert).c_str(),
                                  o.datei(geliefert).c_str(), FALSE));
        for (const BeschaedigteDatei& d : beschaedigte_kataloge(name)) {
            datei_schreiben(o.datei(name), d.bytes);
            const Lauf lauf = ausfuehren(programm, {"/karte", karte}, o.pfad());
            ASSERT_TRUE(lauf.beendet) << name << ", " << d.fall;
            EXPECT_EQ(2u, lauf.code) << name << ", " << d.fall << ": " << lauf.fehler;
            EXPECT_EQ(1, zeilen(lauf.fehler)) << lauf.fehler;
            EXPECT_NE(std::string::npos, lauf.fehler.find(std::string("'") + name + "' im Ordner"))
                << lauf.fehler;
            EXPECT_NE(std::string::npos, lauf.fehler.find("besch\xE4" "digt: ")) << lauf.fehler;
            EXPECT_FALSE(vorhanden(karte)) << name << ", " << d.fall;
        }
    }
}

// Started without switches, Varnis opens its window as before and, when it
// is closed, writes its settings.
TEST_F(Befehlszeile, OhneSchalterDasFensterWieBisher) {
    alle_dateien();
    Prozess varnis(varnis32(), "\"" + varnis32() + "\"", ordner);
    ASSERT_TRUE(varnis.gestartet());
    // Its main window, once the start-up has attached the menu bar.
    const HWND hf = fenster_mit_menue(varnis, ui_text(UI_HAUPTFENSTER), 15000);
    ASSERT_NE(nullptr, hf) << "no main window with its menu";
    EXPECT_TRUE(IsWindowVisible(hf));
    PostMessageA(hf, WM_CLOSE, 0, 0);
    ASSERT_TRUE(varnis.beendet(30000));
    EXPECT_EQ(0u, varnis.ergebnis());
    EXPECT_TRUE(vorhanden(pfad("Varnis.ini")));
}

}  // namespace
