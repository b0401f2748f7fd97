// The chart canvas: a device-independent bitmap section with a colour table
// of up to 256 entries and a memory drawing context of its own. Lines and
// discs are written as colour-table indices straight into the pixel memory;
// texts go through dc and land there as indices too, so one write to the
// colour table recolours everything drawn with that index.
//
// Two row directions meet here: the pixel operations count `zeile` upward
// from the bottom row, everything drawn through dc counts y downward from the
// top. Both add the drawing origin (ursprung_x, ursprung_y).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class DIB {
public:
    DIB();
    virtual ~DIB();
    DIB(const DIB&) = delete;
    DIB& operator=(const DIB&) = delete;

    // Run-time type test of the window library: 1 for the name "DIB".
    virtual int32_t klassen_name_(const char* name, int32_t nur_diese) const;

    // A new bitmap of breite x hoehe pixels (both > 0) at bittiefe 1, 4, 8
    // or 24 bits, its colour table all (20, 20, 20); the pixels are not
    // written. 0 done, -1 no bitmap was made.
    int32_t erzeugen(int32_t breite, int32_t hoehe, int16_t bittiefe,
                     int32_t ursprung_x, int32_t ursprung_y);
    void freigeben();

    // Colour entry index (0..farben_anzahl-1, at most 255) becomes
    // farbe = 0x00BBGGRR; other indices are ignored.
    void farbe_setzen(int32_t index, uint32_t farbe);
    // Every pixel byte, row padding included (8-bit canvases only).
    void fuellen(int32_t index);

    // Pixel operations, 8-bit canvases only; everything outside the picture
    // is clipped pixel by pixel.
    void punkt(int32_t x, int32_t zeile, int32_t index);
    void spanne(int32_t x1, int32_t x2, int32_t zeile, int32_t index);  // x1..x2 included
    void linie(int32_t x1, int32_t zeile1, int32_t x2, int32_t zeile2, int32_t index);

    // Copies the picture into ziel at (x, y); a negative breite or hoehe
    // stands for the canvas's own. Result: that of BitBlt.
    int32_t ausgeben(HDC ziel, int32_t x, int32_t y, int32_t quelle_x, int32_t quelle_y,
                     int32_t breite, int32_t hoehe);

    // Writes a Windows BMP file (pfad in UTF-8), replacing an old one in one
    // step (datei/ersetzen.h). 0 done, -1 no picture, a read-only target or
    // no file can be made beside it, -2 flushing or replacing failed,
    // SPEICHERN_KURZ a write came out short. After a failure the old file
    // is as it was and nothing unfinished remains.
    static constexpr int32_t SPEICHERN_KURZ = -3;
    int32_t speichern(const char* pfad);

    int32_t breite() const { return info ? info->bmiHeader.biWidth : 0; }
    int32_t hoehe() const { return info ? info->bmiHeader.biHeight : 0; }
    int32_t bittiefe() const { return info ? info->bmiHeader.biBitCount : 0; }
    // Bytes per pixel row: rows start on 4-byte boundaries.
    int32_t zeilen_laenge() const;
    int32_t farben() const { return farben_anzahl; }
    // The byte of pixel (x, zeile) without the origin, -1 outside the picture.
    int32_t pixel(int32_t x, int32_t zeile) const;
    // The pixel memory, bottom row first; null when there is no picture.
    const uint8_t* pixel_daten() const { return bits; }
    // Every pixel byte (rows with their padding) after the drawing so far,
    // and the same put back: what an export draws only for its file.
    std::vector<uint8_t> pixel_kopie() const;
    void pixel_zurueck(const std::vector<uint8_t>& kopie);
    // Colour entry index as 0x00BBGGRR (0 outside the table).
    uint32_t farbe(int32_t index) const;

private:
    bool ist_8bit() const { return bits && farben_anzahl == 256 && bittiefe() == 8; }
    // The entries of the colour table as stored in info and in a file.
    int32_t tabellen_eintraege() const;
    void setze_roh(int32_t x, int32_t zeile, uint8_t index);

    uint8_t datei_kopf[14];
public:
    // The memory drawing context with the bitmap selected; the engine and the
    // application select fonts into it and draw texts through it.
    HDC dc;
private:
    BITMAPINFO* info;   // 40-byte header + 256 entries (blue, green, red, 20)
    uint8_t* bits;      // owned by the bitmap section
    HBITMAP bitmap;
    HGDIOBJ alte_bitmap;
    int32_t ursprung_x, ursprung_y;
    int32_t farben_anzahl;  // 2, 16, 256 or 16777216 by bit depth; 0 when released
};
