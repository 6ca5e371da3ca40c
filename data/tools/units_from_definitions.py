#!/usr/bin/env python3
"""Derives the INDEX values of class.csv and members.csv exactly (Python fractions) from the
defining values of each unit. The CSV files are the source the build reads; this script records
how their factors were obtained and regenerates them: units_from_definitions.py data/sources"""
import csv, sys
from fractions import Fraction as F
from decimal import Decimal

PI = F(Decimal('3.14159265358979323846264338327950288419716939937510582097494'))
# --- exact base definitions (SI units) ---
inch = F('0.0254'); ft = 12*inch; yd = 3*ft; mile = 5280*ft; nmi = F(1852)
usft = F(1200, 3937)                     # US survey foot (NIST HB44 App C)
lb = F('0.45359237'); grain = lb/7000; oz = lb/16; g = F(1, 1000)
g0 = F('9.80665'); lbf = lb*g0; kgf = g0
cal_th = F('4.184'); cal_IT = F('4.1868')
btu_IT = cal_IT*(lb/g)*F(5, 9); btu_th = cal_th*(lb/g)*F(5, 9)
usgal = 231*inch**3; impgal = F('0.00454609'); litre = F(1, 1000)
usbushel = F('2150.42')*inch**3
c = F(299792458); e = F('1.602176634e-19'); NA = F('6.02214076e23')
julyear = F('365.25')*86400; au = F(149597870700)
G = F('6.67430e-11'); GMsun = F('132712440041.279419')*10**9
hg = F('13.5951')*1000*g0   # conventional mercury, Pa per metre
water = 1000*g0             # conventional water, Pa per metre
atm = F(101325)
statC = F(1, 10)/c          # statcoulomb = 10 C cm/s / c = 0.1/c[m/s] C
# molar masses (IUPAC CIAAW standard atomic weights, abridged: Ca 40.078, C 12.011, O 15.999)
M_CaCO3 = F('40.078') + F('12.011') + 3*F('15.999'); M_CaO = F('40.078') + F('15.999')
M_Ca = F('40.078')

SOURCES = [
    'INDEX: size of one unit in the reference unit of its category (class.csv #reference_unit)',
    'computed exactly from the defining values; written as the shortest decimal that reads back as the same double',
    '(rounded to 16 or 15 significant digits where that would exceed the 20 characters of the field)',
    'Sources of the definitions: SI Brochure 9th ed. (2019) incl. its table of non-SI units;',
    'NIST SP 811 (2008) Appendix B; NIST Handbook 44 (2023) Appendix C; CODATA 2018;',
    'IAU 2012 Resolution B2 (au) and 2015 Resolutions B2 (parsec) and B3 (nominal solar values);',
    'JPL DE440 (GM of the Sun); IUPAC standard atomic weights (water hardness); IEC 80000-13 (binary prefixes).',
    '#gnu_units: the same unit as a GNU units 2.22 expression; tests/data/check_units.py compares every INDEX with it.',
]

CATS = []   # (name, reference description, gnu reference, units)

SEP = None   # group separator: units of a group are listed in ascending size


def cat(name, ref, gref, units, keep_order=False):
    if not keep_order:
        groups, cur = [], []
        for x in units + [SEP]:
            if x is SEP:
                groups.append(sorted(cur, key=lambda t: t[2]))
                cur = []
            else:
                cur.append(x)
        units = [x for grp in groups for x in grp]
    CATS.append((name, ref, gref, units))

def u(name, sym, val, gnu, note=''):
    return (name, sym, F(val), gnu, note)

NIST811 = 'NIST SP 811 App. B'
HB44 = 'NIST HB44 App. C'

# 1 Acceleration (m/s^2)
cat('Acceleration', 'metre per second squared', 'm/s^2', [
    u('microgal', 'µGal', F('1e-8'), 'microgalileo'),
    u('milligal', 'mGal', F('1e-5'), 'milligalileo'),
    u('millimetre per second squared', 'mm/s²', F('0.001'), 'mm/s^2'),
    u('gal (galileo)', 'Gal', F('0.01'), 'galileo'),
    u('metre per second squared', 'm/s²', 1, 'm/s^2'),
    u('kilometre per hour per second', 'km/(h·s)', F(1000, 3600), 'km/hr/s'),
    SEP,
    u('inch per second squared', 'in/s²', inch, 'inch/s^2'),
    u('foot per second squared', 'ft/s²', ft, 'ft/s^2'),
    u('mile per hour per second', 'mph/s', mile/3600, 'mph/s'),
    u('knot per second', 'kn/s', nmi/3600, 'knot/s'),
    u('standard gravity (g0)', 'g0', g0, 'gravity', 'CGPM 1901: 9.80665 m/s² exact'),
])

# 2 Angle (radian)
turn = 2*PI
cat('Angle', 'radian', 'radian', [
    u('microradian', 'µrad', F('1e-6'), 'microradian'),
    u('milliarcsecond', 'mas', turn/360/3600/1000, 'mas'),
    u('second of arc (arcsecond)', '"', turn/360/3600, 'arcsec'),
    u('minute of arc (arcminute)', "'", turn/360/60, 'arcmin'),
    u('milliradian', 'mrad', F('0.001'), 'milliradian'),
    u('NATO mil (1/6400 turn)', 'mil (NATO)', turn/6400, '1|6400 circle'),
    u('Warsaw Pact mil (1/6000 turn)', 'mil (WP)', turn/6000, '1|6000 circle'),
    u('gradian (gon)', 'gon', turn/400, 'gon'),
    u('degree (angle)', '°', turn/360, 'degree'),
    u('hour angle (15°)', 'h', turn/24, '15 degree'),
    u('compass point (1/32 turn)', 'point', turn/32, '1|32 circle'),
    u('octant (45°)', 'oct', turn/8, '45 degree'),
    u('sextant (60°)', 'sxt', turn/6, '60 degree'),
    u('radian', 'rad', 1, 'radian'),
    u('quadrant (right angle)', 'quad', turn/4, 'rightangle'),
    u('turn (revolution)', 'tr', turn, 'turn'),
])

# 3 Angular Velocity (rad/s)
cat('Angular Velocity', 'radian per second', 'radian/s', [
    u('degree per hour', '°/h', turn/360/3600, 'degree/hr'),
    u('revolution per day', 'rev/d', turn/86400, 'rev/day'),
    u('radian per hour', 'rad/h', F(1, 3600), 'radian/hr'),
    u('revolution per hour', 'rev/h', turn/3600, 'rev/hr'),
    u('degree per minute', '°/min', turn/360/60, 'degree/min'),
    u('radian per minute', 'rad/min', F(1, 60), 'radian/min'),
    u('milliradian per second', 'mrad/s', F('0.001'), 'milliradian/s'),
    u('degree per second', '°/s', turn/360, 'degree/s'),
    u('revolution per minute (rpm)', 'rpm', turn/60, 'rpm'),
    u('radian per second', 'rad/s', 1, 'radian/s'),
    u('revolution per second', 'rev/s', turn, 'rps'),
])

# 4 Area (m^2) -- fixed order, m^2 at NUMBER 14
mil = inch/1000
cat('Area', 'square metre', 'm^2', [
    u('circular mil', 'cmil', PI/4*mil**2, 'circularmil'),
    u('square inch', 'in²', inch**2, 'inch^2'),
    u('square foot', 'ft²', ft**2, 'ft^2'),
    u('square yard', 'yd²', yd**2, 'yd^2'),
    u('square rod (perch)', 'rd²', (F(33, 2)*ft)**2, 'rod^2'),
    u('rood', 'ro', 1210*yd**2, 'rood'),
    u('acre', 'ac', 43560*ft**2, 'acre', 'international acre, 43 560 ft²'),
    u('square mile', 'mi²', mile**2, 'mile^2'),
    u('US survey acre', 'ac (US survey)', 43560*usft**2, 'USacre'),
    u('section (US survey square mile)', 'section', (5280*usft)**2, 'surveymile^2'),
    u('township (36 sections)', 'twp', 36*(5280*usft)**2, '36 surveymile^2'),
    u('square millimetre', 'mm²', F('1e-6'), 'mm^2'),
    u('square centimetre', 'cm²', F('1e-4'), 'cm^2'),
    u('square decimetre', 'dm²', F('0.01'), 'dm^2'),
    u('square metre', 'm²', 1, 'm^2'),
    u('are', 'a', 100, 'are'),
    u('decare', 'daa', 1000, '10 are'),
    u('hectare', 'ha', 10000, 'hectare'),
    u('square kilometre', 'km²', 10**6, 'km^2'),
    u('barn', 'b', F('1e-28'), 'barn'),
    u('circular inch', 'circ in', PI/4*inch**2, 'circularinch'),
    u('square chain', 'ch²', (66*ft)**2, 'chain^2'),
    u('square nautical mile', 'nmi²', nmi**2, 'nauticalmile^2'),
], keep_order=True)

# 5 Data Storage (byte)
B = F(1)
ds = [
    u('bit', 'bit', F(1, 8), 'bit'),
    u('nibble (4 bits)', 'nibble', F(1, 2), 'nibble'),
    u('byte', 'B', 1, 'byte'),
    u('word (16 bits)', 'word', 2, '16 bit'),
    u('double word (32 bits)', 'dword', 4, '32 bit'),
    u('quad word (64 bits)', 'qword', 8, '64 bit'),
]
pref = [('kilo', 'kibi', 'k', 'Ki'), ('mega', 'mebi', 'M', 'Mi'), ('giga', 'gibi', 'G', 'Gi'),
        ('tera', 'tebi', 'T', 'Ti'), ('peta', 'pebi', 'P', 'Pi'), ('exa', 'exbi', 'E', 'Ei'),
        ('zetta', 'zebi', 'Z', 'Zi'), ('yotta', 'yobi', 'Y', 'Yi')]
for i, (dp, bp, ds_, bs) in enumerate(pref, start=1):
    dec = F(1000)**i; binv = F(1024)**i
    dpow = 3*i; bpow = 10*i
    if i <= 4:
        ds.append(u(f'{dp}bit (decimal, 10^{dpow} bits)', f'{ds_}bit', dec/8, f'{dp}bit'))
        ds.append(u(f'{bp}bit (binary, 2^{bpow} bits)', f'{bs}bit', binv/8, f'{bp}bit'))
    ds.append(u(f'{dp}byte (decimal, 10^{dpow} B)', f'{ds_}B', dec, f'{dp}byte'))
    ds.append(u(f'{bp}byte (binary, 2^{bpow} B)', f'{bs}B', binv, f'{bp}byte'))
ds.sort(key=lambda t: t[2])
cat('Data Storage', 'byte', 'byte', ds)

# 6 Data Transfer Rate (bit/s)
dr = [u('bit per second', 'bit/s', 1, 'bit/s'), u('byte per second', 'B/s', 8, 'byte/s')]
for i, (dp, bp, ds_, bs) in enumerate(pref[:4], start=1):
    dec = F(1000)**i; binv = F(1024)**i
    dr.append(u(f'{dp}bit per second', f'{ds_}bit/s', dec, f'{dp}bit/s'))
    dr.append(u(f'{bp}bit per second', f'{bs}bit/s', binv, f'{bp}bit/s'))
    dr.append(u(f'{dp}byte per second', f'{ds_}B/s', 8*dec, f'{dp}byte/s'))
    dr.append(u(f'{bp}byte per second', f'{bs}B/s', 8*binv, f'{bp}byte/s'))
dr.sort(key=lambda t: t[2])
cat('Data Transfer Rate', 'bit per second', 'bit/s', dr)

# 7 Density (kg/m^3)
cat('Density', 'kilogram per cubic metre', 'kg/m^3', [
    u('milligram per litre', 'mg/L', F('0.001'), 'mg/l'),
    u('gram per cubic metre', 'g/m³', F('0.001'), 'g/m^3'),
    u('kilogram per cubic metre', 'kg/m³', 1, 'kg/m^3'),
    u('gram per litre', 'g/L', 1, 'g/l'),
    u('gram per cubic centimetre', 'g/cm³', 1000, 'g/cm^3'),
    u('kilogram per litre', 'kg/L', 1000, 'kg/l'),
    u('tonne per cubic metre', 't/m³', 1000, 'tonne/m^3'),
    SEP,
    u('grain per US gallon', 'gr/gal (US)', grain/usgal, 'grain/usgallon'),
    u('ounce per US gallon', 'oz/gal (US)', oz/usgal, 'oz/usgallon'),
    u('ounce per imperial gallon', 'oz/gal (imp)', oz/impgal, 'oz/brgallon'),
    u('pound per cubic yard', 'lb/yd³', lb/yd**3, 'lb/yd^3'),
    u('pound per cubic foot', 'lb/ft³', lb/ft**3, 'lb/ft^3'),
    u('pound per US gallon', 'lb/gal (US)', lb/usgal, 'lb/usgallon'),
    u('pound per imperial gallon', 'lb/gal (imp)', lb/impgal, 'lb/brgallon'),
    u('short ton per cubic yard', 'ton/yd³', 2000*lb/yd**3, 'shortton/yd^3'),
    u('long ton per cubic yard', 'LT/yd³', 2240*lb/yd**3, 'longton/yd^3'),
    u('ounce per cubic inch', 'oz/in³', oz/inch**3, 'oz/inch^3'),
    u('slug per cubic foot', 'slug/ft³', lbf/ft/ft**3, 'slug/ft^3'),
    u('pound per cubic inch', 'lb/in³', lb/inch**3, 'lb/inch^3'),
])

# 8 Dynamic Viscosity (Pa s)
cat('Dynamic Viscosity', 'pascal second', 'Pa s', [
    u('micropoise', 'µP', F('1e-7'), 'micropoise'),
    u('micropascal second', 'µPa·s', F('1e-6'), 'micro Pa s'),
    u('centipoise', 'cP', F('0.001'), 'centipoise'),
    u('millipascal second', 'mPa·s', F('0.001'), 'milli Pa s'),
    u('poise', 'P', F('0.1'), 'poise'),
    u('pascal second', 'Pa·s', 1, 'Pa s'),
    u('kilogram per metre second', 'kg/(m·s)', 1, 'kg/(m s)'),
    SEP,
    u('pound per foot hour', 'lb/(ft·h)', lb/ft/3600, 'lb/(ft hr)'),
    u('pound per foot second', 'lb/(ft·s)', lb/ft, 'lb/(ft s)'),
    u('kilogram-force second per square metre', 'kgf·s/m²', kgf, 'kgf s/m^2'),
    u('pound-force second per square foot', 'lbf·s/ft²', lbf/ft**2, 'lbf s/ft^2'),
    u('slug per foot second', 'slug/(ft·s)', lbf/ft**2, 'slug/(ft s)'),
    u('reyn (lbf·s/in²)', 'reyn', lbf/inch**2, 'reyn'),
])

# 9 Electric Charge (C)
cat('Electric Charge', 'coulomb', 'C', [
    u('elementary charge', 'e', e, 'e', 'SI 2019: exact'),
    u('statcoulomb (franklin, esu)', 'statC', statC, 'statcoulomb'),
    u('picocoulomb', 'pC', F('1e-12'), 'pC'),
    u('nanocoulomb', 'nC', F('1e-9'), 'nC'),
    u('microcoulomb', 'µC', F('1e-6'), 'microcoulomb'),
    u('millicoulomb', 'mC', F('0.001'), 'mC'),
    u('coulomb', 'C', 1, 'C'),
    u('ampere-second', 'A·s', 1, 'A s'),
    u('abcoulomb (emu)', 'abC', 10, 'abcoulomb'),
    u('ampere-minute', 'A·min', 60, 'A min'),
    u('milliampere-hour', 'mAh', F('3.6'), 'mA hr'),
    u('kilocoulomb', 'kC', 1000, 'kC'),
    u('ampere-hour', 'Ah', 3600, 'A hr'),
    u('faraday (charge of 1 mol of electrons)', 'F', e*NA, 'faraday', 'e·N_A, exact since SI 2019'),
])

# 10 Electric Current (A)
cat('Electric Current', 'ampere', 'A', [
    u('statampere (esu)', 'statA', statC, 'statampere'),
    u('picoampere', 'pA', F('1e-12'), 'pA'),
    u('nanoampere', 'nA', F('1e-9'), 'nA'),
    u('microampere', 'µA', F('1e-6'), 'microampere'),
    u('milliampere', 'mA', F('0.001'), 'mA'),
    u('ampere', 'A', 1, 'A'),
    u('abampere (biot, emu)', 'abA', 10, 'abampere'),
    u('kiloampere', 'kA', 1000, 'kA'),
    u('megaampere', 'MA', 10**6, 'megaampere'),
])

# 11 Electric Potential (V)
cat('Electric Potential', 'volt', 'V', [
    u('abvolt (emu)', 'abV', F('1e-8'), 'abvolt'),
    u('nanovolt', 'nV', F('1e-9'), 'nV'),
    u('microvolt', 'µV', F('1e-6'), 'microvolt'),
    u('millivolt', 'mV', F('0.001'), 'mV'),
    u('volt', 'V', 1, 'V'),
    u('statvolt (esu)', 'statV', c/10**6, 'statvolt'),
    u('kilovolt', 'kV', 1000, 'kV'),
    u('megavolt', 'MV', 10**6, 'megavolt'),
    u('gigavolt', 'GV', 10**9, 'gigavolt'),
])

# 12 Energy (J)
Wh = F(3600)
hp_mech = 550*ft*lbf; hp_metric = 75*kgf
cat('Energy', 'joule', 'J', [
    u('electronvolt', 'eV', e, 'eV', 'e × 1 V, exact since SI 2019'),
    u('rydberg', 'Ry', F('4.3597447222071e-18')/2, 'rydberg', 'half hartree; CODATA 2018'),
    u('hartree', 'Eh', F('4.3597447222071e-18'), 'hartree', 'CODATA 2018'),
    SEP,
    u('kiloelectronvolt', 'keV', 1000*e, 'keV'),
    u('megaelectronvolt', 'MeV', 10**6*e, 'MeV'),
    u('gigaelectronvolt', 'GeV', 10**9*e, 'GeV'),
    u('teraelectronvolt', 'TeV', 10**12*e, 'TeV'),
    SEP,
    u('erg', 'erg', F('1e-7'), 'erg'),
    u('millijoule', 'mJ', F('0.001'), 'mJ'),
    u('joule', 'J', 1, 'J'),
    u('kilojoule', 'kJ', 1000, 'kJ'),
    u('megajoule', 'MJ', 10**6, 'MJ'),
    u('gigajoule', 'GJ', 10**9, 'GJ'),
    u('terajoule', 'TJ', 10**12, 'TJ'),
    SEP,
    u('watt-hour', 'Wh', Wh, 'W hr'),
    u('kilowatt-hour', 'kWh', 1000*Wh, 'kWh'),
    u('megawatt-hour', 'MWh', 10**6*Wh, 'MW hr'),
    u('gigawatt-hour', 'GWh', 10**9*Wh, 'GW hr'),
    SEP,
    u('calorie (thermochemical)', 'cal_th', cal_th, 'cal_th'),
    u('calorie (IT)', 'cal_IT', cal_IT, 'cal_IT'),
    u('kilocalorie (thermochemical)', 'kcal_th', 1000*cal_th, 'kilocal_th'),
    u('kilocalorie (IT)', 'kcal_IT', 1000*cal_IT, 'kilocal_IT'),
    u('food calorie (Cal, kcal)', 'Cal', 1000*cal_th, 'Calorie', 'US food labelling uses the thermochemical kcal'),
    SEP,
    u('BTU (thermochemical)', 'Btu_th', btu_th, 'btu_th'),
    u('BTU (IT)', 'Btu_IT', btu_IT, 'btu_IT', 'exact: 1055.05585262 J'),
    u('therm (US)', 'thm (US)', F('1.054804e8'), 'UStherm', NIST811 + ': exact'),
    u('therm (EC)', 'thm (EC)', F('1.05506e8'), 'ECtherm', 'EU Directive 80/181/EEC: 105.506 MJ'),
    u('quad (10^15 BTU IT)', 'quad', 10**15*btu_IT, 'quad'),
    SEP,
    u('inch-pound-force', 'in·lbf', inch*lbf, 'inch lbf'),
    u('foot-poundal', 'ft·pdl', ft*lb*ft, 'ft poundal'),
    u('foot-pound-force', 'ft·lbf', ft*lbf, 'ft lbf'),
    u('kilogram-force metre', 'kgf·m', kgf, 'kgf m'),
    u('litre-atmosphere', 'L·atm', atm/1000, 'liter atm'),
    u('horsepower-hour (metric)', 'PS·h', hp_metric*3600, 'metrichorsepower hr'),
    u('horsepower-hour (mechanical)', 'hp·h', hp_mech*3600, 'hp hr'),
    SEP,
    u('tonne of coal equivalent', 'tce', 7*10**9*cal_IT, 'toncoal', 'UN/IEA convention: 7 Gcal_IT = 29.3076 GJ'),
    u('tonne of oil equivalent', 'toe', 10**10*cal_IT, 'toe', 'IEA/OECD convention: 10 Gcal_IT = 41.868 GJ'),
    u('ton of TNT', 't TNT', 10**9*cal_th, 'ton tnt', 'convention: 1 Gcal_th = 4.184 GJ'),
    u('kiloton of TNT', 'kt TNT', 10**12*cal_th, 'kiloton tnt'),
    u('megaton of TNT', 'Mt TNT', 10**15*cal_th, 'megaton tnt'),
])

# 13 Force (N)
cat('Force', 'newton', 'N', [
    u('dyne', 'dyn', F('1e-5'), 'dyne'),
    u('micronewton', 'µN', F('1e-6'), 'micronewton'),
    u('millinewton', 'mN', F('0.001'), 'mN'),
    u('gram-force', 'gf', g*g0, 'gram force'),
    u('poundal', 'pdl', lb*ft, 'poundal'),
    u('ounce-force', 'ozf', oz*g0, 'ounce force'),
    u('pound-force', 'lbf', lbf, 'lbf'),
    u('newton', 'N', 1, 'N'),
    u('kilogram-force (kilopond)', 'kgf', kgf, 'kgf'),
    u('kilonewton', 'kN', 1000, 'kN'),
    u('sthene', 'sn', 1000, 'sthene'),
    u('kip (kilopound-force)', 'kip', 1000*lbf, 'kip'),
    u('short ton-force', 'tonf (US)', 2000*lbf, 'shortton force'),
    u('tonne-force (metric)', 'tf', 1000*kgf, 'tonne force'),
    u('long ton-force', 'tonf (UK)', 2240*lbf, 'longton force'),
    u('meganewton', 'MN', 10**6, 'MN'),
])

# 14 Frequency (Hz)
cat('Frequency', 'hertz', 'Hz', [
    u('microhertz', 'µHz', F('1e-6'), 'microhertz'),
    u('cycle per day', 'c/d', F(1, 86400), '1/day'),
    u('cycle per hour', 'c/h', F(1, 3600), '1/hr'),
    u('millihertz', 'mHz', F('0.001'), 'mHz'),
    u('cycle per minute', 'cpm', F(1, 60), '1/min'),
    u('beat per minute (bpm)', 'bpm', F(1, 60), '1/min'),
    u('hertz (cycle per second)', 'Hz', 1, 'Hz'),
    u('kilohertz', 'kHz', 1000, 'kHz'),
    u('megahertz', 'MHz', 10**6, 'MHz'),
    u('gigahertz', 'GHz', 10**9, 'GHz'),
    u('terahertz', 'THz', 10**12, 'THz'),
    u('petahertz', 'PHz', 10**15, 'PHz'),
])

# 15 Length (cm) -- fixed order, metre at NUMBER 32
cm = F(1, 100)
def L(name, sym, metres, gnu, note=''):
    return u(name, sym, F(metres)/cm, gnu, note)
cat('Length', 'centimetre', 'cm', [
    L('microinch', 'µin', inch/10**6, 'microinch'),
    L('mil (thou)', 'mil', inch/1000, 'mil'),
    L('inch', 'in', inch, 'inch'),
    L('hand', 'hh', 4*inch, 'hand'),
    L('link', 'li', F(66, 100)*ft, 'link'),
    L('foot', 'ft', ft, 'foot'),
    L('yard', 'yd', yd, 'yard'),
    L('rod (pole, perch)', 'rd', F(33, 2)*ft, 'rod'),
    L('chain', 'ch', 66*ft, 'chain'),
    L('furlong', 'fur', 660*ft, 'furlong'),
    L('mile', 'mi', mile, 'mile'),
    L('league (3 miles)', 'lea', 3*mile, 'league'),
    L('US survey foot', 'ft (US survey)', usft, 'surveyfoot', 'NIST HB44: 1200/3937 m (retired 2022, still in old data)'),
    L('US survey mile', 'mi (US survey)', 5280*usft, 'surveymile'),
    L('fathom', 'ftm', 6*ft, 'fathom'),
    L('cable (1/10 nautical mile)', 'cb', nmi/10, 'cable'),
    L('nautical mile', 'nmi', nmi, 'nauticalmile'),
    L('point (DTP, 1/72 in)', 'pt', inch/72, 'computerpoint'),
    L('Didot point', 'dd', F('0.376065e-3'), 'didotpoint', 'the value of European printing, 0.376065 mm (DIN 16507)'),
    L('pica (DTP, 1/6 in)', 'pc', inch/6, '12 computerpoint'),
    L('cicero (12 Didot points)', 'cc', 12*F('0.376065e-3'), 'cicero'),
    L('cubit (18 in)', 'cubit', 18*inch, '18 inch'),
    L('arshin (28 in)', 'arshin', 28*inch, 'arshin'),
    L('ell (English, 45 in)', 'ell', 45*inch, '45 inch'),
    L('verst (500 sazhen)', 'verst', 42000*inch, 'verst'),
    L('Scandinavian mile (mil)', 'mil (Scand.)', 10000, '10 km'),
    L('picometre', 'pm', F('1e-12'), 'pm'),
    L('nanometre', 'nm', F('1e-9'), 'nm'),
    L('micrometre (micron)', 'µm', F('1e-6'), 'um'),
    L('millimetre', 'mm', F('0.001'), 'mm'),
    L('centimetre', 'cm', F('0.01'), 'cm'),
    L('decimetre', 'dm', F('0.1'), 'dm'),
    L('metre', 'm', 1, 'm'),
    L('decametre', 'dam', 10, 'dam'),
    L('hectometre', 'hm', 100, 'hm'),
    L('kilometre', 'km', 1000, 'km'),
    L('fermi (femtometre)', 'fm', F('1e-15'), 'fermi'),
    L('ångström', 'Å', F('1e-10'), 'angstrom'),
    L('astronomical unit', 'au', au, 'au', 'IAU 2012 Resolution B2: exact'),
    L('light-year', 'ly', c*julyear, 'lightyear', 'IAU: c × Julian year'),
    L('parsec', 'pc', au*648000/PI, 'au*648000/pi',
      'IAU 2015 Resolution B2: 648000/pi au; GNU parsec uses au/tan(arcsec), 8e-12 larger'),
    L('kiloparsec', 'kpc', 1000*au*648000/PI, 'au*648000000/pi'),
    L('megaparsec', 'Mpc', 10**6*au*648000/PI, 'au*648000000000/pi'),
], keep_order=True)

# 16 Linear Density (kg/m)
cat('Linear Density', 'kilogram per metre', 'kg/m', [
    u('millitex', 'mtex', F('1e-9'), 'millitex'),
    u('denier', 'den', F('1e-6')/9, 'denier', '1 g per 9000 m'),
    u('decitex', 'dtex', F('1e-7'), 'decitex'),
    u('tex (gram per kilometre)', 'tex', F('1e-6'), 'tex'),
    u('grain per yard', 'gr/yd', grain/yd, 'grain/yd'),
    u('kilotex (gram per metre)', 'ktex', F('0.001'), 'kilotex'),
    u('ounce per yard', 'oz/yd', oz/yd, 'oz/yd'),
    u('gram per centimetre', 'g/cm', F('0.1'), 'g/cm'),
    u('pound per yard', 'lb/yd', lb/yd, 'lb/yd'),
    u('kilogram per metre', 'kg/m', 1, 'kg/m'),
    u('pound per foot', 'lb/ft', lb/ft, 'lb/ft'),
    u('pound per inch', 'lb/in', lb/inch, 'lb/inch'),
    u('kilogram per centimetre', 'kg/cm', 100, 'kg/cm'),
])

# 17 Illuminance (lux)
cat('Luminous Flux Density', 'lux', 'lux', [
    u('nox (millilux)', 'nx', F('0.001'), 'nox'),
    u('lux (lumen per square metre)', 'lx', 1, 'lux'),
    u('milliphot', 'mph', 10, 'milliphot'),
    u('foot-candle (lumen per square foot)', 'fc', 1/ft**2, 'footcandle'),
    u('kilolux', 'klx', 1000, 'kilolux'),
    u('lumen per square inch', 'lm/in²', 1/inch**2, 'lumen/inch^2'),
    u('phot (lumen per square centimetre)', 'ph', 10**4, 'phot'),
])

# 18 Magnetic Flux Density (T)
cat('Magnetic Flux Density', 'tesla', 'T', [
    u('nanotesla', 'nT', F('1e-9'), 'nT'),
    u('gamma (magnetic, 1 nT)', 'gamma', F('1e-9'), 'nT', 'GNU gamma is a microgram; geophysical gamma = 1 nT (NIST SP 811)'),
    u('microtesla', 'µT', F('1e-6'), 'microtesla'),
    u('milligauss', 'mG', F('1e-7'), 'milligauss'),
    u('gauss', 'G', F('1e-4'), 'gauss'),
    u('millitesla', 'mT', F('0.001'), 'mT'),
    u('kilogauss', 'kG', F('0.1'), 'kilogauss'),
    u('tesla', 'T', 1, 'T'),
    u('weber per square metre', 'Wb/m²', 1, 'Wb/m^2'),
])

# 19 Mass (kg) -- fixed order, kilogram at NUMBER 17
cat('Mass', 'kilogram', 'kg', [
    u('grain', 'gr', grain, 'grain'),
    u('dram (avoirdupois)', 'dr', oz/16, 'dram'),
    u('ounce', 'oz', oz, 'ounce'),
    u('pound', 'lb', lb, 'pound'),
    u('stone', 'st', 14*lb, 'stone'),
    u('short hundredweight (US)', 'cwt (US)', 100*lb, 'ushundredweight'),
    u('long hundredweight (UK)', 'cwt (UK)', 112*lb, 'brhundredweight'),
    u('short ton (US)', 'ton (US)', 2000*lb, 'uston'),
    u('long ton (UK)', 'ton (UK)', 2240*lb, 'brton'),
    u('pennyweight', 'dwt', 24*grain, 'pennyweight'),
    u('troy ounce', 'oz t', 480*grain, 'troyounce'),
    u('troy pound', 'lb t', 5760*grain, 'troypound'),
    u('carat (metric)', 'ct', F('0.0002'), 'metriccarat'),
    u('slug', 'slug', lbf/ft, 'slug'),
    u('microgram', 'µg', F('1e-9'), 'microgram'),
    u('milligram', 'mg', F('1e-6'), 'mg'),
    u('gram', 'g', F('0.001'), 'g'),
    u('kilogram', 'kg', 1, 'kg'),
    u('tonne (metric ton)', 't', 1000, 'tonne'),
    u('dalton (unified atomic mass unit)', 'Da', F('1.66053906660e-27'), 'dalton', 'CODATA 2018'),
    u('solar mass', 'M_sun', GMsun/G, 'solarmass', 'GM_sun (JPL DE440) / G (CODATA 2018)'),
    u('quintal (100 kg)', 'q', 100, 'quintal'),
    u('kilotonne', 'kt', 10**6, 'kilotonne'),
    u('megatonne', 'Mt', 10**9, 'megatonne'),
], keep_order=True)

# 20 Mass Flow Rate (kg/s)
cat('Mass Flow Rate', 'kilogram per second', 'kg/s', [
    u('gram per hour', 'g/h', F(1, 3600000), 'g/hr'),
    u('gram per minute', 'g/min', F(1, 60000), 'g/min'),
    u('gram per second', 'g/s', F(1, 1000), 'g/s'),
    u('kilogram per day', 'kg/d', F(1, 86400), 'kg/day'),
    u('kilogram per hour', 'kg/h', F(1, 3600), 'kg/hr'),
    u('kilogram per minute', 'kg/min', F(1, 60), 'kg/min'),
    u('kilogram per second', 'kg/s', 1, 'kg/s'),
    u('tonne per day', 't/d', F(1000, 86400), 'tonne/day'),
    u('tonne per hour', 't/h', F(1000, 3600), 'tonne/hr'),
    u('tonne per year (365 d)', 't/a', F(1000, 365*86400), 'tonne/commonyear'),
    SEP,
    u('ounce per second', 'oz/s', oz, 'oz/s'),
    u('pound per hour', 'lb/h', lb/3600, 'lb/hr'),
    u('pound per minute', 'lb/min', lb/60, 'lb/min'),
    u('pound per second', 'lb/s', lb, 'lb/s'),
    u('short ton per hour', 'ton/h (US)', 2000*lb/3600, 'shortton/hr'),
    u('long ton per hour', 'ton/h (UK)', 2240*lb/3600, 'longton/hr'),
])

# 21 Power (W)
cat('Power', 'watt', 'W', [
    u('erg per second', 'erg/s', F('1e-7'), 'erg/s'),
    u('microwatt', 'µW', F('1e-6'), 'microwatt'),
    u('milliwatt', 'mW', F('0.001'), 'mW'),
    u('watt', 'W', 1, 'W'),
    u('kilowatt', 'kW', 1000, 'kW'),
    u('megawatt', 'MW', 10**6, 'MW'),
    u('gigawatt', 'GW', 10**9, 'GW'),
    u('terawatt', 'TW', 10**12, 'TW'),
    SEP,
    u('foot-pound-force per minute', 'ft·lbf/min', ft*lbf/60, 'ft lbf/min'),
    u('foot-pound-force per second', 'ft·lbf/s', ft*lbf, 'ft lbf/s'),
    u('kilogram-force metre per second', 'kgf·m/s', kgf, 'kgf m/s'),
    SEP,
    u('calorie (thermochemical) per second', 'cal_th/s', cal_th, 'cal_th/s'),
    u('kilocalorie (IT) per hour', 'kcal_IT/h', 1000*cal_IT/3600, 'kilocal_IT/hr'),
    u('kilocalorie (thermochemical) per hour', 'kcal_th/h', 1000*cal_th/3600, 'kilocal_th/hr'),
    u('BTU (IT) per hour', 'Btu/h', btu_IT/3600, 'btu_IT/hr'),
    u('BTU (IT) per minute', 'Btu/min', btu_IT/60, 'btu_IT/min'),
    u('BTU (IT) per second', 'Btu/s', btu_IT, 'btu_IT/s'),
    SEP,
    u('horsepower (metric, PS)', 'PS', hp_metric, 'metrichorsepower', '75 kgf·m/s'),
    u('horsepower (mechanical)', 'hp', hp_mech, 'horsepower', '550 ft·lbf/s'),
    u('horsepower (electric)', 'hp (el.)', 746, 'electrichorsepower'),
    u('horsepower (boiler)', 'hp (boiler)', F('9809.50'), 'boilerhorsepower', NIST811 + ': 9.80950E+03 W'),
    u('ton of refrigeration', 'TR', 12000*btu_IT/3600, 'tonrefrigeration', '12 000 Btu_IT/h'),
    SEP,
    u('solar luminosity (nominal)', 'L_sun', F('3.828e26'), 'solarluminosity', 'IAU 2015 Resolution B3'),
])

# 22 Pressure (Pa)
cat('Pressure', 'pascal', 'Pa', [
    u('millipascal', 'mPa', F('0.001'), 'milliPa'),
    u('barye (dyne per square centimetre)', 'Ba', F('0.1'), 'barye'),
    u('pascal', 'Pa', 1, 'Pa'),
    u('hectopascal', 'hPa', 100, 'hPa'),
    u('kilopascal', 'kPa', 1000, 'kPa'),
    u('megapascal', 'MPa', 10**6, 'MPa'),
    u('gigapascal', 'GPa', 10**9, 'GPa'),
    SEP,
    u('millibar', 'mbar', 100, 'millibar'),
    u('decibar', 'dbar', 10**4, 'decibar'),
    u('bar', 'bar', 10**5, 'bar'),
    u('kilobar', 'kbar', 10**8, 'kilobar'),
    SEP,
    u('standard atmosphere', 'atm', atm, 'atm'),
    u('technical atmosphere (kgf/cm²)', 'at', kgf*10**4, 'technicalatmosphere'),
    u('kilogram-force per square metre', 'kgf/m²', kgf, 'kgf/m^2'),
    SEP,
    u('millitorr', 'mTorr', atm/760/1000, 'millitorr'),
    u('torr', 'Torr', atm/760, 'torr', '1/760 atm'),
    u('millimetre of mercury (conventional)', 'mmHg', hg/1000, 'mmHg', '13.5951 g/cm³ × g0 × 1 mm (NIST SP 811)'),
    u('inch of mercury (conventional)', 'inHg', hg*inch, 'inHg'),
    SEP,
    u('millimetre of water (conventional)', 'mmH2O', water/1000, 'mm water', '1 g/cm³ × g0 × 1 mm (NIST SP 811)'),
    u('centimetre of water (conventional)', 'cmH2O', water/100, 'cm water'),
    u('inch of water (conventional)', 'inH2O', water*inch, 'inH2O'),
    u('foot of water (conventional)', 'ftH2O', water*ft, 'ft water'),
    SEP,
    u('poundal per square foot', 'pdl/ft²', lb*ft/ft**2, 'poundal/ft^2'),
    u('pound-force per square foot (psf)', 'psf', lbf/ft**2, 'lbf/ft^2'),
    u('pound-force per square inch (psi)', 'psi', lbf/inch**2, 'psi'),
    u('kilopound-force per square inch (ksi)', 'ksi', 1000*lbf/inch**2, 'kip/inch^2'),
])

# 23 Radiation Dose (absorbed dose, Gy)
cat('Radiation Dose (absorbed)', 'gray', 'Gy', [
    u('erg per gram', 'erg/g', F('1e-4'), 'erg/g'),
    u('microgray', 'µGy', F('1e-6'), 'microgray'),
    u('millirad', 'mrad (dose)', F('1e-5'), 'millirad', 'rad = 0.01 Gy (NIST SP 811)'),
    u('milligray', 'mGy', F('0.001'), 'mGy'),
    u('rad (absorbed dose)', 'rd', F('0.01'), 'rad', 'rad = 0.01 Gy (NIST SP 811); not the radian'),
    u('centigray', 'cGy', F('0.01'), 'cGy'),
    u('gray (joule per kilogram)', 'Gy', 1, 'Gy'),
    u('kilogray', 'kGy', 1000, 'kGy'),
])

# 24 Radioactivity (Bq)
cat('Radioactivity', 'becquerel', 'Bq', [
    u('disintegration per minute', 'dpm', F(1, 60), '1/min'),
    u('becquerel', 'Bq', 1, 'Bq'),
    u('picocurie', 'pCi', F('0.037'), 'pCi'),
    u('kilobecquerel', 'kBq', 1000, 'kBq'),
    u('nanocurie', 'nCi', 37, 'nCi'),
    u('megabecquerel', 'MBq', 10**6, 'MBq'),
    u('rutherford', 'Rd', 10**6, 'rutherford'),
    u('microcurie', 'µCi', 37000, 'microcurie'),
    u('gigabecquerel', 'GBq', 10**9, 'GBq'),
    u('millicurie', 'mCi', 37*10**6, 'mCi'),
    u('curie', 'Ci', 37*10**9, 'Ci', 'exact: 3.7e10 Bq (NIST SP 811)'),
    u('terabecquerel', 'TBq', 10**12, 'TBq'),
    u('kilocurie', 'kCi', 37*10**12, 'kCi'),
])

# 25 Resistance (ohm)
cat('Resistance (electrical)', 'ohm', 'ohm', [
    u('abohm (emu)', 'abohm', F('1e-9'), 'abohm'),
    u('microohm', 'µohm', F('1e-6'), 'microohm'),
    u('milliohm', 'mohm', F('0.001'), 'milliohm'),
    u('ohm', 'ohm', 1, 'ohm'),
    u('kilohm', 'kohm', 1000, 'kiloohm'),
    u('megohm', 'Mohm', 10**6, 'megaohm'),
    u('gigaohm', 'Gohm', 10**9, 'gigaohm'),
    u('statohm (esu)', 'statohm', (c/10**6)/statC, 'statohm'),
])

# 26 Specific Heat Capacity (J/(kg K))
degF = F(5, 9)
cat('Specific Heat Capacity', 'joule per kilogram kelvin', 'J/(kg K)', [
    u('joule per kilogram kelvin', 'J/(kg·K)', 1, 'J/(kg K)'),
    u('joule per gram kelvin', 'J/(g·K)', 1000, 'J/(g K)'),
    u('kilojoule per kilogram kelvin', 'kJ/(kg·K)', 1000, 'kJ/(kg K)'),
    SEP,
    u('calorie (thermochemical) per gram °C', 'cal_th/(g·°C)', cal_th*1000, 'cal_th/(g K)'),
    u('BTU (thermochemical) per pound °F', 'Btu_th/(lb·°F)', btu_th/lb/degF, 'btu_th/(lb degF)'),
    u('calorie (IT) per gram °C', 'cal_IT/(g·°C)', cal_IT*1000, 'cal_IT/(g K)'),
    u('kilocalorie (IT) per kilogram °C', 'kcal_IT/(kg·°C)', cal_IT*1000, 'kilocal_IT/(kg K)'),
    u('BTU (IT) per pound °F', 'Btu_IT/(lb·°F)', btu_IT/lb/degF, 'btu_IT/(lb degF)'),
    SEP,
    u('foot-pound-force per slug degree F', 'ft·lbf/(slug·°F)', ft*lbf/(lbf/ft)/degF, 'ft lbf/(slug degF)'),
    u('foot-pound-force per pound degree F', 'ft·lbf/(lb·°F)', ft*lbf/lb/degF, 'ft lbf/(lb degF)'),
])

# 27 Speed (m/s)
cat('Speed', 'metre per second', 'm/s', [
    SEP,
    u('foot per hour', 'ft/h', ft/3600, 'ft/hr'),
    u('millimetre per second', 'mm/s', F('0.001'), 'mm/s'),
    u('foot per minute', 'ft/min', ft/60, 'ft/min'),
    u('centimetre per second', 'cm/s', F('0.01'), 'cm/s'),
    u('metre per minute', 'm/min', F(1, 60), 'm/min'),
    u('inch per second', 'in/s', inch, 'inch/s'),
    u('kilometre per hour', 'km/h', F(1000, 3600), 'km/hr'),
    u('foot per second', 'ft/s', ft, 'ft/s'),
    u('mile per hour', 'mph', mile/3600, 'mph'),
    u('knot', 'kn', nmi/3600, 'knot', '1 nautical mile per hour'),
    u('metre per second', 'm/s', 1, 'm/s'),
    u('kilometre per second', 'km/s', 1000, 'km/s'),
    u('mile per second', 'mi/s', mile, 'mile/s'),
    SEP,
    u('speed of light in vacuum', 'c', c, 'c', 'exact (SI)'),
])

# 28 Temperature (fixed constants)
TNOTE = 'scale with offset: converted by fixed constants, not by INDEX'
cat('Temperature', '(fixed conversion constants)', '', [
    u('Celsius', '°C', 1, '', TNOTE),
    u('Fahrenheit', '°F', 1, '', TNOTE),
    u('Kelvin', 'K', 1, '', TNOTE),
    u('Rankine', '°R', 1, '', TNOTE),
    u('Reaumur', '°Ré', 1, '', TNOTE),
], keep_order=True)

# 29 Time (s)
gyear = F('365.2425')*86400
cat('Time', 'second', 's', [
    u('femtosecond', 'fs', F('1e-15'), 'fs'),
    u('svedberg', 'S', F('1e-13'), 'svedberg'),
    u('picosecond', 'ps', F('1e-12'), 'ps'),
    u('nanosecond', 'ns', F('1e-9'), 'ns'),
    u('shake', 'shake', F('1e-8'), 'shake'),
    u('microsecond', 'µs', F('1e-6'), 'us'),
    u('millisecond', 'ms', F('0.001'), 'ms'),
    u('second', 's', 1, 's'),
    u('minute', 'min', 60, 'min'),
    u('hour', 'h', 3600, 'hr'),
    u('day', 'd', 86400, 'day'),
    u('week', 'wk', 7*86400, 'week'),
    u('fortnight', 'fn', 14*86400, 'fortnight'),
    u('month (1/12 Gregorian year)', 'mo', gyear/12, '1|12 gregorianyear',
      'average Gregorian month 30.436875 d; GNU month is 1/12 tropical year'),
    u('year (common, 365 days)', 'a', 365*86400, 'commonyear'),
    u('year (Gregorian, 365.2425 days)', 'a (greg.)', gyear, 'gregorianyear'),
    u('year (Julian, 365.25 days)', 'a (jul.)', julyear, 'julianyear', 'IAU: 365.25 d'),
    u('year (leap, 366 days)', 'a (leap)', 366*86400, 'leapyear'),
    u('decade (10 Gregorian years)', '10 a', 10*gyear, '10 gregorianyear', 'GNU decade/century/millennium use its tropical year'),
    u('century (100 Gregorian years)', '100 a', 100*gyear, '100 gregorianyear', 'GNU decade/century/millennium use its tropical year'),
    u('millennium (1000 Gregorian years)', 'ka', 1000*gyear, '1000 gregorianyear', 'GNU decade/century/millennium use its tropical year'),
])

# 30 Torque (N m)
cat('Torque', 'newton metre', 'N m', [
    u('dyne centimetre', 'dyn·cm', F('1e-7'), 'dyne cm'),
    u('gram-force centimetre', 'gf·cm', g*g0/100, 'gram force cm'),
    u('newton millimetre', 'N·mm', F('0.001'), 'N mm'),
    SEP,
    u('ounce-force inch', 'ozf·in', oz*g0*inch, 'ounce force inch'),
    u('newton centimetre', 'N·cm', F('0.01'), 'N cm'),
    u('pound-force inch', 'lbf·in', lbf*inch, 'lbf inch'),
    u('kilogram-force centimetre', 'kgf·cm', kgf/100, 'kgf cm'),
    u('poundal foot', 'pdl·ft', lb*ft*ft, 'poundal ft'),
    u('newton metre', 'N·m', 1, 'N m'),
    u('pound-force foot', 'lbf·ft', lbf*ft, 'lbf ft'),
    u('kilogram-force metre (torque)', 'kgf·m', kgf, 'kgf m'),
    u('kilonewton metre', 'kN·m', 1000, 'kN m'),
    u('kip foot', 'kip·ft', 1000*lbf*ft, 'kip ft'),
])

# 31 Volume (L) -- fixed order, litre at NUMBER 24
def V(name, sym, m3, gnu, note=''):
    return u(name, sym, F(m3)/litre, gnu, note)
usfloz = usgal/128; impfloz = impgal/160
cat('Volume', 'litre', 'l', [
    V('US teaspoon', 'tsp', usfloz/6, 'usteaspoon'),
    V('US tablespoon', 'tbsp', usfloz/2, 'ustablespoon'),
    V('US fluid ounce', 'fl oz (US)', usfloz, 'usfloz'),
    V('US cup', 'cup (US)', 8*usfloz, 'uscup'),
    V('US pint', 'pt (US)', 16*usfloz, 'uspint'),
    V('US quart', 'qt (US)', 32*usfloz, 'usquart'),
    V('US gallon', 'gal (US)', usgal, 'usgallon', '231 in³ exact'),
    V('US dry pint', 'dry pt (US)', usbushel/64, 'drypint'),
    V('US dry quart', 'dry qt (US)', usbushel/32, 'dryquart'),
    V('US peck', 'pk (US)', usbushel/4, 'peck'),
    V('US bushel', 'bu (US)', usbushel, 'usbushel', '2150.42 in³ exact'),
    V('imperial fluid ounce', 'fl oz (imp)', impfloz, 'brfloz'),
    V('imperial pint', 'pt (imp)', impgal/8, 'brpint'),
    V('imperial quart', 'qt (imp)', impgal/4, 'brquart'),
    V('imperial gallon', 'gal (imp)', impgal, 'brgallon', '4.54609 L exact'),
    V('cubic inch', 'in³', inch**3, 'inch^3'),
    V('cubic foot', 'ft³', ft**3, 'ft^3'),
    V('oil barrel (42 US gallons)', 'bbl', 42*usgal, 'petroleumbarrel'),
    V('cubic yard', 'yd³', yd**3, 'yard^3'),
    V('acre-foot', 'ac·ft', 43560*ft**3, 'acrefoot', 'international acre × international foot; NIST SP 811 (2008) lists the US survey acre-foot 1233.489 m³, the survey foot being retired since 2023'),
    V('microlitre (cubic millimetre)', 'µL', F('1e-9'), 'microliter'),
    V('millilitre (cubic centimetre)', 'mL', F('1e-6'), 'ml'),
    V('centilitre', 'cL', F('1e-5'), 'cl'),
    V('decilitre', 'dL', F('1e-4'), 'dl'),
    V('litre (cubic decimetre)', 'L', litre, 'l'),
    V('hectolitre', 'hL', F('0.1'), 'hl'),
    V('cubic metre (kilolitre)', 'm³', 1, 'm^3'),
    V('megalitre', 'ML', 1000, 'megaliter'),
    V('US minim', 'min (US)', usfloz/480, '1|60 fluiddram'),
    V('US fluid dram', 'fl dr (US)', usfloz/8, 'fluiddram'),
    V('metric teaspoon (5 mL)', 'tsp (metric)', F('5e-6'), '5 ml'),
    V('metric tablespoon (15 mL)', 'tbsp (metric)', F('15e-6'), '15 ml'),
    V('US gill', 'gi (US)', 4*usfloz, 'usgill'),
    V('imperial gill', 'gi (imp)', impgal/32, 'brgill'),
    V('metric cup (250 mL)', 'cup (metric)', F('250e-6'), '250 ml'),
    V('board foot', 'FBM', 144*inch**3, 'boardfoot'),
    V('imperial bushel', 'bu (imp)', 8*impgal, 'brbushel'),
    V('cord (firewood, 128 ft³)', 'cd', 128*ft**3, 'cord'),
    V('cubic kilometre', 'km³', 10**9, 'km^3'),
], keep_order=True)

# 32 Volume Flow Rate (m^3/s)
cat('Volume Flow Rate', 'cubic metre per second', 'm^3/s', [
    u('millilitre per minute', 'mL/min', F('1e-6')/60, 'ml/min'),
    u('millilitre per second', 'mL/s', F('1e-6'), 'ml/s'),
    u('litre per hour', 'L/h', litre/3600, 'l/hr'),
    u('litre per minute', 'L/min', litre/60, 'l/min'),
    u('litre per second', 'L/s', litre, 'l/s'),
    u('cubic metre per day', 'm³/d', F(1, 86400), 'm^3/day'),
    u('cubic metre per hour', 'm³/h', F(1, 3600), 'm^3/hr'),
    u('cubic metre per minute', 'm³/min', F(1, 60), 'm^3/min'),
    u('cubic metre per second', 'm³/s', 1, 'm^3/s'),
    SEP,
    u('US gallon per day', 'gal/d (US)', usgal/86400, 'usgallon/day'),
    u('US gallon per hour', 'gal/h (US)', usgal/3600, 'usgallon/hr'),
    u('US gallon per minute (gpm)', 'gpm (US)', usgal/60, 'usgallon/min'),
    u('US gallon per second', 'gal/s (US)', usgal, 'usgallon/s'),
    SEP,
    u('imperial gallon per hour', 'gal/h (imp)', impgal/3600, 'brgallon/hr'),
    u('imperial gallon per minute', 'gpm (imp)', impgal/60, 'brgallon/min'),
    SEP,
    u('oil barrel per day', 'bbl/d', 42*usgal/86400, 'petroleumbarrel/day'),
    SEP,
    u('cubic foot per hour', 'ft³/h', ft**3/3600, 'ft^3/hr'),
    u('cubic foot per minute (cfm)', 'cfm', ft**3/60, 'ft^3/min'),
    u('cubic foot per second (cfs)', 'cfs', ft**3, 'ft^3/s'),
])

# 33 Water Hardness (mmol/L of Ca ions = mmol/L CaCO3)
mgL = F(1, 1000)   # mg/L in g/L
def H(name, sym, mg_per_l, molar, gnu, note=''):
    return u(name, sym, mg_per_l/molar, gnu, note)
MNOTE = 'IUPAC standard atomic weights (Ca 40.078, C 12.011, O 15.999)'
cat('Water Hardness', 'millimole per litre of Ca ions (as CaCO3)', 'mmol/l', [
    H('milligram CaCO3 per litre (ppm)', 'mg/L CaCO3', 1, M_CaCO3, 'mg/l / (100.086 g/mol)', MNOTE),
    H('milligram calcium per litre', 'mg/L Ca', 1, M_Ca, 'mg/l / (40.078 g/mol)', MNOTE),
    H('French degree (°fH)', '°fH', 10, M_CaCO3, '10 mg/l / (100.086 g/mol)', '10 mg CaCO3 per litre (often rounded to 0.1 mmol/L)'),
    H('German degree (°dH)', '°dH', 10, M_CaO, '10 mg/l / (56.077 g/mol)', '10 mg CaO per litre'),
    H('English degree (°e, Clark)', '°e', grain*10**6/(impgal*1000), M_CaCO3,
      'grain/brgallon / (100.086 g/mol)', '1 grain CaCO3 per imperial gallon'),
    H('grain per US gallon (gpg)', 'gpg', grain*10**6/(usgal*1000), M_CaCO3,
      'grain/usgallon / (100.086 g/mol)', '1 grain CaCO3 per US gallon'),
    u('milliequivalent per litre', 'meq/L', F(1, 2), '1|2 mmol/l', 'Ca2+ carries two charges'),
    u('millimole per litre', 'mmol/L', 1, 'mmol/l'),
])

# 34 Wavenumber (1/m)
cat('Wavenumber', 'reciprocal metre', 'm^-1', [
    u('reciprocal kilometre', '1/km', F('0.001'), '1/km'),
    u('reciprocal metre', '1/m', 1, '1/m'),
    u('reciprocal centimetre (kayser)', '1/cm', 100, 'kayser'),
    u('reciprocal millimetre', '1/mm', 1000, '1/mm'),
    u('reciprocal micrometre', '1/µm', 10**6, '1/um'),
    u('reciprocal nanometre', '1/nm', 10**9, '1/nm'),
    SEP,
    u('reciprocal foot', '1/ft', 1/ft, '1/ft'),
    u('reciprocal inch', '1/in', 1/inch, '1/inch'),
])


def fmt(v):
    x = float(v)
    r = repr(x)
    if r.endswith('.0'):
        r = r[:-2]
    if len(r) <= 20:
        return r
    for d in (16, 15):
        t = '%.*g' % (d, x)
        if len(t) <= 20:
            return t
    raise ValueError(v)


def main(outdir):
    import os
    with open(os.path.join(outdir, 'class.csv'), 'w', newline='', encoding='utf-8') as f:
        w = csv.writer(f, lineterminator='\n')
        w.writerow(['CLASS:N:3:0', 'NAME:C:50', '#reference_unit', '#gnu_reference'])
        for i, (name, ref, gref, units) in enumerate(CATS, start=1):
            w.writerow([i, name, ref, gref])
    with open(os.path.join(outdir, 'members.csv'), 'w', newline='', encoding='utf-8') as f:
        w = csv.writer(f, lineterminator='\n')
        w.writerow(['CLASS:N:3:0', 'NUMBER:N:3:0', 'NAME:C:40', 'OBOZN:C:20', 'INDEX:F:20:0', '#gnu_units', '#note'])
        for line in SOURCES:
            assert '"' not in line
            f.write('# ' + line + '\n')
        for i, (name, ref, gref, units) in enumerate(CATS, start=1):
            head = f'# {i} {name} (INDEX in {ref})'
            assert ',' not in head and '"' not in head
            w.writerow([head])
            for n, (un, sym, val, gnu, note) in enumerate(units):
                w.writerow([i, n, un, sym, fmt(val), gnu, note])
    print(len(CATS), sum(len(c[3]) for c in CATS))


if __name__ == '__main__':
    main(sys.argv[1])
