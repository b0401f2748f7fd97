#include "ausgabe/vektor_datei.h"

#include <memory>
#include <new>

#include "ersetzen.h"
#include "gemeinsam/dateiattribute.h"
#include "gemeinsam/ui_texte.h"

namespace {

// The bytes of a metafile as a file holds them; null when they cannot be
// had (n is then 0).
std::unique_ptr<BYTE[]> bytes_von(HENHMETAFILE emf, UINT& n) {
    n = GetEnhMetaFileBits(emf, 0, nullptr);
    std::unique_ptr<BYTE[]> daten(n >= sizeof(ENHMETAHEADER) ? new (std::nothrow) BYTE[n] : nullptr);
    if (!daten || GetEnhMetaFileBits(emf, n, daten.get()) != n) {
        n = 0;
        return nullptr;
    }
    return daten;
}

// A length of the frame (hundredths of a millimetre) in the reference
// device's pixels.
LONG geraetepixel(LONG hundertstel, LONG pixel, LONG millimeter) {
    if (millimeter <= 0) return 0;
    return static_cast<LONG>(static_cast<int64_t>(hundertstel) * pixel / (100 * millimeter));
}

// The metafile again (the one passed is deleted), with the frame's square
// as the bounds of its picture. The recording counts every line and text
// the engine hands it, also those that the clip keeps off the square (grid
// lines run on past the edge), and a program that places a picture by its
// bounds would set the square aside.
HENHMETAFILE umgrenzt(HENHMETAFILE emf) {
    UINT n = 0;
    std::unique_ptr<BYTE[]> daten = bytes_von(emf, n);
    DeleteEnhMetaFile(emf);
    if (!daten) return nullptr;
    auto* kopf = reinterpret_cast<ENHMETAHEADER*>(daten.get());
    kopf->rclBounds = {0, 0,
                       geraetepixel(kopf->rclFrame.right, kopf->szlDevice.cx, kopf->szlMillimeters.cx),
                       geraetepixel(kopf->rclFrame.bottom, kopf->szlDevice.cy, kopf->szlMillimeters.cy)};
    return SetEnhMetaFileBits(n, daten.get());
}

// The whole block into a new file that replaces an old one in one step.
// 0 done, -1 not written (an old file is then as it was).
int32_t datei_schreiben(const char* pfad, const BYTE* daten, size_t n) {
    Ersatzdatei datei(pfad, Ersatzanfang::LEER);
    return datei.schreiben(daten, n) && datei.vollenden() == ERSATZ_FERTIG ? 0 : -1;
}

}  // namespace

HENHMETAFILE vektorbild_aufnehmen(Farbschema farben, const Karteninhalt& inhalt) {
    // The frame in hundredths of a millimetre; the screen is the reference
    // device, as for any metafile made on a desktop.
    const RECT rahmen{0, 0, VEKTOR_KANTE_MM * 100, VEKTOR_KANTE_MM * 100};
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &rahmen, "Varnis\0Sternkarte\0");
    if (!dc) return nullptr;
    // The square's VEKTOR_PUNKTE units onto 200 mm of the reference device on
    // each axis, taken from its own pixels per millimetre, so a unit is as
    // wide as it is high even on a device with non-square pixels.
    const int32_t mm_x = GetDeviceCaps(dc, HORZSIZE), mm_y = GetDeviceCaps(dc, VERTSIZE);
    if (mm_x <= 0 || mm_y <= 0) {
        DeleteEnhMetaFile(CloseEnhMetaFile(dc));
        return nullptr;
    }
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, VEKTOR_PUNKTE, VEKTOR_PUNKTE, nullptr);
    SetViewportExtEx(dc, MulDiv(VEKTOR_KANTE_MM, GetDeviceCaps(dc, HORZRES), mm_x),
                     MulDiv(VEKTOR_KANTE_MM, GetDeviceCaps(dc, VERTRES), mm_y), nullptr);
    druckbild_zeichnen(dc, VEKTOR_PUNKTE - 1, farben, inhalt, true);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    return emf ? umgrenzt(emf) : nullptr;
}

int32_t vektordatei_schreiben(const char* pfad, Farbschema farben, const Karteninhalt& inhalt) {
    if (schreibgeschuetzt(pfad)) return -1;
    HENHMETAFILE emf = vektorbild_aufnehmen(farben, inhalt);
    if (!emf) return -2;
    UINT n = 0;
    const std::unique_ptr<BYTE[]> daten = bytes_von(emf, n);
    DeleteEnhMetaFile(emf);
    if (!daten) return -2;
    return datei_schreiben(pfad, daten.get(), n);
}

bool vektor_dateiwahl(HWND besitzer, char* pfad, size_t groesse) {
    return speicherdialog(besitzer, pfad, groesse, VEKTOR_TYP, ui_text(UI_VEKTOR_DIALOG));
}

int32_t vektor_datei(const Karteninhalt& inhalt, HWND besitzer, const char* vorschlag, Dateiwahl waehlen) {
    char pfad[DATEINAME_LAENGE];
    vorschlag_uebernehmen(pfad, sizeof pfad, vorschlag);
    if (!waehlen(besitzer, pfad, sizeof pfad)) return 1;
    const int32_t ergebnis = vektordatei_schreiben(pfad, Farbschema::SCHWARZ_AUF_WEISS, inhalt);
    if (ergebnis != 0) schreibfehler_melden(besitzer, pfad);
    return ergebnis;
}
