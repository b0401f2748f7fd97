#include "emf_aufnahme.h"

#include <algorithm>

namespace {

struct Zustand {
    Aufnahme* a;
    POINT position{};
    UINT ausrichtung = 0;
    COLORREF farbe = 0;
};

std::string text_von(const ENHMETARECORD* satz, const EMRTEXT& t, bool breit) {
    const auto* anfang = reinterpret_cast<const BYTE*>(satz) + t.offString;
    std::string text;
    for (DWORD i = 0; i < t.nChars; ++i) {
        if (breit) {
            const WCHAR w = reinterpret_cast<const WCHAR*>(anfang)[i];
            text.push_back(static_cast<char>(w < 256 ? w : '?'));
        } else {
            text.push_back(static_cast<char>(anfang[i]));
        }
    }
    return text;
}

int CALLBACK satz_lesen(HDC, HANDLETABLE*, const ENHMETARECORD* satz, int, LPARAM daten) {
    auto& z = *reinterpret_cast<Zustand*>(daten);
    Aufnahme& a = *z.a;
    switch (satz->iType) {
    case EMR_CREATEPEN: {
        const auto* s = reinterpret_cast<const EMRCREATEPEN*>(satz);
        a.stifte.push_back({s->ihPen, s->lopn.lopnStyle, s->lopn.lopnWidth.x, s->lopn.lopnColor});
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const auto* s = reinterpret_cast<const EMRCREATEBRUSHINDIRECT*>(satz);
        a.pinsel.push_back({s->ihBrush, s->lb.lbColor});
        break;
    }
    case EMR_SELECTOBJECT:
        a.gewaehlt.push_back(reinterpret_cast<const EMRSELECTOBJECT*>(satz)->ihObject);
        break;
    case EMR_DELETEOBJECT:
        a.geloescht.push_back(reinterpret_cast<const EMRDELETEOBJECT*>(satz)->ihObject);
        break;
    case EMR_ELLIPSE: {
        // Recorded inclusive-inclusive; kept as passed to Ellipse (right and
        // bottom excluded).
        const RECTL& r = reinterpret_cast<const EMRELLIPSE*>(satz)->rclBox;
        a.ellipsen.push_back({r.left, r.top, r.right + 1, r.bottom + 1});
        break;
    }
    case EMR_MOVETOEX: {
        const POINTL& p = reinterpret_cast<const EMRMOVETOEX*>(satz)->ptl;
        z.position = {p.x, p.y};
        break;
    }
    case EMR_LINETO: {
        const POINTL& p = reinterpret_cast<const EMRLINETO*>(satz)->ptl;
        a.striche.push_back({z.position, {p.x, p.y}});
        z.position = {p.x, p.y};
        break;
    }
    case EMR_SETTEXTALIGN:
        z.ausrichtung = reinterpret_cast<const EMRSETTEXTALIGN*>(satz)->iMode;
        break;
    case EMR_SETTEXTCOLOR:
        z.farbe = reinterpret_cast<const EMRSETTEXTCOLOR*>(satz)->crColor;
        break;
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
        const EMRTEXT& t = reinterpret_cast<const EMREXTTEXTOUTA*>(satz)->emrtext;
        a.texte.push_back({text_von(satz, t, satz->iType == EMR_EXTTEXTOUTW),
                           {t.ptlReference.x, t.ptlReference.y}, z.ausrichtung, z.farbe});
        break;
    }
    default:
        break;
    }
    return 1;
}

}  // namespace

std::vector<DWORD> Aufnahme::nicht_geloescht() const {
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

std::vector<const Aufnahme::Text*> Aufnahme::texte_mit(const std::string& text) const {
    std::vector<const Text*> gefunden;
    for (const auto& t : texte)
        if (t.text == text) gefunden.push_back(&t);
    return gefunden;
}

Aufnahme aufnehmen(const std::function<void(HDC)>& zeichnen) {
    Aufnahme a;
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    if (!dc) return a;
    zeichnen(dc);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    Zustand z{&a};
    EnumEnhMetaFile(nullptr, emf, satz_lesen, &z, nullptr);
    DeleteEnhMetaFile(emf);
    return a;
}
