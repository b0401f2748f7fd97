"""Checks the two release archives as a user receives them.

    zips_pruefen.py VERSION DATA_FOLDER "DATA;FILES" "SHIPPED;FILES" ZIP64 ZIP32

Each archive holds exactly the folder Varnis/ with the shipped files; the
data files are those of data/ byte for byte; the programs are stripped
Windows GUI programs of the archive's word size; LIESMICH.txt is German in
Windows-1252 with CR LF and names this version. Every failure is listed,
then the exit code is 1.
"""
import struct
import sys
import zipfile

IMAGE_FILE_MACHINE = {64: 0x8664, 32: 0x014C}
OPTIONAL_MAGIC = {64: 0x20B, 32: 0x10B}  # PE32+ and PE32
SUBSYSTEM_WINDOWS_GUI = 2


def pe_fehler(name, inhalt, bits):
    """What is wrong with a program file for a Windows of `bits` bits."""
    if inhalt[:2] != b"MZ":
        return [f"{name}: not an MZ file"]
    pe = struct.unpack_from("<I", inhalt, 0x3C)[0]
    if inhalt[pe:pe + 4] != b"PE\0\0":
        return [f"{name}: no PE header"]
    maschine, _, _, _, symbolzahl = struct.unpack_from("<HHIII", inhalt, pe + 4)
    magic = struct.unpack_from("<H", inhalt, pe + 24)[0]
    subsystem = struct.unpack_from("<H", inhalt, pe + 24 + 68)[0]
    fehler = []
    if maschine != IMAGE_FILE_MACHINE[bits] or magic != OPTIONAL_MAGIC[bits]:
        fehler.append(f"{name}: machine {maschine:#x}, magic {magic:#x}: not a {bits}-bit program")
    if symbolzahl:
        fehler.append(f"{name}: not stripped ({symbolzahl} symbols)")
    if subsystem != SUBSYSTEM_WINDOWS_GUI:
        fehler.append(f"{name}: subsystem {subsystem}, not a GUI program")
    return fehler


def liesmich_fehler(inhalt, version):
    fehler = []
    if inhalt.replace(b"\r\n", b"").count(b"\n") or inhalt.replace(b"\r\n", b"").count(b"\r"):
        fehler.append("LIESMICH.txt: a line end that is not CR LF")
    if "ü".encode("utf-8") in inhalt or "ä".encode("utf-8") in inhalt:
        fehler.append("LIESMICH.txt: UTF-8 umlauts, not Windows-1252")
    try:
        text = inhalt.decode("cp1252")
    except UnicodeDecodeError as e:
        return fehler + [f"LIESMICH.txt: not Windows-1252: {e}"]
    for muss in (f"Varnis {version}", "%APPDATA%\\Varnis", "Kovra.ini", "Varnis.ini",
                 "GNU General Public License"):
        if muss not in text:
            fehler.append(f"LIESMICH.txt: does not mention '{muss}'")
    if "Administrator ausführen" in text:
        fehler.append("LIESMICH.txt: still advises running as administrator")
    return fehler


def zip_fehler(pfad, bits, version, daten, liste):
    try:
        archiv = zipfile.ZipFile(pfad)
    except OSError as e:
        return [f"{pfad}: cannot be read ({e}); tools/release.sh writes it"]
    with archiv:
        namen = sorted(archiv.namelist())
        erwartet = sorted(["Varnis/"] + [f"Varnis/{d}" for d in liste])
        if namen != erwartet:
            fehlt = sorted(set(erwartet) - set(namen))
            zuviel = sorted(set(namen) - set(erwartet))
            return [f"{pfad}: missing {fehlt}, not expected {zuviel}"]
        fehler = []
        for datei in liste:
            inhalt = archiv.read(f"Varnis/{datei}")
            if datei.endswith((".exe", ".scr")):
                fehler += pe_fehler(datei, inhalt, bits)
            elif datei == "LIESMICH.txt":
                fehler += liesmich_fehler(inhalt, version)
            elif datei in daten:
                with open(daten[datei], "rb") as f:
                    if f.read() != inhalt:
                        fehler.append(f"{datei}: differs from {daten[datei]}")
        return [f"{pfad}: {f}" for f in fehler]


def main():
    version, datenordner, daten, liste, zip64, zip32 = sys.argv[1:]
    daten = {d: f"{datenordner}/{d}" for d in daten.split(";")}
    liste = liste.split(";")
    fehler = zip_fehler(zip64, 64, version, daten, liste) + zip_fehler(zip32, 32, version, daten, liste)
    for f in fehler:
        print(f)
    if not fehler:
        print("both archives hold exactly the shipped files")
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
