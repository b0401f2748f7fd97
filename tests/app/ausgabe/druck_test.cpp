// Printing: the document and its pages through a recording print job, and
// each page's chart as the printer receives it: background, frame and clip,
// the layers in their order and colours per scheme, the print fonts.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "aufzeichnung.h"
#include "ausgabe/druck.h"
#include "karten_umgebung.h"

namespace {

// A print job whose pages are recording contexts; it notes every escape.
class Aufnahme_Auftrag : public Druckauftrag {
public:
    explicit Aufnahme_Auftrag(int32_t kopien, int32_t fehlseite = 0, int32_t start = 1)
        : anzahl(kopien), fehlseite(fehlseite), start(start) {}
    ~Aufnahme_Auftrag() override {
        for (HENHMETAFILE emf : seiten) DeleteEnhMetaFile(emf);
    }
    HDC dc() const override { return seite; }
    int32_t kopien() const override { return anzahl; }
    int32_t dokument_beginnen(const char* name) override {
        protokoll.push_back(std::string("StartDoc ") + name);
        return start;
    }
    int32_t seite_beginnen() override {
        protokoll.push_back("StartPage");
        seite = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        return seite ? 1 : -1;
    }
    int32_t seite_beenden() override {
        protokoll.push_back("EndPage");
        seiten.push_back(CloseEnhMetaFile(seite));
        seite = nullptr;
        return static_cast<int32_t>(seiten.size()) == fehlseite ? -1 : 1;
    }
    int32_t dokument_beenden() override {
        protokoll.push_back("EndDoc");
        return 1;
    }
    void dokument_abbrechen() override { protokoll.push_back("AbortDoc"); }

    std::vector<std::string> protokoll;
    std::vector<HENHMETAFILE> seiten;

private:
    HDC seite = nullptr;
    int32_t anzahl, fehlseite, start;
};

// What a drawing event on the page belongs to.
enum Schicht { L_RAHMEN, L_GITTER, L_BILDNAMEN, L_STERNNAMEN, L_FIGUREN, L_KENNUNGEN, L_STERNE, L_UNBEKANNT };
const char* const SCHICHTEN[] = {"frame", "grid", "constellation names", "star names",
                                 "figures", "designations", "stars", "unknown"};

class Druck : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        himmel = new Himmel;
        ASSERT_TRUE(orion_laden(*himmel));
        orion = sternbild_index(*himmel, "Ori");
        himmel->sternbild_umschalten(orion);
    }
    static void TearDownTestSuite() {
        delete himmel;
        himmel = nullptr;
    }
    void SetUp() override {
        HDC schirm = GetDC(nullptr);
        s = std::min(GetDeviceCaps(schirm, HORZRES), GetDeviceCaps(schirm, VERTRES)) - 1;
        ReleaseDC(nullptr, schirm);
    }
    Karteninhalt inhalt() { return {*himmel, schriften.schriften(), werte}; }
    Aufzeichnung seite(Farbschema farben) {
        return aufzeichnen([&](HDC dc) { druckseite_zeichnen(dc, farben, inhalt()); });
    }
    uint32_t farbe(Ebene e) const {
        const Rgb& f = werte.farbe[e];
        return RGB(f.rot, f.gruen, f.blau);
    }
    // In the screen scheme each layer has its own colour.
    Schicht schicht(const Ereignis& e) const {
        if (e.art == Ereignis::ELLIPSE) return L_STERNE;
        const uint32_t c = e.art == Ereignis::TEXT ? e.text_farbe : e.stift;
        if (c == farbe(HILFSLINIEN)) return L_GITTER;
        if (c == farbe(STERNBILDNAMEN)) return L_BILDNAMEN;
        if (c == farbe(STERNNAMEN)) return L_STERNNAMEN;
        if (c == farbe(STERNBILDER)) return e.art == Ereignis::LINIE ? L_FIGUREN : L_KENNUNGEN;
        return L_UNBEKANNT;
    }

    static Himmel* himmel;
    static int32_t orion;
    Testschriften schriften;
    Darstellung werte = testwerte();
    int32_t s = 0;
};
Himmel* Druck::himmel = nullptr;
int32_t Druck::orion = -1;

const uint32_t HINTERGRUND = RGB(0, 0, 64);

TEST_F(Druck, ThreeCopiesAreThreePagesOfOneDocument) {
    Aufnahme_Auftrag auftrag(3);
    EXPECT_EQ(0, drucken(auftrag, Farbschema::SCHIRM, inhalt()));
    const std::vector<std::string> erwartet = {"StartDoc Varnis", "StartPage", "EndPage", "StartPage",
                                               "EndPage", "StartPage", "EndPage", "EndDoc"};
    EXPECT_EQ(erwartet, auftrag.protokoll);
    ASSERT_EQ(3u, auftrag.seiten.size());
    const size_t n = auswerten(auftrag.seiten[0]).ereignisse.size();
    EXPECT_GT(n, 1000u);
    for (HENHMETAFILE seite : auftrag.seiten) EXPECT_EQ(n, auswerten(seite).ereignisse.size());
}

TEST_F(Druck, AFailedEscapeEndsTheJob) {
    Aufnahme_Auftrag seite_fehlt(3, 2);
    EXPECT_EQ(-1, drucken(seite_fehlt, Farbschema::SCHIRM, inhalt()));
    const std::vector<std::string> abgebrochen = {"StartDoc Varnis", "StartPage", "EndPage",
                                                  "StartPage", "EndPage", "AbortDoc"};
    EXPECT_EQ(abgebrochen, seite_fehlt.protokoll);

    Aufnahme_Auftrag kein_dokument(3, 0, 0);
    EXPECT_EQ(-1, drucken(kein_dokument, Farbschema::SCHIRM, inhalt()));
    EXPECT_EQ(std::vector<std::string>{"StartDoc Varnis"}, kein_dokument.protokoll);
}

TEST_F(Druck, ScreenColoursLayersInOrder) {
    const Aufzeichnung a = seite(Farbschema::SCHIRM);
    const auto& e = a.ereignisse;
    ASSERT_GT(e.size(), 6u);
    // Background square, frame in the context's pen, then the clip.
    EXPECT_EQ(Ereignis::FUELLUNG, e[0].art);
    EXPECT_EQ(HINTERGRUND, e[0].pinsel);
    EXPECT_EQ(s, e[0].rechteck.right);
    EXPECT_EQ(s, e[0].rechteck.bottom);
    const POINT ecken[] = {{0, 0}, {s, 0}, {s, s}, {0, s}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Ereignis::LINIE, e[1 + i].art);
        EXPECT_EQ(ecken[i].x, e[1 + i].a.x);
        EXPECT_EQ(ecken[i].y, e[1 + i].a.y);
        EXPECT_EQ(ecken[i + 1].x, e[1 + i].b.x);
        EXPECT_EQ(ecken[i + 1].y, e[1 + i].b.y);
        EXPECT_EQ(RGB(0, 0, 0), e[1 + i].stift);
    }
    EXPECT_EQ(Ereignis::AUSSCHNITT, e[5].art);
    EXPECT_EQ(s, e[5].rechteck.right);
    EXPECT_EQ(s, e[5].rechteck.bottom);

    // Every later event belongs to a layer, the layers follow each other.
    std::vector<int> anzahl(L_UNBEKANNT + 1);
    Schicht bisher = L_RAHMEN;
    for (size_t i = 6; i < e.size(); ++i) {
        const Schicht sch = schicht(e[i]);
        ++anzahl[sch];
        EXPECT_GE(sch, bisher) << SCHICHTEN[sch] << " after " << SCHICHTEN[bisher] << " at " << i;
        bisher = std::max(bisher, sch);
        if (e[i].art == Ereignis::TEXT) {
            EXPECT_EQ(HINTERGRUND, e[i].text_grund);
        }
    }
    for (int sch = L_GITTER; sch <= L_STERNE; ++sch) EXPECT_GT(anzahl[sch], 0) << SCHICHTEN[sch];
    EXPECT_EQ(0, anzahl[L_UNBEKANNT]);
}

TEST_F(Druck, PrintFontsDuringThePageOnly) {
    const Aufzeichnung a = seite(Farbschema::SCHIRM);
    bool symbol = false;
    for (const Ereignis& e : a.ereignisse) {
        if (e.art != Ereignis::TEXT) continue;
        const Schicht sch = schicht(e);
        if (sch == L_BILDNAMEN) {
            EXPECT_EQ(50, e.schrift_hoehe) << e.text;
        }
        if (sch == L_STERNNAMEN || sch == L_GITTER || sch == L_KENNUNGEN) {
            EXPECT_EQ(40, e.schrift_hoehe) << e.text;
        }
        symbol = symbol || e.schrift == "Symbol";
    }
    EXPECT_TRUE(symbol) << "Orion's Greek letters";
    EXPECT_EQ(14, schriften.text.beschreibung().lfHeight);
    EXPECT_EQ(16, schriften.sternbild.beschreibung().lfHeight);
    EXPECT_EQ(14, schriften.symbol.beschreibung().lfHeight);
}

TEST_F(Druck, SchemesColourEveryLayer) {
    struct Fall {
        Farbschema farben;
        bool gefuellt;
        uint32_t grund;     // the square's fill and text background
        uint32_t schicht;   // every line and text
        uint32_t rand;      // star outline
        uint32_t stern;     // star fill, CLR_INVALID for the spectral colours
    };
    const Fall faelle[] = {
        {Farbschema::WEISS_AUF_SCHWARZ, true, RGB(0, 0, 0), RGB(255, 255, 255), HINTERGRUND, RGB(255, 255, 255)},
        {Farbschema::SCHWARZ_AUF_WEISS, false, 0, RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0)},
    };
    for (const Fall& f : faelle) {
        const Aufzeichnung a = seite(f.farben);
        const auto& e = a.ereignisse;
        ASSERT_GT(e.size(), 6u);
        const size_t rahmen = f.gefuellt ? 1 : 0;
        EXPECT_EQ(f.gefuellt, e[0].art == Ereignis::FUELLUNG);
        if (f.gefuellt) {
            EXPECT_EQ(f.grund, e[0].pinsel);
        }
        int linien = 0, texte = 0, sterne = 0;
        for (size_t i = rahmen + 5; i < e.size(); ++i) {
            if (e[i].art == Ereignis::LINIE) {
                ++linien;
                ASSERT_EQ(f.schicht, e[i].stift) << i;
            } else if (e[i].art == Ereignis::TEXT) {
                ++texte;
                ASSERT_EQ(f.schicht, e[i].text_farbe) << e[i].text;
                if (f.gefuellt) {
                    ASSERT_EQ(f.grund, e[i].text_grund);
                }
            } else if (e[i].art == Ereignis::ELLIPSE) {
                ++sterne;
                ASSERT_EQ(f.rand, e[i].stift);
                ASSERT_EQ(f.stern, e[i].pinsel);
            }
        }
        EXPECT_GT(linien, 500);
        EXPECT_GT(texte, 50);
        EXPECT_GT(sterne, 100);
    }
    // The screen scheme: stars in their spectral colours, outlined in the
    // background colour.
    int farben = 0;
    uint32_t erste = CLR_INVALID;
    const Aufzeichnung schirm = seite(Farbschema::SCHIRM);
    for (const Ereignis* e : schirm.alle(Ereignis::ELLIPSE)) {
        EXPECT_EQ(HINTERGRUND, e->stift);
        if (erste == CLR_INVALID) erste = e->pinsel;
        farben += e->pinsel != erste;
    }
    EXPECT_GT(farben, 0);
}

TEST_F(Druck, LayersAtZeroAreNotPrinted) {
    werte.staerke_prozent[STERNNAMEN] = 0;
    werte.staerke_prozent[HILFSLINIEN] = 0;
    std::vector<int> anzahl(L_UNBEKANNT + 1);
    const Aufzeichnung a = seite(Farbschema::SCHIRM);
    for (size_t i = 6; i < a.ereignisse.size(); ++i) ++anzahl[schicht(a.ereignisse[i])];
    EXPECT_EQ(0, anzahl[L_STERNNAMEN]);
    EXPECT_EQ(0, anzahl[L_GITTER]);
    EXPECT_GT(anzahl[L_FIGUREN], 0);
    EXPECT_GT(anzahl[L_BILDNAMEN], 0);
}

// The constellation under the mouse at the last move stays selected; a black
// printout must still label the highlighted constellations only.
TEST_F(Druck, BlackPrintoutLabelsOnlyHighlightedConstellations) {
    auto kennungen = [&] {
        int n = 0;
        const Aufzeichnung a = seite(Farbschema::SCHWARZ_AUF_WEISS);
        for (const Ereignis* e : a.alle(Ereignis::TEXT)) n += e->schrift == "Symbol";
        return n;
    };
    himmel->wahl_sternbild = -1;
    const int nur_orion = kennungen();
    ASSERT_GT(nur_orion, 0);
    himmel->wahl_sternbild = sternbild_index(*himmel, "Tau");
    EXPECT_EQ(nur_orion, kennungen());
    EXPECT_EQ(sternbild_index(*himmel, "Tau"), himmel->wahl_sternbild);
    himmel->wahl_sternbild = -1;
}

// The printed page played into a bitmap, for the eye.
TEST_F(Druck, PagesForTheEye) {
    if (bilder_ordner().empty()) GTEST_SKIP() << "VARNIS_BILDER not set";
    const std::pair<Farbschema, const char*> schemata[] = {
        {Farbschema::SCHIRM, "druck_schirm.bmp"},
        {Farbschema::WEISS_AUF_SCHWARZ, "druck_weiss_auf_schwarz.bmp"},
        {Farbschema::SCHWARZ_AUF_WEISS, "druck_schwarz_auf_weiss.bmp"},
    };
    for (const auto& [farben, name] : schemata) {
        Aufnahme_Auftrag auftrag(1);
        ASSERT_EQ(0, drucken(auftrag, farben, inhalt()));
        DIB blatt;
        ASSERT_EQ(0, blatt.erzeugen(s + 1, s + 1, 24, 0, 0));
        const RECT r{0, 0, s + 1, s + 1};
        FillRect(blatt.dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ENHMETAHEADER kopf{};
        GetEnhMetaFileHeader(auftrag.seiten[0], sizeof kopf, &kopf);
        const RECT ziel{kopf.rclBounds.left, kopf.rclBounds.top, kopf.rclBounds.right + 1, kopf.rclBounds.bottom + 1};
        PlayEnhMetaFile(blatt.dc, auftrag.seiten[0], &ziel);
        bild_ablegen(blatt, name);
    }
}

}  // namespace
