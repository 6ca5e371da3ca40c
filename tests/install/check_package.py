#!/usr/bin/env python3
"""`cpack -G DEB`: the package holds the program, its link, its tables, the
desktop entry, the icon, the metainfo and the manual page, and its metadata
names the dependencies the program needs (and no more), and lintian finds
no fault in it."""
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


def known_package(name):
    policy = subprocess.run(["apt-cache", "policy", name], capture_output=True, text=True).stdout
    return re.search(r"Candidate: (?!\(none\))", policy) is not None


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
        for needed in ["libqt6widgets6", "libqt6svg6", "fonts-liberation2"]:
            check(needed in depends, f"Depends lacks {needed}: {depends}")
        # On bookworm Qt's X11 platform plugin comes with libqt6gui6.
        check("qt6-qpa-plugins" not in depends, f"Depends: {depends}")
        # A minimal system gets little beside the program; the rest is suggested.
        check(field("Recommends") == "xdg-utils", f"Recommends: {field('Recommends')}")
        suggests = field("Suggests")
        for wanted in ["gnome-calculator", "kcalc", "gnome-text-editor", "mousepad"]:
            check(wanted in suggests, f"Suggests lacks {wanted}: {suggests}")
        # Every package named is one the system can install.
        named = set()
        for relation in ("Depends", "Recommends", "Suggests"):
            for alternative in re.split(r"[,|]", field(relation)):
                if alternative.strip():
                    named.add(alternative.split("(")[0].strip())
        check(known_package("dpkg"), "apt knows no packages: run apt-get update")
        for name in sorted(named):
            check(known_package(name), f"no such package on this system's release: {name}")

        # The summary once, then the long description in paragraphs that
        # apt wraps: one leading blank each line, " ." between paragraphs.
        control = subprocess.run(["dpkg-deb", "-f", deb], capture_output=True, text=True).stdout
        lines = control[control.index("Description: "):].splitlines()
        summary, body = lines[0][len("Description: "):], lines[1:]
        body = body[:next((i for i, l in enumerate(body) if not l.startswith(" ")), len(body))]
        check(summary == "unit converter and engineering multi-tool", f"summary: {summary!r}")
        check(len(body) > 3 and all(re.match(r" [^ ]", l) for l in body), f"description: {body}")
        check(" ." in body and summary not in "\n".join(body), f"description: {body}")

        listing = subprocess.run(["dpkg-deb", "-c", deb], capture_output=True, text=True).stdout
        for path in ["./usr/lib/kvantor2/Kvantor2", "./usr/lib/kvantor2/members.DBF", "./usr/lib/kvantor2/phcont.dbf",
                     "./usr/lib/kvantor2/help/10.html", f"./usr/share/applications/{APP_ID}.desktop",
                     f"./usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
                     f"./usr/share/metainfo/{APP_ID}.metainfo.xml", "./usr/share/man/man1/Kvantor2.1.gz",
                     "./usr/share/doc/kvantor2/copyright", "./usr/share/doc/kvantor2/changelog.gz"]:
            check(re.search(r" " + re.escape(path) + r"$", listing, re.M), f"{path} not in the package")
        check(re.search(r" \./usr/bin/Kvantor2 -> \.\./lib/kvantor2/Kvantor2$", listing, re.M),
              "the link on the path is not in the package")

        # The archive's own checks: no error, no warning. Notes that follow
        # from keeping the program, its tables and its help in one private
        # folder (so that it finds them beside itself) are expected, and only those.
        expected_notes = {
            # the help pages lie beside the program, where it looks for them
            "package-contains-documentation-outside-usr-share-doc",
        }
        linted = subprocess.run(["lintian", "--display-info", "--tag-display-limit", "0", deb], capture_output=True, text=True)
        check(linted.returncode in (0, 1), f"lintian did not run: {linted.stderr}")
        for line in linted.stdout.splitlines():
            m = re.match(r"([EWIPX]): kvantor2[^:]*: (\S+)", line)
            if not m:
                continue
            level, tag = m.groups()
            check(level == "I" and tag in expected_notes, f"lintian: {line}")
    return check.finish("package")


if __name__ == "__main__":
    sys.exit(main())
