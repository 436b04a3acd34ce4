// Screenshots of the digitizing windows and the data windows for a person to look at (not a test):
//   xvfb-run -a -s "-screen 0 1366x768x24" ./digitize_screenshots OUTPUT_FOLDER
// desktop_*.png show the whole screen, so that the windows' places can be seen.

#include "DigitizeFixture.h"

#include <QApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>

#include <utility>

using namespace tracol;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const auto desktop = [&folder](const QString& name) {
        QTest::qWait(200);
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/desktop_" + name + ".png");
    };
    testing::DigitizeFixture f;
    QTest::qWait(200);
    f.main->grab().save(folder + "/form20_start.png");
    desktop("start");
    f.image->showImage(testing::graphImage({800, 600}), QStringLiteral("TracolGraph <800 x 600>"));
    desktop("800x600");
    f.image->showImage(testing::graphImage(), QStringLiteral("TracolGraph"));
    // Messages and hints of the main window.
    f.moveOver(f.the("Check5"));
    f.main->grab().save(folder + "/form20_hint_check5.png");
    f.moveOver(f.the("Command6"));
    f.main->grab().save(folder + "/form20_hint_command6.png");
    f.click("Check1");
    f.click("Option3(0)");
    f.main->grab().save(folder + "/form20_select_error.png");
    f.click("Check1");
    f.calibrate();
    f.moveOver(f.picture, QPoint(310, 230));
    QTest::qWait(200);
    f.main->grab().save(folder + "/form20_ready.png");
    f.click("Check6");
    f.type("Text10", "50");
    f.click("Command5");
    f.clickImage(310, 420); // the Xmid mark
    for (int x = 110; x <= 560; x += 50)
        f.clickImage(x, static_cast<int>(400 - 340.0 * (x - 60) * (x - 60) / (500.0 * 500.0)));
    QTest::qWait(200);
    f.image->grab().save(folder + "/mdiform20_marks.png");
    // The additions: a second Line's markers, the magnifier and the zoom.
    f.main->findChild<QRadioButton*>("Option1(1)")->setChecked(true);
    for (int x = 85; x <= 560; x += 50)
        f.clickImage(x, static_cast<int>(400 - 200.0 * (x - 60) / 500.0));
    f.main->findChild<QAction*>("MAGNIFIER")->trigger();
    f.moveOver(f.picture, QPoint(310, 420));
    QTest::qWait(100);
    f.windows.formMagnifier->grab().save(folder + "/formmagnifier.png");
    f.main->findChild<QAction*>("MAGNIFIER")->trigger();
    f.main->findChild<QAction*>("ZOOM2")->trigger();
    QTest::qWait(100);
    f.image->grab().save(folder + "/mdiform20_zoom2.png");
    f.main->findChild<QAction*>("ZOOM1")->trigger();
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
    // The DataSet window's longest hint and a message.
    if (QWidget* dataSet = f.windows.form21) {
        dataSet->show();
        control<QCheckBox>(dataSet, "Check1")->setChecked(true);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(control<QPushButton>(dataSet, "Command3"), &enter);
        dataSet->grab().save(folder + "/form21_hint.png");
        f.windows.dataSet().showMessage(QStringLiteral("データが無いパラメータ存在"));
        dataSet->grab().save(folder + "/form21_message.png");
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
        // An image that cannot be read: the message with the toolkit's reason.
        control<QLineEdit>(dialog, "Text1")->setText(folder + "/form22.png.missing");
        QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);
        dialog->grab().save(folder + "/form22_message.png");
        QTest::mouseClick(control<QPushButton>(dialog, "Command3"), Qt::LeftButton);
    }
    // The page window of a PDF file of twelve pages, then its refusals of a
    // page that is not there and of a poster too large at 1200 dpi.
    QTemporaryDir pdfFolder;
    const QString pdf = pdfFolder.filePath(QStringLiteral("measured curves 2024.pdf"));
    {
        QPdfWriter writer(pdf);
        QPainter painter(&writer);
        for (int page = 1; page < 12; ++page) {
            if (page == 11) // the last page a poster
                writer.setPageSize(
                    QPageSize(QSizeF(2000, 2000), QPageSize::Point, QString(), QPageSize::ExactMatch));
            writer.newPage();
        }
    }
    if (QWidget* pages = f.windows.formPdfPage; pages && f.windows.openDialog().openPath(pdf)) {
        QTest::qWait(100);
        pages->grab().save(folder + "/formpdfpage.png");
        control<QLineEdit>(pages, "Text1")->setText(QStringLiteral("13"));
        QTest::mouseClick(control<QPushButton>(pages, "Command1"), Qt::LeftButton);
        pages->grab().save(folder + "/formpdfpage_message.png");
        control<QLineEdit>(pages, "Text1")->setText(QStringLiteral("12"));
        control<QLineEdit>(pages, "Text2")->setText(QStringLiteral("1200"));
        QTest::mouseClick(control<QPushButton>(pages, "Command1"), Qt::LeftButton);
        pages->grab().save(folder + "/formpdfpage_large.png");
    }
    return 0;
}
