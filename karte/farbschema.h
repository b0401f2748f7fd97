// The colour schemes of a chart beyond the screen, one name for all outputs:
// the printout (commands 104, 105, 106), the bitmap files (102, 103), the
// vector file (118) and the command line's /schema; the window's night mode
// shows the night scheme.
#pragma once

enum class Farbschema {
    SCHIRM,             // the screen colours on the background colour
    WEISS_AUF_SCHWARZ,  // white on black (print and vector file only)
    SCHWARZ_AUF_WEISS,  // black on white: on the white page, the export scheme
    NACHT,              // the screen colours as dim red on black (karte/nachtfarbe.h; bitmaps only)
};
