// The state of the saver's sky for the whole run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "dib.h"
#include "darstellung.h"
#include "himmel.h"
#include "kartenschriften.h"
#include "koerperstand.h"

struct ScrHimmelZustand {
    HWND fenster;
    std::unique_ptr<Himmel> himmel;  // made on WM_CREATE, gone on WM_DESTROY
    DIB bild;                        // the off-screen picture, window-sized
    // Made on WM_CREATE, kept to the end of the program.
    std::unique_ptr<Kartenschriften> schriften;
    Darstellung werte;  // intensities and colours as read from "Kovra.ini"
    double rektaszension;  // hours; the sidereal time from the first frame on
    double deklination;    // of the view centre, degrees (ansicht_deklination of the stored value)
    // The sky of the moment (the zenith at the longitude, from the system
    // clock's universal time) or the original clock rule.
    bool moment;
    double laenge;  // degrees east
    // The Sun, the Moon and the planets, computed anew at most once a minute.
    Koerperstand koerperstand;
    int32_t gesichtsfeld;  // degrees
    int32_t radius;        // half the shorter side of the client area, pixels
    // The resolution the chart is drawn at, dots per inch (96 = 100 %): that
    // of the monitor the saver's window stands on, the host window's for the
    // preview; set on WM_CREATE.
    int32_t dpi;
    int vorschau;
    int angehalten;  // no more frames and no timer
    char hinweis[2048];  // the notice drawn over the picture (two folders in UTF-8), "" when the data are there
};

extern ScrHimmelZustand scr_himmel;
