"""Checks of the two help files, without a display or a help viewer:

    python3 -m unittest discover -s tools/hilfe

The committed data/Varnis.hlp must be what the generator makes of the text,
and a reader written after the viewer's rules must find its internal files,
its topics in order, a target for every jump, every picture and the index.
The committed data/Varnis.chm must hold the files the generator makes of
the text; chmls (fp-utils-3.2.2) lists its topics, contents and index as a
viewer finds them, and every link and picture must point at a file in it.
"""
import os
import re
import subprocess
import unittest

import bild
import btree
import chmdatei
import erzeugen
import htmlhilfe
import lesen
import quelle
from hlpbild import lauflaenge_packen
from kontext import hash_wert
from quelle import QuellFehler

HIER = os.path.dirname(os.path.abspath(__file__))
HLP = os.path.join(erzeugen.WURZEL, "data", "Varnis.hlp")
CHM = os.path.join(erzeugen.WURZEL, "data", "Varnis.chm")


def _text():
    with open(erzeugen.QUELLE, encoding="utf-8") as datei:
        return datei.read()


class GelieferteDatei(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(HLP, "rb") as datei:
            cls.daten = datei.read()
        cls.hilfe = quelle.lesen(_text())
        cls.hlp = lesen.Hlp(cls.daten)
        cls.topic = cls.hlp.intern("|TOPIC")
        cls.saetze = lesen.saetze(cls.topic)
        cls.koepfe = [s for s in cls.saetze if s.art == 0x02]
        cls.absaetze = [(s, lesen.absatz(s)) for s in cls.saetze if s.art == 0x20]

    def test_matches_the_text_and_builds_the_same_twice(self):
        erste = erzeugen.bauen(_text())
        self.assertEqual(erste, erzeugen.bauen(_text()))
        self.assertTrue(erste == self.daten,
                        "data/Varnis.hlp is out of date: run python3 tools/hilfe/erzeugen.py")

    def test_internal_files(self):
        bilder = ["|bm%d" % n for n in range(len(self.hilfe.bilder()))]
        self.assertEqual(sorted(self.hlp.dateien),
                         sorted(["|CONTEXT", "|CTXOMAP", "|FONT", "|KWBTREE", "|KWDATA", "|KWMAP",
                                 "|SYSTEM", "|TOPIC", "|TTLBTREE"] + bilder))

    def test_system_says_uncompressed_windows_1252_and_names_the_contents(self):
        version, flags, saetze = self.hlp.system()
        self.assertEqual((version, flags), (33, 0))          # 4.0 format, 4 KB blocks, no compression
        self.assertEqual(saetze[1], [b"Varnis-Hilfe\0"])
        self.assertEqual(saetze[11], [b"\0\0"])              # ANSI character set
        self.assertEqual(int.from_bytes(saetze[3][0], "little"), self.koepfe[0].offset)

    def test_topic_titles_in_order_then_the_end_mark(self):
        titel = [k.daten2.decode("cp1252") for k in self.koepfe]
        self.assertEqual(titel, [t.titel for t in self.hilfe.themen] + [""])
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

    def test_every_jump_reaches_a_topic_and_the_contents_lists_every_topic(self):
        kontexte = lesen.btree(self.hlp.intern("|CONTEXT"))
        self.assertEqual(sorted(offset for _, offset in kontexte),
                         [k.offset for k in self.koepfe[:-1]])
        inhalt = []
        for satz, absatz in self.absaetze:
            for sprung in absatz.spruenge:
                ziel = self.hlp.kontext(sprung)
                if satz.pos < self.koepfe[1].pos:
                    inhalt.append(ziel)
        self.assertEqual(inhalt, [k.offset for k in self.koepfe[1:-1]])

    def test_titles_tree_matches_the_topics(self):
        titel = lesen.btree(self.hlp.intern("|TTLBTREE"))
        self.assertEqual(titel, [(k.offset, k.daten2) for k in self.koepfe[:-1]])

    def test_text_reads_back_with_umlauts_and_tabs(self):
        texte = "".join(absatz.text for _, absatz in self.absaetze)
        for stelle in ("Das Bedienfeld in der linken Hälfte des Hauptfensters",
                       "Alt+K\töffnet das Menü Karte", "\u2022\tÜberblick\n"):
            self.assertIn(stelle, texte)

    def test_every_picture_is_shown_once_and_holds_its_pixels(self):
        gezeigt = [n for _, absatz in self.absaetze for n in absatz.bilder]
        self.assertEqual(gezeigt, list(range(len(self.hilfe.bilder()))))
        for nummer, name in enumerate(self.hilfe.bilder()):
            with self.subTest(name):
                gelesen = lesen.bitmap(self.hlp.intern("|bm%d" % nummer))
                _, png = bild.laden(name)
                self.assertEqual((gelesen.breite, gelesen.hoehe), (png.breite, png.hoehe))
                self.assertEqual(gelesen.farben, png.farben)
                self.assertTrue(gelesen.zeilen == png.zeilen, "pixels differ")

    def test_index_leads_each_entry_to_its_topics(self):
        offsets = {t.kontext: k.offset for t, k in zip(self.hilfe.themen, self.koepfe)}
        daten = self.hlp.intern("|KWDATA")
        gelesen = []
        for wort, anzahl, stelle in lesen.btree(self.hlp.intern("|KWBTREE")):
            gelesen.append((wort.decode("cp1252"), [int.from_bytes(daten[stelle + 4 * i:stelle + 4 * i + 4],
                                                                   "little") for i in range(anzahl)]))
        erwartet = [(w, [offsets[k] for k in kontexte]) for w, kontexte in self.hilfe.stichwoerter()]
        self.assertEqual(gelesen, erwartet)
        titel = {w for w, _ in gelesen}
        self.assertTrue(all(t.titel in titel for t in self.hilfe.themen[1:]))
        # The map names each leaf with the number of keywords before it.
        karte = self.hlp.intern("|KWMAP")
        eintraege = [(int.from_bytes(karte[2 + 6 * i:6 + 6 * i], "little"),
                      int.from_bytes(karte[6 + 6 * i:8 + 6 * i], "little"))
                     for i in range(int.from_bytes(karte[:2], "little"))]
        self.assertGreater(len(eintraege), 1)
        self.assertEqual([seite for _, seite in eintraege], list(range(len(eintraege))))
        self.assertEqual(eintraege[0][0], 0)


class Bausteine(unittest.TestCase):
    def test_runs_unpack_to_what_was_packed(self):
        faelle = {
            "empty": b"",
            "one byte": b"\x07",
            "two equal bytes stay literal": b"\x05\x05\x06",
            "run of 127, then 128, then 300": b"\x01" * 127 + b"\x02" * 128 + b"\x03" * 300,
            "literals over 127": bytes(range(256)) * 2,
            "literal, run, literal": b"abc" + b"z" * 40 + b"de",
        }
        for name, daten in faelle.items():
            with self.subTest(name):
                self.assertEqual(lesen.lauflaenge_auspacken(lauflaenge_packen(daten), len(daten)), daten)

    def test_tree_over_several_leaves_reads_back_in_order(self):
        eintraege = [(("Wort%04d" % i).encode() + b"\0", i.to_bytes(2, "little") + bytes(4)) for i in range(300)]
        daten = btree.btree(eintraege, 0x800, 0x0002, "F24")
        gelesen = lesen.btree(daten)
        self.assertEqual([(w + b"\0", n.to_bytes(2, "little") + bytes(4)) for w, n, _ in gelesen], eintraege)
        self.assertEqual(int.from_bytes(daten[32:34], "little"), 2)          # two levels
        with self.assertRaisesRegex(ValueError, "more than one index page"):
            btree.btree(eintraege * 200, 0x800, 0x0002, "F24")

    def test_index_orders_umlauts_with_their_letters(self):
        woerter = ["Übersicht", "Zenit", "Uhrzeit", "ort", "Ort"]
        self.assertEqual(sorted(woerter, key=quelle.alphabetisch),
                         ["Ort", "ort", "Übersicht", "Uhrzeit", "Zenit"])


class ChmDatei(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.hilfe = quelle.lesen(_text())
        cls.dateien = chmdatei.dateien(CHM)
        cls.namen = chmdatei.namen(CHM)

    def test_holds_the_files_the_text_gives(self):
        self.assertTrue(self.dateien == erzeugen.chm_dateien(_text()),
                        "data/Varnis.chm is out of date: run python3 tools/hilfe/erzeugen.py")

    def test_every_topic_has_its_page_and_the_viewer_finds_contents_and_index(self):
        for thema in self.hilfe.themen:
            self.assertIn("/" + htmlhilfe.seite_name(thema.kontext), self.namen)
        for name in ("/Varnis.hhc", "/Varnis.hhk", "/#SYSTEM", "/#TOPICS", "/#WINDOWS"):
            self.assertIn(name, self.namen)
        system = subprocess.run(["chmls", "printsystem", CHM], capture_output=True).stdout.decode("cp1252")
        self.assertRegex(system, r"Default topic from \[options\]\s*:%s" % re.escape(
            htmlhilfe.seite_name(self.hilfe.themen[0].kontext)))

    def test_contents_tree_lists_every_topic_at_its_depth(self):
        erwartet = [(self.hilfe.ebene(t) + 1, t.titel, htmlhilfe.seite_name(t.kontext)) for t in self.hilfe.themen]
        self.assertEqual(chmdatei.inhalt(CHM), erwartet)

    def test_index_lists_every_entry_with_its_topics(self):
        erwartet = [(w, [htmlhilfe.seite_name(k) for k in kontexte]) for w, kontexte in self.hilfe.stichwoerter()]
        self.assertEqual(chmdatei.index(CHM), erwartet)

    def test_every_link_and_picture_points_at_a_file_inside(self):
        ziele = re.compile(rb'(?:href|src)="([^"]*)"', re.IGNORECASE)
        for name, daten in self.dateien.items():
            if not name.endswith((".html", ".hhc", ".hhk")):
                continue
            for ziel in ziele.findall(daten) + re.findall(rb'name="Local" value="([^"]*)"', daten):
                with self.subTest(seite=name, ziel=ziel):
                    self.assertIn("/" + ziel.decode("ascii"), self.namen)

    def test_pages_are_windows_1252(self):
        seite = self.dateien[htmlhilfe.seite_name("ueberblick")]
        self.assertIn(b"charset=windows-1252", seite)
        self.assertIn("Übersicht".encode("cp1252"), seite)


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
            ("topic defined twice", "= start Noch einmal\n", "line 3: topic 'start' is defined twice"),
            ("contents under another topic", "@unter start\n", "line 3: the contents topic stands above"),
            ("parent not before", "= a A\n= b B\n@unter c\n= c C\n", "line 5: @unter needs the topic before"),
            ("parent off the path", "= a A\n= b B\n@unter a\n= c C\n= d D\n@unter b\n",
             "line 8: @unter needs the topic before"),
            ("empty index entry", "@stichwort Wort;;\n", "line 3: an empty index entry"),
            ("picture without caption", "! bild.png\n", "line 3: a picture needs"),
            ("picture not PNG", "! bild.bmp Ein Bild\n", "line 3: a picture needs"),
            ("picture missing", "! fehlt.png Ein Bild\n", "picture fehlt.png:"),
        ]
        for name, zeilen, meldung in faelle:
            with self.subTest(name):
                with self.assertRaisesRegex(QuellFehler, re.escape(meldung)):
                    erzeugen.bauen(self.KOPF + zeilen)

    def test_commands_before_the_first_topic(self):
        for zeile in ("Text", "@stichwort Wort", "@unter start"):
            with self.subTest(zeile):
                with self.assertRaisesRegex(QuellFehler, "line 2: .* before the first topic"):
                    erzeugen.bauen("@titel T\n%s\n" % zeile)

    def test_two_context_names_with_the_same_hash_are_refused(self):
        # A known pair of names that collide under the viewers' hash function.
        self.assertEqual(hash_wert("M359HPEHGW"), hash_wert("Y5VQEXZQVJ"))
        with self.assertRaisesRegex(QuellFehler, "clashes"):
            erzeugen.bauen("@titel T\n= M359HPEHGW Eins\n= Y5VQEXZQVJ Zwei\n")

    def test_a_broken_link_in_a_page_stops_the_compiler(self):
        dateien = erzeugen.chm_dateien(self.KOPF + "Text\n")
        dateien["start.html"] = dateien["start.html"].replace(b"</body>", b'<a href="fehlt.html">x</a></body>')
        with self.assertRaisesRegex(QuellFehler, "chmcmd: .*fehlt.html"):
            htmlhilfe.kompilieren(dateien)


if __name__ == "__main__":
    unittest.main()
