#!/usr/bin/env python3
"""`cpack -G DEB`: the package holds the program, its link, its tables, the
desktop entry, the icon, the metainfo and the manual page, and its metadata
names the dependencies the program needs."""
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from kvantor_command import Checks  # noqa: E402

APP_ID = "com.tessmark.Kvantor2"
check = Checks()


def main():
    build = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        made = subprocess.run(["cpack", "-G", "DEB", "-B", tmp, "--config", f"{build}/CPackConfig.cmake"],
                              capture_output=True, text=True)
        check(made.returncode == 0, f"cpack failed:\n{made.stdout}{made.stderr}")
        debs = list(Path(tmp).glob("kvantor2_*.deb"))
        check(len(debs) == 1, f"one kvantor2_*.deb expected, found {debs}")
        if not debs:
            return check.finish("package")
        deb = str(debs[0])

        field = lambda name: subprocess.run(["dpkg-deb", "-f", deb, name], capture_output=True, text=True).stdout.strip()
        check(field("Package") == "kvantor2", "package name")
        check(re.fullmatch(r"\d+\.\d+\.\d+", field("Version") or ""), f"version {field('Version')!r}")
        depends = field("Depends")
        for needed in ["libqt6widgets6", "libqt6svg6", "qt6-qpa-plugins", "fonts-liberation2"]:
            check(needed in depends, f"Depends lacks {needed}: {depends}")
        check("gnome-calculator" in field("Recommends") and "xdg-utils" in field("Recommends"),
              f"Recommends: {field('Recommends')}")
        description = field("Description")
        check(description.startswith("unit converter") and len(description.splitlines()) > 3,
              f"description: {description!r}")

        listing = subprocess.run(["dpkg-deb", "-c", deb], capture_output=True, text=True).stdout
        for path in ["./usr/lib/kvantor2/Kvantor2", "./usr/lib/kvantor2/members.DBF", "./usr/lib/kvantor2/phcont.dbf",
                     "./usr/lib/kvantor2/help/10.html", f"./usr/share/applications/{APP_ID}.desktop",
                     f"./usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
                     f"./usr/share/metainfo/{APP_ID}.metainfo.xml", "./usr/share/man/man1/Kvantor2.1.gz"]:
            check(re.search(r" " + re.escape(path) + r"$", listing, re.M), f"{path} not in the package")
        check(re.search(r" \./usr/bin/Kvantor2 -> \.\./lib/kvantor2/Kvantor2$", listing, re.M),
              "the link on the path is not in the package")
    return check.finish("package")


if __name__ == "__main__":
    sys.exit(main())
