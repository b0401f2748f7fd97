// Set-up of the screen-saver set-up tests: a program directory and a Windows
// directory of the test's own, a main window stand-in that keeps its view in
// an Einstellungen and counts what it is asked to do, message boxes answered
// from a list, and process starts recorded instead of made.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ablage.h"
#include "einstellungen.h"
#include "schoner_wahl.h"
#include "schoner/partner.h"

// The main window as the set-up sees it: its settings are an Einstellungen that
// saving writes and loading replaces.
class Fenster_Attrappe : public Schoner_Partner {
public:
    static HWND kennung() { return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4711)); }
    HWND besitzer() const override { return kennung(); }
    int32_t einstellungen_speichern(const char* datei) override;
    void einstellungen_laden(const char* datei) override;
    void neu_zeichnen() override { ++zeichnungen; }
    void bearbeiten_markieren(bool an) override {
        haken = an;
        ++markiert;
    }
    void schoner_menue_auffrischen() override { ++punkte_gesetzt; }
    void nach_vorn() override { ++vorn; }

    Einstellungen werte = vorgaben(Programm::STERNKARTE);
    std::vector<std::string> gespeichert, geladen;  // files, in order
    int zeichnungen = 0, markiert = 0, punkte_gesetzt = 0, vorn = 0;
    bool haken = false;
};

struct Meldung {
    HWND besitzer;
    std::string text, titel;
    UINT art;
};

struct Start {
    std::string programm, befehlszeile, verzeichnis;
};

class SchonerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A settings file whose view differs from every other by its Rek.
    void ini_anlegen(const std::string& pfad, int32_t rek) const;
    static int32_t rek_von(const std::string& pfad);
    // The one box shown is the error text, formatted with argument.
    static void fehler_pruefen(int32_t text, const std::string& argument);

    // The two directories: the program's (unwritable through the seam
    // unless a test says otherwise, so the saver is copied) and the user's.
    std::string programm, benutzer;
    std::string ini_pfad;           // programm\Varnis.ini
    std::string kovra_ini, geparkt, marke, schoner;
    Schoner_Verzeichnisse verzeichnisse{};
    Fenster_Attrappe fenster;

public:
    // Folders the seam (settings/ablage.h) calls unwritable.
    static std::vector<std::string> gesperrt;
    static std::deque<int> antworten;  // the next boxes' answers; IDOK when empty
    // Runs once inside the next box, before it is answered: what the program
    // does while a box is open.
    static std::function<void()> im_kasten;
    static std::vector<Meldung> meldungen;
    static std::vector<Start> starts;

private:
    std::string wurzel;
    Ablage ablage_vorher{};
    Benutzerwahl wahl_vorher;
};

bool vorhanden(const std::string& pfad);
