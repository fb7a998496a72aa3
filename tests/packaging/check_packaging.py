#!/usr/bin/env python3
"""Checks what `cmake --install` and `cpack -G DEB` make of a build tree.

Usage: check_packaging.py {tree,validate,deb} BUILD_DIR VERSION
  tree      install into a temporary DESTDIR and compare the tree with the expected files
  validate  run the desktop and AppStream validators on the installed files, and check
            that the entry, the AppStream data, the icon and the binary agree
  deb       build the .deb in a temporary folder and check its control fields and contents
"""

import os
import pathlib
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

APP_ID = "io.github.columndesigner.ColumnDesigner"
BINARY = "column-designer"
ICON_SIZES = (16, 32, 48, 64, 128, 256)
DESKTOP_FILE = f"usr/share/applications/{APP_ID}.desktop"
METAINFO_FILE = f"usr/share/metainfo/{APP_ID}.metainfo.xml"
SCALABLE_ICON = f"usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg"
EXPECTED_FILES = {
    f"usr/bin/{BINARY}",
    DESKTOP_FILE,
    METAINFO_FILE,
    SCALABLE_ICON,
} | {f"usr/share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in ICON_SIZES}

DESKTOP_KEYS = {
    "Type": "Application",
    "Name": "Column Designer",
    "Name[ar]": "زركولت",
    "Icon": APP_ID,
    "Exec": BINARY,
    "Terminal": "false",
    "StartupNotify": "true",
    "Categories": "Education;Science;Engineering;",
}
DESKTOP_TEXT_KEYS = ("GenericName", "GenericName[ar]", "Comment", "Comment[ar]")
REQUIRED_DEPENDS = ("libc6", "libqt6widgets6", "libqt6gui6", "libqt6printsupport6",
                    "qt6-translations-l10n")
# The program carries its fonts: a font package would be installed for nothing.
UNWANTED_DEPENDS = ("fonts-noto-core",)

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)


def run(*command, env=None):
    return subprocess.run(command, capture_output=True, text=True, env=env, check=False)


def install(build_dir, destdir):
    env = dict(os.environ, DESTDIR=str(destdir))
    result = run("cmake", "--install", build_dir, "--prefix", "/usr", env=env)
    if result.returncode != 0:
        sys.exit(f"cmake --install failed:\n{result.stdout}{result.stderr}")


def installed_files(root):
    return {str(p.relative_to(root)) for p in root.rglob("*") if p.is_file() or p.is_symlink()}


def png_size(path):
    header = path.read_bytes()[:24]
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        return None
    return int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")


def check_tree(root):
    files = installed_files(root)
    expect(not EXPECTED_FILES - files, f"missing: {sorted(EXPECTED_FILES - files)}")
    expect(not files - EXPECTED_FILES, f"not expected: {sorted(files - EXPECTED_FILES)}")

    binary = root / "usr/bin" / BINARY
    if binary.is_file():
        expect(binary.read_bytes()[:4] == b"\x7fELF", f"{binary} is not an ELF file")
        expect(os.access(binary, os.X_OK), f"{binary} is not executable")

    for size in ICON_SIZES:
        icon = root / f"usr/share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png"
        if icon.is_file():
            actual = png_size(icon)
            expect(actual == (size, size), f"{icon.name} in {size}x{size} is {actual}")

    svg = root / SCALABLE_ICON
    if svg.is_file():
        expect(ET.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg",
               f"{svg} is not an SVG document")


def desktop_entry(path):
    entry = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        key, sep, value = line.partition("=")
        if sep and not line.startswith("#"):
            entry[key.strip()] = value.strip()
    return entry


def check_validators(root, version):
    desktop = root / DESKTOP_FILE
    metainfo = root / METAINFO_FILE
    for command in (("desktop-file-validate", desktop),
                    ("appstreamcli", "validate", "--no-net", metainfo)):
        result = run(*command)
        expect(result.returncode == 0,
               f"{command[0]} rejects the file:\n{result.stdout}{result.stderr}")

    entry = desktop_entry(desktop)
    for key, value in DESKTOP_KEYS.items():
        expect(entry.get(key) == value, f"desktop entry {key}={entry.get(key)!r}, not {value!r}")
    for key in DESKTOP_TEXT_KEYS:
        expect(entry.get(key), f"desktop entry has no {key}")
    expect((root / "usr/bin" / entry.get("Exec", "")).is_file(),
           "the desktop entry starts a program that is not installed")

    component = ET.parse(metainfo).getroot()
    lang = "{http://www.w3.org/XML/1998/namespace}lang"
    checks = {
        "id": (component.findtext("id"), APP_ID),
        "launchable": (component.findtext("launchable"), pathlib.Path(DESKTOP_FILE).name),
        "binary": (component.findtext("provides/binary"), BINARY),
        "release": (component.find("releases/release").get("version"), version),
        "Arabic name": (component.findtext(f"name[@{lang}='ar']"), DESKTOP_KEYS["Name[ar]"]),
        "content rating": (component.find("content_rating").get("type"), "oars-1.1"),
    }
    for what, (actual, wanted) in checks.items():
        expect(actual == wanted, f"AppStream {what} is {actual!r}, not {wanted!r}")
    expect(component.findtext(f"summary[@{lang}='ar']"), "AppStream has no Arabic summary")
    expect(component.find("screenshots/screenshot/image") is not None,
           "AppStream names no screenshot")


def deb_field(deb, field):
    return run("dpkg-deb", "--field", deb, field).stdout.strip()


def check_deb(build_dir, version, scratch):
    result = run("cpack", "-G", "DEB", "--config", f"{build_dir}/CPackConfig.cmake",
                 "-B", str(scratch))
    debs = list(scratch.glob("*.deb"))
    if result.returncode != 0 or len(debs) != 1:
        sys.exit(f"cpack made {len(debs)} packages:\n{result.stdout}{result.stderr}")
    deb = debs[0]

    architecture = run("dpkg", "--print-architecture").stdout.strip()
    fields = {"Package": BINARY, "Version": version, "Architecture": architecture}
    for field, wanted in fields.items():
        actual = deb_field(deb, field)
        expect(actual == wanted, f"control field {field} is {actual!r}, not {wanted!r}")
    for field in ("Maintainer", "Description", "Section"):
        expect(deb_field(deb, field), f"control field {field} is empty")

    depends = {d.split()[0] for d in deb_field(deb, "Depends").replace("|", ",").split(",")
               if d.strip()}
    for package in REQUIRED_DEPENDS:
        expect(package in depends, f"Depends lacks {package}: {sorted(depends)}")
    for package in UNWANTED_DEPENDS:
        expect(package not in depends, f"Depends needlessly holds {package}")
    recommends = deb_field(deb, "Recommends")
    expect("qt6-wayland" in recommends, f"Recommends lacks qt6-wayland: {recommends!r}")

    listing = run("dpkg-deb", "--contents", deb).stdout.splitlines()
    entries = {line.split()[-1].removeprefix("./"): line.split()[0] for line in listing}
    missing = EXPECTED_FILES - entries.keys()
    expect(not missing, f"the package lacks {sorted(missing)}")
    expect(entries.get(f"usr/bin/{BINARY}", "").startswith("-rwxr-xr-x"),
           f"usr/bin/{BINARY} in the package is not -rwxr-xr-x")


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("tree", "validate", "deb"):
        sys.exit(__doc__)
    check, build_dir, version = sys.argv[1:]
    with tempfile.TemporaryDirectory(prefix="coldesign-packaging-") as scratch:
        scratch = pathlib.Path(scratch)
        if check == "deb":
            check_deb(build_dir, version, scratch)
        else:
            install(build_dir, scratch)
            if check == "tree":
                check_tree(scratch)
            else:
                check_validators(scratch, version)
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
