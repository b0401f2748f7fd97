"""Assembles the star list: every star of the Bright Star Catalogue with its
position, magnitude, spectral class letter and proper name, each taken from
a source that identifies the star without doubt (see abgleich.py)."""
import unicodedata
from dataclasses import dataclass
from decimal import ROUND_HALF_UP, Decimal

import abgleich
import stellarium

# GCVS types whose catalogued magnitude is a maximum that the star reaches
# for weeks in a cycle of about a year (Mira) or once in decades (recurrent
# nova); such a star is drawn at its Hipparcos magnitude instead: kstars'
# to 0.01, or stellarium's to 0.05 for the stars fainter than kstars' limit
# of 9.0.
SELTEN_SO_HELL = {"M": "Mira-type variable", "NR": "recurrent nova"}

# Sources of star_names.fab that confirm a traditional name from kstars:
# Kunitzsch and Smart's dictionary of modern star names, Kaler's STARS, and
# the IAU's lists.
BESTAETIGT = {"1", "5"} | stellarium.IAU_QUELLEN

# Translations that are respellings rather than German forms: stellarium's
# "Svalocin" for Sualocin ("Nicolaus" read backwards).
KEINE_DEUTSCHE_FORM = {"Svalocin"}

# Names that a dictionary lists but that are nicknames, not star names:
# "Regor" for gamma2 Velorum (an astronaut's first name read backwards).
SPITZNAMEN = {"Regor"}

# Where stellarium marks a name as the IAU's but the IAU's list of star
# names spells it otherwise, or gives it to the other star of a pair: the
# IAU's "Schedar"; "Zubenelgenubi" is alpha2 Librae's alone, alpha1
# Librae has no IAU name.
IAU_SCHREIBUNG = {"Shedar": "Schedar", "Zubenelgenubi II": "Zubenelgenubi"}
KEIN_IAU_NAME = {"Zubenelgenubi I"}

# kstars' and stellarium's Hipparcos magnitudes agree within stellarium's
# step of 0.05 for all but three long-period variables (R Leo 8.50 and
# 10.30, S Vir, R Cas), where kstars' is neither the catalogue's nor
# Hipparcos'.
HIP_MAG_SPANNE = 0.1


@dataclass
class Stern:
    nummer: int           # HR number
    bezeichnung: str      # ten characters
    ra_zs: int            # right ascension, tenths of a second of time, 0..863999
    dec_bs: int           # declination, arcseconds, signed
    helligkeit: int       # magnitude x 100
    spektrum: str         # one character; " " when no source knows the type
    name: str             # proper name in Windows-1252 characters, "" when none
    iau_name: str         # the IAU's form where name is a German one, else ""
    quelle_ort: str       # "hip" (Hipparcos via kstars) or "bsc"
    quelle_spektrum: str  # "bsc", "stellarium", "kstars" or ""
    grund_helligkeit: str  # why the magnitude is not the catalogue's, "" when it is
    veraenderlicher: str  # GCVS designation, "" when none


@dataclass
class Quellen:
    """The source data that zusammenstellen joins, each as its reader gives it."""
    bsc: list             # bsc.BscStern
    bsc_typen: dict       # hr -> the catalogue's spectral type
    kstars: list          # kstars.HipStern
    hip: dict             # hip -> stellarium.HipEintrag
    kreuz: dict           # hr -> [hip]
    veraenderliche: dict  # hip -> stellarium.Veraenderlicher
    namen: dict           # hip -> [(name, {references})] of the Western sky culture
    deutsch: dict         # English star name -> German form


def _runden(wert):
    return int(Decimal(wert).to_integral_value(rounding=ROUND_HALF_UP))


def _mit_vorzeichen(betrag, negativ):
    return -betrag if negativ else betrag


def spektralklasse(typ):
    """The class letter of a spectral type: its first capital letter, so that
    prefixes of size and metal lines drop away ("gK0" K, "sdB5" B,
    "kA2hA5mA7V" A) and a composite type gives its first star's letter;
    "C", "S", "N", "W", "D" and the like stay as they are."""
    for zeichen in typ:
        if "A" <= zeichen <= "Z":
            return zeichen
    return None


def fenster_name(name):
    """The name in Windows-1252 characters; letters outside it lose their accents."""
    try:
        name.encode("cp1252")
        return name
    except UnicodeEncodeError:
        zerlegt = unicodedata.normalize("NFKD", name)
        return "".join(z for z in zerlegt if not unicodedata.combining(z)).encode(
            "cp1252", "replace").decode("cp1252")


def _ort(bsc_stern, kst):
    if kst is not None:
        ra = _runden(Decimal(kst.ra_cs) / 10) % 864000
        dec = _runden(Decimal(abs(kst.dec_ds)) / 10)
        return ra, _mit_vorzeichen(dec, kst.dec_ds < 0), "hip"
    ra = _runden(bsc_stern.ra * 36000) % 864000
    dec = _runden(abs(bsc_stern.dec) * 3600)
    return ra, _mit_vorzeichen(dec, bsc_stern.dec < 0), "bsc"


def _spektrum(bsc_typ, hip, kst):
    """The catalogue's own type first: it belongs to exactly this entry, where
    a Hipparcos type may describe both stars of a close pair or come through
    a wrong cross-identification. Where the catalogue's type is composite
    ("sdBe+gM3+Q" for T CrB), the part that the Hipparcos type confirms
    gives the letter, else the first part. Without a type in the catalogue,
    stellarium's full Hipparcos type comes next and kstars' two-letter one
    last (they are wrong for some bright stars: Capella "M1", epsilon
    Geminorum "A3")."""
    hip_klasse = hip and spektralklasse(hip.spektrum)
    teile = [spektralklasse(teil) for teil in bsc_typ.split("+") if spektralklasse(teil)]
    if teile:
        return (hip_klasse if hip_klasse in teile else teile[0]), "bsc"
    for typ, quelle in ((hip and hip.spektrum, "stellarium"), (kst and kst.spektrum, "kstars")):
        if typ and spektralklasse(typ):
            return spektralklasse(typ), quelle
    return " ", ""


def selten_so_hell(veraenderlicher):
    """Why the star's catalogued magnitude is one it rarely shows, or ""."""
    if veraenderlicher is None:
        return ""
    return SELTEN_SO_HELL.get(veraenderlicher.typ.split("+")[0].rstrip(":"), "")


def _helligkeit(bsc_stern, hip, kst, veraenderlicher):
    grund = selten_so_hell(veraenderlicher)
    kst_gilt = kst is not None and (hip is None or abs(float(kst.mag) - hip.mag) <= HIP_MAG_SPANNE)
    if grund and kst_gilt:
        return _runden(kst.mag * 100), grund
    if grund and hip is not None:
        return _runden(Decimal(str(hip.mag)) * 100), grund
    return bsc_stern.helligkeit, ""


def _name(hip_nummer, kst, quellen, iau_namen, vergeben):
    if hip_nummer in iau_namen:
        return iau_namen[hip_nummer]
    # kstars' own names hold only where a dictionary of star names confirms
    # them for this star; the others ("Al Nair" for alpha Indi, "Men",
    # "Tchou") and those the IAU gave to another star are left out.
    if kst is None or not kst.name or kst.name in vergeben or kst.name in SPITZNAMEN:
        return ""
    for name, belege in quellen.namen.get(hip_nummer, ()):
        if name == kst.name and belege & BESTAETIGT:
            return name
    return ""


def iau_namen(namen):
    """{hip: name} of the names stellarium marks as the IAU's, as the IAU spells them."""
    return {hip: IAU_SCHREIBUNG.get(name, name)
            for hip, name in stellarium.iau_namen(namen).items() if name not in KEIN_IAU_NAME}


def deutsche_form(name, deutsch):
    form = deutsch.get(name, name)
    return name if form in KEINE_DEUTSCHE_FORM else form


def _namensformen(name, deutsch):
    """(shown name, the IAU's form or "" when it is the shown one), Windows-1252."""
    gezeigt = fenster_name(deutsche_form(name, deutsch))
    iau = fenster_name(name)
    return gezeigt, ("" if iau == gezeigt else iau)


def zusammenstellen(quellen):
    hip_paare = abgleich.hip_paaren(quellen.bsc, quellen.hip, quellen.kreuz, quellen.veraenderliche)
    veraenderlich = {hr: quellen.veraenderliche.get(hip) for hr, hip in hip_paare.items()}
    spielraeume = {hr: abgleich.schwankung(v) for hr, v in veraenderlich.items()}
    hip_eintraege = {hr: quellen.hip[hip] for hr, hip in hip_paare.items()}
    kst_paare = abgleich.kstars_paaren(quellen.bsc, quellen.kstars, spielraeume, hip_eintraege)
    namen_der_iau = iau_namen(quellen.namen)
    vergeben = set(namen_der_iau.values())
    sterne = []
    for b in quellen.bsc:
        hip_nummer, kst = hip_paare.get(b.hr), kst_paare.get(b.hr)
        ra, dec, quelle = _ort(b, kst)
        hip, gcvs = quellen.hip.get(hip_nummer), veraenderlich.get(b.hr)
        spektrum, spektrum_quelle = _spektrum(quellen.bsc_typen[b.hr], hip, kst)
        helligkeit, grund = _helligkeit(b, hip, kst, gcvs)
        name = _name(hip_nummer, kst, quellen, namen_der_iau, vergeben)
        gezeigt, iau_form = _namensformen(name, quellen.deutsch)
        sterne.append(Stern(b.hr, b.bezeichnung, ra, dec, helligkeit, spektrum, gezeigt, iau_form,
                            quelle, spektrum_quelle, grund, gcvs.name if gcvs else ""))
    return sterne, hip_paare
