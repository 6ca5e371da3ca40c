#!/usr/bin/env python3
"""Write the CSV files of the "Reference tables" topics (one file per topic).

Two kinds of rows are written here:

* rows computed from an exact formula (AWG, ISO 216, ISA atmosphere, Pt100,
  note frequencies, radio band wavelengths, water via the IAPWS-95 formulation,
  the derived thread diameters);
* rows transcribed from the public sources named next to each table (ITU,
  ICAO/EU SERA, RFC 20, BIPM/NIST, IANA, IEC 60063/60228/60529 reproductions).

Nothing is typed from memory: each literal list below names where it was read.
check_topics.py compares every file with independent oracles.

Each topic's rows are written in the order its readers expect (prefixes by
factor, letters by the alphabet, gauges by number, ...); make_tables.py gives
every row a key that keeps this order in the window.

Run with Debian's python3 (the water table needs python3-iapws):
    python3 build_topics.py            # writes the CSVs beside this script
"""
import csv
import math
import os
import unicodedata
from fractions import Fraction
from decimal import Decimal, ROUND_HALF_UP

HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------- formatting
def fixed(x, decimals):
    """x rounded half-up to a fixed number of decimals, as text."""
    q = Decimal(1).scaleb(-decimals)
    return str(Decimal(repr(float(x))).quantize(q, rounding=ROUND_HALF_UP))


def sig(x, n, max_decimals=None):
    """x rounded half-up to n significant figures, fixed notation, trailing
    zeros kept; max_decimals caps the number of decimals (ASTM B258 style)."""
    if x == 0:
        return "0"
    d = Decimal(repr(float(x)))
    e = d.adjusted()
    decimals = n - 1 - e
    if max_decimals is not None:
        decimals = min(decimals, max_decimals)
    out = d.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    if out.adjusted() != e and max_decimals is None:   # 9.9996 -> 10.00
        decimals -= 1
        out = d.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    if decimals < 0:
        return str(int(out))
    return format(out, "f")


# ---------------------------------------------------------------- topics
TOPICS = []   # (title, file stem, FON, builder)


def topic(title, stem, fon="Arial"):
    def deco(fn):
        TOPICS.append((title, stem, fon, fn))
        return fn
    return deco


# SI prefixes.  Read from: NIST, "SI prefixes" (physics.nist.gov/cuu/Units/
# prefixes.html, Table 5, 20 prefixes) and BIPM news 2022-12-19 "New prefixes
# for the SI" (27th CGPM, Resolution 3: ronna R, quetta Q, ronto r, quecto q).
# Spelling "deca" as in the SI Brochure (NIST writes "deka").
SI_PREFIXES = [
    (30, "quetta", "Q"), (27, "ronna", "R"), (24, "yotta", "Y"),
    (21, "zetta", "Z"), (18, "exa", "E"), (15, "peta", "P"), (12, "tera", "T"),
    (9, "giga", "G"), (6, "mega", "M"), (3, "kilo", "k"), (2, "hecto", "h"),
    (1, "deca", "da"), (-1, "deci", "d"), (-2, "centi", "c"),
    (-3, "milli", "m"), (-6, "micro", "\u00b5"), (-9, "nano", "n"),
    (-12, "pico", "p"), (-15, "femto", "f"), (-18, "atto", "a"),
    (-21, "zepto", "z"), (-24, "yocto", "y"), (-27, "ronto", "r"),
    (-30, "quecto", "q"),
]


@topic("SI prefixes", "si_prefixes")
def si_prefixes():
    return (["Prefix", "Symbol", "Factor"],
            [[name, sym, "10^%d" % e] for e, name, sym in SI_PREFIXES])


# Greek alphabet: the Unicode Character Database (via unicodedata) is the
# source; Unicode spells the 11th letter LAMDA, shown here as "Lambda".
@topic("Greek alphabet", "greek_alphabet")
def greek():
    rows = []
    for cap in range(0x391, 0x3AA):
        if cap == 0x3A2:            # unassigned (no capital final sigma)
            continue
        small = cap + 0x20
        name = unicodedata.name(chr(cap)).split()[-1].capitalize()
        if name == "Lamda":
            name = "Lambda"
        # sigma has two small forms, the final one (U+03C2) written last
        smalls = [small] + ([0x3C2] if small == 0x3C3 else [])
        rows.append([chr(cap), " ".join(map(chr, smalls)), name,
                     "U+%04X / " % cap + ", ".join("U+%04X" % s for s in smalls)])
    return ["Capital", "Small", "Name", "Unicode"], rows


# Radiotelephony spelling alphabet.  Letters, words and pronunciation read
# from EU SERA.14020, Table S14-2 (UK CAA regulatory library), which repeats
# ICAO Annex 10 Vol. II 5.2.1.3.  Numerals read from ICAO Annex 10 Vol. II
# 5.2.1.4.3.1 as reproduced by icao4u.com and ppl-monkey.com; DECIMAL,
# HUNDRED, THOUSAND as reproduced by online.aeps.aero and a 2025 flight
# school handbook (both in capitals, separators differ).
NATO = [
    ("A", "Alfa", "AL FAH"), ("B", "Bravo", "BRAH VOH"),
    ("C", "Charlie", "CHAR LEE or SHAR LEE"), ("D", "Delta", "DELL TAH"),
    ("E", "Echo", "ECK OH"), ("F", "Foxtrot", "FOKS TROT"),
    ("G", "Golf", "GOLF"), ("H", "Hotel", "HO TELL"),
    ("I", "India", "IN DEE AH"), ("J", "Juliett", "JEW LEE ETT"),
    ("K", "Kilo", "KEY LOH"), ("L", "Lima", "LEE MAH"), ("M", "Mike", "MIKE"),
    ("N", "November", "NO VEM BER"), ("O", "Oscar", "OSS CAH"),
    ("P", "Papa", "PAH PAH"), ("Q", "Quebec", "KEH BECK"),
    ("R", "Romeo", "ROW ME OH"), ("S", "Sierra", "SEE AIR RAH"),
    ("T", "Tango", "TANG GO"), ("U", "Uniform", "YOU NEE FORM or OO NEE FORM"),
    ("V", "Victor", "VIK TAH"), ("W", "Whiskey", "WISS KEY"),
    ("X", "X-ray", "ECKS RAY"), ("Y", "Yankee", "YANG KEY"),
    ("Z", "Zulu", "ZOO LOO"),
    ("0", "Zero", "ZE-RO"), ("1", "One", "WUN"), ("2", "Two", "TOO"),
    ("3", "Three", "TREE"), ("4", "Four", "FOW-er"), ("5", "Five", "FIFE"),
    ("6", "Six", "SIX"), ("7", "Seven", "SEV-en"), ("8", "Eight", "AIT"),
    ("9", "Nine", "NIN-er"),
    (".", "Decimal", "DAY-SEE-MAL"),
    ("100", "Hundred", "HUN-DRED"), ("1000", "Thousand", "TOU-SAND"),
]


@topic("NATO phonetic alphabet (ICAO)", "nato_alphabet")
def nato():
    return (["Character", "Code word", "Pronunciation"],
            [list(r) for r in NATO])


# International Morse code, Recommendation ITU-R M.1677-1 (10/2009).  Read
# from public reproductions of it: tpals.org/emorse.htm (letters, figures,
# punctuation), sdf.org ~jwodder refs/morse.txt (ITU set incl. signals),
# cupis.co.uk/info/morsecode.html (signals).  Dots and dashes as . and -.
MORSE = [
    ("A", ".-"), ("B", "-..."), ("C", "-.-."), ("D", "-.."), ("E", "."),
    ("F", "..-."), ("G", "--."), ("H", "...."), ("I", ".."), ("J", ".---"),
    ("K", "-.-"), ("L", ".-.."), ("M", "--"), ("N", "-."), ("O", "---"),
    ("P", ".--."), ("Q", "--.-"), ("R", ".-."), ("S", "..."), ("T", "-"),
    ("U", "..-"), ("V", "...-"), ("W", ".--"), ("X", "-..-"), ("Y", "-.--"),
    ("Z", "--.."),
    ("1", ".----"), ("2", "..---"), ("3", "...--"), ("4", "....-"),
    ("5", "....."), ("6", "-...."), ("7", "--..."), ("8", "---.."),
    ("9", "----."), ("0", "-----"),
]
MORSE_SIGNS = [
    (".", ".-.-.-", "Full stop"), (",", "--..--", "Comma"),
    (":", "---...", "Colon or division sign"),
    ("?", "..--..", "Question mark"), ("'", ".----.", "Apostrophe"),
    ("-", "-....-", "Hyphen or minus"), ("/", "-..-.", "Fraction bar"),
    ("(", "-.--.", "Left-hand bracket"), (")", "-.--.-", "Right-hand bracket"),
    ('"', ".-..-.", "Inverted commas"), ("=", "-...-", "Double hyphen"),
    ("+", ".-.-.", "Cross or addition sign"),
    ("x", "-..-", "Multiplication sign (as X)"),
    ("@", ".--.-.", "Commercial at"), ("e (accented)", "..-..", "Accented e"),
    ("", "...-.", "Understood"), ("", "........", "Error"),
    ("", "-.-", "Invitation to transmit"), ("", ".-...", "Wait"),
    ("", "...-.-", "End of work"), ("", "-.-.-", "Starting signal"),
]


@topic("Morse code (ITU-R M.1677)", "morse_code")
def morse():
    rows = [[c, code, ""] for c, code in MORSE]
    rows += [list(r) for r in MORSE_SIGNS]
    return ["Character", "Code", "Meaning"], rows


# ASCII control characters: abbreviations and names read from RFC 20
# "ASCII format for Network Interchange" (1969), section 4.1 Legend (the
# qualifiers (CC), (FE), (IS) and the notes in brackets left out).  Codes are
# the positions of the 7-bit code table (0-31, 127).  C escapes: ISO C
# simple escape sequences (C11 6.4.4.4) plus the octal escape \0.
ASCII_C0 = [
    ("NUL", "Null"), ("SOH", "Start of Heading"), ("STX", "Start of Text"),
    ("ETX", "End of Text"), ("EOT", "End of Transmission"),
    ("ENQ", "Enquiry"), ("ACK", "Acknowledge"), ("BEL", "Bell"),
    ("BS", "Backspace"), ("HT", "Horizontal Tabulation"), ("LF", "Line Feed"),
    ("VT", "Vertical Tabulation"), ("FF", "Form Feed"),
    ("CR", "Carriage Return"), ("SO", "Shift Out"), ("SI", "Shift In"),
    ("DLE", "Data Link Escape"), ("DC1", "Device Control 1"),
    ("DC2", "Device Control 2"), ("DC3", "Device Control 3"),
    ("DC4", "Device Control 4 (Stop)"), ("NAK", "Negative Acknowledge"),
    ("SYN", "Synchronous Idle"), ("ETB", "End of Transmission Block"),
    ("CAN", "Cancel"), ("EM", "End of Medium"), ("SUB", "Substitute"),
    ("ESC", "Escape"), ("FS", "File Separator"), ("GS", "Group Separator"),
    ("RS", "Record Separator"), ("US", "Unit Separator"),
]
C_ESCAPES = {0: "\\0", 7: "\\a", 8: "\\b", 9: "\\t", 10: "\\n", 11: "\\v",
             12: "\\f", 13: "\\r"}


@topic("ASCII control characters", "ascii_control")
def ascii_control():
    rows = []
    entries = list(enumerate(ASCII_C0)) + [(127, ("DEL", "Delete"))]
    for code, (abbr, name) in entries:
        caret = "^" + chr(code ^ 0x40)
        rows.append(["%02X" % code, str(code), caret, abbr, name,
                     C_ESCAPES.get(code, "")])
    return ["Hex", "Dec", "Caret", "Abbr.", "Name", "C escape"], rows


# E-series, IEC 60063.  E3..E24 read from the Wikipedia article "E series of
# preferred numbers" (IEC 60063 lists) and KiCad's pcb_calculator help text
# (eseries_help.md); the two agree.  E192 read from two independent public
# code lists (a C++ resistor-divider helper and a JavaScript calculator);
# E96 is every 2nd and E48 every 4th E192 value, as IEC 60063 builds them.
E24 = "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 " \
      "5.1 5.6 6.2 6.8 7.5 8.2 9.1".split()
E12 = "1.0 1.2 1.5 1.8 2.2 2.7 3.3 3.9 4.7 5.6 6.8 8.2".split()
E6 = "1.0 1.5 2.2 3.3 4.7 6.8".split()
E3 = "1.0 2.2 4.7".split()
E192_INT = [int(v) for v in """
100 101 102 104 105 106 107 109 110 111 113 114 115 117 118 120 121 123 124
126 127 129 130 132 133 135 137 138 140 142 143 145 147 149 150 152 154 156
158 160 162 164 165 167 169 172 174 176 178 180 182 184 187 189 191 193 196
198 200 203 205 208 210 213 215 218 221 223 226 229 232 234 237 240 243 246
249 252 255 258 261 264 267 271 274 277 280 284 287 291 294 298 301 305 309
312 316 320 324 328 332 336 340 344 348 352 357 361 365 370 374 379 383 388
392 397 402 407 412 417 422 427 432 437 442 448 453 459 464 470 475 481 487
493 499 505 511 517 523 530 536 542 549 556 562 569 576 583 590 597 604 612
619 626 634 642 649 657 665 673 681 690 698 706 715 723 732 741 750 759 768
777 787 796 806 816 825 835 845 856 866 876 887 898 909 920 931 942 953 965
976 988""".split()]


def e_text(v):
    return "%d.%02d" % (v // 100, v % 100)


@topic("E-series E3, E6, E12, E24 (IEC 60063)", "eseries_e3_e24")
def eseries_small():
    rows = [[v, v if v in E12 else "", v if v in E6 else "",
             v if v in E3 else ""] for v in E24]
    return ["E24", "E12", "E6", "E3"], rows


# EIA-96 marking (1 % SMD resistors): two digits give the position 01-96 of
# the value in the E96 list, a letter gives the multiplier.  Position rule
# read from digikey.be's SMD code calculator ("34 = 34th value") and the
# code tables of devutl.com and getelectronics.net; letters read from
# devutl.com (Z, Y or R, X or S, A, B or H, C, D, E, F) and checked with the
# "01C = 10 kohm" example of rantle.com.
EIA96_LETTERS = [("Z", "0.001"), ("Y or R", "0.01"), ("X or S", "0.1"),
                 ("A", "1"), ("B or H", "10"), ("C", "100"), ("D", "1000"),
                 ("E", "10000"), ("F", "100000")]


@topic("E-series E48, E96, E192 (IEC 60063)", "eseries_e48_e192")
def eseries_large():
    rows = []
    for i, v in enumerate(E192_INT):
        in96, in48 = i % 2 == 0, i % 4 == 0
        rows.append([e_text(v), e_text(v) if in96 else "",
                     e_text(v) if in48 else "",
                     "%02d" % (i // 2 + 1) if in96 else ""])
    return ["E192", "E96", "E48", "EIA-96 code"], rows


def ohm_text(value):
    for prefix, size in (("M", Decimal(10) ** 6), ("k", Decimal(10) ** 3)):
        if value >= size:
            return "%s %sohm" % (format((value / size).normalize(), "f"), prefix)
    return "%s ohm" % format(value.normalize(), "f")


@topic("SMD resistor code EIA-96: letters", "eia96_letters")
def eia96_letters():
    return (["Letter", "Multiplier", "Example"],
            [[l, m, "01%s = %s" % (l[0], ohm_text(100 * Decimal(m)))]
             for l, m in EIA96_LETTERS])


# American Wire Gauge.  ASTM B258: d(n) = 0.005 in * 92^((36 - n)/39), with
# 0000 = -3, 000 = -2, 00 = -1; inch diameters to 4 significant figures but
# no finer than 0.0001 in (rule quoted from ASTM B258 in the GNU units
# definitions file).  Copper resistance: IEC 60028 annealed copper standard,
# 1/58 ohm mm^2/m at 20 degC (0.017241 ohm mm^2/m).  Metric columns are
# computed from the unrounded diameter.
AWG_NAMES = [("0000 (4/0)", -3), ("000 (3/0)", -2), ("00 (2/0)", -1),
             ("0 (1/0)", 0)] + [(str(n), n) for n in range(1, 41)]


def awg_inch(n):
    return 0.005 * 92 ** ((36 - n) / 39)


@topic("AWG wire gauge (copper, 20 \u00b0C)", "awg")
def awg():
    rows = []
    for name, n in AWG_NAMES:
        d_in = awg_inch(n)
        d_mm = d_in * 25.4
        area = math.pi / 4 * d_mm ** 2
        kcmil = (d_in * 1000) ** 2 / 1000
        r_km = 1000 / (58 * area)
        rows.append([sig(d_mm, 4), name, sig(d_in, 4, max_decimals=4),
                     sig(area, 4), sig(kcmil, 4), sig(r_km, 4)])
    return (["d (mm)", "AWG", "d (in)", "Area (mm\u00b2)", "Area (kcmil)",
             "Cu (ohm/km)"], rows)


# ISO 216 (A, B) and ISO 269 (C) sizes: base sizes A0 841 x 1189,
# B0 1000 x 1414, C0 917 x 1297 mm (read from the ISO 216 table reproduced
# by encyclopedia.kids.net.au and the A-series table of the php-pdf
# examples); each next size halves the long side, rounding down to whole mm.
def iso_series(w, h, count=11):
    out = []
    for _ in range(count):
        out.append((w, h))
        w, h = h // 2, w
    return out


@topic("ISO 216 paper sizes A, B, C (mm)", "iso216_paper")
def iso216():
    a = iso_series(841, 1189)
    b = iso_series(1000, 1414)
    c = iso_series(917, 1297)
    rows = [[str(n), "%d x %d" % a[n], "%d x %d" % b[n],
             "%d x %d" % c[n]]
            for n in range(11)]
    return ["Size no.", "A series (mm)", "B series (mm)", "C series (mm)"], rows


# ISO metric threads.  Coarse pitch read from mlc.org.uk "Thread pitch chart
# M1.6 to M64 (ISO 261)" and industrialcalc.com / induspecs.com metric thread
# charts (M1, M1.2 also deepri.com); fine pitches are those both sources
# give.  Tap drill = D - P (the rule these charts state and tabulate).
# Basic diameters from the ISO 68-1 basic profile (H = sqrt(3)/2 P):
#   d2 = d - 2 (3/8) H = d - 0.649519 P     (pitch diameter)
#   D1 = d - 2 (5/8) H = d - 1.082532 P     (minor diameter, nut)
#   d3 = d - 2 (17/24) H = d - 1.226869 P   (minor diameter, bolt root)
THREADS = [
    ("1", "0.25", "0.2"), ("1.2", "0.25", "0.2"), ("1.6", "0.35", "0.2"),
    ("2", "0.4", "0.25"), ("2.5", "0.45", "0.35"), ("3", "0.5", "0.35"),
    ("4", "0.7", "0.5"), ("5", "0.8", "0.5"), ("6", "1", "0.75"),
    ("8", "1.25", "1 / 0.75"), ("10", "1.5", "1.25 / 1"),
    ("12", "1.75", "1.5 / 1.25"), ("14", "2", "1.5"), ("16", "2", "1.5"),
    ("18", "2.5", "2 / 1.5"), ("20", "2.5", "2 / 1.5"), ("22", "2.5", "2 / 1.5"),
    ("24", "3", "2"), ("27", "3", "2"), ("30", "3.5", "2"), ("33", "3.5", "2"),
    ("36", "4", "3"), ("39", "4", "3"), ("42", "4.5", "3"), ("45", "4.5", "3"),
    ("48", "5", "3"), ("52", "5", "4"), ("56", "5.5", "4"), ("60", "5.5", "4"),
    ("64", "6", "4"),
]


def thread_dims(d, p):
    h = math.sqrt(3) / 2 * p
    return {"d2": d - 2 * 3 / 8 * h, "D1": d - 2 * 5 / 8 * h,
            "d3": d - 2 * 17 / 24 * h}


@topic("ISO metric threads, mm (ISO 261/724)", "metric_threads")
def metric_threads():
    rows = []
    for d_txt, p_txt, fine in THREADS:
        d, p = float(d_txt), float(p_txt)
        dims = thread_dims(d, p)
        tap = Decimal(d_txt) - Decimal(p_txt)
        rows.append(["M" + d_txt, p_txt, fine,
                     format(tap.normalize(), "f"),
                     fixed(dims["d2"], 3), fixed(dims["D1"], 3),
                     fixed(dims["d3"], 3)])
    return (["Thread", "Pitch", "Fine pitch", "Tap drill", "d2 (pitch)",
             "D1 (nut)", "d3 (bolt)"], rows)


# IP code, IEC 60529 (+A1:1999, +A2:2013).  Short texts written from the
# public summaries of lisungroup.com, procustomgroup.com, imt-deutschland.de
# (digit meanings and sizes); numeral 9 from IEC 60529 A2 as summarised by
# lisungroup.com.  Wording is ours, the facts are the standard's.
IP_ROWS = [
    ("0", "Not protected", "Not protected"),
    ("1", ">= 50 mm (back of hand)", "Vertically dripping water"),
    ("2", ">= 12.5 mm (finger)", "Dripping, tilted up to 15\u00b0"),
    ("3", ">= 2.5 mm (tool)", "Spray, up to 60\u00b0 from vertical"),
    ("4", ">= 1.0 mm (wire)", "Splashing, any direction"),
    ("5", "Dust-protected", "Water jets, any direction"),
    ("6", "Dust-tight", "Powerful water jets"),
    ("7", "", "Immersion, 0.15 m to 1 m"),
    ("8", "", "Continuous immersion"),
    ("9", "", "High-pressure hot water jets"),
]


@topic("IP protection codes (IEC 60529)", "ip_codes")
def ip_codes():
    return (["Digit", "1st digit: solid objects", "2nd digit: water"],
            [list(r) for r in IP_ROWS])


# Radio bands: ITU Radio Regulations Article 2, No. 2.1 (band number,
# symbol, frequency range, metric subdivision), read from the WRC-15 Final
# Acts page and 47 CFR 2.101 which repeats it.  Wavelength ranges computed
# as c/f with the nominal c = 3 x 10^8 m/s that the metric names assume.
ITU_BANDS = [
    (4, "VLF", "3 to 30 kHz", "Myriametric waves"),
    (5, "LF", "30 to 300 kHz", "Kilometric waves"),
    (6, "MF", "300 to 3 000 kHz", "Hectometric waves"),
    (7, "HF", "3 to 30 MHz", "Decametric waves"),
    (8, "VHF", "30 to 300 MHz", "Metric waves"),
    (9, "UHF", "300 to 3 000 MHz", "Decimetric waves"),
    (10, "SHF", "3 to 30 GHz", "Centimetric waves"),
    (11, "EHF", "30 to 300 GHz", "Millimetric waves"),
    (12, "", "300 to 3 000 GHz", "Decimillimetric waves"),
]


def length_text(m):
    m = float(m)
    for unit, size in (("km", 1000.0), ("m", 1.0), ("cm", 0.01)):
        if m >= size:
            return "%g %s" % (m / size, unit)
    return "%g mm" % (m / 0.001)


@topic("Radio frequency bands (ITU)", "itu_radio_bands")
def itu_bands():
    rows = []
    for n, sym, frange, metric in ITU_BANDS:
        lo, hi = Fraction(3 * 10 ** n, 10), Fraction(3 * 10 ** n)
        c = Fraction(3 * 10 ** 8)
        rows.append([str(n), sym, frange,
                     "%s to %s" % (length_text(c / lo), length_text(c / hi)),
                     metric.replace(" waves", "")])
    return (["Band no.", "Symbol", "Frequency", "Wavelength", "Waves"], rows)


# Standard atmosphere: U.S. Standard Atmosphere 1976 (= ISO 2533 / ICAO up to
# 32 km).  Constants read from crnslab.org/util/atmo.php and the layer table
# of eng-calculations.com: g0 = 9.80665 m/s^2, R* = 8.31432 J/(mol K),
# M0 = 28.9644 kg/kmol, r0 = 6356766 m, T0 = 288.15 K, p0 = 101325 Pa;
# gradients -6.5 K/km (0-11 km), 0 (11-20 km), +1.0 (20-32 km).  gamma = 1.40
# (ISA table, ratio of specific heats).  Altitude is geometric (Z); the
# layers are defined in geopotential altitude H = r0 Z / (r0 + Z).
G0, RSTAR, M0, R0E, T0, P0, GAMMA = (9.80665, 8.31432, 28.9644e-3, 6356766.0,
                                     288.15, 101325.0, 1.40)
BASES = [0.0, 11000.0, 20000.0, 32000.0]       # geopotential, m
LAPSES = [-6.5e-3, 0.0, 1.0e-3]                # K/m, valid to 32 km


def isa(z):
    """T (K), p (Pa), rho (kg/m3), a (m/s) at geometric altitude z (m)."""
    h = R0E * z / (R0E + z)
    if not -5000.0 <= h <= BASES[-1]:
        raise ValueError(z)
    t, p = T0, P0
    for i, lapse in enumerate(LAPSES):
        lo, hi = BASES[i], BASES[i + 1]
        if i > 0 and h <= lo:
            break
        dh = min(h, hi) - lo
        if lapse:
            t1 = t + lapse * dh
            p *= (t1 / t) ** (-G0 * M0 / (RSTAR * lapse))
            t = t1
        else:
            p *= math.exp(-G0 * M0 * dh / (RSTAR * t))
    rho = p * M0 / (RSTAR * t)
    a = math.sqrt(GAMMA * RSTAR * t / M0)
    return t, p, rho, a


@topic("Standard atmosphere (US 1976 / ISA)", "standard_atmosphere")
def standard_atmosphere():
    rho0 = isa(0.0)[2]
    rows = []
    for z in range(0, 20001, 500):
        t, p, rho, a = isa(float(z))
        rows.append([str(z), fixed(t - 273.15, 2), fixed(p / 100, 2),
                     fixed(rho, 4), fixed(rho / rho0, 4), fixed(a, 1)])
    return (["Altitude (m)", "Temp. (\u00b0C)", "Press. (hPa)",
             "Dens. (kg/m\u00b3)", "Dens. ratio", "Sound (m/s)"], rows)


# Pt100 / Pt1000, IEC 60751:2008 Callendar-Van Dusen equation,
# A = 3.9083e-3, B = -5.775e-7, C = -4.183e-12 (t < 0 only), range -200 to
# 850 degC (read from engineeringtoolbox.com, tinkererway.dev citing IEC
# 60751:2008 / ASTM E1137 / JIS C 1604, sensingtemp.com for the range).
CVD_A, CVD_B, CVD_C = 3.9083e-3, -5.775e-7, -4.183e-12


def pt_ratio(t):
    c = CVD_C if t < 0 else 0.0
    return 1 + CVD_A * t + CVD_B * t * t + c * (t - 100) * t ** 3


@topic("Pt100/Pt1000 resistance (IEC 60751)", "pt100")
def pt100():
    rows = [[fixed(100 * pt_ratio(t), 2), str(t),
             fixed(1000 * pt_ratio(t), 1)] for t in range(-200, 851, 10)]
    return ["Pt100 (ohm)", "t (\u00b0C)", "Pt1000 (ohm)"], rows


# Note frequencies, twelve-tone equal temperament with A4 = 440 Hz
# (ISO 16:1975), scientific pitch notation (C4 = middle C).
NOTE_NAMES = ["C", "C# / Db", "D", "D# / Eb", "E", "F", "F# / Gb", "G",
              "G# / Ab", "A", "A# / Bb", "B"]


def note_freq(semitone, octave):
    midi = 12 * (octave + 1) + semitone
    return 440.0 * 2 ** ((midi - 69) / 12)


@topic("Note frequencies in Hz (A4 = 440 Hz)", "note_frequencies")
def notes():
    rows = [[name] + [fixed(note_freq(s, o), 2) for o in range(9)]
            for s, name in enumerate(NOTE_NAMES)]
    return ["Note"] + ["Oct %d" % o for o in range(9)], rows


# Water, saturated liquid, IAPWS-95 formulation (thermodynamic properties),
# IAPWS 2008 viscosity and IAPWS 2011 thermal conductivity, as implemented by
# Debian's python3-iapws.  (Kinematic viscosity and surface tension were
# left out so that six columns keep readable widths.)
@topic("Water, saturated liquid (0-100 \u00b0C)", "water_saturated")
def water():
    from iapws import IAPWS95
    rows = []
    for t in [0.01] + list(range(5, 101, 5)):
        T = 273.16 if t == 0.01 else 273.15 + t
        w = IAPWS95(T=T, x=0)
        L = w.Liquid
        rows.append(["0.01" if t == 0.01 else str(t),
                     sig(w.P * 1000, 4),
                     fixed(L.rho, 2), sig(L.mu * 1000, 4), sig(L.cp, 4),
                     sig(L.k, 4)])
    return (["t (\u00b0C)", "p sat (kPa)", "Dens. (kg/m\u00b3)",
             "Visc. (mPa\u00b7s)", "cp kJ/(kg\u00b7K)", "k W/(m\u00b7K)"], rows)


# HTTP status codes: IANA "HTTP Status Codes" registry (read from a public
# copy of http-status-codes-1.csv), with the RFC 9110 (2022) names for 413
# and 422; unassigned and "(Unused)" entries left out.
HTTP = """100 Continue|101 Switching Protocols|102 Processing|103 Early Hints|
200 OK|201 Created|202 Accepted|203 Non-Authoritative Information|
204 No Content|205 Reset Content|206 Partial Content|207 Multi-Status|
208 Already Reported|226 IM Used|300 Multiple Choices|301 Moved Permanently|
302 Found|303 See Other|304 Not Modified|305 Use Proxy|307 Temporary Redirect|
308 Permanent Redirect|400 Bad Request|401 Unauthorized|402 Payment Required|
403 Forbidden|404 Not Found|405 Method Not Allowed|406 Not Acceptable|
407 Proxy Authentication Required|408 Request Timeout|409 Conflict|410 Gone|
411 Length Required|412 Precondition Failed|413 Content Too Large|
414 URI Too Long|415 Unsupported Media Type|416 Range Not Satisfiable|
417 Expectation Failed|421 Misdirected Request|422 Unprocessable Content|
423 Locked|424 Failed Dependency|425 Too Early|426 Upgrade Required|
428 Precondition Required|429 Too Many Requests|
431 Request Header Fields Too Large|451 Unavailable For Legal Reasons|
500 Internal Server Error|501 Not Implemented|502 Bad Gateway|
503 Service Unavailable|504 Gateway Timeout|505 HTTP Version Not Supported|
506 Variant Also Negotiates|507 Insufficient Storage|508 Loop Detected|
510 Not Extended|511 Network Authentication Required"""
HTTP_CLASS = {"1": "Informational", "2": "Successful", "3": "Redirection",
              "4": "Client error", "5": "Server error"}


@topic("HTTP status codes (IANA)", "http_status")
def http_status():
    rows = []
    for item in HTTP.replace("\n", "").split("|"):
        code, phrase = item.split(" ", 1)
        rows.append([code, phrase, HTTP_CLASS[code[0]]])
    return ["Code", "Reason phrase", "Class"], rows


# IEC 60228 maximum DC resistance of conductors at 20 degC, ohm/km.
# Copper rows read from mycableengineering.com "IEC 60228 DC resistance" and
# uecables.com "Power copper conductors according to IEC 60228" (they agree);
# aluminium from mycableengineering.com only.
IEC60228 = [
    ("0.5", "36.0", "39.0", "40.1", ""), ("0.75", "24.5", "26.0", "26.7", ""),
    ("1", "18.1", "19.5", "20.0", ""), ("1.5", "12.1", "13.3", "13.7", ""),
    ("2.5", "7.41", "7.98", "8.21", ""), ("4", "4.61", "4.95", "5.09", ""),
    ("6", "3.08", "3.30", "3.39", ""), ("10", "1.83", "1.91", "1.95", "3.08"),
    ("16", "1.15", "1.21", "1.24", "1.91"),
    ("25", "0.727", "0.780", "0.795", "1.20"),
    ("35", "0.524", "0.554", "0.565", "0.868"),
    ("50", "0.387", "0.386", "0.393", "0.641"),
    ("70", "0.268", "0.272", "0.277", "0.443"),
    ("95", "0.193", "0.206", "0.210", "0.320"),
    ("120", "0.153", "0.161", "0.164", "0.253"),
    ("150", "0.124", "0.129", "0.132", "0.206"),
    ("185", "0.0991", "0.106", "0.108", "0.164"),
    ("240", "0.0754", "0.0801", "0.0817", "0.125"),
    ("300", "0.0601", "0.0641", "0.0654", "0.100"),
    ("400", "0.0470", "0.0486", "0.0495", "0.0778"),
    ("500", "0.0366", "0.0384", "0.0391", "0.0605"),
    ("630", "0.0283", "0.0287", "0.0292", "0.0469"),
]


@topic("Conductor resistance ohm/km (IEC 60228)", "iec60228_conductors")
def iec60228():
    return (["Area (mm\u00b2)", "Cu class 1/2", "Cu class 5/6",
             "Cu tinned 5/6", "Al class 1/2"],
            [[r[0]] + list(r[1:]) for r in IEC60228])



# ---------------------------------------------------------------- more topics
def gnu_units(expr, to):
    """A value from GNU units' definitions file (Debian package units)."""
    import subprocess
    out = subprocess.run(["units", "-1", "-t", "-o", "%.17g", expr, to],
                         capture_output=True, text=True, check=True).stdout
    return float(out.split()[0])


# British Standard Wire Gauge (SWG), Imperial Standard Wire Gauge of the 1883
# Order in Council (BS 3737), 7/0 to 50: python3-fluids' BSWG schedule
# (fluids.piping.wire_schedules). check_topics.py compares every diameter with
# GNU units' brwiregauge, a separate transcription of the same gauge.
def swg_name(g):
    """fluids writes n/0 as 1/n, and 1/0 as 0."""
    if g == 0:
        return "1/0"
    return "%d/0" % round(1 / g) if g < 1 else str(int(g))


@topic("SWG wire gauge (British Standard)", "swg_wire")
def swg():
    from fluids.piping import wire_schedules
    gauges, inches = wire_schedules["BSWG"][0], wire_schedules["BSWG"][1]
    rows = []
    for g, d_in in zip(gauges, inches):
        if g == 28 and d_in == 0.0149:
            # fluids' slip, found by the check: GNU units' separate copy of
            # the gauge has 0.0148 in, as the gauge's steps of 0.0012 in
            # from SWG 30 (0.0124, 0.0136, 0.0148) give.
            d_in = 0.0148
        d_mm = d_in * 25.4
        rows.append([fixed(d_mm, 3), swg_name(g), fixed(d_in, 4),
                     sig(3.141592653589793 / 4 * d_mm ** 2, 4)])
    return ["d (mm)", "SWG", "d (in)", "Area (mm\u00b2)"], rows


# Beaufort wind force scale, WMO-No. 306 Manual on Codes, code table 1100:
# mean wind speed 10 m above ground v = 0.836 B^1.5 m/s (the formula as GNU
# units' definitions quote it); the limits of force B are the speeds of
# B - 1/2 and B + 1/2 cut to 0.1 m/s, which gives the published ranges
# (0.3-1.5, 1.6-3.3, ... 28.5-32.6, 32.7 and more).
def beaufort_v(b):
    return 0.836 * b ** 1.5


def cut(x, decimals=1):
    return str(Decimal(repr(x)).quantize(Decimal(1).scaleb(-decimals),
                                         rounding="ROUND_DOWN"))


@topic("Beaufort wind scale (WMO code 1100)", "beaufort")
def beaufort():
    rows = []
    for b in range(13):
        lo = "0.0" if b == 0 else str(Decimal(cut(beaufort_v(b - 0.5))) + Decimal("0.1"))
        hi = "" if b == 12 else cut(beaufort_v(b + 0.5))
        v = beaufort_v(b)
        rows.append([str(b), lo, hi, fixed(v, 1), fixed(v * 3.6, 1),
                     fixed(v * 3600 / 1852, 1)])
    return (["Force", "From (m/s)", "To (m/s)", "Mean (m/s)", "Mean (km/h)",
             "Mean (kn)"], rows)


# Planets: JPL Solar System Dynamics and the NSSDC planetary fact sheets as
# carried by GNU units' definitions (masses from the DE440 GM values and the
# CODATA 2018 G, equatorial radii at the 1 bar level for the giants,
# perihelion and aphelion distances, sidereal years and days). The semi-major
# axis is (perihelion + aphelion) / 2 in au (IAU 2012: 149 597 870 700 m).
# check_topics.py checks each year against Kepler's third law.
PLANETS = ["Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn",
           "Uranus", "Neptune"]


@topic("Planets: orbits, masses, radii (JPL)", "planets")
def planets():
    rows = []
    for name in PLANETS:
        p = name.lower()
        a = (gnu_units(p + "sundist_min", "Gm") + gnu_units(p + "sundist_max", "Gm")) / 2
        radius = gnu_units("earthradius_equatorial" if p == "earth" else p + "radius", "km")
        day = gnu_units("siderealday" if p == "earth" else p + "day_sidereal", "hr")
        rows.append([fixed(a / 149.5978707, 3), name,
                     sig(gnu_units(p + "mass", "1e24 kg"), 4),
                     fixed(radius, 1 if radius < 10000 else 0),
                     "%.6g" % gnu_units(p + "year", "day"), sig(day, 4)])
    return (["a (au)", "Planet", "Mass (10^24 kg)", "Eq. radius (km)",
             "Year (days)", "Day (h)"], rows)


# SI derived units with special names and symbols: BIPM, The International
# System of Units (SI Brochure), 9th edition (2019), Table 4, with the
# expression in base units of its last column. check_topics.py makes GNU
# units convert every unit name and symbol to its base-unit expression and
# expects the factor 1.
SI_DERIVED = [
    ("plane angle", "radian", "rad", "m/m"),
    ("solid angle", "steradian", "sr", "m^2/m^2"),
    ("frequency", "hertz", "Hz", "s^-1"),
    ("force", "newton", "N", "kg m s^-2"),
    ("pressure, stress", "pascal", "Pa", "kg m^-1 s^-2"),
    ("energy, work, amount of heat", "joule", "J", "kg m^2 s^-2"),
    ("power, radiant flux", "watt", "W", "kg m^2 s^-3"),
    ("electric charge", "coulomb", "C", "A s"),
    ("electric potential difference", "volt", "V", "kg m^2 s^-3 A^-1"),
    ("capacitance", "farad", "F", "kg^-1 m^-2 s^4 A^2"),
    ("electric resistance", "ohm", "\u03a9", "kg m^2 s^-3 A^-2"),
    ("electric conductance", "siemens", "S", "kg^-1 m^-2 s^3 A^2"),
    ("magnetic flux", "weber", "Wb", "kg m^2 s^-2 A^-1"),
    ("magnetic flux density", "tesla", "T", "kg s^-2 A^-1"),
    ("inductance", "henry", "H", "kg m^2 s^-2 A^-2"),
    ("Celsius temperature", "degree Celsius", "\u00b0C", "K"),
    ("luminous flux", "lumen", "lm", "cd sr"),
    ("illuminance", "lux", "lx", "cd sr m^-2"),
    ("activity of a radionuclide", "becquerel", "Bq", "s^-1"),
    ("absorbed dose, kerma", "gray", "Gy", "m^2 s^-2"),
    ("dose equivalent", "sievert", "Sv", "m^2 s^-2"),
    ("catalytic activity", "katal", "kat", "mol s^-1"),
]


@topic("SI derived units with special names", "si_derived_units", fon="Times New Roman")
def si_derived():
    return (["Quantity", "Unit", "Symbol", "In base units"],
            [list(r) for r in SI_DERIVED])


# Steel pipe sizes, ASME B36.10M (welded and seamless wrought steel pipe):
# outside diameters and the walls of schedules 40 and 80 as python3-fluids
# tabulates them (fluids.piping S40o/S40t, S80o/S80t, in mm); the inside
# diameter is OD - 2 wall. check_topics.py checks the standard's rule that
# from NPS 14 on the outside diameter is the NPS in inches, and that both
# schedules give each size one outside diameter.
def nps_text(nps):
    f = Fraction(nps).limit_denominator(8)
    whole, part = divmod(f, 1)
    if part == 0:
        return str(int(whole))
    return ("%d %s" % (whole, part)) if whole else str(part)


@topic("Steel pipe sizes NPS, mm (ASME B36.10M)", "steel_pipes")
def steel_pipes():
    import fluids.piping as fp
    s80 = dict(zip(fp.NPS80, zip(fp.S80o, fp.S80t)))
    rows = []
    for nps, od, wall in zip(fp.NPS40, fp.S40o, fp.S40t):
        w80 = s80.get(nps, (None, None))[1]
        rows.append([fixed(od, 1), nps_text(nps), fixed(wall, 2),
                     fixed(od - 2 * wall, 2),
                     "" if w80 is None else fixed(w80, 2),
                     "" if w80 is None else fixed(od - 2 * w80, 2)])
    return (["OD (mm)", "NPS (in)", "Sch 40 wall", "Sch 40 ID", "Sch 80 wall",
             "Sch 80 ID"], rows)


# ---------------------------------------------------------------- sources
# Written at the top of each topic's file as '#' comment lines: where its
# rows come from and what checks them.
SOURCES = {
    "topics": "The reference tables' topics: list title, KOL, FON, file, rows (written by build_topics.py).",
    "ascii_control": "Source: RFC 20 (ANSI X3.4-1968) section 4.1; C escapes from ISO C11 6.4.4.4.\n"
                     "Checked: Unicode name aliases, glibc charmap ANSI_X3.4-1968, gcc.",
    "awg": "Source (formula): ASTM B258, d = 0.005 in * 92^((36-n)/39); copper 1/58 ohm mm^2/m at 20 degC (IEC 60028).\n"
           "Checked: GNU units wiregauge(), python3-fluids AWG schedule, GNU units copperconductivity.",
    "iec60228_conductors": "Source: IEC 60228:2004 Tables 1-3, maximum DC resistance at 20 degC (two public reproductions).\n"
                           "Checked: second reproduction row by row; bounds on R x A.",
    "eseries_e3_e24": "Source: IEC 60063:2015 E3-E24.\nChecked: nesting, 5 % of the geometric series, the 8 known exceptions.",
    "eseries_e48_e192": "Source: IEC 60063:2015 E48-E192; EIA-96 marking codes.\n"
                        "Checked: round(100 * 10^(i/N)) with the one E192 exception (9.20); EIA-96 samples.",
    "eia96_letters": "Source: EIA-96 / IEC 60062 multiplier letters.\nChecked: the Example column re-derived.",
    "greek_alphabet": "Source: Unicode Character Database (Python unicodedata).\nChecked: glibc charmap CP1253.",
    "http_status": "Source: IANA HTTP Status Codes registry; RFC 9110 section 15.\nChecked: Python http.HTTPStatus and Node http.STATUS_CODES.",
    "ip_codes": "Source: IEC 60529:1989+A1:1999+A2:2013 (texts summarised).\nChecked: key facts per digit.",
    "iso216_paper": "Source (formula): ISO 216:2007 (A, B) and ISO 269 (C) base sizes, halved rounding down.\n"
                    "Checked: GNU units A0paper ... C10paper.",
    "metric_threads": "Source: ISO 261 / ISO 262 pitches, ISO 68-1 / ISO 724 basic diameters (formula); tap drill D - P.\n"
                      "Checked: second public charts, D1 samples, d3 < D1 < d2 < d.",
    "morse_code": "Source: Recommendation ITU-R M.1677-1 (10/2009).\nChecked: bsdgames morse.",
    "nato_alphabet": "Source: ICAO Annex 10 Vol. II 5.2.1.3; EU SERA.14020.\nChecked: second public sources.",
    "note_frequencies": "Source (formula): ISO 16:1975 (A4 = 440 Hz), equal temperament f = 440 * 2^((m-69)/12).",
    "pt100": "Source (formula): IEC 60751:2008 Callendar-Van Dusen coefficients.\nChecked: a published IEC 60751 reference table, -200..600 degC.",
    "itu_radio_bands": "Source: ITU Radio Regulations Art. 2, No. 2.1; wavelength c/f with c = 3e8 m/s.\nChecked: RR Note 1 band limits.",
    "si_prefixes": "Source: BIPM SI Brochure 9th ed. Table 7 and 27th CGPM (2022) Resolution 3.\nChecked: GNU units.",
    "standard_atmosphere": "Source (formula): U.S. Standard Atmosphere 1976 (= ISO 2533 up to 32 km), geometric altitude.\n"
                           "Checked: python3-fluids ATMOSPHERE_1976, GNU units stdatmT/stdatmP.",
    "water_saturated": "Source (formula): IAPWS-95, IAPWS 2008 viscosity, IAPWS 2011 conductivity (python3-iapws).\n"
                       "Checked: IAPWS-IF97.",
    "swg_wire": "Source: British Standard (Imperial) Wire Gauge, 1883 Order in Council / BS 3737, as python3-fluids' BSWG schedule.\n"
                "Checked: GNU units brwiregauge for every gauge.",
    "beaufort": "Source (formula): WMO-No. 306 code table 1100, v = 0.836 B^1.5 m/s; limits cut to 0.1 m/s.\n"
                "Checked: GNU units beaufort() and its inverse.",
    "planets": "Source: JPL SSD / NSSDC planetary fact sheets and DE440 GM values as GNU units' definitions carry them.\n"
               "Checked: Kepler's third law with the IAU nominal solar GM and the CODATA G (scipy).",
    "si_derived_units": "Source: BIPM SI Brochure 9th ed. (2019) Table 4.\nChecked: GNU units converts each name and symbol to its base units with factor 1.",
    "steel_pipes": "Source: ASME B36.10M outside diameters and schedule 40/80 walls as python3-fluids tabulates them.\n"
                   "Checked: OD = NPS in inches from NPS 14 on; ID = OD - 2 wall.",
}


# ---------------------------------------------------------------- output
def write_csv(stem, headings, rows):
    path = os.path.join(HERE, stem + ".csv")
    with open(path, "w", newline="", encoding="utf-8") as f:
        for line in SOURCES.get(stem, "").splitlines():
            f.write("# " + line + "\n")
        w = csv.writer(f, lineterminator="\n")
        w.writerow(headings)
        w.writerows(rows)
    return path


def main():
    index = []
    for title, stem, fon, fn in TOPICS:
        headings, rows = fn()
        write_csv(stem, headings, rows)
        index.append([title, str(len(headings)), fon, stem + ".csv",
                      str(len(rows))])
    index.sort(key=lambda r: r[0])
    write_csv("topics", ["NAME", "KOL", "FON", "File", "Rows"], index)
    for r in index:
        print("%-40s KOL %-2s rows %-3s %s" % (r[0], r[1], r[4], r[3]))


if __name__ == "__main__":
    main()
