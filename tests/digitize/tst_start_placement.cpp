// Where the windows stand when the program starts, on a desktop of
// 1366 x 768 pixels whose windows have frames.

#include "DigitizeFixture.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryFile>

using namespace tracol;
using testing::DigitizeFixture;

class TestStartPlacement : public QObject {
    Q_OBJECT
  private slots:
    void windowsStandSideBySideAndInView() {
        DigitizeFixture f;
        const QRect free = f.image->screen()->availableGeometry();
        QCOMPARE(free.size(), QSize(1366, 768));
        QCoreApplication::processEvents();
        const QRect image = f.image->frameGeometry();
        const QRect main = f.main->frameGeometry();
        QCOMPARE(image.topLeft(), free.topLeft());
        QCOMPARE(main.topLeft(), QPoint(image.right() + 1, image.top()));
        QVERIFY(!image.intersects(main));
        QVERIFY(free.contains(image) && free.contains(main));
        // The windows shown later in the main window's place are in view too.
        for (QWidget* window : {f.windows.form21.data(), f.windows.form50.data()}) {
            window->move(f.main->pos());
            QVERIFY(free.contains(window->frameGeometry()));
        }
        // A page-sized graph is shown whole.
        f.image->showImage(testing::graphImage({800, 600}), QStringLiteral("TracolGraph"));
        QCoreApplication::processEvents();
        auto* area = f.image->findChild<QScrollArea*>();
        QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(area->verticalScrollBar()->maximum(), 0);
    }
};

// The offscreen desktop of this test: one screen of 1366 x 768 pixels, with
// window frames.
int main(int argc, char** argv) {
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(R"({"windowFrameMargins": true, "screens": [{"name": "Desktop", "x": 0, "y": 0,
                 "width": 1366, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestStartPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_start_placement.moc"
