// Screenshots of the computation screen and its windows for a person to look
// at (not a test):
//   xvfb-run -a ./fit_screenshots OUTPUT_FOLDER

#include "ComputationFixture.h"

#include <QApplication>

using namespace tracol;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    testing::ComputationFixture f;
    f.openFromDataSetWindow();
    QTest::qWait(200);
    f.screen()->grab().save(folder + "/form33_before.png");
    f.start();
    QTest::qWait(200);
    f.screen()->grab().save(folder + "/form33_after.png");
    f.button(f.screen(), "Command4")->click();
    QTest::qWait(100);
    f.screen()->grab().save(folder + "/form33_help.png");
    f.menu("SEIDO");
    QTest::qWait(200);
    f.windows.form29->grab().save(folder + "/form29.png");
    f.button(f.windows.form29, "Command4")->click();
    QTest::qWait(100);
    f.windows.form29->grab().save(folder + "/form29_help.png");
    f.button(f.windows.form29, "Command3")->click();
    f.windows.progress().start(*f.screen());
    f.state.FitCount = 400;
    f.state.WorkEstimate = 1000;
    f.windows.progress().updateBar();
    QTest::qWait(100);
    f.windows.grForm35->grab().save(folder + "/grform35.png");
    return 0;
}
