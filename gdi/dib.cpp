#include "dib.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "ersetzen.h"

namespace {

constexpr int32_t TABELLE = 256;
constexpr uint8_t ANFANGS_FARBE = 20;  // red, green, blue and the fourth byte of every entry

// The block behind info: the header and a full colour table, 1064 bytes.
struct Beschreibung {
    BITMAPINFOHEADER kopf;
    RGBQUAD farben[TABELLE];
};
static_assert(sizeof(Beschreibung) == 1064, "header + 256 colour entries");

Beschreibung* beschreibung(BITMAPINFO* info) { return reinterpret_cast<Beschreibung*>(info); }

int32_t farben_fuer(int16_t bittiefe) {
    switch (bittiefe) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    case 24: return 16777216;
    default: return 0;
    }
}

void schreibe_le32(uint8_t* ziel, uint32_t wert) {
    for (int i = 0; i < 4; ++i) ziel[i] = static_cast<uint8_t>(wert >> (8 * i));
}

// The other coordinate of a line pixel: a1 + schritt * s, rounded half up by
// adding 0.5 and cutting toward zero.
int64_t gerundet(int64_t a1, int64_t schritt, double s) {
    return static_cast<int64_t>(static_cast<double>(a1) + static_cast<double>(schritt) * s + 0.5);
}

}  // namespace

DIB::DIB()
    : datei_kopf{}, dc(nullptr), info(nullptr), bits(nullptr), bitmap(nullptr),
      alte_bitmap(nullptr), ursprung_x(0), ursprung_y(0), farben_anzahl(0) {}

DIB::~DIB() {
    freigeben();
}

int32_t DIB::klassen_name_(const char* name, int32_t) const {
    return name && strcmp(name, "DIB") == 0 ? 1 : 0;
}

int32_t DIB::erzeugen(int32_t b, int32_t h, int16_t tiefe, int32_t ox, int32_t oy) {
    freigeben();
    if (b <= 0 || h <= 0 || farben_fuer(tiefe) == 0) return -1;
    auto* block = new (std::nothrow) Beschreibung;
    if (!block) return -1;
    memset(block, ANFANGS_FARBE, sizeof *block);
    memset(&block->kopf, 0, sizeof block->kopf);
    block->kopf.biSize = sizeof block->kopf;
    block->kopf.biWidth = b;
    block->kopf.biHeight = h;  // positive: rows stored bottom-up
    block->kopf.biPlanes = 1;
    block->kopf.biBitCount = static_cast<WORD>(tiefe);
    block->kopf.biCompression = BI_RGB;
    info = reinterpret_cast<BITMAPINFO*>(block);
    farben_anzahl = farben_fuer(tiefe);

    HDC bildschirm = GetDC(nullptr);
    dc = CreateCompatibleDC(bildschirm);
    void* speicher = nullptr;
    bitmap = dc ? CreateDIBSection(dc, info, DIB_RGB_COLORS, &speicher, nullptr, 0) : nullptr;
    if (bildschirm) ReleaseDC(nullptr, bildschirm);
    if (!bitmap) {
        if (dc) DeleteDC(dc);
        dc = nullptr;
        return -1;
    }
    bits = static_cast<uint8_t*>(speicher);
    alte_bitmap = SelectObject(dc, bitmap);
    SetBkMode(dc, TRANSPARENT);
    ursprung_x = ox;
    ursprung_y = oy;
    SetViewportOrgEx(dc, ursprung_x, ursprung_y, nullptr);
    return 0;
}

void DIB::freigeben() {
    memset(datei_kopf, 0, sizeof datei_kopf);
    if (dc) {
        SelectObject(dc, alte_bitmap);
        DeleteDC(dc);
        dc = nullptr;
    }
    alte_bitmap = nullptr;
    if (bitmap) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    delete beschreibung(info);
    info = nullptr;
    bits = nullptr;
    farben_anzahl = 0;
}

int32_t DIB::zeilen_laenge() const {
    const int64_t bit_je_zeile = static_cast<int64_t>(breite()) * bittiefe();
    return static_cast<int32_t>((bit_je_zeile + 31) / 32 * 4);
}

int32_t DIB::tabellen_eintraege() const {
    return farben_anzahl <= TABELLE ? farben_anzahl : 0;
}

void DIB::farbe_setzen(int32_t index, uint32_t c) {
    if (index < 0 || index >= tabellen_eintraege()) return;
    RGBQUAD& eintrag = beschreibung(info)->farben[index];
    eintrag.rgbBlue = static_cast<BYTE>(c >> 16);
    eintrag.rgbGreen = static_cast<BYTE>(c >> 8);
    eintrag.rgbRed = static_cast<BYTE>(c);
    if (dc) SetDIBColorTable(dc, static_cast<UINT>(index), 1, &eintrag);
}

uint32_t DIB::farbe(int32_t index) const {
    if (index < 0 || index >= tabellen_eintraege()) return 0;
    const RGBQUAD& e = beschreibung(info)->farben[index];
    return static_cast<uint32_t>(e.rgbRed) | static_cast<uint32_t>(e.rgbGreen) << 8 |
           static_cast<uint32_t>(e.rgbBlue) << 16;
}

void DIB::fuellen(int32_t index) {
    if (!ist_8bit()) return;
    memset(bits, static_cast<uint8_t>(index), static_cast<size_t>(zeilen_laenge()) * hoehe());
}

std::vector<uint8_t> DIB::pixel_kopie() const {
    if (!bits) return {};
    GdiFlush();  // the context's drawing reaches the memory first
    return std::vector<uint8_t>(bits, bits + static_cast<size_t>(zeilen_laenge()) * hoehe());
}

void DIB::pixel_zurueck(const std::vector<uint8_t>& kopie) {
    if (!bits || kopie.size() != static_cast<size_t>(zeilen_laenge()) * hoehe()) return;
    GdiFlush();
    std::memcpy(bits, kopie.data(), kopie.size());
}

int32_t DIB::pixel(int32_t x, int32_t zeile) const {
    if (!bits || bittiefe() != 8 || x < 0 || x >= breite() || zeile < 0 || zeile >= hoehe())
        return -1;
    return bits[static_cast<size_t>(zeile) * zeilen_laenge() + x];
}

void DIB::setze_roh(int32_t x, int32_t zeile, uint8_t index) {
    if (x >= 0 && x < breite() && zeile >= 0 && zeile < hoehe())
        bits[static_cast<size_t>(zeile) * zeilen_laenge() + x] = index;
}

void DIB::punkt(int32_t x, int32_t zeile, int32_t index) {
    if (!ist_8bit()) return;
    const int64_t px = static_cast<int64_t>(x) + ursprung_x;
    const int64_t pz = static_cast<int64_t>(zeile) + ursprung_y;
    if (px < 0 || px >= breite() || pz < 0 || pz >= hoehe()) return;
    setze_roh(static_cast<int32_t>(px), static_cast<int32_t>(pz), static_cast<uint8_t>(index));
}

void DIB::spanne(int32_t x1, int32_t x2, int32_t zeile, int32_t index) {
    if (!ist_8bit()) return;
    int64_t a = static_cast<int64_t>(x1) + ursprung_x;
    int64_t e = static_cast<int64_t>(x2) + ursprung_x;
    const int64_t z = static_cast<int64_t>(zeile) + ursprung_y;
    if (e < a) std::swap(a, e);
    if (e < 0 || a >= breite() || z < 0 || z >= hoehe()) return;
    a = std::max<int64_t>(a, 0);
    e = std::min<int64_t>(e, breite() - 1);
    memset(bits + z * zeilen_laenge() + a, static_cast<uint8_t>(index),
           static_cast<size_t>(e - a + 1));
}

void DIB::linie(int32_t x1, int32_t zeile1, int32_t x2, int32_t zeile2, int32_t index) {
    if (!ist_8bit()) return;
    if (x1 == x2 && zeile1 == zeile2) {
        punkt(x1, zeile1, index);
        return;
    }
    int64_t ax = static_cast<int64_t>(x1) + ursprung_x;
    int64_t az = static_cast<int64_t>(zeile1) + ursprung_y;
    int64_t ex = static_cast<int64_t>(x2) + ursprung_x;
    int64_t ez = static_cast<int64_t>(zeile2) + ursprung_y;
    if (ax > ex) {
        std::swap(ax, ex);
        std::swap(az, ez);
    }
    const int64_t b = breite(), h = hoehe();
    if (ex < 0 || ax >= b) return;
    if (std::max(az, ez) < 0 || std::min(az, ez) >= h) return;
    const uint8_t farbe_index = static_cast<uint8_t>(index);
    const int64_t dx = ex - ax, dz = ez - az;
    if ((dx < 0 ? -dx : dx) >= (dz < 0 ? -dz : dz)) {
        const double s = static_cast<double>(dz) / static_cast<double>(dx);
        // Only the columns inside the picture can set a pixel; each keeps the
        // row it has on the whole line.
        for (int64_t x = std::max<int64_t>(ax, 0); x <= std::min(ex, b - 1); ++x) {
            const int64_t z = gerundet(az, x - ax, s);
            if (z >= 0 && z < h)
                setze_roh(static_cast<int32_t>(x), static_cast<int32_t>(z), farbe_index);
        }
    } else {
        const double s = static_cast<double>(dx) / static_cast<double>(dz);
        const int64_t unten = std::max<int64_t>(std::min(az, ez), 0);
        const int64_t oben = std::min(std::max(az, ez), h - 1);
        for (int64_t z = unten; z <= oben; ++z) {
            const int64_t x = gerundet(ax, z - az, s);
            if (x >= 0 && x < b)
                setze_roh(static_cast<int32_t>(x), static_cast<int32_t>(z), farbe_index);
        }
    }
}

int32_t DIB::ausgeben(HDC ziel, int32_t x, int32_t y, int32_t quelle_x, int32_t quelle_y,
                      int32_t b, int32_t h) {
    if (b < 0) b = breite();
    if (h < 0) h = hoehe();
    return BitBlt(ziel, x, y, b, h, dc, -ursprung_x - quelle_x, -ursprung_y - quelle_y, SRCCOPY);
}

int32_t DIB::speichern(const char* pfad) {
    if (!bits) return -1;
    const size_t n = static_cast<size_t>(zeilen_laenge()) * hoehe();
    const uint32_t tabelle = 4u * static_cast<uint32_t>(tabellen_eintraege());
    const uint32_t versatz = tabelle + sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    memset(datei_kopf, 0, sizeof datei_kopf);
    datei_kopf[0] = 'B';
    datei_kopf[1] = 'M';
    schreibe_le32(datei_kopf + 2, static_cast<uint32_t>(n) + versatz);
    schreibe_le32(datei_kopf + 10, versatz);

    // A new file in one step: the old one stays whole until the new one is.
    Ersatzdatei datei(pfad, Ersatzanfang::LEER);
    if (datei.stand() != ERSATZ_FERTIG) return -1;
    const bool vollstaendig = datei.schreiben(datei_kopf, sizeof datei_kopf) &&
                              datei.schreiben(info, info->bmiHeader.biSize) &&
                              datei.schreiben(beschreibung(info)->farben, tabelle) && datei.schreiben(bits, n);
    if (!vollstaendig) return SPEICHERN_KURZ;
    return datei.vollenden() == ERSATZ_FERTIG ? 0 : -2;
}
