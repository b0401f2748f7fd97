#include "aufzeichnung.h"

#include <algorithm>
#include <map>

namespace {

struct Objekt {
    enum { STIFT, PINSEL, SCHRIFT } art;
    COLORREF farbe;
    LONG breite;
    std::string name;
    LONG hoehe;
};

// The drawing state while the records are read.
struct Zustand {
    Aufzeichnung* a;
    std::map<DWORD, Objekt> objekte;
    Objekt stift{Objekt::STIFT, RGB(0, 0, 0), 0, "", 0};
    Objekt pinsel{Objekt::PINSEL, RGB(255, 255, 255), 0, "", 0};
    Objekt schrift{Objekt::SCHRIFT, 0, 0, "", 0};
    COLORREF text_farbe = RGB(0, 0, 0);
    COLORREF text_grund = RGB(255, 255, 255);
    UINT ausrichtung = TA_LEFT | TA_TOP;
    POINT position{};

    Ereignis ereignis(Ereignis::Art art) const {
        Ereignis e{};
        e.art = art;
        e.stift = stift.farbe;
        e.stift_breite = stift.breite;
        e.pinsel = pinsel.farbe;
        e.text_farbe = text_farbe;
        e.text_grund = text_grund;
        e.ausrichtung = ausrichtung;
        e.schrift = schrift.name;
        e.schrift_hoehe = schrift.hoehe;
        return e;
    }
    void waehlen(DWORD ih) {
        if (ih & ENHMETA_STOCK_OBJECT) {
            waehlen_vorrat(ih & ~ENHMETA_STOCK_OBJECT);
            return;
        }
        const auto o = objekte.find(ih);
        if (o == objekte.end()) return;
        if (o->second.art == Objekt::STIFT) stift = o->second;
        if (o->second.art == Objekt::PINSEL) pinsel = o->second;
        if (o->second.art == Objekt::SCHRIFT) schrift = o->second;
    }
    void waehlen_vorrat(DWORD nummer) {
        switch (nummer) {
        case WHITE_BRUSH: pinsel = {Objekt::PINSEL, RGB(255, 255, 255), 0, "", 0}; break;
        case BLACK_BRUSH: pinsel = {Objekt::PINSEL, RGB(0, 0, 0), 0, "", 0}; break;
        case NULL_BRUSH: pinsel = {Objekt::PINSEL, CLR_INVALID, 0, "", 0}; break;
        case WHITE_PEN: stift = {Objekt::STIFT, RGB(255, 255, 255), 0, "", 0}; break;
        case BLACK_PEN: stift = {Objekt::STIFT, RGB(0, 0, 0), 0, "", 0}; break;
        default:
            if (nummer >= OEM_FIXED_FONT && nummer <= DEFAULT_GUI_FONT)
                schrift = {Objekt::SCHRIFT, 0, 0, "", 0};
            break;
        }
    }
};

std::string text_von(const ENHMETARECORD* satz, const EMRTEXT& t, bool breit) {
    const auto* anfang = reinterpret_cast<const BYTE*>(satz) + t.offString;
    std::string text;
    for (DWORD i = 0; i < t.nChars; ++i) {
        const unsigned w = breit ? reinterpret_cast<const WCHAR*>(anfang)[i] : anfang[i];
        text.push_back(static_cast<char>(w < 256 ? w : '?'));
    }
    return text;
}

std::string name_von(const WCHAR* name) {
    std::string s;
    for (int i = 0; i < LF_FACESIZE && name[i]; ++i) s.push_back(static_cast<char>(name[i]));
    return s;
}

RECT rechteck_von(const RECTL& r) { return {r.left, r.top, r.right, r.bottom}; }

int CALLBACK satz_lesen(HDC, HANDLETABLE*, const ENHMETARECORD* satz, int, LPARAM daten) {
    auto& z = *reinterpret_cast<Zustand*>(daten);
    Aufzeichnung& a = *z.a;
    auto& liste = a.ereignisse;
    switch (satz->iType) {
    case EMR_CREATEPEN: {
        const auto* s = reinterpret_cast<const EMRCREATEPEN*>(satz);
        z.objekte[s->ihPen] = {Objekt::STIFT, s->lopn.lopnColor, s->lopn.lopnWidth.x, "", 0};
        a.stifte.push_back({s->ihPen, s->lopn.lopnStyle, s->lopn.lopnWidth.x, s->lopn.lopnColor});
        break;
    }
    case EMR_EXTCREATEPEN: {
        const auto* s = reinterpret_cast<const EMREXTCREATEPEN*>(satz);
        const auto breite = static_cast<LONG>(s->elp.elpWidth);
        z.objekte[s->ihPen] = {Objekt::STIFT, s->elp.elpColor, breite, "", 0};
        a.stifte.push_back({s->ihPen, static_cast<UINT>(s->elp.elpPenStyle), breite, s->elp.elpColor});
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const auto* s = reinterpret_cast<const EMRCREATEBRUSHINDIRECT*>(satz);
        z.objekte[s->ihBrush] = {Objekt::PINSEL, s->lb.lbColor, 0, "", 0};
        a.pinsel.push_back({s->ihBrush, s->lb.lbColor});
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
        const auto* s = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(satz);
        const LOGFONTW& lf = s->elfw.elfLogFont;
        z.objekte[s->ihFont] = {Objekt::SCHRIFT, 0, 0, name_von(lf.lfFaceName), lf.lfHeight};
        break;
    }
    case EMR_SELECTOBJECT: {
        const DWORD ih = reinterpret_cast<const EMRSELECTOBJECT*>(satz)->ihObject;
        z.waehlen(ih);
        a.gewaehlt.push_back(ih);
        break;
    }
    case EMR_DELETEOBJECT:
        a.geloescht.push_back(reinterpret_cast<const EMRDELETEOBJECT*>(satz)->ihObject);
        break;
    case EMR_SETTEXTALIGN:
        z.ausrichtung = reinterpret_cast<const EMRSETTEXTALIGN*>(satz)->iMode;
        break;
    case EMR_SETTEXTCOLOR:
        z.text_farbe = reinterpret_cast<const EMRSETTEXTCOLOR*>(satz)->crColor;
        break;
    case EMR_SETBKCOLOR:
        z.text_grund = reinterpret_cast<const EMRSETBKCOLOR*>(satz)->crColor;
        break;
    case EMR_MOVETOEX: {
        const POINTL& p = reinterpret_cast<const EMRMOVETOEX*>(satz)->ptl;
        z.position = {p.x, p.y};
        break;
    }
    case EMR_LINETO: {
        const POINTL& p = reinterpret_cast<const EMRLINETO*>(satz)->ptl;
        Ereignis e = z.ereignis(Ereignis::LINIE);
        e.a = z.position;
        e.b = {p.x, p.y};
        liste.push_back(e);
        z.position = e.b;
        break;
    }
    case EMR_ELLIPSE: {
        // Recorded with right and bottom included; kept as passed.
        const RECTL& r = reinterpret_cast<const EMRELLIPSE*>(satz)->rclBox;
        Ereignis e = z.ereignis(Ereignis::ELLIPSE);
        e.rechteck = {r.left, r.top, r.right + 1, r.bottom + 1};
        liste.push_back(e);
        break;
    }
    case EMR_POLYGON:
    case EMR_POLYGON16: {  // both begin with their bounds
        Ereignis e = z.ereignis(Ereignis::VIELECK);
        e.rechteck = rechteck_von(reinterpret_cast<const EMRPOLYGON*>(satz)->rclBounds);
        liste.push_back(e);
        break;
    }
    case EMR_FILLRGN: {
        const auto* s = reinterpret_cast<const EMRFILLRGN*>(satz);
        Ereignis e = z.ereignis(Ereignis::FUELLUNG);
        const auto o = z.objekte.find(s->ihBrush);
        if (o != z.objekte.end()) e.pinsel = o->second.farbe;
        e.rechteck = rechteck_von(s->rclBounds);
        liste.push_back(e);
        break;
    }
    case EMR_BITBLT: {  // FillRect as a pattern copy with the brush
        const auto* s = reinterpret_cast<const EMRBITBLT*>(satz);
        Ereignis e = z.ereignis(Ereignis::FUELLUNG);
        e.rechteck = {s->xDest, s->yDest, s->xDest + s->cxDest, s->yDest + s->cyDest};
        liste.push_back(e);
        break;
    }
    case EMR_INTERSECTCLIPRECT: {
        Ereignis e = z.ereignis(Ereignis::AUSSCHNITT);
        e.rechteck = rechteck_von(reinterpret_cast<const EMRINTERSECTCLIPRECT*>(satz)->rclClip);
        liste.push_back(e);
        break;
    }
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
        const EMRTEXT& t = reinterpret_cast<const EMREXTTEXTOUTA*>(satz)->emrtext;
        Ereignis e = z.ereignis(Ereignis::TEXT);
        e.text = text_von(satz, t, satz->iType == EMR_EXTTEXTOUTW);
        e.a = {t.ptlReference.x, t.ptlReference.y};
        liste.push_back(e);
        break;
    }
    default:
        break;
    }
    return 1;
}

}  // namespace

std::vector<const Ereignis*> Aufzeichnung::alle(Ereignis::Art art) const {
    std::vector<const Ereignis*> gefunden;
    for (const auto& e : ereignisse)
        if (e.art == art) gefunden.push_back(&e);
    return gefunden;
}

std::vector<std::string> Aufzeichnung::texte() const {
    std::vector<std::string> t;
    for (const auto* e : alle(Ereignis::TEXT)) t.push_back(e->text);
    return t;
}

std::vector<const Ereignis*> Aufzeichnung::texte_mit(const std::string& text) const {
    std::vector<const Ereignis*> gefunden;
    for (const auto* e : alle(Ereignis::TEXT))
        if (e->text == text) gefunden.push_back(e);
    return gefunden;
}

std::vector<DWORD> Aufzeichnung::nicht_geloescht() const {
    std::vector<DWORD> offen;
    auto pruefen = [&](DWORD ih) {
        // Handle-table slots are reused: a slot is free again once deleted.
        const auto n_erzeugt = std::count_if(stifte.begin(), stifte.end(),
                                             [&](const Stift& s) { return s.ih == ih; }) +
                               std::count_if(pinsel.begin(), pinsel.end(),
                                             [&](const Pinsel& p) { return p.ih == ih; });
        if (n_erzeugt > std::count(geloescht.begin(), geloescht.end(), ih)) offen.push_back(ih);
    };
    for (const auto& s : stifte) pruefen(s.ih);
    for (const auto& p : pinsel) pruefen(p.ih);
    std::sort(offen.begin(), offen.end());
    offen.erase(std::unique(offen.begin(), offen.end()), offen.end());
    return offen;
}

Aufzeichnung auswerten(HENHMETAFILE emf) {
    Aufzeichnung a;
    Zustand z{&a, {}};
    EnumEnhMetaFile(nullptr, emf, satz_lesen, &z, nullptr);
    return a;
}

Aufzeichnung aufzeichnen(const std::function<void(HDC)>& zeichnen) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    if (!dc) return {};
    zeichnen(dc);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    Aufzeichnung a = auswerten(emf);
    DeleteEnhMetaFile(emf);
    return a;
}
