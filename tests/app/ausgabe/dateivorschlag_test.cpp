// What the save dialogs start with: the filter's bytes, the suggested name of
// a chart file, the folder of the session, and the dialog as it is handed
// them (a stand-in answers in its place).
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ausgabe/bitmap_datei.h"
#include "ausgabe/dateivorschlag.h"
#include "ausgabe/speichern.h"
#include "ausgabe/vektor_datei.h"

namespace {

TEST(Dateivorschlag, FilterPairsTheDescriptionWithThePatternAndEndsTwice) {
    char filter[80];
    for (const auto& [typ, erwartet] :
         {std::pair{BITMAP_TYP, std::string("Bitmap (*.bmp)\0*.bmp\0\0", 22)},
          std::pair{VEKTOR_TYP, std::string("Vektorgrafik (*.emf)\0*.emf\0\0", 28)}}) {
        memset(filter, 'x', sizeof filter);
        ASSERT_EQ(0, filter_bilden(filter, sizeof filter, typ));
        EXPECT_EQ(erwartet, std::string(filter, erwartet.size()));
    }
    // Exactly the 22 bytes fit; one fewer would lose the closing NUL.
    EXPECT_EQ(0, filter_bilden(filter, 22, BITMAP_TYP));
    EXPECT_EQ(-1, filter_bilden(filter, 21, BITMAP_TYP));
    EXPECT_EQ('\0', filter[0]) << "a cut filter is never handed on";
}

const Moment MOMENT{{2026, 12, 10}, {21, 5}, {52.5, 13.4, 0}};

TEST(Dateivorschlag, NameSaysTheMomentAndThePlaceAsAFileNameMay) {
    struct Fall {
        const char* ort;
        size_t groesse;
        const char* erwartet;
    };
    for (const Fall& f : {
             Fall{"Berlin", 330, "Sternkarte 2026-12-10 21-05 Berlin.bmp"},
             Fall{"", 330, "Sternkarte 2026-12-10 21-05.bmp"},
             Fall{nullptr, 330, "Sternkarte 2026-12-10 21-05.bmp"},
             Fall{"Frankfurt/Main", 330, "Sternkarte 2026-12-10 21-05 Frankfurt-Main.bmp"},
             Fall{"a\\b:c*d?e\"f<g>h|i\tj", 330, "Sternkarte 2026-12-10 21-05 a-b-c-d-e-f-g-h-i-j.bmp"},
             // Windows drops trailing dots and blanks from a name.
             Fall{"St. Louis. . ", 330, "Sternkarte 2026-12-10 21-05 St. Louis.bmp"},
             Fall{"...", 330, "Sternkarte 2026-12-10 21-05.bmp"},
             // Too little room: the place is cut, then left off, then no name.
             Fall{"Berlin", 36, "Sternkarte 2026-12-10 21-05 Ber.bmp"},
             Fall{"Berlin", 34, "Sternkarte 2026-12-10 21-05 B.bmp"},
             Fall{"Berlin", 33, "Sternkarte 2026-12-10 21-05.bmp"},
             Fall{"Berlin", 32, "Sternkarte 2026-12-10 21-05.bmp"},
             Fall{"Berlin", 31, ""},
         }) {
        char name[330];
        kartenname(name, f.groesse, MOMENT, f.ort, "bmp");
        EXPECT_STREQ(f.erwartet, name) << (f.ort ? f.ort : "(null)") << " in " << f.groesse;
    }
    char name[64];
    kartenname(name, sizeof name, MOMENT, "Köln", "emf");
    EXPECT_STREQ("Sternkarte 2026-12-10 21-05 Köln.emf", name) << "letters beyond ASCII stay";
}

TEST(Dateivorschlag, FolderIsThePicturesUntilTheUserSavesElsewhere) {
    Speicherordner ohne(nullptr);
    EXPECT_STREQ("", ohne.anfang());
    struct Fall {
        const char* pfad;
        const char* erwartet;  // the folder afterwards
    };
    const std::string zu_lang = "C:\\" + std::string(PFAD_LAENGE, 'o') + "\\k.bmp";
    Speicherordner ordner("C:\\users\\u\\Pictures");
    EXPECT_STREQ("C:\\users\\u\\Pictures", ordner.anfang());
    for (const Fall& f : {
             Fall{"karte.bmp", "C:\\users\\u\\Pictures"},  // no folder: nothing learned
             Fall{"D:\\Karten\\Winter\\karte.bmp", "D:\\Karten\\Winter"},
             Fall{"C:\\karte.bmp", "C:\\"},
             Fall{"\\\\server\\teil\\karte.bmp", "\\\\server\\teil"},
             Fall{"Z:/tmp/karte.bmp", "Z:/tmp"},
             Fall{zu_lang.c_str(), "Z:/tmp"},  // too long to keep
         }) {
        ordner.merken(f.pfad);
        EXPECT_STREQ(f.erwartet, ordner.anfang()) << std::string(f.pfad).substr(0, 40);
    }
}

// The dialog's stand-in: keeps what it is handed and answers with antwort
// ("" cancels).
struct Gesehen {
    std::string filter, datei, ordner, titel, endung;
    DWORD flags = 0;
    std::string antwort;
} gesehen;

// UTF-16 as UTF-8, for the comparisons.
std::string schmal(const wchar_t* text) {
    char utf8[PFAD_LAENGE];
    pfad_schmal(text, utf8, sizeof utf8);
    return utf8;
}

BOOL WINAPI ersatzfenster(LPOPENFILENAMEW ofn) {
    const wchar_t* ende = ofn->lpstrFilter;
    while (*ende != L'\0' || ende[1] != L'\0') ++ende;
    gesehen.filter.clear();
    for (const wchar_t* p = ofn->lpstrFilter; p != ende + 2; ++p) gesehen.filter += static_cast<char>(*p);  // ASCII
    gesehen.datei = schmal(ofn->lpstrFile);
    gesehen.ordner = ofn->lpstrInitialDir ? schmal(ofn->lpstrInitialDir) : "(null)";
    gesehen.titel = schmal(ofn->lpstrTitle);
    gesehen.endung = schmal(ofn->lpstrDefExt);
    gesehen.flags = ofn->Flags;
    if (gesehen.antwort.empty()) return FALSE;
    pfad_breit(gesehen.antwort.c_str(), ofn->lpstrFile, ofn->nMaxFile);
    return TRUE;
}

// One test, since the folder is the session's: the first dialog of the
// process opens in the Pictures folder, the next where the user saved.
TEST(Dateivorschlag, DialogOpensInPicturesThenWhereTheUserSavedLast) {
    wchar_t breit[MAX_PATH] = L"";
    ASSERT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, breit));
    const std::string bilder = schmal(breit);
    char pfad[DATEINAME_LAENGE];
    // The suggestion names the place in the program's Windows-1252.
    vorschlag_uebernehmen(pfad, sizeof pfad, "Sternkarte 2026-12-10 21-05 M\xFCnchen.bmp");
    gesehen.antwort.clear();
    EXPECT_FALSE(speicherdialog(nullptr, pfad, sizeof pfad, BITMAP_TYP, "Titel", ersatzfenster));
    EXPECT_EQ(std::string("Bitmap (*.bmp)\0*.bmp\0\0", 22), gesehen.filter);
    EXPECT_EQ("Sternkarte 2026-12-10 21-05 M\xC3\xBCnchen.bmp", gesehen.datei);
    EXPECT_EQ(bilder, gesehen.ordner);
    EXPECT_EQ("Titel", gesehen.titel);
    EXPECT_EQ("bmp", gesehen.endung);
    const DWORD noetig = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    EXPECT_EQ(noetig, gesehen.flags & noetig);

    // Cancelled: still the Pictures. Saved: that folder from now on, for
    // either kind of file, named in any script (UTF-8 in the program).
    const std::string ordner = "C:\\\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0";  // Moskva
    pfad[0] = '\0';
    gesehen.antwort = ordner + "\\\xC5\x81\xC3\xB3\x64\xC5\xBA.emf";  // Lodz
    EXPECT_TRUE(speicherdialog(nullptr, pfad, sizeof pfad, VEKTOR_TYP, "Titel", ersatzfenster));
    EXPECT_EQ(bilder, gesehen.ordner);
    EXPECT_EQ("", gesehen.datei);
    EXPECT_EQ(gesehen.antwort, pfad);
    EXPECT_TRUE(speicherdialog(nullptr, pfad, sizeof pfad, BITMAP_TYP, "Titel", ersatzfenster));
    EXPECT_EQ(ordner, gesehen.ordner);
}

TEST(Dateivorschlag, ANameTooLongForTheFieldIsNotCut) {
    char pfad[8];
    vorschlag_uebernehmen(pfad, sizeof pfad, "1234567");
    EXPECT_STREQ("1234567", pfad);
    vorschlag_uebernehmen(pfad, sizeof pfad, "12345678");
    EXPECT_STREQ("", pfad);
    vorschlag_uebernehmen(pfad, sizeof pfad, nullptr);
    EXPECT_STREQ("", pfad);
}

}  // namespace
