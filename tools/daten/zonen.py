"""The zones file Zonen.dat beside Orte.dat: for each place its time zone, and
for each zone its transitions 1970..2037 and its current rule, from Debian's
tzdata (the compiled zone files and zone1970.tab of the pinned package).

    python3 tools/daten/zonen.py [--cache DIR] [--ziel DIR]

The format is described in zeit/zonen.h. The zones are the places' own (as
zone1970.tab names them, so that Amsterdam is Europe/Brussels: the same
clocks since 1970) and the fixed zones Etc/GMT-14..Etc/GMT+12, for places
without a zone of their own. Each place's zone is checked against tzdata's
coordinates of the zone (distance) and against the place's longitude (the
standard offset near mean solar time); the exceptions are listed with why.
"""
import argparse
import datetime
import math
import os
import struct
import sys

import orte
import pakete

WURZEL = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TZDATA = ("tzdata", "2026b-0+deb12u1")
ANFANG = 0                 # 1970-01-01 00:00 UTC
ENDE = 2145916800          # 2038-01-01 00:00 UTC

BERLIN, ZUERICH, WIEN = "Europe/Berlin", "Europe/Zurich", "Europe/Vienna"
ZONE_DES_ORTS = {
    "Aachen": BERLIN, "Accra": "Africa/Abidjan", "Addis Abeba": "Africa/Nairobi",
    "Adelaide": "Australia/Adelaide", "Alert": "America/Iqaluit", "Algier": "Africa/Algiers",
    "Alice Springs": "Australia/Darwin", "Amsterdam": "Europe/Brussels",
    "Anchorage": "America/Anchorage", "Ankara": "Europe/Istanbul", "Athen": "Europe/Athens",
    "Auckland": "Pacific/Auckland", "Augsburg": BERLIN, "Bagdad": "Asia/Baghdad",
    "Baku": "Asia/Baku", "Baltimore": "America/New_York", "Bangkok": "Asia/Bangkok",
    "Barcelona": "Europe/Madrid", "Basel": ZUERICH, "Berlin": BERLIN, "Bern": ZUERICH,
    "Bonn": BERLIN, "Bozen": "Europe/Rome", "Braunschweig": BERLIN, "Bremen": BERLIN,
    "Brüssel": "Europe/Brussels", "Budapest": "Europe/Budapest",
    "Buenos Aires": "America/Argentina/Buenos_Aires", "Chicago": "America/Chicago",
    "Delhi": "Asia/Kolkata", "Dortmund": BERLIN, "Dresden": BERLIN, "Düsseldorf": BERLIN,
    "Erfurt": BERLIN, "Flensburg": BERLIN, "Frankfurt am Main": BERLIN,
    "Freiburg im Breisgau": BERLIN, "Graz": WIEN, "Hamburg": BERLIN, "Hannover": BERLIN,
    "Havanna": "America/Havana", "Helsinki": "Europe/Helsinki", "Hobart": "Australia/Hobart",
    "Hongkong": "Asia/Hong_Kong", "Honolulu": "Pacific/Honolulu", "Innsbruck": WIEN,
    "Istanbul": "Europe/Istanbul", "Jakarta": "Asia/Jakarta", "Jerusalem": "Asia/Jerusalem",
    "Johannesburg": "Africa/Johannesburg", "Kairo": "Africa/Cairo",
    "Kapstadt": "Africa/Johannesburg", "Karlsruhe": BERLIN, "Kassel": BERLIN, "Kiel": BERLIN,
    "Klagenfurt": WIEN, "Köln": BERLIN, "Konstanz": BERLIN, "Kopenhagen": BERLIN,
    "Lagos": "Africa/Lagos", "Leipzig": BERLIN, "Lima": "America/Lima", "Linz": WIEN,
    "Lissabon": "Europe/Lisbon", "London": "Europe/London", "Longyearbyen": BERLIN,
    "Los Angeles": "America/Los_Angeles", "Luxemburg": "Europe/Brussels", "Luzern": ZUERICH,
    "Madrid": "Europe/Madrid", "Magdeburg": BERLIN, "Mainz": BERLIN,
    "McMurdo-Station": "Pacific/Auckland", "Mexiko-Stadt": "America/Mexico_City",
    "Moskau": "Europe/Moscow", "Mumbai": "Asia/Kolkata", "München": BERLIN, "Münster": BERLIN,
    "Nairobi": "Africa/Nairobi", "New York": "America/New_York", "Nordpol": "Etc/GMT",
    "Nürnberg": BERLIN, "Oslo": BERLIN, "Paris": "Europe/Paris", "Peking": "Asia/Shanghai",
    "Perth": "Australia/Perth", "Potsdam": BERLIN, "Prag": "Europe/Prague",
    "Quito": "America/Guayaquil", "Regensburg": BERLIN, "Reykjavík": "Africa/Abidjan",
    "Rio de Janeiro": "America/Sao_Paulo", "Rom": "Europe/Rome", "Rostock": BERLIN,
    "Saarbrücken": BERLIN, "Salzburg": WIEN, "San Francisco": "America/Los_Angeles",
    "Santiago de Chile": "America/Santiago", "Schanghai": "Asia/Shanghai",
    "Singapur": "Asia/Singapore", "St. Gallen": ZUERICH, "Stockholm": BERLIN,
    "Stuttgart": BERLIN, "Südpol": "Pacific/Auckland", "Sydney": "Australia/Sydney",
    "Tokio": "Asia/Tokyo", "Tromsø": BERLIN, "Ushuaia": "America/Argentina/Ushuaia",
    "Vaduz": ZUERICH, "Wien": WIEN, "Windhuk": "Africa/Windhoek", "Zürich": ZUERICH,
}
# Places whose zone is far from tzdata's point for it or off their meridian,
# and why that is right.
AUSNAHMEN = {
    "Alert": "Nunavut's Eastern time, 2000 km from Iqaluit",
    "Longyearbyen": "Svalbard keeps Norway's time, which is Berlin's zone",
    "McMurdo-Station": "keeps New Zealand time (zone1970.tab: NZ,AQ)",
    "Südpol": "Amundsen-Scott keeps New Zealand time; at the pole every meridian meets",
    "Nordpol": "no zone: the fixed zone of Greenwich",
    "Reykjavík": "Iceland keeps UTC all year (zone1970.tab: IS under Abidjan)",
    "Accra": "Ghana keeps UTC (zone1970.tab: GH under Abidjan)",
}
ENTFERNUNG_MAX = 2000.0    # km between a place and its zone's point in zone1970.tab
MERIDIAN_MAX = 2.0         # hours between the standard offset and the longitude's


def _fest():
    """The fixed zones Etc/GMT-14..+12 (POSIX sign: Etc/GMT-1 is UTC+1)."""
    return ["Etc/GMT"] + ["Etc/GMT%+d" % n for n in range(-14, 13) if n]


def _tzif(pfad):
    """(transitions [(utc, type)], types [(offset, abbr, dst)], footer) of a
    TZif file of version 2 or later, from its 64-bit part."""
    with open(pfad, "rb") as datei:
        daten = datei.read()

    def kopf(b):
        if b[:4] != b"TZif" or b[4] < 0x32:
            sys.exit("%s: not a TZif file of version 2 or later" % pfad)
        return struct.unpack(">6l", b[20:44])

    isut, isstd, leap, anzahl, typen, zeichen = kopf(daten)
    daten = daten[44 + anzahl * 5 + typen * 6 + zeichen + leap * 8 + isstd + isut:]
    isut, isstd, leap, anzahl, typen, zeichen = kopf(daten)
    p = 44
    zeiten = struct.unpack(">%dq" % anzahl, daten[p:p + 8 * anzahl])
    p += 8 * anzahl
    indizes = daten[p:p + anzahl]
    p += anzahl
    roh = [struct.unpack(">lBB", daten[p + 6 * i:p + 6 * i + 6]) for i in range(typen)]
    p += 6 * typen
    abk = daten[p:p + zeichen]
    p += zeichen + leap * 12 + isstd + isut
    fuss = daten[p:].split(b"\n")[1].decode("ascii")
    typliste = [(o, abk[a:abk.index(b"\0", a)].decode("ascii"), d) for o, d, a in roh]
    return list(zip(zeiten, indizes)), typliste, fuss


def _name(text, i):
    """A POSIX zone abbreviation at text[i]: (abbr, next index)."""
    if text[i] == "<":
        j = text.index(">", i)
        return text[i + 1:j], j + 1
    j = i
    while j < len(text) and text[j].isalpha():
        j += 1
    return text[i:j], j


def _dauer(text, i):
    """[+-]hh[:mm[:ss]] at text[i]: (seconds, next index)."""
    j = i
    while j < len(text) and (text[j] in "+-:" or text[j].isdigit()):
        j += 1
    teile = text[i:j]
    vorzeichen = -1 if teile.startswith("-") else 1
    zahlen = [int(t) for t in teile.lstrip("+-").split(":")] + [0, 0]
    return vorzeichen * (zahlen[0] * 3600 + zahlen[1] * 60 + zahlen[2]), j


def _regel(fuss):
    """The POSIX TZ string as (std, stdoff, dst, dstoff, (m, w, d, s), (m, w, d, s))
    with offsets east of UTC; dst None without summer time."""
    std, i = _name(fuss, 0)
    westen, i = _dauer(fuss, i)
    if i == len(fuss):
        return std, -westen, None, None, None, None
    dst, i = _name(fuss, i)
    dstoff = -westen + 3600
    if fuss[i] != ",":
        westen_dst, i = _dauer(fuss, i)
        dstoff = -westen_dst
    wechsel = []
    for teil in fuss[i + 1:].split(","):
        datum, _, zeit = teil.partition("/")
        if not datum.startswith("M"):
            sys.exit("rule %r: only the Mm.w.d form is written" % fuss)
        m, w, d = (int(x) for x in datum[1:].split("."))
        wechsel.append((m, w, d, _dauer(zeit, 0)[0] if zeit else 7200))
    return std, -westen, dst, dstoff, wechsel[0], wechsel[1]


def _wechsel_utc(w, jahr, versatz):
    """The UTC instant of a rule's change (m, w, d, seconds) in jahr, its local
    time at offset versatz (seconds east), as zeit/ortszeit.cpp computes it."""
    m, woche, tag, sekunden = w
    erster = datetime.date(jahr, m, 1)
    t = 1 + (tag - (erster.isoweekday() % 7)) % 7 + (woche - 1) * 7
    letzter = ((datetime.date(jahr + (m == 12), m % 12 + 1, 1)) - datetime.timedelta(days=1)).day
    if t > letzter:
        t -= 7
    tage = (datetime.date(jahr, m, t) - datetime.date(1970, 1, 1)).days
    return tage * 86400 + sekunden - versatz


def zone(name, ordner):
    """(rule fields, types, transitions within 1970..2037) of one zone."""
    uebergaenge, typen, fuss = _tzif(os.path.join(ordner, name))
    regel = _regel(fuss)
    # The type in force at the table's start: that of the last transition
    # before it, or type 0 (RFC 8536) when there is none.
    zu_beginn = 0
    for t, i in uebergaenge:
        if t <= ANFANG:
            zu_beginn = i
    liste = [(ANFANG, zu_beginn)] + [(t, i) for t, i in uebergaenge if ANFANG < t < ENDE]
    # Slim files leave the rule's years to the footer; Debian's are full.
    if regel[2] is not None and liste[-1][0] < ENDE - 366 * 86400:
        sys.exit("%s: the table ends in %d; only full tables are read" % (name, liste[-1][0]))
    # The types in use, each once (tzdata repeats equal ones), in order of use.
    eigene = []
    for _, i in liste:
        if typen[i] not in eigene:
            eigene.append(typen[i])
    return regel, eigene, [(t, eigene.index(typen[i])) for t, i in liste]


def _pruefen_regel(name, regel, typen, liste):
    """The rule must give the table's last state for the end of 2037."""
    std, stdoff, dst, dstoff, beginn, ende = regel
    for t in range(ENDE - 300 * 86400, ENDE, 86400 * 7):
        versatz, abk, sommer = typen[[i for u, i in liste if u <= t][-1]]
        if dst is None:
            erwartet = (stdoff, std, 0)
        else:
            letzte = max((u, s) for j in (2036, 2037) for u, s in
                         ((_wechsel_utc(beginn, j, stdoff), 1), (_wechsel_utc(ende, j, dstoff), 0))
                         if u <= t)
            erwartet = (dstoff, dst, 1) if letzte[1] else (stdoff, std, 0)
        if (versatz, abk, sommer) != erwartet:
            sys.exit("%s: the rule gives %s at %d, the table %s" % (name, erwartet, t,
                                                                 (versatz, abk, sommer)))


def _tab(ordner):
    """zone1970.tab: {zone: (latitude, longitude)} in degrees."""
    def grad(text, stellen):
        v = -1 if text[0] == "-" else 1
        g = int(text[1:1 + stellen]) + int(text[1 + stellen:3 + stellen]) / 60.0
        if len(text) > 3 + stellen:
            g += int(text[3 + stellen:5 + stellen]) / 3600.0
        return v * g

    ergebnis = {}
    with open(os.path.join(ordner, "zone1970.tab"), encoding="utf-8") as datei:
        for zeile in datei:
            if zeile.startswith("#"):
                continue
            felder = zeile.rstrip("\n").split("\t")
            koord = felder[1]
            teil = max(koord.rfind("+"), koord.rfind("-"))
            breite, laenge = koord[:teil], koord[teil:]
            ergebnis[felder[2]] = (grad(breite, 2), grad(laenge, 3))
    return ergebnis


def _orte_pruefen(tab, regeln):
    for name, breite, laenge in orte.ORTE:
        zone_name = ZONE_DES_ORTS[name]
        if name in AUSNAHMEN:
            continue
        if zone_name not in tab:
            sys.exit("%s: zone %s is not in zone1970.tab" % (name, zone_name))
        zb, zl = tab[zone_name]
        p1, p2 = math.radians(breite), math.radians(zb)
        c = (math.sin(p1) * math.sin(p2) +
             math.cos(p1) * math.cos(p2) * math.cos(math.radians(laenge - zl)))
        km = 6371.0 * math.acos(max(-1.0, min(1.0, c)))
        stunden = regeln[zone_name][1] / 3600.0 - laenge / 15.0
        if km > ENTFERNUNG_MAX or abs(stunden) > MERIDIAN_MAX:
            sys.exit("%s: zone %s is %.0f km away, its standard time %.1f h off the meridian"
                     % (name, zone_name, km, stunden))


def zeilen(ordner):
    tab = _tab(ordner)
    if set(ZONE_DES_ORTS) != {o[0] for o in orte.ORTE}:
        sys.exit("the places with a zone are not those of Orte.dat")
    namen = []
    for o in sorted(orte.ORTE, key=orte._sortierschluessel):
        if ZONE_DES_ORTS[o[0]] not in namen:
            namen.append(ZONE_DES_ORTS[o[0]])
    namen += [z for z in _fest() if z not in namen]
    ergebnis = ["# Time zones of the places of Orte.dat, from tzdata %s (format: zeit/zonen.h)" % TZDATA[1]]
    regeln = {}
    for name in namen:
        regel, typen, liste = zone(name, ordner)
        _pruefen_regel(name, regel, typen, liste)
        regeln[name] = regel
        std, stdoff, dst, dstoff, beginn, ende = regel
        felder = ["Z", name, std, str(stdoff)]
        if dst is not None:
            felder += [dst, str(dstoff), "%d.%d.%d" % beginn[:3], str(beginn[3]),
                       "%d.%d.%d" % ende[:3], str(ende[3])]
        ergebnis.append(";".join(felder))
        ergebnis += ["Y;%d;%s;%d" % t for t in typen]
        ergebnis += ["U;%d;%d" % u for u in liste]
    _orte_pruefen(tab, regeln)
    for o in sorted(orte.ORTE, key=orte._sortierschluessel):
        ergebnis.append("O;%s;%s" % (o[0], ZONE_DES_ORTS[o[0]]))
    return [(z + "\r\n").encode("cp1252") for z in ergebnis]


def schreiben(pfad, ordner):
    with open(pfad, "wb") as datei:
        datei.write(b"".join(zeilen(ordner)))


def bereitstellen(cache):
    """The folder of the pinned tzdata's zone files, unpacked into cache."""
    wurzel = pakete.einzeln_bereitstellen(cache, TZDATA[0], TZDATA[1], [
        "usr/share/zoneinfo/" + z for z in set(ZONE_DES_ORTS.values()) | set(_fest())
    ] + ["usr/share/zoneinfo/zone1970.tab"])[1]
    return os.path.join(wurzel, "usr/share/zoneinfo")


def main():
    argumente = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    argumente.add_argument("--cache", default=os.path.expanduser("~/.cache/varnis-daten"))
    argumente.add_argument("--ziel", default=os.path.join(WURZEL, "data"))
    optionen = argumente.parse_args()
    schreiben(os.path.join(optionen.ziel, "Zonen.dat"), bereitstellen(optionen.cache))


if __name__ == "__main__":
    main()
