"""The oracles of the moment's tests, written at test time from Debian's
packages on this machine (never shipped):

    referenz.py ZONEN_DAT ZIELORDNER

himmel.txt   1200 random instants 1800..2200 at random places, from
             python3-ephem: UT1 as a Julian date and TT - UT1 in days (ephem's own delta T),
             latitude, longitude (degrees, east positive), the apparent local
             sidereal time (hours) and the zenith's J2000 place as ephem's
             radec_of gives it (hours, degrees).
zonen.txt    for every place of Zonen.dat and every transition of its zone
             1970..2037 as Python's zoneinfo finds it, the civil minutes an
             hour before, at and an hour after it (on both sides of the
             change) with the instant zoneinfo gives them (fold 0: the earlier
             of a repeated hour, the offset before a skipped one), and the
             offset and abbreviation zoneinfo gives for that instant:
             zone, year, month, day, hour, minute, UTC seconds, offset, abbr.
"""
import datetime
import random
import sys
import zoneinfo

import ephem

UTC = datetime.timezone.utc
DUBLIN_JD = 2415020.0  # Julian date of ephem's day 0


def himmel(pfad):
    zufall = random.Random(21)
    with open(pfad, "w", encoding="ascii") as datei:
        for _ in range(1200):
            # Whole seconds from 1800-01-01 to 2200-12-31 UTC.
            utc = zufall.randint(-5364662400, 7289654399)
            breite = zufall.uniform(-89.9, 89.9)
            laenge = zufall.uniform(-180.0, 180.0)
            o = ephem.Observer()
            o.lat, o.lon = str(breite), str(laenge)
            o.date = ephem.Date(utc / 86400.0 + 25567.5)  # 1970 is ephem's day 25567.5
            o.pressure = 0
            o.elevation = 0
            ut1 = float(o.date) + DUBLIN_JD
            tt = ut1 + ephem.delta_t(o.date) / 86400.0
            ra, dec = o.radec_of(0, ephem.degrees("90"))
            datei.write("%.10f %.12f %.9f %.9f %.12f %.12f %.12f\n" % (
                ut1, tt - ut1, breite, laenge, o.sidereal_time() * 12 / ephem.pi,
                ra * 12 / ephem.pi, dec * 180 / ephem.pi))


def uebergaenge(zone):
    """The instants (UTC seconds) 1970..2037 at which zoneinfo's offset or
    abbreviation changes: a daily scan, then a bisection to the second."""
    def zustand(t):
        d = datetime.datetime.fromtimestamp(t, zone)
        return d.utcoffset(), d.tzname()

    ergebnis = []
    t = 0
    while t < 2145916800:
        naechster = t + 86400
        if zustand(naechster) != zustand(t):
            a, b = t, naechster
            while b - a > 1:
                m = (a + b) // 2
                if zustand(m) == zustand(a):
                    a = m
                else:
                    b = m
            ergebnis.append(b)
        t = naechster
    return ergebnis


def zonen(zonen_dat, pfad):
    namen = sorted({z.split(";")[2].strip() for z in open(zonen_dat, encoding="cp1252")
                    if z.startswith("O;")})
    with open(pfad, "w", encoding="ascii") as datei:
        for name in namen:
            zone = zoneinfo.ZoneInfo(name)
            for t in uebergaenge(zone):
                vorher = datetime.datetime.fromtimestamp(t - 1, zone).utcoffset()
                nachher = datetime.datetime.fromtimestamp(t, zone).utcoffset()
                minuten = set()
                for versatz in (vorher, nachher):
                    ort = datetime.datetime.fromtimestamp(t, UTC).replace(tzinfo=None) + versatz
                    for stunden in (-1, 0, 1):
                        m = ort + datetime.timedelta(hours=stunden)
                        minuten.add(m.replace(second=0))
                        minuten.add(m.replace(second=0) - datetime.timedelta(minutes=1))
                for m in sorted(minuten):
                    d = m.replace(tzinfo=zone, fold=0)
                    u = int(d.timestamp())
                    z = datetime.datetime.fromtimestamp(u, zone)
                    datei.write("%s %d %d %d %d %d %d %d %s\n" % (
                        name, m.year, m.month, m.day, m.hour, m.minute, u,
                        z.utcoffset().total_seconds(), z.tzname()))


if __name__ == "__main__":
    himmel(sys.argv[2] + "/himmel.txt")
    zonen(sys.argv[1], sys.argv[2] + "/zonen.txt")
