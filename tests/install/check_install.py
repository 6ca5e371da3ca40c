#!/usr/bin/env python3
"""`cmake --install` into a temporary DESTDIR: the program runs through the
link on the path from another folder and finds its tables, the installed tree
holds everything the build's bin/ does, and the desktop entry, the AppStream
metainfo and the manual page pass their validators."""
import gzip
import hashlib
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from kvantor_command import Checks, run  # noqa: E402

APP_ID = "com.tessmark.Kvantor2"
check = Checks()


def tool(*cmd, **kw):
    return subprocess.run(list(cmd), capture_output=True, text=True, **kw)


def digest(folder):
    return {p.relative_to(folder): hashlib.sha256(p.read_bytes()).hexdigest()
            for p in sorted(folder.rglob("*")) if p.is_file()}


def help_synopses(usage):
    """Each command's usage as --help prints it (the summary, which starts after
    two blanks or on a line of its own in column 25, left out), one line each."""
    found, name = {}, None
    for line in usage.splitlines():
        if re.match(r"  [a-z]", line):
            name = line.split()[0]
            found[name] = re.split(r"\s{2,}", line.strip())[0]
        elif re.match(r"\S|  \S", line):
            name = None  # --version, or the end of the list
        elif name and line.strip() and len(line) - len(line.lstrip()) < 25:
            found[name] += " " + line.strip()
    return found


def roff_text(request):
    """The text a font request (.B, .BI, .BR, .IR ...) prints: its arguments,
    the quoted ones kept whole, joined with blanks by .B and alternated without
    by the others, the font escapes dropped."""
    macro, rest = request.split(" ", 1)
    args = [a if q == "" else q for q, a in re.findall(r'"((?:[^"]|"")*)"|(\S+)', rest)]
    text = (" " if macro == ".B" else "").join(args)
    return re.sub(r"\\f[BIRP]", "", text).replace("\\-", "-")


def manual_synopses(page):
    """Each command's synopsis in the manual's list of commands: the line after
    .TP, with the alternatives after .TQ joined by " | "."""
    found, name, after = {}, None, None
    for line in page.split(".SH COMMANDS", 1)[-1].split("\n.SH ", 1)[0].splitlines():
        if line in (".TP", ".TQ"):
            after = line
        elif after:
            text = roff_text(line)
            if after == ".TP":
                name = text.split()[0]
                found[name] = text
            else:
                found[name] += " | " + text
            after = None
    return found


def main():
    build = sys.argv[1]
    bin_dir = Path(os.environ["KV_BIN_DIR"])
    with tempfile.TemporaryDirectory() as tmp:
        dest = Path(tmp) / "dest"
        done = tool("cmake", "--install", build, "--prefix", "/usr", env=dict(os.environ, DESTDIR=str(dest)))
        check(done.returncode == 0, f"cmake --install failed:\n{done.stdout}{done.stderr}")
        usr = dest / "usr"
        private = usr / "lib/kvantor2"
        link = usr / "bin/Kvantor2"
        check(link.is_symlink() and os.readlink(link) == "../lib/kvantor2/Kvantor2",
              f"{link} should be a relative link to the program")

        # Everything the program reads beside itself in the build is installed.
        wanted = {p.relative_to(bin_dir) for p in bin_dir.rglob("*") if p.is_file() and p.suffix != ".stamp"}
        have = {p.relative_to(private) for p in private.rglob("*") if p.is_file()}
        check(wanted <= have, f"not installed: {sorted(map(str, wanted - have))}")

        for path in [f"share/applications/{APP_ID}.desktop", f"share/metainfo/{APP_ID}.metainfo.xml",
                     f"share/icons/hicolor/scalable/apps/{APP_ID}.svg", "share/man/man1/Kvantor2.1.gz"] + \
                [f"share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png" for s in (16, 22, 24, 32, 48, 64, 128, 256)]:
            check((usr / path).is_file(), f"{path} not installed")

        # Through the link, from elsewhere, with the install folder left as installed.
        before = digest(private)
        home = Path(tmp) / "data-home"
        env = dict(os.environ, XDG_DATA_HOME=str(home))
        tables = run("tables", prog=str(link), cwd=tmp, env=env)
        check(tables.returncode == 0, f"tables through the link: exit {tables.returncode}\n{tables.stderr}")
        check(f"file: {private}/phcont.dbf" in tables.stdout, f"tables should read the installed copy:\n{tables.stdout}")
        converted = run("convert", "1", "mi", "km", prog=str(link), cwd=tmp, env=env)
        check(converted.returncode == 0 and converted.stdout.startswith("1.609344"),
              f"convert through the link: {converted.stdout!r} {converted.stderr!r}")
        # A user's copy of the constants is the one read, and the report says so.
        (home / "Kvantor2").mkdir(parents=True)
        (home / "Kvantor2/phcont.dbf").write_bytes((private / "phcont.dbf").read_bytes())
        tables = run("tables", prog=str(link), cwd=tmp, env=env)
        check(f"file: {home}/Kvantor2/phcont.dbf" in tables.stdout, f"tables should name the user's copy:\n{tables.stdout}")
        check(digest(private) == before, "running the program changed its install folder")

        # Without a display the bar says so and points to the commands; no abort.
        for display in [None, ":31999"]:
            bare = {k: v for k, v in env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
            if display:
                bare["DISPLAY"] = display
            started = tool(str(link), cwd=tmp, env=bare, timeout=60)
            check(started.returncode == 1 and "no display was found" in started.stderr
                  and "Kvantor2 --help" in started.stderr and "Reinstalling" not in started.stderr,
                  f"no display {display}: exit {started.returncode}\n{started.stderr}")

        # The menu entry: one main category, and the window class the bar's windows carry.
        entry = (usr / f"share/applications/{APP_ID}.desktop").read_text()
        keys = dict(line.split("=", 1) for line in entry.splitlines() if "=" in line)
        main = {"AudioVideo", "Audio", "Video", "Development", "Education", "Game", "Graphics", "Network",
                "Office", "Science", "Settings", "System", "Utility"}
        categories = [c for c in keys.get("Categories", "").split(";") if c]
        check(len([c for c in categories if c in main]) == 1, f"one main category: {categories}")
        check(keys.get("StartupWMClass") == "Kvantor2", f"StartupWMClass: {keys.get('StartupWMClass')}")

        # The validators of the desktop, AppStream and the manual.
        desktop = tool("desktop-file-validate", str(usr / f"share/applications/{APP_ID}.desktop"))
        check(desktop.returncode == 0 and not re.search(r": (error|warning):", desktop.stdout),
              f"desktop entry: {desktop.stdout}{desktop.stderr}")
        meta = tool("appstreamcli", "validate", "--no-net", str(usr / f"share/metainfo/{APP_ID}.metainfo.xml"))
        check(meta.returncode == 0, f"metainfo: {meta.stdout}{meta.stderr}")
        page = gzip.decompress((usr / "share/man/man1/Kvantor2.1.gz").read_bytes()).decode()
        man = tool("man", "--warnings", "-l", str(usr / "share/man/man1/Kvantor2.1.gz"),
                   env=dict(os.environ, MANWIDTH="80", MAN_DISABLE_SECCOMP="1"))
        check(man.returncode == 0 and not man.stderr.strip(), f"man --warnings: {man.stderr}")
        check("@" not in page, "the manual page has a placeholder left")
        # groff takes a stray quote for text; it shows only in the rendered page.
        rendered = tool("man", "-l", str(usr / "share/man/man1/Kvantor2.1.gz"),
                        env=dict(os.environ, MANWIDTH="200", MAN_DISABLE_SECCOMP="1", MAN_KEEP_FORMATTING="")).stdout
        for line in rendered.splitlines():
            check('"' not in line, f"a stray quote in the manual page: {line.strip()}")
        check(re.search(r"^ +plot formula min max step \[name=value \.\.\.\] \[--png file \[--size wxh\]\]$",
                        rendered, re.M), "the plot command's line in the manual page")
        # Every command of --help is in the manual, with the same synopsis.
        usage = run("--help", prog=str(link), cwd=tmp, env=env).stdout
        helped = help_synopses(usage)
        check(len(helped) >= 10, f"--help lists too few commands:\n{usage}")
        described = manual_synopses(page)
        check(described.keys() <= helped.keys(), f"the manual describes commands --help does not list: "
              f"{sorted(described.keys() - helped.keys())}")
        for name, synopsis in helped.items():
            check(described.get(name, "").lower() == synopsis.lower(),
                  f"{name}: --help says {synopsis!r}, the manual page {described.get(name)!r}")
    return check.finish("install")


if __name__ == "__main__":
    sys.exit(main())
