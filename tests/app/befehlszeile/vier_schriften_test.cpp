// Varnis32.exe installed in a folder named in four scripts, as a user's own
// folder may be named outside Western Europe: the window starts there, the
// command line reads its data files and settings from there and writes
// charts under names in any script, exactly as given.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "breit.h"
#include "einstellungen.h"
#include "gemeinsam/ui_texte.h"
#include "ini_datei.h"
#include "karten_umgebung.h"
#include "lauf.h"
#include "prozess.h"

namespace {

// "Łódź Ελλάδα Москва 東京" and its four words, in UTF-8.
const char LODZ[] = "\xC5\x81\xC3\xB3\x64\xC5\xBA";
const char ELLADA[] = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1";
const char MOSKWA[] = "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0";
const char TOKIO[] = "\xE6\x9D\xB1\xE4\xBA\xAC";

std::wstring breit(const std::string& utf8) {
    wchar_t w[BREIT_PFAD];
    EXPECT_TRUE(pfad_breit(utf8.c_str(), w, BREIT_PFAD)) << utf8;
    return w;
}

// The folder "Łódź Ελλάδα Москва 東京" inside a temporary one, holding the
// program and its data files; removed with what the test left in it.
class Vier_Schriften {
public:
    Vier_Schriften() : ordner(o.datei((std::string(LODZ) + " " + ELLADA + " " + MOSKWA + " " + TOKIO).c_str())) {
        CreateDirectoryW(breit(ordner).c_str(), nullptr);
        kopieren(varnis32(), "Varnis32.exe");
        for (const char* name : {"VARNIS.DAT", "STBILDER.DAT", "Orte.dat", "Zonen.dat"})
            kopieren(std::string(VARNIS_TEST_DATA) + "/" + name, name);
    }
    ~Vier_Schriften() {
        WIN32_FIND_DATAW f;
        HANDLE suche = FindFirstFileW((breit(ordner) + L"\\*").c_str(), &f);
        if (suche != INVALID_HANDLE_VALUE) {
            do {
                if (!(f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileW((breit(ordner) + L"\\" + f.cFileName).c_str());
            } while (FindNextFileW(suche, &f));
            FindClose(suche);
        }
        RemoveDirectoryW(breit(ordner).c_str());
    }
    void kopieren(const std::string& quelle, const std::string& name) const {
        ASSERT_TRUE(CopyFileW(breit(quelle).c_str(), breit(datei(name)).c_str(), FALSE)) << name;
    }
    std::string datei(const std::string& name) const { return ordner + "\\" + name; }
    std::string programm() const { return datei("Varnis32.exe"); }

    Temp_Ordner o;  // also the current directory of the runs and their output
    const std::string ordner;
};

// Whether the folder holds a file of exactly this name (as Windows lists it,
// in UTF-16) and of more than a header's bytes.
bool liegt_dort(const Vier_Schriften& v, const std::string& name) {
    WIN32_FIND_DATAW f;
    HANDLE suche = FindFirstFileW((breit(v.ordner) + L"\\*").c_str(), &f);
    bool gefunden = false;
    if (suche == INVALID_HANDLE_VALUE) return false;
    do {
        gefunden = gefunden || (breit(name) == f.cFileName && f.nFileSizeLow > 1000);
    } while (FindNextFileW(suche, &f));
    FindClose(suche);
    return gefunden;
}

const std::vector<std::string> MOMENT = {"/ort", "muenchen", "/datum", "2026-12-10", "/stunde", "22"};

Lauf karte(const Vier_Schriften& v, const std::string& ziel, std::vector<std::string> mehr = {}) {
    std::vector<std::string> argumente = {"/karte", ziel};
    argumente.insert(argumente.end(), MOMENT.begin(), MOMENT.end());
    argumente.insert(argumente.end(), mehr.begin(), mehr.end());
    return ausfuehren(v.programm(), argumente, v.o.pfad());
}

TEST(VierSchriften, KartenMitNamenInJederSchrift) {
    Vier_Schriften v;
    for (const std::string& name : {std::string(MOSKWA) + ".bmp", std::string(LODZ) + ".bmp",
                                    std::string(TOKIO) + ".emf", std::string(ELLADA) + " " + LODZ + ".bmp"}) {
        const Lauf lauf = karte(v, v.datei(name));
        ASSERT_TRUE(lauf.beendet) << name;
        EXPECT_EQ(0u, lauf.code) << name << ": " << lauf.fehler;
        // Redirected, the line keeps the path's UTF-8 bytes.
        EXPECT_EQ("Varnis: Karte geschrieben: " + v.datei(name) + "\r\n", lauf.ausgabe) << name;
        EXPECT_TRUE(liegt_dort(v, name)) << name;
    }
}

// A settings file named in another script is read like Varnis.ini: the chart
// with it equals the chart with the same settings under a plain name.
TEST(VierSchriften, EinstellungsdateiMitNamenInJederSchrift) {
    Vier_Schriften v;
    Einstellungen e = vorgaben(Programm::STERNKARTE);
    e.ansicht.gesichtsfeld = 45;
    ASSERT_EQ(0, einstellungen_schreiben(v.o.datei("schlicht.ini").c_str(), e));
    const std::string lodz_ini = v.datei(std::string(LODZ) + ".ini");
    v.kopieren(v.o.datei("schlicht.ini"), std::string(LODZ) + ".ini");

    ASSERT_EQ(0u, karte(v, v.o.datei("schlicht.bmp"), {"/einstellungen", v.o.datei("schlicht.ini")}).code);
    const Lauf lauf = karte(v, v.o.datei("lodz.bmp"), {"/einstellungen", lodz_ini});
    EXPECT_EQ(0u, lauf.code) << lauf.fehler;
    ASSERT_EQ(0u, karte(v, v.o.datei("vorgabe.bmp")).code);
    const std::string schlicht = datei_lesen(v.o.datei("schlicht.bmp"));
    EXPECT_GT(schlicht.size(), 1000u);
    EXPECT_TRUE(schlicht == datei_lesen(v.o.datei("lodz.bmp")));
    EXPECT_FALSE(schlicht == datei_lesen(v.o.datei("vorgabe.bmp")));  // the settings made a difference

    const std::string moskwa_ini = v.datei(std::string(MOSKWA) + ".ini");
    const Lauf fehlt = karte(v, v.o.datei("fehlt.bmp"), {"/einstellungen", moskwa_ini});
    EXPECT_EQ(2u, fehlt.code);
    EXPECT_EQ("Varnis: Die Einstellungsdatei '" + moskwa_ini + "' gibt es nicht.\r\n", fehlt.fehler);
}

// Started from that folder, the window finds its catalogue there, opens, and
// at its end saves its settings there.
TEST(VierSchriften, FensterStartetDort) {
    ASSERT_EQ(0, ui_texte_entschluesseln());
    Vier_Schriften v;
    Prozess varnis(v.programm(), "\"" + v.programm() + "\"", v.ordner);
    ASSERT_TRUE(varnis.gestartet());
    const HWND hf = fenster_mit_menue(varnis, ui_text(UI_HAUPTFENSTER), 15000);
    ASSERT_NE(nullptr, hf) << "no main window with its menu (the catalogue not found?)";
    EXPECT_TRUE(IsWindowVisible(hf));
    PostMessageA(hf, WM_CLOSE, 0, 0);
    ASSERT_TRUE(varnis.beendet(30000));
    EXPECT_EQ(0u, varnis.ergebnis());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(breit(v.datei("Varnis.ini")).c_str()));
}

}  // namespace
