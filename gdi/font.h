// A font of the window library: one font handle, the LOGFONT description it
// was made from and the metrics of the created font. Every change re-creates
// the font and measures it again on a screen drawing context.
#pragma once

#include "export.h"

#include <windows.h>

#include <cstdint>

class VARNIS_EXPORT Font {
public:
    Font();                                   // the stock variable-pitch ANSI font
    Font(int32_t vorrat, int32_t hoehe);      // a stock font (GetStockObject number); height when > 0
    Font(const char* name, int32_t hoehe);    // the system font with face name; height when > 0
    explicit Font(const LOGFONTA& beschreibung);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    void setze_hoehe(int32_t hoehe, int32_t breite);
    void setze_name(const char* name);
    // Width in pixels of text in this font, measured on the screen (0 for null).
    int32_t textbreite(const char* text) const;
    // The same on dc (a screen context the caller holds for many
    // measurements: each GetDC costs more than a measurement), whose
    // selected font is left as it was.
    int32_t textbreite(HDC dc, const char* text) const;

    HFONT handle() const { return hfont; }
    const LOGFONTA& beschreibung() const { return logfont; }
    const TEXTMETRICA& metrik() const { return tm; }

private:
    void neu_erzeugen();

    HFONT hfont = nullptr;
    LOGFONTA logfont{};
    TEXTMETRICA tm{};
};
