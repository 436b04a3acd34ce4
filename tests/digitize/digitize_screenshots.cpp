// Screenshots of the digitizing windows and the data windows for a person to look at (not a test):
//   xvfb-run -a ./digitize_screenshots OUTPUT_FOLDER

#include "DigitizeFixture.h"

#include <QApplication>

#include <utility>

using namespace tracol;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    testing::DigitizeFixture f;
    QTest::qWait(200);
    f.main->grab().save(folder + "/form20_start.png");
    f.calibrate();
    f.moveOver(f.picture, QPoint(310, 230));
    QTest::qWait(200);
    f.main->grab().save(folder + "/form20_ready.png");
    f.type("Text10", "50");
    f.click("Check6");
    f.click("Command5");
    f.clickImage(310, 420); // the Xmid mark
    for (int x = 110; x <= 560; x += 50)
        f.clickImage(x, static_cast<int>(400 - 340.0 * (x - 60) * (x - 60) / (500.0 * 500.0)));
    QTest::qWait(200);
    f.image->grab().save(folder + "/mdiform20_marks.png");
    // The data windows as the user meets them after sampling.
    for (const auto& [window, name] :
         {std::pair{f.windows.form21.data(), "form21"}, std::pair{f.windows.form24.data(), "form24"},
          std::pair{f.windows.form50.data(), "form50"}}) {
        if (!window)
            continue;
        window->show();
        QTest::qWait(100);
        window->grab().save(folder + "/" + name + ".png");
    }
    f.main->setEnabled(true);
    f.main->findChild<QAction*>("HELP01")->trigger();
    QTest::qWait(100);
    f.main->grab().save(folder + "/form20_help.png");
    f.main->findChild<QAction*>("HELP01")->trigger();
    f.main->showMessage(QStringLiteral("<Plot Error>                       X1MIN! <> 0 And X1MIN! >= X"));
    f.main->grab().save(folder + "/form20_message.png");
    if (QWidget* dialog = f.windows.form22) {
        f.click("Command2");
        QTest::qWait(100);
        dialog->grab().save(folder + "/form22.png");
    }
    return 0;
}
