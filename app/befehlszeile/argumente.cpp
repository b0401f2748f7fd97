#include "befehlszeile/argumente.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <new>

#include "breit.h"

Argumente::Argumente() {
    int n = 0;
    wchar_t** breit = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!breit) return;
    size_t bytes = 0;
    for (int i = 0; i < n; ++i) bytes += 3 * wcslen(breit[i]) + 1;  // a UTF-16 unit is at most 3 bytes
    texte_.reset(new (std::nothrow) char[bytes]);
    zeiger_.reset(new (std::nothrow) const char*[static_cast<size_t>(n) + 1]);
    if (texte_ && zeiger_) {
        char* frei = texte_.get();
        for (int i = 0; i < n; ++i) {
            const size_t platz = 3 * wcslen(breit[i]) + 1;
            pfad_schmal(breit[i], frei, platz);  // half a pair gives ""
            zeiger_[i] = frei;
            frei += platz;
        }
        zeiger_[n] = nullptr;
        anzahl_ = n;
    }
    LocalFree(breit);
}
