"""Fetches the Debian packages that hold the source catalogues and unpacks the
files the generator reads.

The versions are pinned so that the generator rebuilds the same bytes; when a
pinned version is no longer on the mirror the current one is taken and the
difference is reported, since the output may then change.
"""
import glob
import os
import subprocess
import sys
import tarfile

# Package -> (pinned version, files read from it).
PAKETE = {
    "xplanet": ("1.3.1-3+b1", [
        "usr/share/xplanet/stars/BSC",
    ]),
    "kstars-data": ("5:3.6.2-2", [
        "usr/share/kstars/stars.dat",
        "usr/share/kstars/clines.dat",
        "usr/share/kstars/cnames.dat",
    ]),
    "stellarium-data": ("0.22.2-1", [
        "usr/share/stellarium/stars/default/cross-id.dat",
        "usr/share/stellarium/stars/default/stars_0_0v0_8.cat",
        "usr/share/stellarium/stars/default/stars_1_0v0_8.cat",
        "usr/share/stellarium/stars/default/stars_2_0v0_8.cat",
        "usr/share/stellarium/stars/default/stars_hip_sp_0v0_4.cat",
        "usr/share/stellarium/skycultures/western/star_names.fab",
    ]),
}


def _deb_finden(cache, paket):
    treffer = sorted(glob.glob(os.path.join(cache, paket + "_*.deb")))
    return treffer[-1] if treffer else None


def _version_von(deb):
    return subprocess.run(["dpkg-deb", "-f", deb, "Version"], check=True,
                          capture_output=True, text=True).stdout.strip()


def _herunterladen(cache, paket, version):
    """apt-get download of the pinned version, else of the current one."""
    for ziel in (paket + "=" + version, paket):
        lauf = subprocess.run(["apt-get", "download", ziel], cwd=cache,
                              capture_output=True, text=True)
        deb = _deb_finden(cache, paket)
        if lauf.returncode == 0 and deb:
            return deb
    sys.exit("apt-get download %s failed; run 'apt-get update' once and retry.\n%s"
             % (paket, lauf.stderr))


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


def bereitstellen(cache):
    """Returns {package: (version, unpacked root folder)} after fetching what is missing."""
    os.makedirs(cache, exist_ok=True)
    ergebnis = {}
    for paket, (version, dateien) in PAKETE.items():
        deb = _deb_finden(cache, paket) or _herunterladen(cache, paket, version)
        echt = _version_von(deb)
        if echt != version:
            print("warning: %s %s instead of the pinned %s; the files may differ"
                  % (paket, echt, version), file=sys.stderr)
        wurzel = os.path.join(cache, paket + "_" + echt.replace(":", "%3a"))
        if not all(os.path.exists(os.path.join(wurzel, d)) for d in dateien):
            _auspacken(deb, wurzel, dateien)
        ergebnis[paket] = (echt, wurzel)
    return ergebnis
