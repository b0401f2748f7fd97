// The chart on paper (commands 104, 105, 106): the print dialog, one page per
// copy, and the chart drawn afresh with the engine's printer operations in
// one of three colour schemes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "farbschema.h"
#include "kartenbild.h"

// The schemes of the commands: 104 SCHIRM, 105 WEISS_AUF_SCHWARZ, 106
// SCHWARZ_AUF_WEISS (on the white page).

// A print job as the print command sees it: the printer's drawing context,
// the number of copies and the page escapes. The print dialog makes the real
// one; a test hands in a recording context.
class Druckauftrag {
public:
    virtual ~Druckauftrag() = default;
    virtual HDC dc() const = 0;
    virtual int32_t kopien() const = 0;
    // Each returns the system's result: above 0 done.
    virtual int32_t dokument_beginnen(const char* name) = 0;
    virtual int32_t seite_beginnen() = 0;
    virtual int32_t seite_beenden() = 0;
    virtual int32_t dokument_beenden() = 0;
    // Ends a document that cannot be finished.
    virtual void dokument_abbrechen() = 0;
};

// The standard print dialog (no page range, no selection, no print-to-file
// box): the chosen printer's job, or null when the user cancels or no
// printer context was returned. The job deletes the printer's context and
// the dialog's memory.
std::unique_ptr<Druckauftrag> druckdialog(HWND besitzer);

// Draws the chart on dc as the square from (0, 0) to (s, s): the scheme's
// background, the frame, everything after it clipped to the square, the
// layers with an intensity above 0 and the stars. With mit_kartentext also
// the chart caption (inhalt.kartentext, when there is one) at the top and bottom
// edge in the scheme's colour for it, as the chart canvas shows it. The
// fonts are printer-sized meanwhile and have their heights back afterwards;
// dc has its state back as well.
void druckbild_zeichnen(HDC dc, int32_t s, Farbschema farben, const Karteninhalt& inhalt,
                        bool mit_kartentext);

// A printed page: the largest square from the top left corner of dc's page,
// without the caption.
void druckseite_zeichnen(HDC dc, Farbschema farben, const Karteninhalt& inhalt);

// Prints the document "Varnis", one page per copy. A failed start or page
// ends the job early (the spooler tells the user). 0 done, -1 stopped.
int32_t drucken(Druckauftrag& auftrag, Farbschema farben, const Karteninhalt& inhalt);

// The command: print dialog, then drucken. Cancel does nothing.
void drucken(HWND besitzer, Farbschema farben, const Karteninhalt& inhalt);
