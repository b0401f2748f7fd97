#include "datei_befund.h"

const char* befund_text(int32_t ergebnis) {
    switch (ergebnis) {
    case DATEI_LEER: return "sie enth\xE4lt keinen vollst\xE4ndigen Eintrag";
    case DATEI_ABGESCHNITTEN: return "sie endet mitten in einem Eintrag";
    case DATEI_WERT_FALSCH: return "ein Wert liegt au\xDF" "erhalb seines Bereichs";
    default: return "";
    }
}
