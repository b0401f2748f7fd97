"""The zones of stellarium's star files: the 20 faces of an icosahedron, each
split into four smaller triangles per level. A star's position is stored as
two integers along the axes of its zone's tangent plane; this module gives
every zone its centre and axes so that positions can be read back as unit
vectors (J2000, x towards 0 h, z towards the north pole).
"""
import math

_G = 0.5 * (1.0 + math.sqrt(5.0))
_B = 1.0 / math.sqrt(1.0 + _G * _G)
_A = _B * _G

ECKEN = [
    (_A, -_B, 0.0), (_A, _B, 0.0), (-_A, _B, 0.0), (-_A, -_B, 0.0),
    (0.0, _A, -_B), (0.0, _A, _B), (0.0, -_A, _B), (0.0, -_A, -_B),
    (-_B, 0.0, _A), (_B, 0.0, _A), (_B, 0.0, -_A), (-_B, 0.0, -_A),
]

# The faces by corner index, in the order of the zone numbers at level 0.
FLAECHEN = [
    (1, 0, 10), (0, 1, 9), (0, 9, 6), (9, 8, 6), (0, 7, 10), (6, 7, 0), (7, 6, 3),
    (6, 8, 3), (11, 10, 7), (7, 3, 11), (3, 2, 11), (2, 3, 8), (10, 11, 4), (2, 4, 11),
    (5, 4, 2), (2, 8, 5), (4, 1, 10), (4, 5, 1), (5, 9, 1), (8, 9, 5),
]

GROESSTE_KOORDINATE = 0x7FFFFFFF   # of the int32 position of a Hipparcos star


def _summe(*vektoren):
    return tuple(sum(teil) for teil in zip(*vektoren))


def _skaliert(v, faktor):
    return tuple(x * faktor for x in v)


def _normiert(v):
    return _skaliert(v, 1.0 / math.sqrt(sum(x * x for x in v)))


def _kreuz(u, v):
    return (u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0])


def _punkt(u, v):
    return sum(a * b for a, b in zip(u, v))


def _dreiecke(stufe):
    """The corners of every zone of the level, in zone order."""
    dreiecke = [tuple(ECKEN[e] for e in flaeche) for flaeche in FLAECHEN]
    for _ in range(stufe):
        feiner = []
        for c0, c1, c2 in dreiecke:
            e0, e1, e2 = _normiert(_summe(c1, c2)), _normiert(_summe(c2, c0)), _normiert(_summe(c0, c1))
            feiner += [(c0, e2, e1), (e2, c1, e0), (e1, e0, c2), (e0, e1, e2)]
        dreiecke = feiner
    return dreiecke


def zonen(stufe):
    """[(centre, axis 0, axis 1)] per zone; the axes are scaled so that the
    largest stored coordinate reaches the farthest corner of any zone."""
    achsen, groesste = [], 0.0
    for ecken in _dreiecke(stufe):
        mitte = _normiert(_summe(*ecken))
        achse0 = _normiert(_kreuz((0.0, 0.0, 1.0), mitte))
        achse1 = _kreuz(mitte, achse0)
        for ecke in ecken:
            abstand = tuple(a - b for a, b in zip(ecke, mitte))
            mu0, mu1 = _punkt(abstand, achse0), _punkt(abstand, achse1)
            faktor = 1.0 / math.sqrt(1.0 - mu0 * mu0 - mu1 * mu1)
            groesste = max(groesste, abs(mu0) * faktor, abs(mu1) * faktor)
        achsen.append((mitte, achse0, achse1))
    massstab = groesste / GROESSTE_KOORDINATE
    return [(mitte, _skaliert(a0, massstab), _skaliert(a1, massstab)) for mitte, a0, a1 in achsen]


def schritt(zone):
    """Radians of one unit of a stored coordinate (near the zone's centre)."""
    return math.sqrt(_punkt(zone[1], zone[1]))


def richtung(zone, x0, x1):
    """Unit vector of the stored position (x0, x1) in the zone."""
    mitte, achse0, achse1 = zone
    return _normiert(_summe(mitte, _skaliert(achse0, x0), _skaliert(achse1, x1)))
