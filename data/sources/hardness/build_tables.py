#!/usr/bin/env python3
"""Write the merged table CSVs from sources/ (tables 1, 2) and from the Brinell formula (table 0).

Tables 1 and 2 are merged from every source; A370-21 (sources/t1_sa370.csv, t2_sa370.csv) fills the cells the
other copies lack. Tables 3 and 4 (austenitic steels) come from sources/t3_* and t4_* (one source: A370-21).
Run:  python3 build_tables.py && python3 crosscheck.py
"""
import csv

from crosscheck import HERE, KEYS, TABLE1, TABLE1_EXTRA, TABLE2, TABLE3, TABLE4, brinell, load_sources, merge, round3

HEADERS = {
    "HRC": "HRC (150 kgf diamond)", "HRB": "HRB (100 kgf 1/16 in ball)", "HV": "HV (Vickers)",
    "HB": "HB (3000 kgf 10 mm ball)", "HBS": "HBS (3000 kgf 10 mm standard steel ball)",
    "HK": "HK (Knoop 500 gf and over)", "HRA": "HRA (60 kgf diamond)", "HRD": "HRD (100 kgf diamond)",
    "HRF": "HRF (60 kgf 1/16 in ball)", "HR15N": "HR15N (15 kgf diamond)", "HR30N": "HR30N (30 kgf diamond)",
    "HR45N": "HR45N (45 kgf diamond)", "HR15T": "HR15T (15 kgf 1/16 in ball)", "HR30T": "HR30T (30 kgf 1/16 in ball)",
    "HR45T": "HR45T (45 kgf 1/16 in ball)", "HS": "Scleroscope (Shore) HS", "d_mm": "Brinell indentation diameter (mm)",
    "TS_ksi": "Tensile strength approx. (ksi)", "TS_MPa_A370": "Tensile strength approx. (MPa) A370 vendor sheet",
    "TS_MPa_SAE": "Tensile strength approx. (MPa) SAE J417",
}


def write(name, header, rows):
    with open(HERE / name, "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(header)
        w.writerows(rows)
    print(f"{name}: {len(rows)} rows")


def write_merged(name, prefix, layout, keys):
    merged, _ = merge(load_sources(prefix), layout, keys)
    cols = list(layout["cols"])
    tmap = {"TS_MPa_A370": "Tensile strength approx. (MPa)"} if layout is TABLE2 else {}
    header = [HEADERS[layout["key"]]] + [tmap.get(c, HEADERS[c]) for c in cols]
    write(name, header, [[str(k)] + [merged[k].get(c, "") for c in cols] for k in keys])


def main():
    loads = (500, 1500, 3000)
    write("table0_brinell_10mm.csv", ["d (mm) indentation diameter"] + [f"HB {f} kgf" for f in loads],
          [[f"{d / 100:.2f}"] + [round3(brinell(d / 100, f)) for f in loads] for d in range(200, 700)])
    write_merged("table1_nonaustenitic_hrc.csv", "t1", TABLE1, KEYS["t1"])
    write_merged("table1_extra_columns.csv", "t1", TABLE1_EXTRA, KEYS["t1"])
    write_merged("table2_nonaustenitic_hrb.csv", "t2", TABLE2, KEYS["t2"])
    write_merged("table3_austenitic_hrc.csv", "t3", TABLE3, KEYS["t3"])
    write_merged("table4_austenitic_hrb.csv", "t4", TABLE4, KEYS["t4"])


if __name__ == "__main__":
    main()
