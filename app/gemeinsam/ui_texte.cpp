#include "gemeinsam/ui_texte.h"

#include "gemeinsam/verschluesselung.h"
#include "varnis_version.h"

const char PROGRAMM_VERSION[] = VARNIS_VERSION;
const char* const PROGRAMM_WORTBREITE = sizeof(void*) == 8 ? "64" : "32";

namespace {

using verschluesselung::Klartext;

// The plain texts live only inside this function, which is evaluated by the
// compiler alone: the program file holds nothing but the scrambled block.
constexpr verschluesselung::Klartabelle<UI_TEXTE> klartexte() {
    const Klartext texte[] = {
        {UI_PROGRAMM, "Varnis"},
        {UI_HAUPTFENSTER, "Varnis - Sternkarte"},

        {UI_INFO_TITEL, "Über Varnis"},
        {UI_INFO_VERSION, "Varnis %s für Windows (%s Bit)"},
        {UI_INFO_ZEILE_2, "Die Sternkarte für den Schreibtisch"},
        {UI_INFO_ZEILE_3, "Sterne des Yale Bright Star Catalogue"},
        {UI_INFO_ZEILE_4, "Sternbilder, Sternnamen und Koordinatennetz"},
        {UI_INFO_ZEILE_5, "Mit dem Bildschirmschoner Kovra"},
        {UI_INFO_ZEILE_6, "Farbe eines Sterns: Spektralklasse; Größe: Helligkeit"},
        {UI_INFO_ZEILE_7, "Zeigen Sie auf einen Stern, um seine Daten zu sehen."},

        {UI_MENUE_KARTE, "&Karte"},
        {UI_HINTERGRUND, "Als &Hintergrundbild"},
        {UI_BITMAP_SPEICHERN, "Als Bitmap &speichern...\tStrg+S"},
        {UI_BITMAP_SCHWARZ_WEISS, "Als Bitmap schwarz auf weiß spei&chern..."},
        {UI_VEKTOR_SPEICHERN, "Als &Vektorgrafik speichern..."},
        {UI_DRUCKEN, "&Drucken...\tStrg+P"},
        {UI_DRUCKEN_WEISS_SCHWARZ, "Drucken weiß auf schw&arz..."},
        {UI_DRUCKEN_SCHWARZ_WEISS, "Drucken schwarz auf &weiß..."},
        {UI_BEENDEN, "&Beenden"},
        {UI_MENUE_SCHONER, "&Bildschirmschoner"},
        {UI_SCHONER_INSTALLIEREN, "&Installieren"},
        {UI_SCHONER_NEU, "&Neu installieren"},
        {UI_SCHONER_BEARBEITEN, "Einstellungen &bearbeiten"},
        {UI_SCHONER_UEBERGEBEN, "Aktuelle Einstellungen &übergeben..."},
        {UI_SCHONER_TESTEN, "&Testen"},
        {UI_MENUE_HILFE, "&Hilfe"},
        {UI_HILFE, "&Inhalt\tF1"},
        {UI_INFO, "Ü&ber Varnis..."},
        {UI_INFO_SCHLIESSEN, "OK"},

        {UI_REKTASZENSION, "Rektaszension"},
        {UI_DEKLINATION, "Deklination"},
        {UI_STERNBILDER, "Sternbilder"},
        {UI_STERNBILDNAMEN, "Sternbildnamen"},
        {UI_STERNNAMEN, "Sternnamen"},
        {UI_HILFSLINIEN, "Hilfslinien"},
        {UI_GESICHTSFELD, "Gesichtsfeld"},

        {UI_TITEL_HINWEIS, "Varnis"},
        {UI_TITEL_FEHLER, "Varnis - Fehler"},
        {UI_KATALOG_FEHLT,
         "Der Sternkatalog 'VARNIS.DAT' konnte nicht geöffnet werden (gesucht in %s). "
         "Ohne ihn kann Varnis keine Karte zeigen und wird beendet."},
        {UI_KATALOG_BESCHAEDIGT,
         "Der Sternkatalog '%s' ist beschädigt: %s. "
         "Ohne ihn kann Varnis keine Karte zeigen und wird beendet."},
        {UI_STERNBILDER_FEHLEN,
         "Die Sternbilddatei 'STBILDER.DAT' konnte nicht geöffnet werden. "
         "Die Karte wird ohne Sternbilder gezeigt."},
        {UI_STERNBILDER_BESCHAEDIGT,
         "Die Sternbilddatei '%s' ist beschädigt: %s. "
         "Die Karte wird ohne Sternbilder gezeigt."},
        {UI_SCHONER_FEHLT, "Der Bildschirmschoner '%s' konnte nicht geöffnet werden."},
        {UI_SCHONER_ZIEL, "Die Datei '%s' konnte nicht angelegt oder geschrieben werden."},
        {UI_SCHONER_SPEICHER, "Nicht genügend Arbeitsspeicher, um den Bildschirmschoner zu kopieren."},
        {UI_SCHONER_INSTALLIERT,
         "Der Bildschirmschoner Kovra%s ist installiert und als Bildschirmschoner gewählt. "
         "Wartezeit und Kennwort stellt Windows unter 'Bildschirmschoner ändern' ein."},
        {UI_FRAGE_UEBERNEHMEN,
         "Soll der Bildschirmschoner die aktuellen Einstellungen übernehmen?"},
        {UI_HINWEIS_BEARBEITEN,
         "Das Hauptfenster zeigt jetzt die Einstellungen des Bildschirmschoners. "
         "Alle Änderungen gelten für den Bildschirmschoner, bis die Bearbeitung "
         "im Menü 'Bildschirmschoner' wieder beendet wird."},
        {UI_FRAGE_BEARBEITUNG_ENDE,
         "Die Bearbeitung der Bildschirmschoner-Einstellungen wird beendet. "
         "Sollen die Änderungen für den Bildschirmschoner gespeichert werden?"},

        {UI_UEBERGABE_1, "Der Bildschirmschoner Kovra hat"},
        {UI_UEBERGABE_1 + 1, "die Bearbeitung seiner Einstellungen"},
        {UI_UEBERGABE_1 + 2, "an Varnis übergeben. Alle Änderungen"},
        {UI_UEBERGABE_1 + 3, "gelten jetzt für den Bildschirmschoner."},
        {UI_UEBERGABE_5, "Zum Abschluss im Menü 'Bildschirmschoner'"},
        {UI_UEBERGABE_5 + 1, "'Einstellungen bearbeiten' wählen"},
        {UI_UEBERGABE_5 + 2, "oder Varnis beenden; dann können die"},
        {UI_UEBERGABE_5 + 3, "Änderungen gespeichert werden."},
        {UI_BANNER_SCHONER, "Einstellungen des Bildschirmschoners"},
        {UI_HILFE_FEHLT, "Die Hilfedatei '%s' konnte nicht geöffnet werden."},
        {UI_SCHONER_NICHT_GEWAEHLT,
         "Kovra konnte nicht als Bildschirmschoner gewählt werden: die Einstellung "
         "des Benutzers ließ sich nicht schreiben."},
        {UI_KEIN_BENUTZER_VERZEICHNIS,
         "Der Ordner für Anwendungsdaten konnte nicht ermittelt werden. "
         "Der Bildschirmschoner kann nicht installiert werden."},

        {UI_BILDDATEI_NICHT_GESCHRIEBEN, "Die Bilddatei '%s' konnte nicht geschrieben werden."},
        {UI_VEKTOR_DIALOG, "Karte als Vektorgrafik speichern"},
        {UI_BITMAP_DIALOG, "Karte als Bitmap speichern"},

        {UI_WOCHENTAG, "Montag"},
        {UI_WOCHENTAG + 1, "Dienstag"},
        {UI_WOCHENTAG + 2, "Mittwoch"},
        {UI_WOCHENTAG + 3, "Donnerstag"},
        {UI_WOCHENTAG + 4, "Freitag"},
        {UI_WOCHENTAG + 5, "Samstag"},
        {UI_WOCHENTAG + 6, "Sonntag"},
        {UI_MONATSNAME, "Januar"},
        {UI_MONATSNAME + 1, "Februar"},
        {UI_MONATSNAME + 2, "März"},
        {UI_MONATSNAME + 3, "April"},
        {UI_MONATSNAME + 4, "Mai"},
        {UI_MONATSNAME + 5, "Juni"},
        {UI_MONATSNAME + 6, "Juli"},
        {UI_MONATSNAME + 7, "August"},
        {UI_MONATSNAME + 8, "September"},
        {UI_MONATSNAME + 9, "Oktober"},
        {UI_MONATSNAME + 10, "November"},
        {UI_MONATSNAME + 11, "Dezember"},
        {UI_MENUE_ZEIT, "&Zeit"},
        {UI_JETZT, "&Jetzt\tStrg+J"},
        {UI_DATUM_UHRZEIT, "&Datum und Uhrzeit...\tStrg+D"},
        {UI_UHR_FOLGEN, "&Uhr folgen\tStrg+U"},
        {UI_ORIGINALREGEL, "Feste &Regel des Originals"},
        {UI_EIGENER_ORT, "&Eigener Ort..."},
        {UI_STUNDE_FRUEHER, "Eine Stunde fr&üher\tBild auf"},
        {UI_STUNDE_SPAETER, "Eine Stunde &später\tBild ab"},
        {UI_TAG_FRUEHER, "Einen Tag frü&her\tStrg+Bild auf"},
        {UI_TAG_SPAETER, "Einen Tag spä&ter\tStrg+Bild ab"},
        {UI_ORT_OHNE_NAMEN, "%s (Länge und Zeitzone von %s)"},
        {UI_DATUM_FALSCH,
         "Das Datum '%s' gibt es nicht. Erwartet wird ein Tag von 1800 bis 2200 "
         "als TT.MM.JJJJ, etwa 15.12.2026."},
        {UI_UHRZEIT_FALSCH, "Die Uhrzeit '%s' gibt es nicht. Erwartet wird HH:MM von 0:00 bis 23:59."},
        {UI_DATUM_BESCHRIFTUNG, "Datum (TT.MM.JJJJ):"},
        {UI_UHRZEIT_BESCHRIFTUNG, "Uhrzeit (HH:MM):"},
        {UI_ABBRECHEN, "Abbrechen"},
        {UI_ORTSNAME_FALSCH, "Der Name des Ortes hat 1 bis 48 Zeichen und kein Semikolon."},
        {UI_BREITE_FALSCH,
         "Die Breite '%s' ist keine Zahl von -89,99 bis 89,99 Grad (Norden positiv)."},
        {UI_LAENGE_FALSCH, "Die Länge '%s' ist keine Zahl von -180 bis 180 Grad (Osten positiv)."},
        {UI_ZONE_FEHLT, "Bitte eine Zeitzone aus der Liste wählen."},
        {UI_NAME_BESCHRIFTUNG, "Name:"},
        {UI_BREITE_BESCHRIFTUNG, "Breite (Grad, Nord +):"},
        {UI_LAENGE_BESCHRIFTUNG, "Länge (Grad, Ost +):"},
        {UI_ZONE_BESCHRIFTUNG, "Zeitzone:"},
        {UI_DATUM_UHRZEIT_TITEL, "Datum und Uhrzeit"},
        {UI_EIGENER_ORT_TITEL, "Eigener Ort"},
        {UI_KOERPER, "S&onne, Mond und Planeten"},
        {UI_SUCHEN, "Such&en...\tStrg+F"},
        {UI_SUCHEN_TITEL, "Suchen"},
        {UI_ZENTRIEREN, "&Zentrieren"},
        {UI_NICHT_GEFUNDEN, "\x84%s\x93 wurde nicht gefunden."},
        {UI_UEBER_HORIZONT, "%s steht über dem Horizont."},
        {UI_UNTER_HORIZONT, "%s steht unter dem Horizont. Aufgang %s, Untergang %s."},
        {UI_IMMER_UNTER, "%s bleibt an diesem Tag unter dem Horizont."},
        {UI_AUSSERHALB, "%s steht über dem Horizont, außerhalb der Karte: Zentrieren holt es herein."},
        {UI_EINSTELLUNGEN_NICHT_GESPEICHERT,
         "Die Einstellungen konnten nicht gespeichert werden: Die Datei '%s' lässt sich nicht schreiben "
         "(schreibgeschützt, ein Ordner oder kein Platz). Ansicht, Farben und Ort dieser Sitzung gehen verloren."},
        {UI_NACHTMODUS, "&Nachtmodus\tStrg+N"},
    };
    return verschluesselung::ordnen<UI_TEXTE>(texte);
}

constexpr size_t GROESSE = verschluesselung::block_groesse(klartexte());

// Not const: the texts are unscrambled where they lie.
verschluesselung::Block<GROESSE> block = verschluesselung::block_bauen<GROESSE>(klartexte());

const char* texte[UI_TEXTE];
int32_t zustand = 1;  // 1 still scrambled, else the result of unscrambling

}  // namespace

int32_t ui_texte_entschluesseln() {
    if (zustand == 1) zustand = verschluesselung::entschluesseln(block.daten, GROESSE, texte, UI_TEXTE);
    return zustand;
}

const char* ui_text(int32_t nummer) {
    if (zustand != 0 || nummer < 0 || nummer >= UI_TEXTE) return "";
    return texte[nummer];
}
