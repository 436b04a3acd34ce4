// Screenshots of the trace command for a person to look at; not a test:
// the preview of a traced curve over a drawn scan, the FormTrace window and
// the main window with its toolbar. Usage: trace_screenshots <folder>.

#include "TraceFixture.h"

#include <QDir>

using namespace tracol;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    testing::Tracing f(testing::Scene::Dashed, "JPG");
    f.main->show();
    f.image->show();
    f.image->resize(820, 660);
    f.traceCurve();
    QTest::qWait(100);
    f.image->grab().save(folder + "/trace_preview.png");
    f.form()->grab().save(folder + "/formtrace.png");
    f.main->grab().save(folder + "/form20_trace.png");
    f.trace()->trigger();
    f.clickImage(f.graph.left + 300, f.graph.top + 30);
    QTest::qWait(50);
    f.form()->grab().save(folder + "/formtrace_refused.png");
    return 0;
}
