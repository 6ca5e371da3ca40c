// Numeric and date-time format strings for tick labels.
#include <charconv>
#include <cmath>
#include <string>

#include <QDateTime>
#include <QLocale>

#include "core/NumberFormat.h"
#include "widgets/plot/Sgr_scale.h"

namespace {

QStringList splitSections(const QString& format) {
    QStringList sections;
    QString cur;
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections << cur;
            cur.clear();
            continue;
        }
        cur += c;
    }
    sections << cur;
    return sections;
}

struct NumberPattern {
    QString prefix, suffix;
    int minInt = 0;
    int minDec = 0, maxDec = 0;
    bool grouping = false;
    bool scientific = false;
    bool expSignAlways = false;
    int expDigits = 0;
    bool hasDigits = false;
};

NumberPattern parsePattern(const QString& s) {
    NumberPattern p;
    bool inDecimals = false, seenDigit = false, afterDigits = false;
    for (int i = 0; i < s.size(); ++i) {
        QChar c = s[i];
        auto literal = [&](const QString& text) {
            if (seenDigit)
                p.suffix += text;
            else
                p.prefix += text;
        };
        if (c == '\'' || c == '"') {
            int end = s.indexOf(c, i + 1);
            if (end < 0) end = s.size();
            literal(s.mid(i + 1, end - i - 1));
            i = end;
        } else if ((c == '0' || c == '#') && !afterDigits) {
            seenDigit = p.hasDigits = true;
            if (inDecimals) {
                if (p.maxDec >= 40) continue;  // beyond what a double holds
                ++p.maxDec;
                if (c == '0') p.minDec = p.maxDec;
            } else if (c == '0') {
                ++p.minInt;
            }
        } else if (c == '.' && !inDecimals && !afterDigits) {
            inDecimals = true;
            seenDigit = seenDigit || i + 1 < s.size();
        } else if (c == ',' && !inDecimals && !afterDigits) {
            p.grouping = true;
        } else if ((c == 'E' || c == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') &&
                   seenDigit && !afterDigits) {
            p.scientific = true;
            p.expSignAlways = s[i + 1] == '+';
            i += 2;
            while (i < s.size() && s[i] == '0') {
                ++p.expDigits;
                ++i;
            }
            --i;
            afterDigits = true;
        } else {
            if (seenDigit) afterDigits = true;
            literal(QString(c));
        }
    }
    return p;
}

// Fixed notation of |v| with exactly `decimals` digits after the point.
std::string fixedDigits(double magnitude, int decimals) {
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "0";
    return std::string(buf, end);
}

QString group(const QString& digits, QChar sep) {
    QString out;
    int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += sep;
        out += digits[i];
    }
    return out;
}

// Formats a non-negative magnitude with a parsed section; returns the text
// and whether it rounded to zero.
QString formatMagnitude(const NumberPattern& p, double m, QChar dp, bool& roundedZero) {
    int exponent = 0;
    if (p.scientific && m != 0) {
        exponent = static_cast<int>(std::floor(std::log10(m)));
        int intPlaces = std::max(1, p.minInt);
        exponent -= intPlaces - 1;
        m /= std::pow(10.0, exponent);
        // Rounding can carry into a new digit (9.996 -> 10.00).
        std::string probe = fixedDigits(m, p.maxDec);
        if (probe.find('.') == std::string::npos ? probe.size() > size_t(intPlaces)
                                                  : probe.find('.') > size_t(intPlaces)) {
            m /= 10;
            ++exponent;
        }
    }
    std::string fixed = fixedDigits(m, p.maxDec);
    size_t dot = fixed.find('.');
    QString intPart = QString::fromStdString(fixed.substr(0, dot));
    QString decPart = dot == std::string::npos ? QString() : QString::fromStdString(fixed.substr(dot + 1));
    while (decPart.size() > p.minDec && decPart.endsWith('0')) decPart.chop(1);
    roundedZero = intPart.count('0') == intPart.size() && decPart.count('0') == decPart.size();
    while (intPart.size() > p.minInt && intPart.startsWith('0')) intPart.remove(0, 1);
    while (intPart.size() < p.minInt) intPart.prepend('0');
    if (p.grouping) intPart = group(intPart, QLocale().groupSeparator().at(0));
    QString text = intPart;
    if (!decPart.isEmpty()) text += dp + decPart;
    if (p.scientific) {
        QString e = QString::number(std::abs(exponent)).rightJustified(p.expDigits, '0');
        text += 'E';
        if (exponent < 0)
            text += '-';
        else if (p.expSignAlways)
            text += '+';
        text += e;
    }
    return text;
}

}  // namespace

QString Tsp_FormatFloat(const QString& format, double v, QChar decimalPoint) {
    QChar dp = decimalPoint.isNull() ? kv::localeDecimalPoint() : decimalPoint;
    if (!std::isfinite(v) || std::fabs(v) >= 1e18) return QString::fromStdString(kv::formatGeneral(v, dp));
    QStringList sections = splitSections(format);
    QString section = sections[0];
    bool ownSign = false;
    if (v < 0 && sections.size() > 1 && !sections[1].isEmpty()) {
        section = sections[1];
        ownSign = true;
    } else if (v == 0 && sections.size() > 2 && !sections[2].isEmpty()) {
        section = sections[2];
    }
    NumberPattern p = parsePattern(section);
    if (!p.hasDigits) {
        if (section.isEmpty()) return QString::fromStdString(kv::formatGeneral(v, dp));
        return p.prefix + p.suffix;
    }
    bool roundedZero = false;
    QString body = formatMagnitude(p, std::fabs(v), dp, roundedZero);
    QString sign = (v < 0 && !ownSign && !roundedZero) ? QStringLiteral("-") : QString();
    return sign + p.prefix + body + p.suffix;
}

QString Tsp_FormatDateTime(const QString& format, double days) {
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return QString::fromStdString(kv::formatGeneral(days));
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    // Negative values count whole days back but the time of day forward.
    double whole = std::trunc(days);
    double frac = std::fabs(days - whole);
    qint64 ms = static_cast<qint64>(std::llround(frac * 86400000.0));
    QDateTime t = epoch.addDays(static_cast<qint64>(whole)).addMSecs(ms);
    QString qt;
    bool anyField = false;
    bool lastWasHour = false;
    const QString f = format;
    for (int i = 0; i < f.size();) {
        QChar c = f[i].toLower();
        int run = 1;
        while (i + run < f.size() && f[i + run].toLower() == c) ++run;
        if (f[i] == '\'' || f[i] == '"') {
            int end = f.indexOf(f[i], i + 1);
            if (end < 0) end = f.size();
            qt += '\'' + f.mid(i + 1, end - i - 1).replace('\'', "''") + '\'';
            i = end + 1;
            continue;
        }
        if (f.mid(i, 5).compare("am/pm", Qt::CaseInsensitive) == 0) {
            qt += "AP";
            anyField = true;
            i += 5;
            continue;
        }
        switch (c.unicode()) {
        case 'y': qt += run <= 2 ? "yy" : "yyyy"; break;
        case 'm':
            // "m" right after an hour means minutes, as "n" does.
            qt += lastWasHour ? QString("m").repeated(std::min(run, 2)) : QString("M").repeated(std::min(run, 4));
            break;
        case 'n': qt += QString("m").repeated(std::min(run, 2)); break;
        case 'd': qt += QString("d").repeated(std::min(run, 4)); break;
        case 'h': qt += QString("h").repeated(std::min(run, 2)); break;
        case 's': qt += QString("s").repeated(std::min(run, 2)); break;
        case 'z': qt += run >= 3 ? "zzz" : "z"; break;
        default:
            qt += '\'' + f.mid(i, run).replace('\'', "''") + '\'';
            i += run;
            continue;
        }
        anyField = true;
        lastWasHour = c == 'h';
        i += run;
    }
    QLocale loc;
    if (!anyField) return loc.toString(t, QLocale::ShortFormat);
    return loc.toString(t, qt);
}
