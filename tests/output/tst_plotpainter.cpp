// The plot painter and the plot widget: a fitted Line on log-log axes painted
// on an image, and the widget's resize and mouse press.

#include "OutputFixtures.h"
#include "output/PlotLayout.h"
#include "output/PlotModel.h"
#include "ui/PlotPainter.h"
#include "ui/PlotView.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace tracol;

namespace {

// Y = 2 X^1.5 at 30 X spread evenly over the decades 1 .. 1000, fitted as
// three sections of kind 10 (Ln(Y) = a Ln(X) + b) that share their ends.
SharedState powerLawState() {
    SharedState state;
    std::vector<double> xs, ys;
    for (int j = 0; j < 30; ++j) {
        const double x = std::pow(10.0, 3.0 * j / 29);
        xs.push_back(x);
        ys.push_back(2 * std::pow(x, 1.5));
    }
    const float a = 1.5f, b = static_cast<float>(std::log(2.0));
    testing::addLine(state, 1, QStringLiteral("P=2.5"), xs, ys,
                     {{10, a, b, 0, 0, 1, 10}, {10, a, b, 0, 0, 10, 20}, {10, a, b, 0, 0, 20, 30}});
    return state;
}

PlotData powerLawPlot(SharedState& state) {
    PlotRequest request;
    request.range = plotRangeTexts(standardPlotRange(state, {}));
    request.logXChecked = request.logYChecked = true;
    request.fittingRun = true;
    request.showParameters = true;
    return gatherPlotData(state, request);
}

bool isCurveBlue(QRgb pixel) {
    return qBlue(pixel) > qRed(pixel) + 60 && qBlue(pixel) > qGreen(pixel) + 60;
}

// Some pixel within `reach` pixels of p is curve blue.
bool blueNear(const QImage& image, QPointF p, int reach) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint at(qRound(p.x()) + dx, qRound(p.y()) + dy);
            if (image.rect().contains(at) && isCurveBlue(image.pixel(at)))
                return true;
        }
    return false;
}

} // namespace

class TestPlotPainter : public QObject {
    Q_OBJECT

  private slots:
    void curvePassesThroughDataCircles();
    void viewLaysOutAgainOnResizeAndReportsPresses();
};

void TestPlotPainter::curvePassesThroughDataCircles() {
    SharedState state = powerLawState();
    const PlotData data = powerLawPlot(state);
    QVERIFY(data.usable);
    QVERIFY(data.x.log && data.y.log);
    const QSize pixels(900, 600);
    const PlotScene scene =
        layoutPlotScene(data, QSizeF(pixels) * kTwipsPerPixel, PlotTarget::Screen, plotTextMeasure());
    QVERIFY(scene.usable);
    QCOMPARE(scene.circles.size(), size_t(30));
    QCOMPARE(scene.curves.size(), size_t(3));
    const QImage image = plotImage(scene, pixels);
    image.save(QStringLiteral("/tmp/tracol_plot_loglog.png"));

    // The curve passes through every circle, and not 25 pixels above any.
    const QRectF framePixels(scene.frame.topLeft() / kTwipsPerPixel, scene.frame.size() / kTwipsPerPixel);
    for (const PlotCircle& circle : scene.circles) {
        const QPointF centre = circle.centre / kTwipsPerPixel;
        QVERIFY2(blueNear(image, centre, 1),
                 qPrintable(QStringLiteral("no curve at %1,%2").arg(centre.x()).arg(centre.y())));
        const QPointF above = centre - QPointF(0, 25);
        if (framePixels.adjusted(3, 3, -3, -3).contains(above))
            QVERIFY(!blueNear(image, above, 1));
    }
    // The frame is blue, the title and the labels are drawn.
    const int frameY = qRound(framePixels.center().y());
    const auto frameAt = [&](int x) { return image.pixel(x, frameY) == qRgb(0, 0, 255); };
    const int frameX = qRound(framePixels.left());
    QVERIFY(frameAt(frameX - 1) || frameAt(frameX) || frameAt(frameX + 1));
    const auto inked = [&](const PlotText& text) {
        const QRect box = QRectF(text.topLeft / kTwipsPerPixel, text.size / kTwipsPerPixel).toAlignedRect();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (qGray(image.pixel(x, y)) < 100)
                    return true;
        return false;
    };
    QVERIFY(inked(scene.title));
    QVERIFY(!scene.tickLabels.empty());
    for (const PlotText& label : scene.tickLabels)
        QVERIFY2(inked(label), qPrintable(label.text));
}

void TestPlotPainter::viewLaysOutAgainOnResizeAndReportsPresses() {
    SharedState state = powerLawState();
    PlotView view;
    view.resize(600, 400);
    QVERIFY(view.setPlotData(powerLawPlot(state)));
    const double narrowFrame = view.scene().frame.width();
    state = SharedState{}; // the view must not need the state again

    view.resize(900, 600);
    QCOMPARE(view.scene().area, QSizeF(900 * kTwipsPerPixel, 600 * kTwipsPerPixel));
    QVERIFY(view.scene().frame.width() > narrowFrame + 250 * kTwipsPerPixel);
    QCOMPARE(view.scene().circles.size(), size_t(30));
    QCOMPARE(view.renderImage().size(), QSize(900, 600));
    QVERIFY(!view.setPlotData(PlotData{})); // an unusable plot leaves the picture as it was
    QVERIFY(view.hasPlot());

    QSignalSpy presses(&view, &PlotView::pressed);
    QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(100, 50));
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(20, 30));
    QCOMPARE(presses.size(), 2);
    QCOMPARE(presses[0][0].toPointF(), QPointF(1500, 750));
    QCOMPARE(presses[0][1].toBool(), false);
    QCOMPARE(presses[1][0].toPointF(), QPointF(300, 450));
    QCOMPARE(presses[1][1].toBool(), true);
}

QTEST_MAIN(TestPlotPainter)
#include "tst_plotpainter.moc"
