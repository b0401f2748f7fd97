#include "hinweis.h"

#include <cstdio>
#include <cstring>

namespace {

// "'a'", "'a' und 'b'" or "" for the folders that are named.
void ordner_liste(const char* a, const char* b, char* ziel, size_t groesse) {
    const bool mit_a = a && *a;
    const bool mit_b = b && *b && !(mit_a && strcmp(a, b) == 0);
    if (mit_a && mit_b) {
        snprintf(ziel, groesse, "'%s' und '%s'", a, b);
    } else {
        snprintf(ziel, groesse, "'%s'", mit_a ? a : mit_b ? b : "");
    }
}

}  // namespace

void hinweis_text(Datenmangel grund, const char* katalog, const char* ordner_1,
                  const char* ordner_2, char* ziel, size_t groesse) {
    if (groesse == 0) return;
    char ordner[700];
    ordner_liste(ordner_1, ordner_2, ordner, sizeof ordner);
    if (grund == Datenmangel::KATALOG_BESCHAEDIGT) {
        snprintf(ziel, groesse,
                 "Kovra zeigt keine Sterne: der Sternkatalog '%s' in %s ist besch\xE4" "digt. "
                 "Abhilfe: Varnis neu installieren oder neu entpacken.",
                 katalog, ordner);
        return;
    }
    snprintf(ziel, groesse,
             "Kovra zeigt keine Sterne: der Sternkatalog '%s' fehlt (gesucht in %s). "
             "Abhilfe: in Varnis 'Bildschirmschoner > Installieren' w\xE4hlen "
             "oder Kovra32.scr neben Varnis32.exe und %s legen.",
             katalog, ordner, katalog);
}
