#include "ausgabe/druck.h"

#include <commdlg.h>

#include <algorithm>
#include <new>

#include "dc_zustand.h"
#include "farben.h"
#include "gestirne.h"
#include "kartenzeichnung.h"
#include "schrifthoehe.h"

namespace {

constexpr uint32_t WEISS = 0x00FFFFFF;
constexpr uint32_t SCHWARZ = 0x00000000;

// Heights of the fonts on the page, in printer pixels.
constexpr int32_t DRUCK_TEXT = 40;
constexpr int32_t DRUCK_STERNBILD = 50;
constexpr int32_t DRUCK_SYMBOL = 40;

// What the print dialog hands over: the printer's context and the memory of
// its device mode and device names.
void dialog_freigeben(const PRINTDLGA& pd) {
    if (pd.hDC) DeleteDC(pd.hDC);
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
}

class Drucker final : public Druckauftrag {
public:
    explicit Drucker(const PRINTDLGA& daten) : pd(daten) {}
    ~Drucker() override { dialog_freigeben(pd); }
    Drucker(const Drucker&) = delete;
    Drucker& operator=(const Drucker&) = delete;

    HDC dc() const override { return pd.hDC; }
    int32_t kopien() const override { return pd.nCopies; }
    int32_t dokument_beginnen(const char* name) override {
        DOCINFOA info{};
        info.cbSize = sizeof info;
        info.lpszDocName = name;
        return StartDocA(pd.hDC, &info);
    }
    int32_t seite_beginnen() override { return StartPage(pd.hDC); }
    int32_t seite_beenden() override { return EndPage(pd.hDC); }
    int32_t dokument_beenden() override { return EndDoc(pd.hDC); }
    void dokument_abbrechen() override { AbortDoc(pd.hDC); }

private:
    PRINTDLGA pd;
};

uint32_t ebenen_farbe(Farbschema farben, const Darstellung& werte, Ebene ebene) {
    switch (farben) {
    case Farbschema::SCHIRM: return skalierte_farbe(werte, ebene);
    case Farbschema::WEISS_AUF_SCHWARZ: return WEISS;
    case Farbschema::SCHWARZ_AUF_WEISS:
    case Farbschema::NACHT: break;  // not offered for paper: /schema refuses it for .emf
    }
    return SCHWARZ;
}

// The caption as the chart canvas colours it: its own colour on the screen,
// else the colour of every layer.
uint32_t kartentext_farbe(Farbschema farben) {
    switch (farben) {
    case Farbschema::SCHIRM: return KARTEN_TEXT_FARBE;
    case Farbschema::WEISS_AUF_SCHWARZ: return WEISS;
    case Farbschema::SCHWARZ_AUF_WEISS:
    case Farbschema::NACHT: break;
    }
    return SCHWARZ;
}

// The background of the square (the white page needs none) and the text
// background to match it.
void grund_fuellen(HDC dc, int32_t s, Farbschema farben, uint32_t hintergrund) {
    const RECT quadrat{0, 0, s, s};
    if (farben == Farbschema::SCHIRM) {
        HBRUSH pinsel = CreateSolidBrush(hintergrund);
        FillRect(dc, &quadrat, pinsel);
        DeleteObject(pinsel);
        SetBkColor(dc, hintergrund);
    } else if (farben == Farbschema::WEISS_AUF_SCHWARZ) {
        FillRect(dc, &quadrat, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SetBkColor(dc, SCHWARZ);
    }
}

// The frame in the black pen, which a new context holds anyway; selected
// all the same, so that a metafile names it and a program that reads one
// does not have to know what a context starts with. Everything after the
// frame stays inside.
void rahmen_und_ausschnitt(HDC dc, int32_t s) {
    SelectObject(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, s, 0);
    LineTo(dc, s, s);
    LineTo(dc, 0, s);
    LineTo(dc, 0, 0);
    IntersectClipRect(dc, 0, 0, s, s);
}

// The printer's layers (DRUCK_FOLGE of karte/schichten.h) in the scheme's
// colours; the designations without the mouse's selection.
void ebenen_drucken(HDC dc, int32_t r, Farbschema farben, const Karteninhalt& k) {
    const Darstellung& w = k.werte;
    Ausgabeart art{Leinwand::DRUCK, {}, true, {}};
    for (int32_t e = 0; e < EBENEN; ++e) art.farben.farbe[e] = ebenen_farbe(farben, w, static_cast<Ebene>(e));
    art.druckstil.einfarbig = farben == Farbschema::SCHIRM ? 0 : 1;
    art.druckstil.invertiert = farben == Farbschema::SCHWARZ_AUF_WEISS ? 1 : 0;
    art.druckstil.rand_farbe = farbwert(w.hintergrund);
    folge_zeichnen(DRUCK_FOLGE, Ziel{dc, nullptr, r}, k, art);
}

}  // namespace

void druckbild_zeichnen(HDC dc, int32_t s, Farbschema farben, const Karteninhalt& inhalt,
                        bool mit_kartentext) {
    const Schriften& schriften = inhalt.schriften;
    // Declared before the context's state: the context lets go of the fonts
    // before they are made again at screen size.
    Schrifthoehe text(schriften.text, DRUCK_TEXT);
    Schrifthoehe sternbild(schriften.sternbild, DRUCK_STERNBILD);
    Schrifthoehe symbol(schriften.symbol, DRUCK_SYMBOL);
    Dc_Zustand zustand(dc);
    grund_fuellen(dc, s, farben, farbwert(inhalt.werte.hintergrund));
    rahmen_und_ausschnitt(dc, s);
    ebenen_drucken(dc, s / 2, farben, inhalt);
    if (mit_kartentext)
        karten_text_zeichnen(dc, schriften.text, s / 2, kartentext_farbe(farben), inhalt.kartentext);
}

void druckseite_zeichnen(HDC dc, Farbschema farben, const Karteninhalt& inhalt) {
    const int32_t s = std::min(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)) - 1;
    druckbild_zeichnen(dc, s, farben, inhalt, false);
}

int32_t drucken(Druckauftrag& auftrag, Farbschema farben, const Karteninhalt& inhalt) {
    if (auftrag.dokument_beginnen("Varnis") <= 0) return -1;
    const int32_t seiten = std::max(auftrag.kopien(), 1);
    for (int32_t i = 0; i < seiten; ++i) {
        if (auftrag.seite_beginnen() <= 0) {
            auftrag.dokument_abbrechen();
            return -1;
        }
        druckseite_zeichnen(auftrag.dc(), farben, inhalt);
        if (auftrag.seite_beenden() <= 0) {
            auftrag.dokument_abbrechen();
            return -1;
        }
    }
    return auftrag.dokument_beenden() > 0 ? 0 : -1;
}

std::unique_ptr<Druckauftrag> druckdialog(HWND besitzer) {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = besitzer;
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
    pd.nCopies = 1;
    const bool gewaehlt = PrintDlgA(&pd) != 0 && pd.hDC;
    Drucker* drucker = gewaehlt ? new (std::nothrow) Drucker(pd) : nullptr;
    if (!drucker) dialog_freigeben(pd);
    return std::unique_ptr<Druckauftrag>(drucker);
}

void drucken(HWND besitzer, Farbschema farben, const Karteninhalt& inhalt) {
    if (std::unique_ptr<Druckauftrag> auftrag = druckdialog(besitzer)) drucken(*auftrag, farben, inhalt);
}
