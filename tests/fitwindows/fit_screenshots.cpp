// Screenshots of the computation screen and its windows for a person to look
// at (not a test):
//   xvfb-run -a ./fit_screenshots OUTPUT_FOLDER

#include "ComputationFixture.h"

#include <QApplication>

#include <cmath>

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
    f.windows.progress().stop();

    // The plot screen, linear, with the Parameters, then log X.
    f.button(f.screen(), "Command3")->click();
    QWidget* plot = f.windows.form70;
    QTest::qWait(200);
    plot->grab().save(folder + "/form70_linear.png");
    f.button(plot, "Command4")->click();
    QTest::qWait(100);
    plot->grab().save(folder + "/form70_parameters.png");
    control<QAbstractButton>(plot, "Check1")->click();
    QTest::qWait(100);
    plot->grab().save(folder + "/form70_logx.png");
    f.button(plot, "Command7")->click();
    QTest::qWait(100);
    f.windows.form84->grab().save(folder + "/form84.png");
    f.button(f.windows.form84, "Command2")->click();
    f.button(plot, "Command2")->click();

    // Power laws on log-log axes.
    QFile file(f.dataFile);
    file.open(QIODevice::WriteOnly);
    for (int line = 1; line <= 3; ++line) {
        file.write(QByteArray::number(line) + ", 1 , 20\r\n");
        for (int i = 1; i <= 20; ++i) {
            const double x = 3 * std::pow(1.4, i);
            file.write(QByteArray::number(x, 'g', 6) + ',' +
                       QByteArray::number(2 * line * std::pow(x, 1.3) + 50 * std::sin(i), 'g', 6) + "\r\n");
        }
    }
    file.close();
    f.button(f.screen(), "Command2")->click();
    f.windows.form21->findChild<QPushButton*>("Command7")->click();
    control<QLineEdit>(f.windows.form22, "Text1")->setText(f.dataFile);
    f.button(f.windows.form22, "Command1")->click();
    f.button(f.windows.form21, "Command6")->click();
    f.start();
    f.button(f.screen(), "Command3")->click();
    control<QAbstractButton>(plot, "Check1")->click();
    control<QAbstractButton>(plot, "Check2")->click();
    f.button(plot, "Command4")->click();
    QTest::qWait(200);
    plot->grab().save(folder + "/form70_loglog.png");
    f.button(plot, "Command10")->click(); // ？
    QTest::qWait(100);
    plot->grab().save(folder + "/form70_help.png");
    return 0;
}
