"""Fetches the Debian packages that hold the source catalogues and unpacks the
files the generator reads.

The versions are pinned so that the generator rebuilds the same bytes. apt-get
works here on a package list of its own in the cache folder, for the release
the versions come from and with the non-free component (the Bright Star
Catalogue with its spectral types is packaged there), so the machine's own
apt set-up is neither needed nor touched. When a pinned version is no longer
on the mirror the current one is taken and the difference is reported, since
the output may then change.
"""
import getpass
import glob
import os
import subprocess
import sys
import tarfile

ARCHIV = "http://deb.debian.org/debian"
AUSGABE = "bookworm"
KOMPONENTEN = "main non-free"
SCHLUESSEL = "/usr/share/keyrings/debian-archive-keyring.gpg"

STELLARIUM = "usr/share/stellarium/"

# Package -> (pinned version, files read from it).
PAKETE = {
    "xplanet": ("1.3.1-3+b1", [
        "usr/share/xplanet/stars/BSC",
    ]),
    "yale": ("5.0.95-3", [
        "usr/share/stardata/yale/catalog.dat",
    ]),
    "kstars-data": ("5:3.6.2-2", [
        "usr/share/kstars/stars.dat",
        "usr/share/kstars/clines.dat",
        "usr/share/kstars/cnames.dat",
        "usr/share/locale/de/LC_MESSAGES/kstars.mo",
    ]),
    "stellarium-data": ("0.22.2-1", [
        STELLARIUM + "stars/default/cross-id.dat",
        STELLARIUM + "stars/default/gcvs_hip_part.dat",
        STELLARIUM + "stars/default/stars_0_0v0_8.cat",
        STELLARIUM + "stars/default/stars_1_0v0_8.cat",
        STELLARIUM + "stars/default/stars_2_0v0_8.cat",
        STELLARIUM + "stars/default/stars_hip_sp_0v0_4.cat",
        STELLARIUM + "skycultures/western/star_names.fab",
        STELLARIUM + "skycultures/western/constellationship.fab",
        STELLARIUM + "translations/stellarium-skycultures/de.qm",
    ]),
}


def _apt(cache, *befehl):
    """apt-get on the package list in cache/apt, as the calling user."""
    apt = os.path.join(cache, "apt")
    quellen = os.path.join(apt, "sources.list")
    if not os.path.exists(quellen):
        os.makedirs(os.path.join(apt, "lists", "partial"), exist_ok=True)
        os.makedirs(os.path.join(apt, "cache", "archives", "partial"), exist_ok=True)
        with open(quellen, "w", encoding="ascii") as datei:
            datei.write("deb [signed-by=%s] %s %s %s\n" % (SCHLUESSEL, ARCHIV, AUSGABE, KOMPONENTEN))
    optionen = ["-o", "Dir::Etc::SourceList=" + quellen,
                "-o", "Dir::Etc::SourceParts=/dev/null",
                "-o", "Dir::State::Lists=" + os.path.join(apt, "lists"),
                "-o", "Dir::Cache=" + os.path.join(apt, "cache"),
                "-o", "APT::Sandbox::User=" + getpass.getuser()]
    return subprocess.run(["apt-get", "-q"] + optionen + list(befehl), cwd=cache,
                          capture_output=True, text=True)


def _deb_finden(cache, paket):
    treffer = sorted(glob.glob(os.path.join(cache, paket + "_*.deb")))
    return treffer[-1] if treffer else None


def _version_von(deb):
    return subprocess.run(["dpkg-deb", "-f", deb, "Version"], check=True,
                          capture_output=True, text=True).stdout.strip()


def _herunterladen(cache, paket, version):
    """apt-get download of the pinned version, else of the current one."""
    if not glob.glob(os.path.join(cache, "apt", "lists", "*_Packages*")):
        lauf = _apt(cache, "update")
        if lauf.returncode != 0:
            sys.exit("apt-get update of the package list in %s/apt failed:\n%s" % (cache, lauf.stderr))
    for ziel in (paket + "=" + version, paket):
        lauf = _apt(cache, "download", ziel)
        deb = _deb_finden(cache, paket)
        if lauf.returncode == 0 and deb:
            return deb
    sys.exit("apt-get download %s failed:\n%s" % (paket, lauf.stderr))


def _auspacken(deb, ziel, dateien):
    """Extracts only the wanted files (the stellarium package is 250 MB)."""
    gesucht = {"./" + d for d in dateien}
    tar = subprocess.Popen(["dpkg-deb", "--fsys-tarfile", deb], stdout=subprocess.PIPE)
    with tarfile.open(fileobj=tar.stdout, mode="r|") as archiv:
        for eintrag in archiv:
            if eintrag.name in gesucht:
                archiv.extract(eintrag, ziel, filter="data")
                gesucht.discard(eintrag.name)
    if tar.wait() != 0 or gesucht:
        sys.exit("%s: could not unpack %s" % (deb, sorted(gesucht)))


def einzeln_bereitstellen(cache, paket, version, dateien):
    """(version, unpacked root folder) of one package, fetched when missing."""
    os.makedirs(cache, exist_ok=True)
    deb = _deb_finden(cache, paket) or _herunterladen(cache, paket, version)
    echt = _version_von(deb)
    if echt != version:
        print("warning: %s %s instead of the pinned %s; the files may differ"
              % (paket, echt, version), file=sys.stderr)
    wurzel = os.path.join(cache, paket + "_" + echt.replace(":", "%3a"))
    if not all(os.path.exists(os.path.join(wurzel, d)) for d in dateien):
        _auspacken(deb, wurzel, dateien)
    return echt, wurzel


def bereitstellen(cache):
    """Returns {package: (version, unpacked root folder)} after fetching what is missing."""
    return {paket: einzeln_bereitstellen(cache, paket, version, dateien)
            for paket, (version, dateien) in PAKETE.items()}
