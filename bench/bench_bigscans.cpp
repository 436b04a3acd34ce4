// Big scans in the real windows offscreen:
//  - a 600-dpi A4 scan (4 960 x 7 016 JPEG) opened by path until the image
//    window has painted it (target under 1 s);
//  - a 16 000 x 16 000 image opened, then scrolled a window's height at a
//    time (it must open and scroll);
//  - a click on the scan converted and appended to the Line (target under
//    16 ms);
//  - a pointer move over the scan with the guide lines, the floating label
//    and the magnifier following, painted (target under 16 ms).
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_bigscans

#include "tests/digitize/DigitizeFixture.h"
#include "ui/ImageFiles.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImageWriter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

using namespace tracol;

// A scan of a graph: grey paper noise, axes, a grid and a curve, with the
// origin at (400, height - 400), Xmax at (width - 400, ...) and Ymax at
// (400, 400).
QImage scannedGraph(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(246, 244, 238));
    QPainter painter(&image);
    const int left = 400, right = size.width() - 400, top = 400, bottom = size.height() - 400;
    painter.setPen(QPen(QColor(200, 200, 200), 3));
    for (int i = 1; i < 10; ++i) {
        painter.drawLine(left + (right - left) * i / 10, top, left + (right - left) * i / 10, bottom);
        painter.drawLine(left, top + (bottom - top) * i / 10, right, top + (bottom - top) * i / 10);
    }
    painter.setPen(QPen(Qt::black, 8));
    painter.drawLine(left, bottom, right, bottom);
    painter.drawLine(left, bottom, left, top);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::blue, 10));
    QPainterPath curve(QPointF(left, bottom));
    for (int x = left; x <= right; x += 8) {
        const double t = double(x - left) / (right - left);
        curve.lineTo(x, bottom - (bottom - top) * t * t);
    }
    painter.drawPath(curve);
    return image;
}

QString savedScan(const QTemporaryDir& folder, const QString& name, QSize size) {
    const QString path = folder.filePath(name);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(75);
    if (!writer.write(scannedGraph(size)))
        qFatal("cannot write %s: %s", qPrintable(path), qPrintable(writer.errorString()));
    return path;
}

const QTemporaryDir& scanFolder() {
    static QTemporaryDir folder;
    return folder;
}

const QString& a4Scan() {
    static const QString path = savedScan(scanFolder(), QStringLiteral("a4-600dpi.jpg"), {4960, 7016});
    return path;
}

struct BigScanWindows : testing::DigitizeFixture {
    explicit BigScanWindows(const QString& path) {
        image->show();
        QCoreApplication::processEvents();
        open(path);
    }
    void open(const QString& path) {
        if (!windows.openDialog().openPath(path))
            qFatal("the scan did not open");
        image->repaint();
        picture->repaint();
        QCoreApplication::processEvents();
    }
    QScrollBar* verticalScroll() const { return image->findChild<QScrollArea*>()->verticalScrollBar(); }

    // The calibration of the scan drawn by scannedGraph, marked by clicks.
    void calibrateScan(QSize size) {
        type("Text3", "0");
        type("Text4", "100");
        type("Text5", "0");
        type("Text6", "10");
        mark("Check1", 400, size.height() - 400);
        mark("Check2", size.width() - 400, size.height() - 400);
        mark("Check4", 400, 400);
        click("Command5"); // データ採取開始
    }
};

void BM_OpenA4Scan(benchmark::State& bench) {
    const QString path = a4Scan();
    BigScanWindows screens(path);
    for (auto _ : bench)
        screens.open(path);
    bench.counters["pixels"] =
        double(screens.picture->picture().width()) * screens.picture->picture().height();
}

void BM_OpenAndScrollHugeImage(benchmark::State& bench) {
    QTemporaryDir folder;
    const QString path = savedScan(folder, QStringLiteral("huge.jpg"), {16000, 16000});
    for (auto _ : bench) {
        BigScanWindows screens(path);
        QScrollBar* scroll = screens.verticalScroll();
        for (int position = 0; position <= scroll->maximum(); position += scroll->pageStep()) {
            scroll->setValue(position);
            screens.picture->repaint();
        }
        bench.counters["scroll_steps"] = double(scroll->maximum() / std::max(1, scroll->pageStep()) + 1);
    }
}

void BM_ClickConvertedAndAppended(benchmark::State& bench) {
    BigScanWindows screens(a4Scan());
    const QSize size = screens.picture->picture().size();
    screens.calibrateScan(size);
    int clicks = 0;
    for (auto _ : bench) {
        if (++clicks % 90 == 0) { // below the Line's limit of points
            bench.PauseTiming();
            screens.state.LineBox[1].clear();
            screens.state.PointCount[1] = 0;
            bench.ResumeTiming();
        }
        screens.clickImage(400 + (clicks * 37) % 4000, 1000 + (clicks * 53) % 5000);
        QCoreApplication::processEvents();
    }
    if (screens.state.PointCount[1] == 0)
        bench.SkipWithError("no point was appended");
}

void BM_PointerMoveFollowed(benchmark::State& bench) {
    BigScanWindows screens(a4Scan());
    screens.calibrateScan(screens.picture->picture().size());
    screens.main->findChild<QAction*>(QStringLiteral("MAGNIFIER"))->setChecked(true);
    int moves = 0;
    for (auto _ : bench) {
        ++moves;
        screens.moveOver(screens.picture, QPoint(400 + (moves * 7) % 800, 400 + (moves * 5) % 600));
        screens.windows.imageWindow().followCursor(); // the live readout's tick
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_OpenA4Scan)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenAndScrollHugeImage)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ClickConvertedAndAppended)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointerMoveFollowed)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    allowLargeImages();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
