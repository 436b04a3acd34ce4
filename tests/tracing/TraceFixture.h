#pragma once
// The whole window set with a graph drawn with QPainter as the image,
// calibrated on its frame's corners by clicks and sampling into Line 1, for
// the trace command's tests and screenshots.

#include "DrawnGraph.h"

#include "digitize/FormTrace.h"
#include "tests/digitize/DigitizeFixture.h"

#include <QToolBar>

namespace tracol::testing {

inline double wavy(double x) {
    return 4.6 + 2.7 * std::sin(0.55 * x + 0.4) + 0.12 * x;
}
inline double rising(double x) {
    return 1.3 + 0.75 * x;
}

inline drawn::Curve curve(std::function<double(double)> f, QColor colour, double width,
                          Qt::PenStyle style = Qt::SolidLine) {
    drawn::Curve c;
    c.y = std::move(f);
    c.colour = colour;
    c.width = width;
    c.style = style;
    return c;
}

enum class Scene { Solid, Dashed, Crossing, LogAxes };

inline drawn::Graph graphOf(Scene scene) {
    drawn::Graph g;
    const QColor red(205, 25, 40), blue(25, 70, 190);
    switch (scene) {
    case Scene::Solid:
        g.curves = {curve(wavy, Qt::black, 1), curve(rising, red, 1.5)};
        break;
    case Scene::Dashed:
        g.curves = {curve(wavy, red, 2, Qt::DashLine), curve(rising, Qt::black, 1)};
        break;
    case Scene::Crossing: // a curve of the same colour crosses it
        g.curves = {curve(wavy, Qt::black, 1.5), curve(rising, Qt::black, 1.5)};
        break;
    case Scene::LogAxes: {
        g.logX = g.logY = true;
        g.xMin = 1;
        g.xMax = 1000;
        g.yMin = 0.1;
        g.yMax = 100;
        drawn::Curve c = curve(
            [](double x) { return 0.3 * std::pow(x, 0.62) * (1 + 0.3 * std::sin(std::log(x))); }, blue, 2);
        c.xFrom = 1;
        c.xTo = 1000;
        g.curves = {c};
        break;
    }
    }
    return g;
}

// The whole window set with a drawn graph as the image, calibrated on the
// frame's corners by clicks and sampling into Line 1.
struct Tracing : DigitizeFixture {
    drawn::Graph graph;
    QImage scan;

    explicit Tracing(Scene scene = Scene::Solid, const char* format = "JPG") : graph(graphOf(scene)) {
        scan = drawn::throughFile(drawn::draw(graph), format, 75);
        picture->setPicture(scan);
        qobject_cast<Form23*>(windows.form23.data())->picture()->setPicture(scan);
        image->layOutPicture();
        type("Text3", QString::number(graph.xMin));
        type("Text4", QString::number(graph.xMax));
        type("Text5", QString::number(graph.yMin));
        type("Text6", QString::number(graph.yMax));
        QTest::mouseClick(the("Text3"), Qt::LeftButton); // Xmin is taken on a click before Check1
        if (graph.logX)
            click("Option3(0)");
        if (graph.logY)
            click("Option3(1)");
        mark("Check1", graph.left, graph.bottom);
        mark("Check2", graph.right, graph.bottom);
        mark("Check4", graph.left, graph.top);
        click("Command5"); // データ採取開始
    }

    QAction* trace() const { return main->findChild<QAction*>(QStringLiteral("TRACE")); }
    FormTrace* form() const { return qobject_cast<FormTrace*>(windows.formTrace.data()); }
    template <typename T = QWidget> T* inForm(const char* name) const {
        T* widget = control<T>(form(), QString::fromLatin1(name));
        if (!widget)
            qWarning("no control %s in FormTrace", name);
        return widget;
    }
    void press(const char* name) const { QTest::mouseClick(inForm<QPushButton>(name), Qt::LeftButton); }
    QString formMessage() const { return inForm<QLabel>("Text3")->text(); }

    // TRACE from the image window's toolbar, then a click on the curve at
    // 40 % of its X range, a pixel below its centre.
    void traceCurve() {
        QTest::mouseClick(
            image->findChild<QToolBar*>(QStringLiteral("TraceToolBar"))->widgetForAction(trace()),
            Qt::LeftButton);
        const std::vector<QPointF> path = graph.pixelPath(graph.curves.front(), 2000);
        for (size_t i = path.size() * 40 / 100; i < path.size(); ++i) {
            const QPoint p(qRound(path[i].x()), qRound(path[i].y()));
            if (qGray(scan.pixel(p)) < 150 || qAbs(qRed(scan.pixel(p)) - qBlue(scan.pixel(p))) > 80) {
                clickImage(p.x(), p.y() + 1);
                return;
            }
        }
        QFAIL("no pixel of the curve to click");
    }

    // The points of Line 1 as the DataSet window holds them, taken back to
    // pixels of the graph.
    std::vector<QPointF> linePixels() const {
        std::vector<QPointF> pixels;
        for (const QString& point : state.LineBox[1].split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const QStringList xy = point.split(u',');
            pixels.push_back(graph.pixelOf(xy.value(0).toDouble(), xy.value(1).toDouble()));
        }
        return pixels;
    }
};

} // namespace tracol::testing
