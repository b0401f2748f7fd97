"""The places file: name;latitude;longitude per line (decimal degrees, north
and east positive), in alphabetical order, CR LF, Windows-1252.

Hand-made table. Coordinates are those of each city centre as gazetteers
publish them, rounded to a hundredth of a degree; the poles are exact. The
list holds the large German-speaking cities and a few smaller ones, capitals
and large cities of every continent, places far north and south, and the
poles. The program selects the 16th place (index 15) by default and centres
the view on +39.33 degrees: that place is Baltimore, +39.29."""

ORTE = [
    ("Aachen", 50.78, 6.08), ("Accra", 5.60, -0.19), ("Addis Abeba", 9.03, 38.74),
    ("Adelaide", -34.93, 138.60), ("Alert", 82.50, -62.35), ("Algier", 36.75, 3.06),
    ("Alice Springs", -23.70, 133.88), ("Amsterdam", 52.37, 4.90),
    ("Anchorage", 61.22, -149.90), ("Ankara", 39.93, 32.86), ("Athen", 37.98, 23.73),
    ("Auckland", -36.85, 174.76), ("Augsburg", 48.37, 10.90), ("Bagdad", 33.31, 44.37),
    ("Baku", 40.41, 49.87), ("Baltimore", 39.29, -76.61), ("Bangkok", 13.75, 100.50),
    ("Barcelona", 41.39, 2.17), ("Basel", 47.56, 7.59), ("Berlin", 52.52, 13.40),
    ("Bern", 46.95, 7.45), ("Bonn", 50.73, 7.10), ("Bozen", 46.50, 11.35),
    ("Braunschweig", 52.27, 10.52), ("Bremen", 53.08, 8.80), ("Brüssel", 50.85, 4.35),
    ("Budapest", 47.50, 19.04), ("Buenos Aires", -34.60, -58.38),
    ("Chicago", 41.88, -87.63), ("Delhi", 28.61, 77.21), ("Dortmund", 51.51, 7.47),
    ("Dresden", 51.05, 13.74), ("Düsseldorf", 51.23, 6.78), ("Erfurt", 50.98, 11.03),
    ("Flensburg", 54.78, 9.44), ("Frankfurt am Main", 50.11, 8.68),
    ("Freiburg im Breisgau", 47.99, 7.85), ("Graz", 47.07, 15.44),
    ("Hamburg", 53.55, 9.99), ("Hannover", 52.37, 9.74), ("Havanna", 23.11, -82.37),
    ("Helsinki", 60.17, 24.94), ("Hobart", -42.88, 147.33), ("Hongkong", 22.32, 114.17),
    ("Honolulu", 21.31, -157.86), ("Innsbruck", 47.27, 11.39), ("Istanbul", 41.01, 28.98),
    ("Jakarta", -6.21, 106.85), ("Jerusalem", 31.78, 35.22),
    ("Johannesburg", -26.20, 28.05), ("Kairo", 30.04, 31.24), ("Kapstadt", -33.92, 18.42),
    ("Karlsruhe", 49.01, 8.40), ("Kassel", 51.32, 9.50), ("Kiel", 54.32, 10.14),
    ("Klagenfurt", 46.62, 14.31), ("Köln", 50.94, 6.96), ("Konstanz", 47.66, 9.18),
    ("Kopenhagen", 55.68, 12.57), ("Lagos", 6.52, 3.38), ("Leipzig", 51.34, 12.37),
    ("Lima", -12.05, -77.04), ("Linz", 48.31, 14.29), ("Lissabon", 38.72, -9.14),
    ("London", 51.51, -0.13), ("Longyearbyen", 78.22, 15.65),
    ("Los Angeles", 34.05, -118.24), ("Luxemburg", 49.61, 6.13), ("Luzern", 47.05, 8.31),
    ("Madrid", 40.42, -3.70), ("Magdeburg", 52.13, 11.63), ("Mainz", 50.00, 8.27),
    ("McMurdo-Station", -77.85, 166.67), ("Mexiko-Stadt", 19.43, -99.13),
    ("Moskau", 55.76, 37.62), ("Mumbai", 19.08, 72.88), ("München", 48.14, 11.58),
    ("Münster", 51.96, 7.63), ("Nairobi", -1.29, 36.82), ("New York", 40.71, -74.01),
    ("Nordpol", 90.00, 0.00), ("Nürnberg", 49.45, 11.08), ("Oslo", 59.91, 10.75),
    ("Paris", 48.86, 2.35), ("Peking", 39.90, 116.41), ("Perth", -31.95, 115.86),
    ("Potsdam", 52.40, 13.07), ("Prag", 50.08, 14.44), ("Quito", -0.18, -78.47),
    ("Regensburg", 49.01, 12.10), ("Reykjavík", 64.15, -21.94),
    ("Rio de Janeiro", -22.91, -43.17), ("Rom", 41.90, 12.50), ("Rostock", 54.09, 12.10),
    ("Saarbrücken", 49.23, 7.00), ("Salzburg", 47.80, 13.04),
    ("San Francisco", 37.77, -122.42), ("Santiago de Chile", -33.45, -70.67),
    ("Schanghai", 31.23, 121.47), ("Singapur", 1.35, 103.82), ("St. Gallen", 47.42, 9.38),
    ("Stockholm", 59.33, 18.07), ("Stuttgart", 48.78, 9.18), ("Südpol", -90.00, 0.00),
    ("Sydney", -33.87, 151.21), ("Tokio", 35.68, 139.69), ("Tromsø", 69.65, 18.96),
    ("Ushuaia", -54.80, -68.30), ("Vaduz", 47.14, 9.52), ("Wien", 48.21, 16.37),
    ("Windhuk", -22.56, 17.08), ("Zürich", 47.38, 8.54),
]

STANDARD_INDEX = 15        # default place of the settings
STANDARD_BREITE = 39.33    # default view declination of the settings
ZEILE_MAX = 47             # the program reads lines in pieces of 48 characters
_UMLAUTE = str.maketrans({"ä": "a", "ö": "o", "ü": "u", "ß": "ss", "í": "i", "ø": "o"})


def _sortierschluessel(ort):
    """German dictionary order: umlauts sort with their base letters."""
    return ort[0].lower().translate(_UMLAUTE)


def zeilen():
    orte = sorted(ORTE, key=_sortierschluessel)
    if abs(orte[STANDARD_INDEX][1] - STANDARD_BREITE) > 1.0:
        raise ValueError("the default place %s is not near +39.33" % orte[STANDARD_INDEX][0])
    ergebnis = []
    for name, breite, laenge in orte:
        zeile = ("%s;%.2f;%.2f\r\n" % (name, breite, laenge)).encode("cp1252")
        if len(zeile) > ZEILE_MAX or not -90 <= breite <= 90:
            raise ValueError("place line does not fit: %r" % zeile)
        ergebnis.append(zeile)
    return ergebnis


def schreiben(pfad):
    with open(pfad, "wb") as datei:
        datei.writelines(zeilen())
