"""Checks of the help file, without a display or a help viewer:

    python3 -m unittest discover -s tools/hilfe

The committed data/Varnis.hlp must be what the generator makes of the text,
and a reader written after the viewer's rules must find its internal files,
its topics in order, and a target for every jump.
"""
import os
import re
import unittest

import erzeugen
import lesen
from kontext import hash_wert
from quelle import QuellFehler

HIER = os.path.dirname(os.path.abspath(__file__))
HLP = os.path.join(erzeugen.WURZEL, "data", "Varnis.hlp")

TITEL = ["Inhalt", "Überblick", "Bedienfeld", "Karte und Infofenster",
         "Menü Karte: Drucken und Speichern", "Bildschirmschoner", "Tastatur"]


def _text():
    with open(os.path.join(HIER, "hilfetext.txt"), encoding="utf-8") as datei:
        return datei.read()


class GelieferteDatei(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(HLP, "rb") as datei:
            cls.daten = datei.read()
        cls.hlp = lesen.Hlp(cls.daten)
        cls.topic = cls.hlp.intern("|TOPIC")
        cls.saetze = lesen.saetze(cls.topic)
        cls.koepfe = [s for s in cls.saetze if s.art == 0x02]

    def test_matches_the_text_and_builds_the_same_twice(self):
        erste = erzeugen.bauen(_text())
        self.assertEqual(erste, erzeugen.bauen(_text()))
        self.assertTrue(erste == self.daten,
                        "data/Varnis.hlp is out of date: run python3 tools/hilfe/erzeugen.py")

    def test_internal_files(self):
        self.assertEqual(sorted(self.hlp.dateien),
                         ["|CONTEXT", "|CTXOMAP", "|FONT", "|SYSTEM", "|TOPIC", "|TTLBTREE"])

    def test_system_says_uncompressed_windows_1252_and_names_the_contents(self):
        version, flags, saetze = self.hlp.system()
        self.assertEqual((version, flags), (33, 0))          # 4.0 format, 4 KB blocks, no compression
        self.assertEqual(saetze[1], [b"Varnis-Hilfe\0"])
        self.assertEqual(saetze[11], [b"\0\0"])              # ANSI character set
        self.assertEqual(int.from_bytes(saetze[3][0], "little"), self.koepfe[0].offset)

    def test_topic_titles_in_order_then_the_end_mark(self):
        titel = [k.daten2.decode("cp1252") for k in self.koepfe]
        self.assertEqual(titel, TITEL + [""])
        self.assertIn(b"\xdcberblick", self.koepfe[1].daten2)   # Windows-1252, not UTF-8

    def test_chain_of_records_across_blocks(self):
        bloecke = lesen.block_koepfe(self.topic)
        self.assertGreater(len(bloecke), 1)
        for vorher, satz in zip(self.saetze, self.saetze[1:]):
            self.assertEqual(satz.vorher, vorher.pos)
        self.assertEqual((self.saetze[0].vorher, self.saetze[-1].naechster), (lesen.KEINE,) * 2)
        for nummer, (letzter, erster, letzter_kopf) in enumerate(bloecke):
            im_block = [s for s in self.saetze if (s.pos - 12) >> 14 == nummer]
            davor = [s for s in self.saetze if (s.pos - 12) >> 14 < nummer]
            self.assertEqual(erster, im_block[0].pos)
            self.assertEqual(letzter, davor[-1].pos if davor else lesen.KEINE)
            koepfe_davor = [s.pos for s in davor if s.art == 0x02]
            self.assertEqual(letzter_kopf, koepfe_davor[-1] if koepfe_davor else 0)

    def test_topic_headers_point_at_their_text_and_the_next_topic(self):
        for nummer, (kopf, naechster) in enumerate(zip(self.koepfe, self.koepfe[1:])):
            _, zurueck, vor, zahl, fest, rollen, folge = (
                int.from_bytes(kopf.daten1[i:i + 4], "little") for i in range(0, 28, 4))
            self.assertEqual((zahl, fest, folge), (nummer, lesen.KEINE, naechster.pos))
            self.assertEqual(rollen, self.saetze[self.saetze.index(kopf) + 1].pos)
            self.assertEqual(vor, naechster.offset if naechster.daten2 else lesen.KEINE)
            self.assertEqual(zurueck, self.koepfe[nummer - 1].offset if nummer else lesen.KEINE)

    def test_every_jump_and_context_reaches_a_topic(self):
        kontexte = lesen.btree(self.hlp.intern("|CONTEXT"))
        self.assertEqual(sorted(offset for _, offset in kontexte),
                         [k.offset for k in self.koepfe[:-1]])
        inhalt = []
        for satz in self.saetze:
            if satz.art == 0x20:
                for sprung in lesen.absatz(satz).spruenge:
                    ziel = self.hlp.kontext(sprung)
                    if satz.pos < self.koepfe[1].pos:
                        inhalt.append(ziel)
        self.assertEqual(inhalt, [k.offset for k in self.koepfe[1:-1]])

    def test_titles_tree_matches_the_topics(self):
        titel = lesen.btree(self.hlp.intern("|TTLBTREE"))
        self.assertEqual(titel, [(k.offset, k.daten2) for k in self.koepfe[:-1]])

    def test_text_reads_back_with_umlauts_and_tabs(self):
        texte = "".join(lesen.absatz(s).text for s in self.saetze if s.art == 0x20)
        for stelle in ("Die linke Hälfte des Hauptfensters", "Alt+K\töffnet das Menü Karte",
                       "\u2022\tÜberblick: was Varnis zeigt"):
            self.assertIn(stelle, texte)


class FehlerhafteQuelle(unittest.TestCase):
    KOPF = "@titel T\n= start Start\n"

    def test_faults_are_reported_with_their_line(self):
        faelle = [
            ("jump to an unknown topic", "Siehe [dort](nirgends).\n", "line 3: jump to unknown topic"),
            ("bold not closed", "ein **fettes Wort\n", "line 3: ** is not closed"),
            ("character outside Windows-1252", "Alpha: \u03b1\n", "line 3: '\u03b1' has no Windows-1252"),
            ("context name with an umlaut", "= über Titel\n", "line 3: a topic needs"),
            ("key row without text", "| Alt+K |\n", "line 3: a key row needs"),
            ("paragraph larger than a topic block", "x" * 5000 + "\n", "does not fit a topic block"),
        ]
        for name, zeilen, meldung in faelle:
            with self.subTest(name):
                with self.assertRaisesRegex(QuellFehler, re.escape(meldung)):
                    erzeugen.bauen(self.KOPF + zeilen)

    def test_text_before_the_first_topic(self):
        with self.assertRaisesRegex(QuellFehler, "line 2: text before the first topic"):
            erzeugen.bauen("@titel T\nText\n")

    def test_two_context_names_with_the_same_hash_are_refused(self):
        # A known pair of names that collide under the viewers' hash function.
        self.assertEqual(hash_wert("M359HPEHGW"), hash_wert("Y5VQEXZQVJ"))
        with self.assertRaisesRegex(QuellFehler, "clashes"):
            erzeugen.bauen("@titel T\n= M359HPEHGW Eins\n= Y5VQEXZQVJ Zwei\n")


if __name__ == "__main__":
    unittest.main()
