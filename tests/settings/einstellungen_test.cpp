#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "einstellungen.h"
#include "ini_datei.h"
#include "schluessel.h"

namespace {

void erwarte_vorgaben(const Einstellungen& e, const int32_t (&staerke)[EBENEN]) {
    EXPECT_EQ(e.ansicht.rek, 1990);
    EXPECT_EQ(e.ansicht.dek, -3933);
    EXPECT_EQ(e.ansicht.gesichtsfeld, 37);
    EXPECT_EQ(e.ansicht.fest, 1);
    EXPECT_EQ(e.ansicht.monat, 2);
    EXPECT_EQ(e.ansicht.zeit, 7);
    EXPECT_EQ(e.ansicht.ort, 15);
    for (int i = 0; i < EBENEN; ++i) EXPECT_EQ(e.darstellung.staerke_prozent[i], staerke[i]) << i;
    const Rgb farben[] = {{0, 0, 48}, {56, 255, 255}, {48, 255, 255}, {160, 204, 240}, {255, 243, 255}};
    const Darstellung& d = e.darstellung;
    const Rgb* ist[] = {&d.hintergrund, &d.farbe[STERNBILDER], &d.farbe[STERNBILDNAMEN],
                        &d.farbe[STERNNAMEN], &d.farbe[HILFSLINIEN]};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ist[i]->rot, farben[i].rot) << i;
        EXPECT_EQ(ist[i]->gruen, farben[i].gruen) << i;
        EXPECT_EQ(ist[i]->blau, farben[i].blau) << i;
    }
}

}  // namespace

TEST(Einstellungen, MissingFileGivesEachProgramsDefaults) {
    IniDatei fehlt;
    erwarte_vorgaben(einstellungen_lesen(fehlt.pfad(), Programm::STERNKARTE), {70, 70, 95, 30});
    erwarte_vorgaben(einstellungen_lesen(fehlt.pfad(), Programm::SCHONER), {71, 81, 99, 51});
}

TEST(Einstellungen, EmptyFileGivesDefaults) {
    IniDatei leer("");
    erwarte_vorgaben(einstellungen_lesen(leer.pfad(), Programm::SCHONER), {71, 81, 99, 51});
}

TEST(Einstellungen, StoredValuesOverrideDefaults) {
    IniDatei ini(
        "[Allgemein]\r\nRek=29\r\nDek=1000\r\nGesichtsfeld=abc\r\nOrt=-1\r\n"
        "[Anzeige]\r\nSternnamen=57\r\nHilfslinien=0\r\n"
        "[Farben]\r\nRot_Sternnamen=300\r\nBlau_Hintergrund=-1\r\nGruen_Hilfslinien=256\r\n");
    const Einstellungen e = einstellungen_lesen(ini.pfad(), Programm::SCHONER);
    EXPECT_EQ(e.ansicht.rek, 29);
    EXPECT_EQ(e.ansicht.dek, 1000);  // the view centre at -10.00 degrees
    EXPECT_EQ(e.ansicht.gesichtsfeld, 3) << "a value that is no number reads as 0, held to the range";
    EXPECT_EQ(e.ansicht.ort, -1);
    EXPECT_EQ(e.ansicht.zeit, 7) << "a missing key keeps its default";
    EXPECT_EQ(e.darstellung.staerke_prozent[STERNBILDER], 71);
    EXPECT_EQ(e.darstellung.staerke_prozent[STERNNAMEN], 57);
    EXPECT_EQ(e.darstellung.staerke_prozent[HILFSLINIEN], 0);
    EXPECT_EQ(e.darstellung.farbe[STERNNAMEN].rot, 44) << "colours keep their low 8 bits";
    EXPECT_EQ(e.darstellung.hintergrund.blau, 255);
    EXPECT_EQ(e.darstellung.farbe[HILFSLINIEN].gruen, 0);
}

TEST(Einstellungen, EachValueIsHeldToTheRangeOfItsKey) {
    const struct {
        const char* name;
        const char* gespeichert;
        int32_t gelesen;
    } faelle[] = {
        {"Rek", "-1", 0}, {"Rek", "2400", 2400}, {"Rek", "99999", 2400},
        {"Dek", "-9000", -8999}, {"Dek", "8999", 8999}, {"Dek", "2147483647", 8999},
        {"Gesichtsfeld", "0", 3}, {"Gesichtsfeld", "-5", 3}, {"Gesichtsfeld", "3", 3},
        {"Gesichtsfeld", "180", 180}, {"Gesichtsfeld", "100000", 180},
        {"Gesichtsfeld", "2147483647", 180}, {"Gesichtsfeld", "-2147483648", 3},
        {"Fest", "0", 1}, {"Fest", "2", 2}, {"Fest", "7", 2},
        {"Monat", "-1", 0}, {"Monat", "24", 23}, {"Zeit", "23", 23}, {"Zeit", "99", 23},
        {"Ort", "-5", -1}, {"Ort", "99999", 99999},  // the places list ends it, not the file
        {"Sternbilder", "150", 100}, {"Hilfslinien", "-5", 0}, {"Sternnamen", "100", 100},
        {"Rot_Sternnamen", "300", 44}, {"Blau_Hintergrund", "-1", 255},  // colours: low 8 bits
    };
    for (const auto& f : faelle) {
        const Schluessel* s = nullptr;
        for (const Schluessel& k : SCHLUESSEL) if (std::strcmp(k.name, f.name) == 0) s = &k;
        ASSERT_NE(s, nullptr) << f.name;
        IniDatei ini("");
        WritePrivateProfileStringA(s->abschnitt, s->name, f.gespeichert, ini.pfad());
        for (Programm p : {Programm::STERNKARTE, Programm::SCHONER}) {
            EXPECT_EQ(feld_von(einstellungen_lesen(ini.pfad(), p), *s), f.gelesen)
                << f.name << "=" << f.gespeichert;
        }
    }
}

TEST(Einstellungen, WritesThe26KeysInOrderThenTheMomentsAndReadsThemBackUnchanged) {
    IniDatei quelle(
        "[Allgemein]\r\nRek=29\r\nDek=-3933\r\n[Anzeige]\r\nSternbilder=57\r\n"
        "[Farben]\r\nRot_Sternnamen=300\r\n");
    const Einstellungen gelesen = einstellungen_lesen(quelle.pfad(), Programm::STERNKARTE);

    IniDatei ziel;
    ASSERT_EQ(einstellungen_schreiben(ziel.pfad(), gelesen), 0);
    const std::string erwartet =
        "[Allgemein]\r\nRek=29\r\nDek=-3933\r\nGesichtsfeld=37\r\nFest=1\r\nMonat=2\r\n"
        "Zeit=7\r\nOrt=15\r\n"
        "[Anzeige]\r\nSternbilder=57\r\nSternbildnamen=70\r\nSternnamen=95\r\nHilfslinien=30\r\n"
        // The bodies' switch after the 26 in their section: an older reader
        // asks for the four keys it knows by name.
        "Planeten=1\r\nNachtmodus=0\r\n"
        "[Farben]\r\nRot_Hintergrund=0\r\nGruen_Hintergrund=0\r\nBlau_Hintergrund=48\r\n"
        "Rot_Sternbilder=56\r\nGruen_Sternbilder=255\r\nBlau_Sternbilder=255\r\n"
        "Rot_Sternbildnamen=48\r\nGruen_Sternbildnamen=255\r\nBlau_Sternbildnamen=255\r\n"
        "Rot_Sternnamen=44\r\nGruen_Sternnamen=204\r\nBlau_Sternnamen=240\r\n"
        "Rot_Hilfslinien=255\r\nGruen_Hilfslinien=243\r\nBlau_Hilfslinien=255\r\n"
        // The moment's keys after the 26, in sections an older reader never asks for.
        "[Moment]\r\nRegel=0\r\nDatum=0\r\nUhrzeit=0\r\nLaenge=-7661\r\nZone=\r\n"
        "[Eigener Ort]\r\nOrt_Breite=0\r\nOrt_Laenge=0\r\nName=\r\nZone=\r\n";
    // The profile writer may separate sections by an empty line.
    std::string geschrieben = ziel.lesen();
    for (size_t p; (p = geschrieben.find("\r\n\r\n")) != std::string::npos;) geschrieben.erase(p, 2);
    EXPECT_EQ(geschrieben, erwartet);

    const Einstellungen wieder = einstellungen_lesen(ziel.pfad(), Programm::SCHONER);
    EXPECT_EQ(std::memcmp(&wieder, &gelesen, sizeof gelesen), 0)
        << "a value read and saved unchanged reads back as it was";
}

TEST(Einstellungen, WriteIntoMissingDirectoryFails) {
    EXPECT_EQ(einstellungen_schreiben("Z:\\kein\\solches\\verzeichnis\\x.ini",
                                      vorgaben(Programm::STERNKARTE)),
              -1);
}
