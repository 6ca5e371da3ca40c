#!/usr/bin/env python3
"""Cross-check the steel hardness-table transcriptions in sources/ and the merged tables.

Each file sources/tN_<source>.csv holds the numbers read from one public page, as printed
(parentheses kept, blank = not printed or not readable).  This script
  * picks, for every cell of the merged tables, the value backed by the best sources
    (ASTM-lineage reproductions first, then SAE J417 copies and vendor sheets, then known copies),
  * lists every cell where a source disagrees with that choice,
  * compares published Brinell rows with the formula HB = 2F / (pi D (D - sqrt(D^2 - d^2))),
  * and checks that the merged CSVs on disk equal what the sources give.
Run:  python3 crosscheck.py            (exit status 1 when a merged CSV is stale or a Brinell row differs)
"""
import csv
import math
import pathlib
import sys
from decimal import Decimal, ROUND_HALF_UP

HERE = pathlib.Path(__file__).resolve().parent
SRC = HERE / "sources"

# name -> (tier, independence group, where the numbers were read).  Order = priority inside a tier.
SOURCES = {
    "phase2plus": (1, "phaseII", "https://www.phase2plus.com/hardness-testers/conversion-charts"),
    "pht2000": (1, "phaseII", "https://manuzoid.com/manuals/OyrRW-phase%20II%20PHT-2000%20User%20manual (p. 3)"),
    "metalliksa": (1, "metalliksa", "https://github.com/canerganis/Metalliksa src/utils/hardnessConversion.ts"),
    "encore": (2, "encore", "https://encoremetals.com/resources/technical-data/hardness-conversions.html"),
    "misumi": (2, "misumi", "http://ebookservicepro.com/showcase/2023/Misumi2022/files/basic-html/page972.html"),
    "miki": (2, "miki", "https://www.mikipulley.co.jp/EN/Services/Tech_data/tech20.html"),
    "fuji": (2, "fuji", "https://expydoc.com/doc/8683504/"),
    "acetech": (2, "acetech", "https://ace-tech.jp/?p=2501"),
    "punch": (2, "punch", "http://www.punch-web.net/catalog_data/P6E/pageindices/index1127.html"),
    "riken": (2, "riken", "https://rkn.groworks.moe/wp-content/themes/rkn/img/product/catalogbook_drill/pageindices/index146.html"),
    "a370sheet": (2, "a370sheet", "https://scribd.com/document/396149380/ASTM-A370-Hardness-Conversion"),
    "nhatviet": (3, "phaseII", "https://nhatvietindustry.com.vn/en/hardness-conversion-table/"),
    "sae_fragment": (3, "misumi", "https://www.scribd.com/document/246983669/Sae-j-417-Fragment"),
    # ASTM A370-21 as reprinted in ASME BPVC II-A 2025 (SA-370), Tables 2-5, in a marker-pdf extraction on GitHub
    # (commit f97c154cc007ff7006c7fee562d9d8e6346aafbd, PDF pages 649-652)
    "sa370": (1, "sa370", "https://github.com/danivelas0/asme-pcc resources/ASME_BPVC/Sec_II/bpvc_ii_a_1/…/"
                          "sa_370_test_methods_and_definitions_for_mechanical_testing_of_steel_products_source.json"),
}

# merged column -> source columns that may hold it (first present one is used)
TABLE1 = {"key": "HRC", "cols": {"HV": ["HV"], "HB": ["HBW", "HB"], "HK": ["HK"], "HRA": ["HRA"], "HRD": ["HRD"],
                                 "HR15N": ["HR15N"], "HR30N": ["HR30N"], "HR45N": ["HR45N"], "TS_ksi": ["TS_ksi"]}}
TABLE1_EXTRA = {"key": "HRC", "cols": {"HBS": ["HBS"], "HS": ["HS"], "TS_MPa_A370": ["TS_MPa_A370"],
                                       "TS_MPa_SAE": ["TS_MPa_SAE"]}}
TABLE2 = {"key": "HRB", "cols": {"HV": ["HV"], "HB": ["HB"], "HK": ["HK"], "HRA": ["HRA"], "HRF": ["HRF"],
                                 "HR15T": ["HR15T"], "HR30T": ["HR30T"], "HR45T": ["HR45T"],
                                 "TS_MPa_A370": ["TS_MPa_A370"]}}
TABLE3 = {"key": "HRC", "cols": {c: [c] for c in ("HRA", "HR15N", "HR30N", "HR45N")}}
TABLE4 = {"key": "HRB", "cols": {c: [c] for c in ("d_mm", "HB", "HRA", "HR15T", "HR30T", "HR45T")}}
# A370-21's Tables 2 and 3, compared cell by cell with every other source of the same table
T2EXTRA_VS_T2 = {"HV": "HV", "HB": "HB", "HK": "HK", "HRA": "HRA", "HR30T": "HR30T", "TS_MPa": "TS_MPa_A370"}
SA370_VS_T1 = {"HV": "HV", "HBW": "HBW", "HK": "HK", "HRA": "HRA", "HR15N": "HR15N", "HR30N": "HR30N",
               "HR45N": "HR45N", "TS_ksi": "TS_ksi"}
SA370_VS_T2 = {c: c for c in ("HV", "HB", "HK", "HRA", "HR30T", "TS_MPa_A370")}
KEYS = {"t1": range(68, 19, -1), "t2": range(100, 29, -1), "t3": range(48, 19, -1), "t4": range(100, 79, -1)}


def parse_value(text):
    """'(739)' -> (739.0, True); '88.90' -> (88.9, False); '' -> None."""
    t = text.strip()
    if not t:
        return None
    paren = t.startswith("(") and t.endswith(")")
    return float(t.strip("()")), paren


def load_sources(prefix):
    """{source: {key: {column: text}}} for every sources/<prefix>_<source>.csv."""
    out = {}
    for name in SOURCES:
        path = SRC / f"{prefix}_{name}.csv"
        if path.exists():
            with open(path, newline="") as f:
                rows = list(csv.DictReader(f))
            key = next(iter(rows[0]))
            out[name] = {int(r[key]): {c: v for c, v in r.items() if c != key and v.strip()} for r in rows}
    return out


def candidates(sources, key, src_cols):
    """[(source, text)] for one cell, in SOURCES order."""
    found = []
    for name, rows in sources.items():
        row = rows.get(key, {})
        for c in src_cols:
            if c in row:
                found.append((name, row[c]))
                break
    return found


def choose(found):
    """Value of the best tier that has one: majority of independence groups, ties to the higher-priority group."""
    for tier in (1, 2, 3):
        group_vals = {}
        for name, text in found:
            t, group, _ = SOURCES[name]
            if t == tier and group not in group_vals:
                group_vals[group] = text
        if group_vals:
            counts = {}
            for text in group_vals.values():
                counts.setdefault(parse_value(text)[0], []).append(text)
            best = max(counts.values(), key=len)  # max() keeps the first (highest-priority) on ties
            return best[0], tier
    return None, None


def merge(sources, layout, keys):
    """{key: {col: text}} merged cells and [(key, col, chosen, [(source, text)...])] disagreements."""
    merged, disagreements = {}, []
    for key in keys:
        merged[key] = {}
        for col, src_cols in layout["cols"].items():
            found = candidates(sources, key, src_cols)
            text, _ = choose(found)
            if text is None:
                continue
            merged[key][col] = text
            odd = [(n, t) for n, t in found if parse_value(t)[0] != parse_value(text)[0]]
            if odd:
                disagreements.append((key, col, text, odd))
    return merged, disagreements


def support(sources, layout, merged):
    """Per column: (filled cells, cells confirmed by >= 2 independence groups, keys resting on one group)."""
    stats = {}
    for col, src_cols in layout["cols"].items():
        filled, single = 0, []
        for key, row in merged.items():
            if col not in row:
                continue
            filled += 1
            v = parse_value(row[col])[0]
            groups = {SOURCES[n][1] for n, t in candidates(sources, key, src_cols) if parse_value(t)[0] == v}
            if len(groups) < 2:
                single.append(key)
        stats[col] = (filled, filled - len(single), single)
    return stats


# ---------------- Brinell ----------------
def brinell(d_mm, load_kgf, ball_mm=10.0):
    return 2.0 * load_kgf / (math.pi * ball_mm * (ball_mm - math.sqrt(ball_mm ** 2 - d_mm ** 2)))


def round3(x):
    """Three significant figures, halves up: 945, 94.6, 15.9 (as the E10-style tables print)."""
    exact = Decimal(x)
    places = max(0, 2 - exact.adjusted())
    q = exact.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)
    if places and q.adjusted() > exact.adjusted():  # 99.95 -> 100.0 -> 100
        q = q.quantize(Decimal(1).scaleb(1 - places))
    return str(q)


def check_brinell_published():
    """[(source, d, column, published, formula)] mismatches and the number of values compared."""
    bad, n = [], 0
    for path in sorted(SRC.glob("t0_*.csv")):
        with open(path, newline="") as f:
            for row in csv.DictReader(f):
                d = float(row["d_mm"])
                for col, text in row.items():
                    if col == "d_mm" or not text.strip():
                        continue
                    n += 1
                    want = round3(brinell(d, 3000))
                    if text.strip() != want:
                        bad.append((path.stem[3:], row["d_mm"], col, text, want))
    return bad, n


def check_diameter_vs_hb(prefix="t4"):
    """[(source, HRB, d, HB, formula)] rows whose d and HB disagree beyond the rounding of both
    (d to 0.01 mm, HB to 1), and the number of rows checked.  The formula value at d is rounded
    with round3 and reported too, so a row that only differs by rounding stays visible."""
    bad, n = [], 0
    for name, rows in load_sources(prefix).items():
        for key, row in rows.items():
            if "d_mm" not in row or "HB" not in row:
                continue
            n += 1
            d, hb = float(row["d_mm"]), parse_value(row["HB"])[0]
            low, high = brinell(d + 0.005, 3000) - 0.5, brinell(d - 0.005, 3000) + 0.5
            if not low <= hb <= high:
                bad.append((name, key, row["d_mm"], row["HB"], round3(brinell(d, 3000))))
    return bad, n


def compare_extra(extra_prefix="t2extra", base_prefix="t2", colmap=T2EXTRA_VS_T2, only=None):
    """Cell-by-cell comparison of a bonus file with the sources of a merged table:
    ({column: (cells compared, cells equal)}, [(key, column, extra text, source, source text)])."""
    extra, base = load_sources(extra_prefix), load_sources(base_prefix)
    counts, diffs = {}, []
    for xname, xrows in extra.items():
        if only and xname != only:
            continue
        for xcol, bcol in colmap.items():
            for key, xrow in xrows.items():
                if xcol not in xrow:
                    continue
                for bname, brows in base.items():
                    if bname == xname:
                        continue
                    text = brows.get(key, {}).get(bcol)
                    if text is None:
                        continue
                    seen, same = counts.get(xcol, (0, 0))
                    equal = parse_value(text)[0] == parse_value(xrow[xcol])[0]
                    counts[xcol] = (seen + 1, same + equal)
                    if not equal:
                        diffs.append((key, xcol, xrow[xcol], bname, text))
    return counts, diffs


def read_merged(path):
    with open(path, newline="") as f:
        rows = list(csv.reader(f))
    return rows[0], rows[1:]


def main():
    failures = 0
    for label, prefix, layout, keys, path in [
        ("Table 1 (nonaustenitic, HRC)", "t1", TABLE1, KEYS["t1"], "table1_nonaustenitic_hrc.csv"),
        ("Table 1 extra columns", "t1", TABLE1_EXTRA, KEYS["t1"], "table1_extra_columns.csv"),
        ("Table 2 (nonaustenitic, HRB)", "t2", TABLE2, KEYS["t2"], "table2_nonaustenitic_hrb.csv"),
        ("Table 3 (austenitic, HRC)", "t3", TABLE3, KEYS["t3"], "table3_austenitic_hrc.csv"),
        ("Table 4 (austenitic, HRB)", "t4", TABLE4, KEYS["t4"], "table4_austenitic_hrb.csv"),
    ]:
        sources = load_sources(prefix)
        merged, dis = merge(sources, layout, keys)
        print(f"== {label}: sources {', '.join(sources)}")
        for col, (filled, conf, single) in support(sources, layout, merged).items():
            print(f"   {col:12s} filled {filled:3d}/{len(keys)}  confirmed by >=2 independent sources {conf:3d}"
                  + (f"  single-source {layout['key']}: {' '.join(map(str, single))}" if single else ""))
        print(f"   cells where a source differs from the chosen value: {len(dis)}")
        for key, col, text, odd in dis:
            print(f"     {layout['key']} {key} {col}: chosen {text}; " + "; ".join(f"{n} {t}" for n, t in odd))
        header, rows = read_merged(HERE / path)
        on_disk = {int(r[0]): r[1:] for r in rows}
        for key in keys:
            want = [merged[key].get(c, "") for c in layout["cols"]]
            if on_disk.get(key) != want:
                failures += 1
                print(f"   STALE {path}: {layout['key']} {key} has {on_disk.get(key)}, sources give {want}")
    dbad, dn = check_diameter_vs_hb()
    print(f"== Table 4: indentation diameter vs HB (Brinell formula, 3000 kgf), {dn} rows, {len(dbad)} inconsistent")
    for b in dbad:
        print("     ", b)
    for label, prefix, colmap in [("Table 1", "t1", SA370_VS_T1), ("Table 2", "t2", SA370_VS_T2)]:
        counts, diffs = compare_extra(prefix, prefix, colmap, only="sa370")
        print(f"== {label}: A370-21 (sa370) against every other source, cell by cell:")
        for col, (seen, same) in counts.items():
            print(f"   {col:8s} {seen:3d} cells compared, {same:3d} equal")
        for d in diffs:
            print("     differs:", d)
    failures += len(dbad)
    bad, n = check_brinell_published()
    print(f"== Table 0 (Brinell): {n} published 3000 kgf values compared with the formula, {len(bad)} differ")
    for b in bad:
        print("     ", b)
    header, rows = read_merged(HERE / "table0_brinell_10mm.csv")
    stale = [r for r in rows if [round3(brinell(float(r[0]), f)) for f in (500, 1500, 3000)] != r[1:]]
    print(f"   table0 rows {len(rows)}, rows not equal to the formula: {len(stale)}")
    failures += len(bad) + len(stale)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
