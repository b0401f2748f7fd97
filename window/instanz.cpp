#include "instanz.h"

#include "breit.h"
#include "dialog.h"
#include "kontroll.h"
#include "texte.h"
#include "tooltip_ckf.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The current directory (UTF-8) with a final backslash; empty when it does
// not fit.
void aktuelles_verzeichnis(char* ziel, size_t groesse) {
    wchar_t breit[BREIT_PFAD];
    const DWORD n = GetCurrentDirectoryW(BREIT_PFAD, breit);
    char verzeichnis[PFAD_LAENGE];
    ziel[0] = '\0';
    if (n == 0 || n >= BREIT_PFAD || !pfad_schmal(breit, verzeichnis, sizeof verzeichnis)) return;
    const bool mit_strich = breit[n - 1] == L'\\';
    const int laenge = snprintf(ziel, groesse, "%s%s", verzeichnis, mit_strich ? "" : "\\");
    if (laenge < 0 || static_cast<size_t>(laenge) >= groesse) ziel[0] = '\0';
}

}  // namespace

Instanz::Instanz(HINSTANCE hinstance, HINSTANCE hprev, const char* name,
                 const char* hilfe_name, HICON icon, void* wert)
    : hinstance(hinstance), hprev(hprev), name(text_kopie(name)), icon(icon), wert(wert),
      tooltip(nullptr) {
    aktuelles_verzeichnis(progr_pfad_, sizeof progr_pfad_);
    if (hilfe_name) {
        const size_t n = strlen(progr_pfad_) + strlen(hilfe_name) + 1;
        hilfe_pfad_ = static_cast<char*>(malloc(n));
        if (hilfe_pfad_) snprintf(hilfe_pfad_, n, "%s%s", progr_pfad_, hilfe_name);
    }
    tooltip = new ToolTip_CKF(this);
    Fenster::neue_instanz = this;
}

Instanz::~Instanz() {
    delete hf_;  // its destructor clears hf_
    // Windows may still ask for the tooltip while it is being deleted.
    ToolTip_CKF* tip = tooltip;
    tooltip = nullptr;
    delete tip;
    dialoge.leeren();
    Kontroll_F::dreiD_freigeben();
    text_freigeben(name);
    text_freigeben(hilfe_pfad_);
    if (Fenster::neue_instanz == this) Fenster::neue_instanz = nullptr;
}

int Instanz::klassen_name_(const char* name_, int) {
    return strcmp(name_, "Instanz") == 0 ? 1 : 0;
}

void Instanz::fenster_registrieren() {
    wFenster::klassen_init(hinstance);
    Dialog_F::klassen_init(hinstance, icon);
}

void Instanz::hf(Fenster* fenster) {
    hf_ = fenster;
}

Fenster* Instanz::hf() {
    return hf_;
}

void Instanz::progr_pfad(const char* pfad) {
    snprintf(progr_pfad_, sizeof progr_pfad_, "%s", pfad ? pfad : "");
}

const char* Instanz::progr_pfad() {
    return progr_pfad_;
}

const char* Instanz::hilfe_pfad() {
    return hilfe_pfad_;
}

void Instanz::meldungen() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The program's own loop ends on it: put it back.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (Dialog_F::is_dialog_message(this, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
