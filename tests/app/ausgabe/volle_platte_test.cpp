// The chart files of the menu onto a full disk. This program runs with its
// files limited to 16 KB (see CMakeLists.txt): the pictures are larger, so
// their writes stop short, as on a disk that fills up while they are written.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "ausgabe/bitmap_datei.h"
#include "ausgabe/vektor_datei.h"
#include "dialogersatz.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "karten_umgebung.h"

namespace {

TEST(AusgabeVollePlatte, EinKurzerSchreibvorgangWirdGemeldetUndDieAlteDateiBleibt) {
    ASSERT_EQ(0, ui_texte_entschluesseln());
    meldung_ersatz = dialog_melden;
    Temp_Ordner o;
    Himmel himmel;
    ASSERT_TRUE(katalog_laden(himmel));
    Testschriften schriften;
    const Darstellung werte = testwerte();
    const Karteninhalt inhalt{himmel, schriften.schriften(), werte};

    dialog.antwort = o.datei("karte.emf");
    EXPECT_EQ(-1, vektor_datei(inhalt, nullptr, "", dialog_waehlen));
    EXPECT_NE(std::string::npos, dialog.text.find(dialog.antwort)) << dialog.text;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dialog.antwort.c_str()));
    // Over an old file, which stays as it was.
    FILE* alt = fopen(dialog.antwort.c_str(), "wb");
    ASSERT_NE(alt, nullptr);
    fputs("alt", alt);
    fclose(alt);
    EXPECT_EQ(-1, vektor_datei(inhalt, nullptr, "", dialog_waehlen));
    alt = fopen(dialog.antwort.c_str(), "rb");
    ASSERT_NE(alt, nullptr);
    char text[8] = {};
    EXPECT_EQ(3u, fread(text, 1, sizeof text, alt));
    fclose(alt);
    EXPECT_STREQ("alt", text);

    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(300, 300, 8, 0, 0));  // 90 KB
    bild.fuellen(0);
    dialog.antwort = o.datei("karte.bmp");
    EXPECT_EQ(DIB::SPEICHERN_KURZ, bitmap_datei(bild, Farbschema::SCHWARZ_AUF_WEISS, nullptr, "", dialog_waehlen));
    EXPECT_NE(std::string::npos, dialog.text.find(dialog.antwort)) << dialog.text;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dialog.antwort.c_str()));
    meldung_ersatz = nullptr;
}

}  // namespace
