"""Checks of the data generator's rules on small hand-made catalogues, without
the Debian packages:

    python3 -m unittest discover -s tools/daten

The joins must refuse a partner that only one source's identifiers claim,
the spectral letter and the magnitude must follow their per-star rules, and
the German names their two translations.
"""
import os
import struct
import tempfile
import unittest
from decimal import Decimal

import abgleich
import doppelsterne
import pruefungen
import sternbilder
import sterndatei
import sterne
import uebersetzungen
from bsc import BscStern
from kstars import HipStern
from stellarium import HipEintrag, Veraenderlicher


def _bsc(hr, ra, dec, mag, bezeichnung="          "):
    return BscStern(hr, bezeichnung, Decimal(ra), Decimal(dec), int(mag * 100), 0)


def _eintrag(ra, dec, mag, spektrum="", vorgerueckt=None, eigenbewegung=0.0):
    v = abgleich.vektor(ra, dec)
    return HipEintrag(v, mag, spektrum, vorgerueckt or v, eigenbewegung)


def _stern(nummer, ra_s, dec_bs, mag):
    """A star of the list at ra_s seconds of time and dec_bs arcseconds."""
    return sterne.Stern(nummer, "          ", round(ra_s * 10), dec_bs, round(mag * 100), "A",
                        "", "", "hip", "bsc", "", "")


def _kstars(zeile, ra, dec, mag, kennung="", spektrum="", name=""):
    return HipStern(zeile, round(Decimal(ra) * 360000), round(Decimal(dec) * 36000),
                    Decimal(mag), spektrum, kennung, name)


class HipPaare(unittest.TestCase):
    def test_cross_identification_holds_only_with_position_and_magnitude(self):
        katalog = [_bsc(1, "5.5", "10", 2.2), _bsc(2, "5.5", "10.0001", 6.8),
                   _bsc(3, "11.0", "-40", 5.6), _bsc(4, "2.3", "-3", 3.0)]
        hip = {100: _eintrag("5.5", "10", 2.25), 200: _eintrag("11.0", "32", 5.6),
               300: _eintrag("2.3", "-3", 6.45)}
        kreuz = {1: [100], 2: [100], 3: [200], 4: [300]}
        mira = {300: Veraenderlicher("o Cet", "M", 2.0, 10.1)}
        self.assertEqual(abgleich.hip_paaren(katalog, hip, kreuz, mira), {1: 100, 4: 300})
        # without the GCVS range, 3.45 magnitudes are too many
        self.assertEqual(abgleich.hip_paaren(katalog, hip, kreuz, {}), {1: 100})

    def test_pair_must_lie_within_the_stars_own_motion(self):
        # kappa1 and kappa2 CrA: cross-id.dat gives each the other's entry,
        # 21.6 arcseconds away; a fast star (61 Cyg A, 5.3 arcseconds a year)
        # may lie 46 arcseconds from its stored place.
        katalog = [_bsc(1, "18.5", "-38.72", 6.3), _bsc(2, "21.1", "38.75", 5.2)]
        hip = {10: _eintrag("18.5", "-38.714", 5.6),
               20: _eintrag("21.1", "38.7372", 5.2, eigenbewegung=5.28)}
        self.assertEqual(abgleich.hip_paaren(katalog, hip, {1: [10], 2: [20]}, {}), {2: 20})

    def test_brighter_component_of_a_split_double_takes_the_entry(self):
        katalog = [_bsc(1, "1.0", "20", 4.9), _bsc(2, "1.0", "20.0005", 4.1)]
        hip = {7: _eintrag("1.0", "20.0003", 3.9)}
        self.assertEqual(abgleich.hip_paaren(katalog, hip, {1: [7], 2: [7]}, {}), {2: 7})


class KstarsPaare(unittest.TestCase):
    def test_contradicting_designations_are_no_pair(self):
        katalog = [_bsc(1, "3.0", "5", 4.0, "   Kap2CrA"), _bsc(2, "4.0", "5", 4.0, " 13    Lyr")]
        kst = [_kstars(1, "3.0", "5", "4.1", "eps CrA"), _kstars(2, "4.0", "5", "4.1", "R   Lyr")]
        paare = abgleich.kstars_paaren(katalog, kst, {}, {})
        self.assertNotIn(1, paare)
        self.assertEqual(paare[2].zeile, 2)   # "R   Lyr" is no Bayer designation

    def test_variable_reaches_its_partner_through_its_range(self):
        katalog = [_bsc(1, "15.99", "25.9", 2.0)]
        kst = [_kstars(1, "15.99", "25.9", "10.0")]
        self.assertEqual(abgleich.kstars_paaren(katalog, kst, {}, {}), {})
        self.assertEqual(abgleich.kstars_paaren(katalog, kst, {1: 8.8}, {})[1].zeile, 1)


    def test_a_star_far_off_in_the_catalogue_finds_its_partner_through_its_entry(self):
        # HR 858: the catalogue's place 10.9 arcseconds off in right
        # ascension; the second round must not take a partner already given.
        katalog = [_bsc(1, "2.8656", "-1.0", 6.4), _bsc(2, "5.0", "5", 6.0),
                   _bsc(3, "5.0", "5.0025", 6.1)]
        kst = [_kstars(1, "2.8653", "-1.0", "6.38"), _kstars(2, "5.0", "5.0001", "6.05")]
        eintraege = {1: _eintrag("2.86530", "-1.0", 6.35), 3: _eintrag("5.0", "5.0001", 6.05)}
        paare = abgleich.kstars_paaren(katalog, kst, {}, eintraege)
        self.assertEqual({hr: k.zeile for hr, k in paare.items()}, {1: 1, 2: 2})
        self.assertEqual(abgleich.kstars_paaren(katalog, kst, {}, {}).keys(), {2})

    def test_entry_moved_on_to_j2000_finds_a_fast_star(self):
        # 61 Cyg A: stored for 1991.25, 46 arcseconds from J2000; the
        # catalogue's place 15.6 arcseconds off.
        katalog = [_bsc(1, "21.1150", "38.7450", 5.2)]
        kst = [_kstars(1, "21.11498", "38.74942", "5.20")]
        eintrag = _eintrag("21.1145", "38.7410", 5.2, vorgerueckt=abgleich.vektor("21.11498", "38.74935"))
        self.assertEqual(abgleich.kstars_paaren(katalog, kst, {}, {1: eintrag})[1].zeile, 1)


class Regeln(unittest.TestCase):
    def test_spectral_letter(self):
        faelle = [
            ("K0-II-III", "A0", "A0", ("K", "bsc")),        # the catalogue's own type wins
            ("sdBe+gM3+Q", "M3III+p", "", ("M", "bsc")),     # the part Hipparcos confirms
            ("F7III+A0V", "G5", "", ("F", "bsc")),           # else the first part
            ("", "DA3+F6V", "F6", ("D", "stellarium")),      # no type in the catalogue
            ("", "", "K2", ("K", "kstars")),
            ("pec", "", "", (" ", "")),
        ]
        for bsc_typ, hip_typ, kst_typ, erwartet in faelle:
            hip = _eintrag("0", "0", 5.0, hip_typ)
            kst = _kstars(1, "0", "0", "5.0", spektrum=kst_typ)
            self.assertEqual(sterne._spektrum(bsc_typ, hip, kst), erwartet, bsc_typ)

    def test_magnitude_of_large_amplitude_variables(self):
        b = _bsc(1, "0", "0", 3.04)
        hip = _eintrag("0", "0", 6.45)
        kst = _kstars(1, "0", "0", "6.47")
        faelle = [
            (Veraenderlicher("o Cet", "M", 2.0, 10.1), kst, (647, "Mira-type variable")),
            (Veraenderlicher("R Aqr", "M+ZAND", 5.2, 12.4), kst, (647, "Mira-type variable")),
            (Veraenderlicher("T CrB", "NR", 2.0, 10.8), None, (645, "recurrent nova")),
            (Veraenderlicher("bet Per", "EA", 2.09, 3.3), kst, (304, "")),
            # R Leo: kstars' 8.50 is neither the catalogue's nor Hipparcos' 10.30
            (Veraenderlicher("R Leo", "M", 4.4, 11.3), _kstars(1, "0", "0", "4.70"),
             (645, "Mira-type variable")),
            (None, kst, (304, "")),
        ]
        for veraenderlicher, partner, erwartet in faelle:
            self.assertEqual(sterne._helligkeit(b, hip, partner, veraenderlicher), erwartet)

    def test_kstars_name_needs_a_dictionary(self):
        quellen = sterne.Quellen([], {}, [], {}, {}, {}, {
            1: [("Regor", {"1", "11"})], 2: [("Chow", {"2", "3", "37"})],
            3: [("Persian", {"2", "5"})]}, {})
        for hip, name, erwartet in [(1, "Regor", ""), (2, "Chow", ""), (3, "Al Nair", ""),
                                    (4, "Men", ""), (3, "Persian", "Persian")]:
            kst = _kstars(1, "0", "0", "2.0", name=name)
            self.assertEqual(sterne._name(hip, kst, quellen, {}, set()), erwartet, name)

    def test_iau_names_as_the_iau_spells_them(self):
        namen = {3179: [("Shedar", {"1", "6", "12"})],
                 72603: [("Zubenelgenubi I", {"1", "6"}), ("Zubenelgenubi", {"23"})],
                 72622: [("Zubenelgenubi II", {"6", "12"})],
                 97649: [("Altair", {"6", "12"}), ("Atair", {"37"})]}
        self.assertEqual(sterne.iau_namen(namen),
                         {3179: "Schedar", 72622: "Zubenelgenubi", 97649: "Altair"})

    def test_name_line_carries_the_iau_form_after_the_german_one(self):
        stern = _stern(1, 0, 0, 0.03)
        for name, iau, zeile in [("Wega", "Vega", b"Wega;Vega\r\n"), ("Alcor", "", b"Alcor\r\n"),
                                 ("", "", b"\r\n"), ("Rigel", "", b"Rigel\r\n")]:
            stern.name, stern.iau_name = name, iau
            self.assertEqual(sterndatei.namenszeile(stern), zeile)
        for name, iau in [("", "Vega"), ("Wega", "Wega"), ("We;ga", "Vega"), ("Wega", "A" * 92)]:
            stern.name, stern.iau_name = name, iau
            with self.assertRaises(ValueError, msg=(name, iau)):
                sterndatei.namenszeile(stern)

    def test_german_forms(self):
        deutsch = {"Vega": "Wega", "Sualocin": "Svalocin"}
        self.assertEqual(sterne.deutsche_form("Vega", deutsch), "Wega")
        self.assertEqual(sterne.deutsche_form("Sualocin", deutsch), "Sualocin")
        self.assertEqual(sterne.deutsche_form("Alcor", deutsch), "Alcor")


class Doppelsterne(unittest.TestCase):
    # beta1 Cygni 3.08 and beta2 5.11, 34 arcseconds apart; nu1 and nu2
    # Draconis 4.88 and 4.87, 61 arcseconds; a 2.0 star 100 arcseconds away.
    STERNE = [_stern(1, 70000, 100000, 3.08), _stern(2, 70000, 100034, 5.11),
              _stern(3, 60000, 200000, 4.88), _stern(4, 60000, 200061, 4.87),
              _stern(5, 50000, 300000, 5.0), _stern(6, 50000, 300100, 2.0),
              _stern(7, 10000, 100000, 4.0), _stern(8, 10000, 100010, 3.7),
              _stern(9, 0, 0, 1.0)]

    def test_line_ends_move_to_the_brightest_star_of_a_close_pair(self):
        je_hr = {s.nummer: s for s in self.STERNE}
        nachbarn = doppelsterne.hellste_nachbarn(self.STERNE)
        linien = [(2, 9), (3, 9), (5, 9), (9, 8), (1, 2)]
        self.assertEqual(sternbilder._auf_hellste(linien, je_hr, nachbarn),
                         [(1, 9), (3, 9), (5, 9), (9, 8)])

    def test_check_refuses_a_faint_line_end_and_allows_equal_pairs(self):
        bilder = [("Cyg", [(2, 9)]), ("Dra", [(3, 9)]), ("Xxx", [(5, 7), (8, 9)])]
        self.assertEqual(doppelsterne.schwache_linienenden(bilder, self.STERNE),
                         [("Cyg", 2, 1, 34.0)])

    def test_shipped_figures_end_on_the_bright_star(self):
        daten = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
        liste = _sterne_lesen(os.path.join(daten, "VARNIS.DAT"))
        bilder = _figuren_lesen(os.path.join(daten, "STBILDER.DAT"))
        self.assertEqual(len(bilder), 88)
        self.assertEqual(doppelsterne.schwache_linienenden(bilder, liste), [])


class Hipparcos(unittest.TestCase):
    def test_position_check_takes_kstars_copy_of_the_entry(self):
        # HR 1 on its copy; HR 2 10.9 arcseconds off; HR 3's entry has no
        # copy of its magnitude (no check); HR 4 not joined.
        hip = {10: _eintrag("2.8653", "-1.0", 6.35), 20: _eintrag("5.0", "5.0", 6.0),
               30: _eintrag("7.0", "7.0", 10.3)}
        kst = [_kstars(1, "2.86530", "-1.0", "6.38"), _kstars(2, "5.0", "5.0", "6.00"),
               _kstars(3, "7.0", "7.0", "8.50")]
        orte = pruefungen.hipparcos_orte({1: 10, 2: 20, 3: 30}, hip, kst)
        self.assertEqual(orte.keys(), {1, 2})
        liste = [_stern(1, 2.8653 * 3600, -3600, 6.4), _stern(2, 5 * 3600 + 0.7, 18000, 6.0),
                 _stern(3, 7 * 3600 + 9, 25200, 10.3), _stern(4, 0, 0, 5.0)]
        self.assertEqual([hr for hr, _b in pruefungen.ferne_orte(liste, orte)], [2])
        with self.assertRaisesRegex(ValueError, "HR 2 lies"):
            pruefungen.pruefen(liste, [], orte)


STERN_SATZ = 24           # bytes of a star record before its name line


def _sterne_lesen(pfad):
    """The star file as stars of the list (number, place, magnitude)."""
    with open(pfad, "rb") as datei:
        daten = datei.read()
    liste, stelle = [], 0
    while stelle < len(daten):
        nummer = struct.unpack_from("<h", daten, stelle)[0]
        h, m, s, z, sued, g, bm, bs, helligkeit = struct.unpack_from("<4bB3bh", daten, stelle + 13)
        dec = (g * 60 + bm) * 60 + bs
        liste.append(_stern(nummer, (h * 60 + m) * 60 + s + z / 10, -dec if sued & 0x80 else dec,
                            helligkeit / 100))
        stelle = daten.index(b"\r\n", stelle + STERN_SATZ) + 2
    return liste


def _figuren_lesen(pfad):
    """The constellation file as [(abbreviation, [(hr a, hr b)])]."""
    with open(pfad, "rb") as datei:
        daten = datei.read()
    bilder, stelle = [], 0
    while stelle < len(daten):
        ende = daten.index(b"\r\n", stelle)
        abk, linien, stelle = daten[stelle:stelle + 3].decode("ascii"), [], ende + 2
        while True:
            linie = struct.unpack_from("<hh", daten, stelle)
            stelle += 4
            if linie == (0, 0):
                break
            linien.append(linie)
        bilder.append((abk, linien))
        stelle += 2
    return bilder


def _qm(nachrichten):
    """A Qt translation file with the given (source, translation, context) messages."""
    daten = b""
    for quelle, text, kontext in nachrichten:
        daten += b"\x03" + struct.pack(">I", 2 * len(text)) + text.encode("utf-16-be")
        daten += b"\x05" + b"\0\0\0\0"
        daten += b"\x06" + struct.pack(">I", len(quelle)) + quelle.encode()
        daten += b"\x07" + struct.pack(">I", len(kontext)) + kontext.encode()
        daten += b"\x01"
    return (bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd") + b"\x42" + struct.pack(">I", 0)
            + b"\x69" + struct.pack(">I", len(daten)) + daten)


class Uebersetzungen(unittest.TestCase):
    def test_qm_messages_without_context(self):
        with tempfile.TemporaryDirectory() as ordner:
            pfad = os.path.join(ordner, "de.qm")
            with open(pfad, "wb") as datei:
                datei.write(_qm([("Polaris", "Polarstern", ""), ("Arcturus", "Arktur", ""),
                                 ("Mars", "Mars (Planet)", "major planet")]))
            self.assertEqual(uebersetzungen.qm_lesen(pfad),
                             {"Polaris": "Polarstern", "Arcturus": "Arktur"})


if __name__ == "__main__":
    unittest.main()
