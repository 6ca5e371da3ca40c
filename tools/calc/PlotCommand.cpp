#include "tools/calc/PlotCommand.h"

#include <optional>
#include <ostream>
#include <string>

#include <QImage>
#include <QRegularExpression>

#include "core/Error.h"
#include "core/NumberFormat.h"
#include "core/NumberRead.h"
#include "tools/calc/GraphPlot.h"
#include "tools/calc/Tabulation.h"
#include "widgets/parser/CalcCommand.h"
#include "widgets/parser/Parser10.h"
#include "widgets/plot/Sgr_data.h"
#include "widgets/plot/Sgr_def.h"

namespace calc {

namespace {

constexpr int kMaxPictureSide = 10000;

void printUsage(std::ostream& err) {
    err << "Usage: Kvantor2 plot FORMULA MIN MAX STEP [NAME=VALUE ...] [--png FILE [--size WxH]]\n";
}

struct PlotRequest {
    QStringList positional;
    QString pngFile;
    QSize size{kGraphWidth, kGraphHeight};
};

// Splits the options from the rest; nullopt after printing what is wrong.
std::optional<PlotRequest> parseArguments(const QStringList& args, std::ostream& err) {
    PlotRequest request;
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& a = args[k];
        if (a == QLatin1String("--png") || a == QLatin1String("--size")) {
            if (k + 1 >= args.size()) {
                err << a.toStdString() << " needs a value\n";
                return std::nullopt;
            }
            const QString value = args[++k];
            if (a == QLatin1String("--png")) {
                request.pngFile = value;
                continue;
            }
            static const QRegularExpression sizePattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
            const QRegularExpressionMatch m = sizePattern.match(value);
            const int w = m.hasMatch() ? m.captured(1).toInt() : 0, h = m.hasMatch() ? m.captured(2).toInt() : 0;
            if (w < 10 || h < 10 || w > kMaxPictureSide || h > kMaxPictureSide) {
                err << "'" << value.toStdString() << "' is not a size WxH from 10x10 to " << kMaxPictureSide << "x"
                    << kMaxPictureSide << "\n";
                return std::nullopt;
            }
            request.size = QSize(w, h);
        } else {
            request.positional << a;
        }
    }
    if (request.positional.size() < 4) return std::nullopt;
    if (args.contains(QLatin1String("--size")) && request.pngFile.isEmpty()) {
        err << "--size goes with --png\n";
        return std::nullopt;
    }
    return request;
}

void renderPng(const PlotRequest& request, const SamplingRange& range, const Tabulation* result,
               const std::vector<std::pair<double, double>>& points) {
    Tsp_XYPlot plot;
    Tsp_XYLine line;
    setUpGraphPlot(plot, line);
    plot.resize(request.size);
    for (const auto& [x, y] : points) line.QuickAddXY(x, y);
    if (result)
        fitAxesToCurve(plot, range, *result);
    else
        fitAxesToDrawnPoints(plot, range, line);
    const QImage image = plot.PlotImage();
    if (image.isNull() || !image.save(request.pngFile, "PNG"))
        throw kv::Error("Cannot write the picture '" + request.pngFile.toStdString() + "'");
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

bool plotCommandNeedsWidgets(const QStringList& args) {
    return args.value(0) == QLatin1String("plot") && args.contains(QLatin1String("--png"));
}

int runPlotCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    const std::optional<PlotRequest> request = parseArguments(args, err);
    if (!request) {
        printUsage(err);
        return 2;
    }
    const QStringList& p = request->positional;
    TPars parser;
    std::vector<std::pair<double, double>> points;
    SamplingRange range;
    std::optional<Tabulation> result;
    bool rangeRead = false, failed = false;
    try {
        for (qsizetype k = 4; k < p.size(); ++k) {
            if (!assignCommandVariable(parser, p[k].toStdString())) {
                err << "'" << p[k].toStdString() << "' is not NAME=VALUE\n";
                printUsage(err);
                return 2;
            }
        }
        range = readRange(p);
        rangeRead = true;
        result = tabulate(parser, p[0].toStdString(), range, [&](double x, double y) {
            out << kv::formatGeneral(x) << '\t' << kv::formatGeneral(y) << '\n';
            if (!request->pngFile.isEmpty()) points.emplace_back(x, y);
        });
        // The window draws no point either; say why nothing was printed.
        if (range.maxX < range.minX)
            err << "Max X (" << kv::formatGeneral(range.maxX) << ") is below Min X (" << kv::formatGeneral(range.minX)
                << "): no points\n";
    } catch (const kv::Error& e) {
        out.flush();
        err << e.what() << "\n";
        failed = true;
    }
    // After a failing sample the window shows the points drawn before it, with the axes fitted to them.
    if (rangeRead && !request->pngFile.isEmpty()) {
        try {
            renderPng(*request, range, result ? &*result : nullptr, points);
        } catch (const kv::Error& e) {
            err << e.what() << "\n";
            failed = true;
        }
    }
    return failed ? 1 : 0;
}

}  // namespace calc
