#!/usr/bin/python3
"""Reference places, magnitudes and rising and setting times of the Sun, the
Moon and the planets from Debian's python3-ephem (libastro: VSOP87 planets,
the Moon's ELP series), an ephemeris independent of ERFA, for the tests of
koerper/.

    orakel.py AUSGABE [ANZAHL]

Writes ANZAHL (1000) random moments 1900..2100 at random places (uniform
over the sphere), each given as ephem's UT and the TT that ephem uses with it
(UT + its own delta T), so that both sides compute for the same TT. Lines:

    M ut_jd tt_jd breite laenge
    K art rekt_h dekl_grad helligkeit beleuchtet abstand_ae
    T art tag_ut_jd tag_tt_jd aufgang kulmination untergang streifend

K: astrometric J2000 places (the Moon's topocentric, see plaetze),
   ephem's magnitude, illuminated fraction (0..1) and distance.
T: the civil day (midnight to midnight at the zone of the place's meridian)
   that holds the moment; times in seconds after its start, '-' for an
   event that does not fall within it. Rising and setting as the tests take
   them: upper limb of Sun and Moon, centre of a planet, 34' below the
   geometric horizon, no other refraction; streifend 1 where the body's
   highest or lowest altitude near that day comes within 0.5 degree of the
   rising altitude or an event's altitude changes by less than 2 degrees an
   hour (grazing, where a few arcseconds move the time by minutes), or where
   ephem has no answer (see tageslauf).
"""
import math
import random
import signal
import sys

import ephem

KOERPER = [ephem.Sun, ephem.Moon, ephem.Mercury, ephem.Venus, ephem.Mars,
           ephem.Jupiter, ephem.Saturn, ephem.Uranus, ephem.Neptune]
DUBLIN = 2415020.0  # ephem's dates are Julian dates minus this
JD_1900 = 2415020.5
JD_2101 = 2488069.5
LICHTZEIT_AE = 499.004784 / 86400.0  # days light takes for one AU
STREIFEND_RAND = 0.5   # degrees
STREIFEND_RATE = 2.0   # degrees per hour


def einheit(rekt, dekl):
    return (math.cos(dekl) * math.cos(rekt), math.cos(dekl) * math.sin(rekt), math.sin(dekl))


def j2000(rekt, dekl, datum):
    e = ephem.Equatorial(ephem.Equatorial(rekt, dekl, epoch=datum), epoch=ephem.J2000)
    return einheit(float(e.ra), float(e.dec))


def erdgeschwindigkeit(datum):
    """The Earth's heliocentric velocity, AU/day, J2000, from ephem's Sun."""
    def sonne(t):
        s = ephem.Sun()
        s.compute(t, epoch=ephem.J2000)
        e = einheit(float(s.a_ra), float(s.a_dec))
        return [s.earth_distance * x for x in e]
    h = 0.05
    vor, nach = sonne(datum - h), sonne(datum + h)
    return [-(nach[i] - vor[i]) / (2.0 * h) for i in range(3)]


def plaetze(beob, zeilen):
    """ephem's astrometric Moon (a_ra/a_dec) is geocentric and is the Moon's
    place when its light left it relative to the Earth's centre then; the
    astrometric place (the frame of the stars, whose aberration it shares)
    is relative to where the Earth's centre is now, which moved by the
    Earth's velocity over the light time (1.3 s, up to 20"): that motion,
    from ephem's own Sun, is taken off. ephem's ra/dec (apparent, of date)
    are topocentric: the Moon's parallax shift, taken between ephem's own
    geocentric and topocentric apparent places, both precessed to J2000 by
    ephem, is added; the aberration and nutation both apparent places share
    cancel in the shift to 0.4"."""
    for art, Klasse in enumerate(KOERPER):
        b = Klasse(beob)
        rekt, dekl = float(b.a_ra), float(b.a_dec)
        if Klasse is ephem.Moon:
            lichtzeit = b.earth_distance * LICHTZEIT_AE
            v = erdgeschwindigkeit(beob.date)
            a = [b.earth_distance * x - lichtzeit * v[i]
                 for i, x in enumerate(einheit(rekt, dekl))]
            betrag = math.sqrt(sum(x * x for x in a))
            g = j2000(b.g_ra, b.g_dec, beob.date)
            t = j2000(b.ra, b.dec, beob.date)
            v = [a[i] / betrag + t[i] - g[i] for i in range(3)]
            rekt = math.atan2(v[1], v[0])
            dekl = math.atan2(v[2], math.hypot(v[0], v[1]))
        rekt = (math.degrees(rekt) / 15.0) % 24.0
        zeilen.append("K %d %.9f %.8f %.3f %.5f %.9f" % (
            art, rekt, math.degrees(dekl), b.mag, b.phase / 100.0, b.earth_distance))


def randhoehe(b):
    """The centre's altitude (degrees) at which ephem's rising happens."""
    h = -34.0 / 60.0
    if isinstance(b, (ephem.Sun, ephem.Moon)):
        h -= b.size / 2.0 / 3600.0
    return h


def hoehe_ueber_rand(beob, b, datum):
    beob.date = datum
    b.compute(beob)
    return math.degrees(b.alt) - randhoehe(b)


class Haengt(Exception):
    """ephem's search for a rising or setting never ends in some grazing cases
    (the Moon at high latitudes): such a day counts as grazing."""


def abbrechen(signal_nummer, rahmen):
    raise Haengt()


def ereignis(funktion, b, beob, anfang, ende, **art):
    beob.date = anfang
    signal.setitimer(signal.ITIMER_REAL, 5.0)
    try:
        t = float(funktion(b, **art))
    except (ephem.CircumpolarError, ephem.NeverUpError, ephem.AlwaysUpError):
        return None
    finally:
        signal.setitimer(signal.ITIMER_REAL, 0.0)
    return t if t < ende else None


def tageslauf(beob, art, Klasse, tag, tt_versatz, zeilen):
    b = Klasse()
    ende = tag + 1.0
    planet = Klasse not in (ephem.Sun, ephem.Moon)
    streifend = 0
    try:
        auf = ereignis(beob.next_rising, b, beob, tag, ende, use_center=planet)
        unter = ereignis(beob.next_setting, b, beob, tag, ende, use_center=planet)
        kulm = ereignis(beob.next_transit, b, beob, tag, ende)
    except Haengt:
        auf = unter = kulm = None
        streifend = 1
    # The extremes of altitude from half a day before to half a day after.
    for suche in (beob.next_transit, beob.next_antitransit):
        t = tag - 0.5
        for _ in range(4):  # at most two transits of each kind in two days
            beob.date = t
            t = max(float(suche(b)), t + 0.01)
            if t > ende + 0.5:
                break
            if abs(hoehe_ueber_rand(beob, b, t)) < STREIFEND_RAND:
                streifend = 1
    # ephem decides "never up" and "always up" from the declination where its
    # search starts; the Moon's changes by up to 6 degrees a day, so at high
    # latitudes it may rise or set within the day after all. Where ephem's
    # own hourly altitudes cross the rising altitude and it found no event,
    # it has no answer: the day is left out as well.
    hoehen = [hoehe_ueber_rand(beob, b, tag + h / 24.0) for h in range(25)]
    paare = list(zip(hoehen, hoehen[1:]))
    if (auf is None and any(a <= 0.0 < n for a, n in paare)) or \
            (unter is None and any(a > 0.0 >= n for a, n in paare)):
        streifend = 1
    for t in (auf, unter):
        if t is not None:
            schritt = 300.0 / 86400.0
            rate = abs(hoehe_ueber_rand(beob, b, t + schritt) -
                       hoehe_ueber_rand(beob, b, t - schritt)) * 6.0
            if rate < STREIFEND_RATE:
                streifend = 1

    def sekunden(t):
        return "-" if t is None else "%.1f" % ((t - tag) * 86400.0)
    zeilen.append("T %d %.9f %.9f %s %s %s %d" % (
        art, tag + DUBLIN, tag + DUBLIN + tt_versatz, sekunden(auf), sekunden(kulm),
        sekunden(unter), streifend))


def main():
    ausgabe = sys.argv[1]
    anzahl = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    signal.signal(signal.SIGALRM, abbrechen)
    zufall = random.Random(20261215)
    zeilen = []
    for _ in range(anzahl):
        ut = zufall.uniform(JD_1900, JD_2101)
        breite = math.degrees(math.asin(zufall.uniform(-1.0, 1.0)))
        laenge = zufall.uniform(-180.0, 180.0)
        beob = ephem.Observer()
        beob.lat, beob.lon = math.radians(breite), math.radians(laenge)
        beob.elevation = 0.0
        beob.pressure = 0.0
        beob.horizon = "-0:34"
        beob.epoch = ephem.J2000
        beob.date = ut - DUBLIN
        versatz = ephem.delta_t(beob.date) / 86400.0
        zeilen.append("M %.9f %.9f %.6f %.6f" % (ut, ut + versatz, breite, laenge))
        plaetze(beob, zeilen)
        # The civil day at the zone of the meridian that holds the moment.
        zone = round(laenge / 15.0) / 24.0
        tag = math.floor(ut - 0.5 + zone) + 0.5 - zone - DUBLIN
        tag_versatz = ephem.delta_t(tag) / 86400.0
        for art, Klasse in enumerate(KOERPER):
            tageslauf(beob, art, Klasse, tag, tag_versatz, zeilen)
    with open(ausgabe, "w") as f:
        f.write("\n".join(zeilen) + "\n")


if __name__ == "__main__":
    main()
