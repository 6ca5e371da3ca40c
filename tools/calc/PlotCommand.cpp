#include "tools/calc/PlotCommand.h"

#include <optional>
#include <ostream>
#include <string>

#include <QRegularExpression>

#include "core/Command.h"
#include "core/NumberFormat.h"
#include "core/NumberRead.h"
#include "tools/calc/GraphPlot.h"
#include "tools/calc/Tabulation.h"
#include "parser/CalcCommand.h"
#include "parser/Parser10.h"

namespace calc {

namespace {

constexpr int kMaxPictureSide = 10000;

PlotPictureWriter pictureWriter = nullptr;

struct PlotRequest {
    QStringList positional;
    QString pngFile;
    QSize size{kGraphWidth, kGraphHeight};
};

// Splits the options from the rest; throws bad usage with what is wrong.
PlotRequest parseArguments(const QStringList& args) {
    PlotRequest request;
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& a = args[k];
        if (a == QLatin1String("--png") || a == QLatin1String("--size")) {
            if (k + 1 >= args.size()) throw kv::UsageError(a.toStdString() + " needs a value");
            const QString value = args[++k];
            if (a == QLatin1String("--png")) {
                request.pngFile = value;
                continue;
            }
            static const QRegularExpression sizePattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
            const QRegularExpressionMatch m = sizePattern.match(value);
            const int w = m.hasMatch() ? m.captured(1).toInt() : 0, h = m.hasMatch() ? m.captured(2).toInt() : 0;
            if (w < 10 || h < 10 || w > kMaxPictureSide || h > kMaxPictureSide)
                throw kv::UsageError("'" + value.toStdString() + "' is not a size WxH from 10x10 to " +
                                     std::to_string(kMaxPictureSide) + "x" + std::to_string(kMaxPictureSide));
            request.size = QSize(w, h);
        } else {
            request.positional << a;
        }
    }
    if (request.positional.size() < 4) throw kv::UsageError();
    if (args.contains(QLatin1String("--size")) && request.pngFile.isEmpty())
        throw kv::UsageError("--size goes with --png");
    return request;
}

// The sampling range as the window reads it, naming the argument whose number
// cannot be read.
SamplingRange readRange(const QStringList& p) {
    const char* names[] = {"MIN", "MAX", "STEP"};
    for (int k = 0; k < 3; ++k) {
        try {
            kv::readFloat(p[k + 1].toStdString());
        } catch (const kv::Error& e) {
            throw kv::Error(std::string(names[k]) + ": " + e.what());
        }
    }
    return readSamplingRange(p[1].toStdString(), p[2].toStdString(), p[3].toStdString());
}

}  // namespace

void setPlotPictureWriter(PlotPictureWriter writer) { pictureWriter = writer; }

bool plotCommandNeedsWidgets(const QStringList& args) { return args.contains(QLatin1String("--png")); }

void runPlotCommand(const QStringList& args, std::ostream& out, std::ostream& notes) {
    const PlotRequest request = parseArguments(args);
    const QStringList& p = request.positional;
    TPars parser;
    std::vector<std::pair<double, double>> points;
    SamplingRange range;
    std::optional<Tabulation> result;
    bool rangeRead = false;
    std::string failures;
    auto failed = [&](const std::exception& e) { failures += (failures.empty() ? "" : "\n") + std::string(e.what()); };
    try {
        for (qsizetype k = 4; k < p.size(); ++k) {
            if (!assignCommandVariable(parser, p[k].toStdString()))
                throw kv::UsageError("'" + p[k].toStdString() + "' is not NAME=VALUE");
        }
        range = readRange(p);
        rangeRead = true;
        // The lines gather in a buffer written in large pieces: a million
        // points are written in a fraction of a second.
        const std::string sep = kv::decimalPointBytes(kv::localeDecimalPoint());
        std::string lines;
        auto flush = [&] {
            out.write(lines.data(), static_cast<std::streamsize>(lines.size()));
            lines.clear();
        };
        try {
            result = tabulate(parser, p[0].toStdString(), range, [&](double x, double y) {
                char line[2 * kv::kGeneralMaxLength + 2];
                char* end = kv::writeGeneral(line, x, sep);
                *end++ = '\t';
                end = kv::writeGeneral(end, y, sep);
                *end++ = '\n';
                lines.append(line, end);
                if (lines.size() >= 1 << 16) flush();
                if (!request.pngFile.isEmpty()) points.emplace_back(x, y);
            });
        } catch (...) {
            flush();
            throw;
        }
        flush();
        // The window draws no point either; say why nothing was printed.
        if (range.maxX < range.minX)
            notes << "Max X (" << kv::formatGeneral(range.maxX) << ") is below Min X (" << kv::formatGeneral(range.minX)
                  << "): no points\n";
    } catch (const kv::UsageError&) {
        throw;
    } catch (const kv::Error& e) {
        failed(e);
    }
    // After a failing sample the window shows the points drawn before it, with the axes fitted to them.
    if (rangeRead && !request.pngFile.isEmpty()) {
        try {
            if (!pictureWriter) throw kv::Error("Cannot draw the picture '" + request.pngFile.toStdString() + "' without the desktop program");
            pictureWriter({request.pngFile, request.size, range, result ? &*result : nullptr, points});
        } catch (const kv::Error& e) {
            failed(e);
        }
    }
    if (!failures.empty()) throw kv::Error(failures);
}

}  // namespace calc
