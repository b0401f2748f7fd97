// The search: the dialog's partner. The object found is marked with a ring
// on both panes (drawn with the marks, marken_zeichnen), its popup opens
// where it stands in the chart, and "Zentrieren" turns the view to it through
// the bars' own rules, as a click in the overview does.
#include "canvas_kf.h"
#include "dib_kf.h"
#include "hauptfenster/himmel_df.h"
#include "projektion.h"
#include "skaliert.h"
#include "suchen/fundort.h"
#include "suchen/such_df.h"
#include "vektor.h"

void Himmel_DF::suchen_oeffnen() {
    const bool neu = !suche;
    if (neu) suche = std::make_unique<Such_DF>(this, *this, dpi_);
    suche->oeffnen(1);
    if (suche->hwnd) BringWindowToTop(suche->hwnd);  // also when it was open behind the window
    if (!neu || !suche->hwnd) return;
    // At first over the lower left of the window, where the layer bars are,
    // so that neither the overview nor the chart is covered.
    RECT haupt, eigen;
    GetWindowRect(hwnd, &haupt);
    GetWindowRect(suche->hwnd, &eigen);
    SetWindowPos(suche->hwnd, nullptr, haupt.left, haupt.bottom - (eigen.bottom - eigen.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
}

const Himmel& Himmel_DF::such_himmel() const { return *himmel; }

bool Himmel_DF::fund_in_karte(int32_t& x, int32_t& y) {
    double rekt = 0, dekl = 0;
    const Koerperlage* lage = koerper_des_moments(koerperstand, zonen, moment);
    if (!karte->hwnd || !fund_richtung(*himmel, lage, such_fund, rekt, dekl)) return false;
    const PolarPos p = himmel->polar_berechnen(einheitsvektor(rekt, dekl));
    const int32_t r = radius(karte.get());
    if (!sichtbar_quadrat(p.abstand, himmel->gesichtsfeld)) return false;
    const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, himmel->gesichtsfeld, r));
    x = r + v.dx;
    y = r - v.dy;
    return x >= 0 && x < 2 * r && y >= 0 && y < 2 * r;
}

void Himmel_DF::fund_zeigen(const Fund& fund, char* zeile, size_t groesse) {
    such_fund = fund;
    int32_t x = 0, y = 0;
    const bool in_karte = fund_in_karte(x, y);
    horizont_zeile(*himmel, koerper_des_moments(koerperstand, zonen, moment), fund, in_karte, zonen, moment,
                   zeile, groesse);
    neu_zeichnen();
    if (!in_karte) {
        info_verbergen(hwnd, info_fenster->hwnd);
        return;
    }
    const int32_t art = fund.art == Fundart::STERN       ? INFO_STERN
                        : fund.art == Fundart::STERNBILD ? INFO_STERNBILD
                                                         : INFO_KOERPER;
    info_anzeige.gefunden(art, fund.index, x, y, kartenbereich(karte->hwnd, hwnd, dpi_));
    fund_auswaehlen();
    // A moved view has armed the hiding of the old popup: not of this one.
    KillTimer(hwnd, ZEITGEBER_INFO_VERBERGEN);
    info_zeigen(hwnd, info_fenster->hwnd, info_anzeige.lage());
}

void Himmel_DF::fund_auswaehlen() {
    if (such_fund.art == Fundart::STERN) {
        himmel->wahl_klasse = such_fund.klasse;
        himmel->wahl_index = such_fund.index;
    } else if (such_fund.art == Fundart::STERNBILD) {
        himmel->wahl_sternbild = such_fund.index;
    }
}

void Himmel_DF::fund_zentrieren(const Fund& fund, char* zeile, size_t groesse) {
    double rekt = 0, dekl = 0;
    const Koerperlage* lage = koerper_des_moments(koerperstand, zonen, moment);
    // By the moment's rule the place that follows the declination lends its
    // longitude, and the date may turn with the hour, which moves the centre
    // once more: further steps from where the last one ended make up for
    // it, until the bars stand still.
    if (fund_richtung(*himmel, lage, fund, rekt, dekl) && ueber_horizont(*himmel, rekt, dekl)) {
        for (int schritt = 0; schritt < 4; ++schritt) {
            const Blickwerte jetzt = blick();
            const Blickwerte neu = blick_verschoben(jetzt, rekt - himmel->rektaszension, dekl - himmel->deklination);
            if (neu.rekt == jetzt.rekt && neu.dekl == jetzt.dekl) break;
            blick_setzen(neu);
        }
    }
    fund_zeigen(fund, zeile, groesse);
}

void Himmel_DF::suche_beendet() {
    such_fund = Fund{};
    info_verbergen(hwnd, info_fenster->hwnd);
    neu_zeichnen();
}

void Himmel_DF::fund_ringe_zeichnen() {
    double rekt = 0, dekl = 0;
    const Koerperlage* lage = koerper_des_moments(koerperstand, zonen, moment);
    if (!fund_richtung(*himmel, lage, such_fund, rekt, dekl)) return;
    const PolarPos p = himmel->polar_berechnen(einheitsvektor(rekt, dekl));
    struct Flaeche {
        DIB& bild;
        int32_t r;
        bool sichtbar;
        double massstab;
    };
    const int32_t rk = radius(karte.get()), ru = radius(uebersicht.get());
    const Flaeche flaechen[] = {
        {karte_bild, rk, sichtbar_quadrat(p.abstand, himmel->gesichtsfeld),
         kartenmassstab(p.abstand, himmel->gesichtsfeld, rk)},
        {uebersicht_bild, ru, sichtbar_halbkugel(p.abstand), uebersichtsmassstab(p.abstand, ru)},
    };
    // Two white circles of 9 and 10 pixels' radius around the object: clear of
    // a bright star's disc and of the popup, which opens 15 pixels off. At
    // 96 dots per inch; on a finer screen the ring as wide and as far out.
    const int32_t innen = skaliert(9, dpi_), aussen = skaliert(11, dpi_) - 1;
    const HGDIOBJ stift = GetStockObject(WHITE_PEN), pinsel = GetStockObject(HOLLOW_BRUSH);
    for (const Flaeche& f : flaechen) {
        if (!f.sichtbar || !f.bild.dc) continue;
        const Versatz v = versatz(p.winkel, f.massstab);
        const int32_t x = f.r + v.dx, y = f.r - v.dy;
        const HGDIOBJ alter_stift = SelectObject(f.bild.dc, stift);
        const HGDIOBJ alter_pinsel = SelectObject(f.bild.dc, pinsel);
        for (int32_t ring = innen; ring <= aussen; ++ring) Ellipse(f.bild.dc, x - ring, y - ring, x + ring + 1, y + ring + 1);
        SelectObject(f.bild.dc, alter_pinsel);
        SelectObject(f.bild.dc, alter_stift);
    }
}
