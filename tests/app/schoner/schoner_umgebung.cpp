#include "schoner_umgebung.h"

#include <cstdio>

#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "gestirne.h"
#include "schoner/modus.h"
#include "schoner/prozess.h"

std::vector<std::string> SchonerTest::gesperrt;
std::deque<int> SchonerTest::antworten;
std::function<void()> SchonerTest::im_kasten;
std::vector<Meldung> SchonerTest::meldungen;
std::vector<Start> SchonerTest::starts;

namespace {

int antworten_aus_liste(HWND besitzer, const char* text, const char* titel, UINT art) {
    SchonerTest::meldungen.push_back({besitzer, text, titel, art});
    if (SchonerTest::im_kasten) {
        const std::function<void()> jetzt = SchonerTest::im_kasten;
        SchonerTest::im_kasten = nullptr;
        jetzt();
    }
    if (SchonerTest::antworten.empty()) return IDOK;
    const int antwort = SchonerTest::antworten.front();
    SchonerTest::antworten.pop_front();
    return antwort;
}

bool (*system_schreibbar)(const char*) = nullptr;

bool schreibbar_ausser_gesperrt(const char* ordner) {
    for (const std::string& g : SchonerTest::gesperrt) {
        if (lstrcmpiA(g.c_str(), ordner) == 0) return false;
    }
    return system_schreibbar(ordner);
}

void starten_merken(const char* programm, const char* befehlszeile, const char* verzeichnis) {
    SchonerTest::starts.push_back({programm, befehlszeile, verzeichnis});
}

void ordner_entfernen(const std::string& ordner) {
    WIN32_FIND_DATAA d;
    const HANDLE suche = FindFirstFileA((ordner + "\\*").c_str(), &d);
    if (suche != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = d.cFileName;
            if (name == "." || name == "..") continue;
            if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                ordner_entfernen(ordner + "\\" + name);
            } else {
                DeleteFileA((ordner + "\\" + name).c_str());
            }
        } while (FindNextFileA(suche, &d));
        FindClose(suche);
    }
    RemoveDirectoryA(ordner.c_str());
}

}  // namespace

int32_t Fenster_Attrappe::einstellungen_speichern(const char* datei) {
    gespeichert.push_back(datei);
    return einstellungen_schreiben(datei, werte);
}

void Fenster_Attrappe::einstellungen_laden(const char* datei) {
    geladen.push_back(datei);
    werte = einstellungen_lesen(datei, Programm::STERNKARTE);
}

bool vorhanden(const std::string& pfad) {
    return GetFileAttributesA(pfad.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SchonerTest::SetUp() {
    ASSERT_EQ(0, ui_texte_entschluesseln());
    antworten.clear();
    im_kasten = nullptr;
    meldungen.clear();
    starts.clear();
    meldung_ersatz = antworten_aus_liste;
    prozess_ersatz = starten_merken;
    wahl_vorher = benutzerwahl_lesen();
    benutzerwahl_setzen({});  // no saver chosen
    ablage_vorher = ablage;
    system_schreibbar = ablage.schreibbar;
    ablage.schreibbar = schreibbar_ausser_gesperrt;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    wurzel = std::string(temp) + "varnis_schoner_" + std::to_string(GetCurrentProcessId()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ordner_entfernen(wurzel);
    programm = wurzel + "\\programm";
    benutzer = wurzel + "\\benutzer";
    ASSERT_TRUE(CreateDirectoryA(wurzel.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(programm.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(benutzer.c_str(), nullptr));
    ini_pfad = programm + "\\Varnis.ini";
    kovra_ini = benutzer + "\\Kovra.ini";
    geparkt = benutzer + "\\Kovra.si$";
    marke = programm + "\\Kovra.acc";
    schoner = benutzer + "\\Kovra32.scr";
    verzeichnisse = {programm.c_str(), benutzer.c_str(), ini_pfad.c_str(), nullptr};
    gesperrt = {programm};
    fenster.werte.ansicht.rek = 1111;
}

void SchonerTest::TearDown() {
    bss_modus = 0;
    meldung_ersatz = nullptr;
    prozess_ersatz = nullptr;
    ablage = ablage_vorher;
    gesperrt.clear();
    benutzerwahl_setzen(wahl_vorher);
    ordner_entfernen(wurzel);
}

void SchonerTest::ini_anlegen(const std::string& pfad, int32_t rek) const {
    Einstellungen e = vorgaben(Programm::STERNKARTE);
    e.ansicht.rek = rek;
    ASSERT_EQ(0, einstellungen_schreiben(pfad.c_str(), e));
}

int32_t SchonerTest::rek_von(const std::string& pfad) {
    return einstellungen_lesen(pfad.c_str(), Programm::STERNKARTE).ansicht.rek;
}

void SchonerTest::fehler_pruefen(int32_t text, const std::string& argument) {
    ASSERT_EQ(1u, meldungen.size());
    char erwartet[512];
    snprintf(erwartet, sizeof erwartet, ui_text(text), argument.c_str());
    EXPECT_EQ(erwartet, meldungen[0].text);
    EXPECT_EQ(ui_text(UI_TITEL_FEHLER), meldungen[0].titel);
    EXPECT_EQ(Fenster_Attrappe::kennung(), meldungen[0].besitzer);
}
