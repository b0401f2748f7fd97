"""German names of the 88 constellations, by IAU abbreviation.

Hand-made: the names in common German use (as in German star atlases and
planetarium programs); where two are current, the shorter everyday one
("Fuchs" rather than "Füchschen", "Delfin" in today's spelling). The parts
of the old ship Argo keep the ship in their names: Kiel, Segel, Achterdeck
and Schiffskompass."""

DEUTSCH = {
    "And": "Andromeda", "Ant": "Luftpumpe", "Aps": "Paradiesvogel",
    "Aqr": "Wassermann", "Aql": "Adler", "Ara": "Altar", "Ari": "Widder",
    "Aur": "Fuhrmann", "Boo": "Bärenhüter", "Cae": "Grabstichel",
    "Cam": "Giraffe", "Cnc": "Krebs", "CVn": "Jagdhunde", "CMa": "Großer Hund",
    "CMi": "Kleiner Hund", "Cap": "Steinbock", "Car": "Kiel des Schiffs",
    "Cas": "Kassiopeia", "Cen": "Zentaur", "Cep": "Kepheus", "Cet": "Walfisch",
    "Cha": "Chamäleon", "Cir": "Zirkel", "Col": "Taube",
    "Com": "Haar der Berenike", "CrA": "Südliche Krone",
    "CrB": "Nördliche Krone", "Crv": "Rabe", "Crt": "Becher",
    "Cru": "Kreuz des Südens", "Cyg": "Schwan", "Del": "Delfin",
    "Dor": "Schwertfisch", "Dra": "Drache", "Equ": "Füllen", "Eri": "Eridanus",
    "For": "Chemischer Ofen", "Gem": "Zwillinge", "Gru": "Kranich",
    "Her": "Herkules", "Hor": "Pendeluhr", "Hya": "Wasserschlange",
    "Hyi": "Kleine Wasserschlange", "Ind": "Indianer", "Lac": "Eidechse",
    "Leo": "Löwe", "LMi": "Kleiner Löwe", "Lep": "Hase", "Lib": "Waage",
    "Lup": "Wolf", "Lyn": "Luchs", "Lyr": "Leier", "Men": "Tafelberg",
    "Mic": "Mikroskop", "Mon": "Einhorn", "Mus": "Fliege", "Nor": "Winkelmaß",
    "Oct": "Oktant", "Oph": "Schlangenträger", "Ori": "Orion", "Pav": "Pfau",
    "Peg": "Pegasus", "Per": "Perseus", "Phe": "Phönix", "Pic": "Maler",
    "Psc": "Fische", "PsA": "Südlicher Fisch", "Pup": "Achterdeck des Schiffs",
    "Pyx": "Schiffskompass", "Ret": "Netz", "Sge": "Pfeil", "Sgr": "Schütze",
    "Sco": "Skorpion", "Scl": "Bildhauer", "Sct": "Schild", "Ser": "Schlange",
    "Sex": "Sextant", "Tau": "Stier", "Tel": "Fernrohr", "Tri": "Dreieck",
    "TrA": "Südliches Dreieck", "Tuc": "Tukan", "UMa": "Großer Bär",
    "UMi": "Kleiner Bär", "Vel": "Segel des Schiffs", "Vir": "Jungfrau",
    "Vol": "Fliegender Fisch", "Vul": "Fuchs",
}
