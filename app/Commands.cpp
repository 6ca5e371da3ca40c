#include "app/Commands.h"
#include "app/ToolCommandRows.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include <QString>

#include "core/AppInfo.h"
#include "core/Command.h"
#include "core/NumberRead.h"
#include "data/TableFolder.h"
#include "data/TableReport.h"

namespace {

using kv::CommandRow;
using kv::kAnyCount;

void tablesCommand(const QStringList&, std::ostream& out, std::ostream&) {
    TableReport report = reportTables(data::tableFolder());
    out << report.text;
    // The report says which table failed.
    if (!report.allOpen) throw kv::Error("");
}

}  // namespace

const std::vector<CommandRow>& commandRows() {
    static const std::vector<CommandRow> all = [] {
        std::vector<CommandRow> rows = {
            {"tables", 0, 0, "tables", "check the reference tables beside the program", tablesCommand},
        };
        // Every tool's commands, in the order of KV_TOOLS (the root CMakeLists.txt).
        using ToolRows = const std::vector<CommandRow>& (*)();
        for (ToolRows tool : {KV_TOOL_COMMAND_ROWS})
            rows.insert(rows.end(), tool().begin(), tool().end());
        return rows;
    }();
    return all;
}

namespace {

constexpr int kLineWidth = 79;
constexpr int kSummaryColumn = 25;

// `words` in lines of at most kLineWidth characters, the first starting at
// `column`, the following ones indented by `indent`.
std::string wrapped(const std::vector<std::string>& words, size_t column, size_t indent) {
    std::string text;
    size_t at = column;
    for (size_t k = 0; k < words.size(); ++k) {
        if (k > 0 && at + 1 + words[k].size() > kLineWidth) {
            text += "\n" + std::string(indent, ' ');
            at = indent;
        } else if (k > 0) {
            text += ' ';
            ++at;
        }
        text += words[k];
        at += words[k].size();
    }
    return text;
}

// The words of a usage line; a bracketed group is kept in one piece.
std::vector<std::string> usageWords(const char* usage) {
    std::vector<std::string> words(1);
    int depth = 0;
    for (const char* c = usage; *c; ++c) {
        depth += *c == '[' ? 1 : *c == ']' ? -1 : 0;
        if (*c == ' ' && depth == 0) words.emplace_back();
        else words.back() += *c;
    }
    return words;
}

std::vector<std::string> plainWords(const char* text) {
    std::vector<std::string> words;
    for (const QString& w : QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words.push_back(w.toStdString());
    return words;
}

// "Usage: Kvantor2 <usage>", its further lines under the command's arguments.
void printRowUsage(const CommandRow& c, std::ostream& err) {
    const std::string lead = "Usage: Kvantor2 ";
    err << lead << wrapped(usageWords(c.usage), lead.size(), lead.size() + std::strlen(c.name) + 1) << "\n";
}

void printUsage(std::ostream& out) {
    out << "Usage: Kvantor2                  start the desktop program\n"
           "       Kvantor2 <command> ...    run a tool without a display\n"
           "Commands:\n";
    for (const CommandRow& c : commandRows()) {
        const std::string usage = "  " + wrapped(usageWords(c.usage), 2, 3 + std::strlen(c.name));
        const size_t lastLine = usage.size() - (usage.rfind('\n') + 1);  // rfind gives npos for one line
        // The summary beside a short usage, under a long one.
        const std::string gap = lastLine + 2 <= kSummaryColumn ? std::string(kSummaryColumn - lastLine, ' ')
                                                               : "\n" + std::string(kSummaryColumn, ' ');
        out << usage << gap << wrapped(plainWords(c.summary), kSummaryColumn, kSummaryColumn) << "\n";
    }
    out << "  --version              print the program's version\n";
}

// The name of argument k of `c`, as its usage line writes it.
std::string argumentName(const CommandRow& c, const QStringList& args, qsizetype k) {
    const QStringList names = QString::fromLatin1(c.arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (k > 0 && args[k - 1].startsWith(QLatin1String("--"))) {
        for (const QString& n : names)
            if (n.startsWith(args[k - 1] + QLatin1Char('='))) return n.mid(args[k - 1].size() + 1).toStdString();
    }
    qsizetype position = 0;
    for (qsizetype j = 0; j < k; ++j) {
        const bool optionValue = j > 0 && args[j - 1].startsWith(QLatin1String("--"));
        if (!args[j].startsWith(QLatin1String("--")) && !optionValue) ++position;
    }
    QStringList positional;
    for (const QString& n : names)
        if (!n.startsWith(QLatin1String("--"))) positional << n;
    if (position < positional.size()) return QString(positional[position]).remove(QLatin1String("...")).toStdString();
    if (!positional.isEmpty() && positional.back().endsWith(QLatin1String("...")))
        return QString(positional.back()).remove(QLatin1String("...")).toStdString();
    return "argument " + std::to_string(k + 1);
}

// The row of the command args[0] names, or null.
const CommandRow* rowOf(const QStringList& args) {
    for (const CommandRow& c : commandRows())
        if (!args.isEmpty() && args[0] == QLatin1String(c.name)) return &c;
    return nullptr;
}

}  // namespace

bool commandNeedsWidgets(const QStringList& args) {
    const CommandRow* c = rowOf(args);
    return c && ((c->needsWidgets && c->needsWidgets(args.mid(1))) || commandReadsDesktop(args));
}

bool commandReadsDesktop(const QStringList& args) {
    const CommandRow* c = rowOf(args);
    return c && c->readsDesktop && c->readsDesktop(args.mid(1));
}

namespace {

int dispatch(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h") {
        printUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        out << kv::kProductName.toStdString() << " " << kv::appVersion().toStdString() << "\n";
        return 0;
    }
    const CommandRow* c = rowOf(args);
    if (!c) {
        err << kv::terminalText("Unknown command '" + args[0].toStdString() + "'") << "\n";
        printUsage(err);
        return 2;
    }
    const QStringList rest = args.mid(1);
    // Empty text is never a value: the same refusal for every command.
    for (qsizetype k = 0; k < rest.size(); ++k) {
        if (!rest[k].isEmpty()) continue;
        err << "Kvantor2 " << c->name << ": " << argumentName(*c, rest, k) << " is empty\n";
        return 2;
    }
    if (rest.size() < c->minArgs || (c->maxArgs != kAnyCount && rest.size() > c->maxArgs)) {
        printRowUsage(*c, err);
        return 2;
    }
    const int status = kv::commandStatus(c->run, rest, out, err);
    if (status == 2) printRowUsage(*c, err);
    return status;
}

}  // namespace

int runCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    kv::alsoReadDecimalDot();
    const int status = dispatch(args, out, err);
    // Output that never reached its file (a full disc, a closed descriptor)
    // is a failure, however the command itself ended.
    errno = 0;
    out.flush();
    if (out) return status;
    const int cause = errno;
    err << "Can't write the output" << (cause ? std::string(": ") + std::strerror(cause) : std::string()) << "\n";
    return status == 0 ? 1 : status;
}
