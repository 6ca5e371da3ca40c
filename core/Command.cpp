#include "core/Command.h"

#include <exception>
#include <ostream>

#include <QString>
#include <QStringList>

namespace kv {

namespace {

// Longer lines keep their start and their end around an ellipsis: an echoed
// argument can be any size, the words after it still say what went wrong.
constexpr qsizetype kLongestLine = 240;
constexpr qsizetype kKeptEnd = 60;

QString visibleControls(const QString& line) {
    QString shown;
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t') || u == 0x7f)
            shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (u >= 0x80 && u <= 0x9f)
            shown += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString shortened(const QString& line) {
    if (line.size() <= kLongestLine) return line;
    return line.left(kLongestLine - kKeptEnd - 1) + QChar(0x2026) + line.right(kKeptEnd);
}

void tell(std::ostream& err, const char* message) {
    if (*message) err << terminalText(message) << "\n";
}

}  // namespace

std::string terminalText(const std::string& message) {
    QString text = QString::fromUtf8(message);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = shortened(visibleControls(line));
    return lines.join(QLatin1Char('\n')).toStdString();
}

int commandStatus(const CommandFunction& run, const QStringList& args, std::ostream& out, std::ostream& err) {
    try {
        run(args, out, err);
        return 0;
    } catch (const UsageError& e) {
        out.flush();
        tell(err, e.what());
        return 2;
    } catch (const std::exception& e) {
        // What was printed before the failure stays in front of its message.
        out.flush();
        tell(err, e.what());
        return 1;
    }
}

}  // namespace kv
