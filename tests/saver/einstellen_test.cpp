// The steps of the saver's settings switch: each one failing in turn, and
// what is left behind.
#include <gtest/gtest.h>

#include <string>

#include "einstellen_folge.h"

namespace {

// The stand-in file system and process start of one case.
struct Welt {
    bool programm_da = true, marke_moeglich = true, start_moeglich = true;
    std::string marke, gestartet, verzeichnis;
};
Welt welt;

bool vorhanden(const char* datei) {
    return welt.programm_da && std::string(datei).find("Varnis32.exe") != std::string::npos;
}
bool marke_schreiben(const char* datei) {
    if (welt.marke_moeglich) welt.marke = datei;
    return welt.marke_moeglich;
}
void loeschen(const char* datei) {
    if (welt.marke == datei) welt.marke.clear();
}
bool starten(const char* programm, const char* verzeichnis) {
    if (!welt.start_moeglich) return false;
    welt.gestartet = programm;
    welt.verzeichnis = verzeichnis;
    return true;
}

TEST(Einstellen, EachStepThatFailsIsTheReasonAndLeavesNoMarker) {
    const std::string ordner = "C:\\Varnis";
    const std::string zu_lang(PFAD_LAENGE, 'x');
    const struct {
        const char* fall;
        std::string verzeichnis;
        bool programm_da, marke_moeglich, start_moeglich;
        Einstellen ergebnis;
        std::string pfad, marke, gestartet;
    } faelle[] = {
        {"all steps work", ordner, true, true, true, Einstellen::GESTARTET, ordner + "\\Varnis32.exe",
         ordner + "\\Kovra.acc", ordner + "\\Varnis32.exe"},
        {"no program", ordner, false, true, true, Einstellen::KEIN_PROGRAMM, ordner + "\\Varnis32.exe", "", ""},
        {"marker not written", ordner, true, false, true, Einstellen::KEINE_MARKE, ordner + "\\Kovra.acc", "", ""},
        {"start fails", ordner, true, true, false, Einstellen::NICHT_GESTARTET, ordner + "\\Varnis32.exe", "", ""},
        {"folder too long", zu_lang, true, true, true, Einstellen::PFAD_ZU_LANG,
         zu_lang.substr(0, PFAD_LAENGE - 1), "", ""},
    };
    for (const auto& f : faelle) {
        welt = Welt{f.programm_da, f.marke_moeglich, f.start_moeglich, "", "", ""};
        char pfad[PFAD_LAENGE];
        EXPECT_EQ(f.ergebnis, einstellen(f.verzeichnis.c_str(), {vorhanden, marke_schreiben, loeschen, starten}, pfad))
            << f.fall;
        EXPECT_EQ(f.pfad, pfad) << f.fall;
        EXPECT_EQ(f.marke, welt.marke) << f.fall;
        EXPECT_EQ(f.gestartet, welt.gestartet) << f.fall;
        if (!f.gestartet.empty()) {
            EXPECT_EQ(f.verzeichnis, welt.verzeichnis) << f.fall;
        }
    }
}

}  // namespace
