#include "tools/calc/PlotPicture.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QImage>

#include "core/Error.h"
#include "core/LocalNames.h"
#include "tools/calc/GraphPlot.h"
#include "widgets/plot/Sgr_data.h"
#include "widgets/plot/Sgr_def.h"

namespace calc {

void writePlotPicture(const PlotPicture& picture) {
    Tsp_XYPlot plot;
    Tsp_XYLine line;
    setUpGraphPlot(plot, line);
    plot.resize(picture.size);
    for (const auto& [x, y] : picture.points) line.QuickAddXY(x, y);
    if (picture.result)
        fitAxesToCurve(plot, picture.range, *picture.result);
    else
        fitAxesToDrawnPoints(plot, picture.range, line);
    const QImage image = plot.PlotImage();
    // The file is closed here, so that a write its buffer still held (a full
    // disc) is seen as the failure it is.
    // Opened by its bytes: a file name need not be UTF-8.
    const int fd = ::open(kv::localBytes(picture.file).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    QFile file;
    const bool written = fd >= 0 && !image.isNull() &&
                         file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) &&
                         image.save(&file, "PNG") && file.flush();
    if (fd >= 0 && !file.isOpen()) ::close(fd);
    file.close();
    if (!written || file.error() != QFileDevice::NoError)
        throw kv::Error("Cannot write the picture '" + picture.file.toStdString() + "'");
}

}  // namespace calc
