// What the image window and the main window add for precise digitizing: the
// markers of the Lines' points, the zoom with unchanged positions, the arrow
// keys, undo and redo, dropped files and the magnifier.

#include "DigitizeFixture.h"
#include "digitize/FormMagnifier.h"
#include "ui/LineHistory.h"
#include "tests/common/AnswerQuestion.h"

#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace tracol;
using testing::DigitizeFixture;

namespace {

struct Sampling : DigitizeFixture {
    Sampling() {
        calibrate();
        click("Command5"); // データ採取開始
    }
    QWidget* dataSet() const { return windows.form21; }
    void trigger(const QString& action) const { main->findChild<QAction*>(action)->trigger(); }
    std::vector<QPointF> markerPositions() const {
        std::vector<QPointF> positions;
        for (const PointMarker& marker : picture->pointMarkers())
            positions.push_back(marker.position);
        return positions;
    }
};

// A drop of one local file on a window.
void dropFile(QWidget* window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
}

} // namespace

class TestDigitizingAdditions : public QObject {
    Q_OBJECT
  private slots:
    void markersFollowTheLines() {
        Sampling f;
        f.clickImage(160, 300);
        f.clickImage(310, 230);
        QCOMPARE(f.markerPositions().size(), size_t(2));
        // Found back from the values as the DataSet window shows them.
        QVERIFY(QLineF(f.markerPositions()[1], QPointF(310 * 15, 230 * 15)).length() < 15);
        QVERIFY(f.picture->pointMarkers()[1].emphasised); // Line 1 receives the points
        QTest::mouseClick(control<QPushButton>(f.dataSet(), "Command4"), Qt::LeftButton); // 選択Line削除
        QVERIFY(f.picture->pointMarkers().empty());
        f.trigger("UNDO");
        QCOMPARE(f.markerPositions().size(), size_t(2));
        f.trigger("POINTMARKS"); // switched off
        QVERIFY(f.picture->pointMarkers().empty());
    }

    void aClickAtFourTimesIsTheClickAtOneToOne() {
        Sampling f;
        f.clickImage(123, 300);
        f.trigger("ZOOM4");
        QCOMPARE(f.picture->zoom(), 4.0);
        QCOMPARE(f.picture->size(), QSize(640 * 4, 480 * 4));
        QTest::mouseClick(f.picture, Qt::LeftButton, {}, QPoint(123 * 4 + 3, 300 * 4 + 1)); // the same pixel
        const QStringList points = f.state.LineBox[1].split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(points.size(), 2);
        QCOMPARE(points[1], points[0]);
        f.trigger("ZOOMFIT");
        QVERIFY(f.picture->zoom() < 4);
    }

    void arrowKeysMoveOnePixelAndEnterClicks() {
        Sampling f;
        f.moveOver(f.picture, QPoint(100, 200));
        f.picture->setFocus();
        QTest::keyClick(f.picture, Qt::Key_Right);
        QCOMPARE(f.state.CursorX, 101 * 15);
        QTest::keyClick(f.picture, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(f.state.CursorY, 210 * 15);
        f.clickImage(101, 210); // the same place by the mouse, for comparison
        QTest::keyClick(f.picture, Qt::Key_Return);
        const QStringList points = f.state.LineBox[1].split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(points.size(), 2);
        QCOMPARE(points[1], points[0]);
    }

    void undoAndRedoOfEachKindOfChange_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("a sampled point") << "sample";
        QTest::newRow("deleted Lines") << "delete";
        QTest::newRow("an edited Line text") << "edit";
        QTest::newRow("loaded data") << "load";
    }
    void undoAndRedoOfEachKindOfChange() {
        QFETCH(QString, change);
        Sampling f;
        QTemporaryDir folder;
        f.clickImage(160, 300);
        f.clickImage(210, 280);
        const QString before = f.state.LineBox[1];
        if (change == "sample") {
            f.clickImage(260, 260);
        } else if (change == "delete") {
            testing::QuestionAnswer discard(QStringLiteral("Discard"));
            QTest::mouseClick(control<QPushButton>(f.dataSet(), "Command2"), Qt::LeftButton); // 全Line削除
        } else if (change == "edit") {
            control<QPlainTextEdit>(f.dataSet(), "Text1(0)")->setPlainText("1,2\n3,4\n5,6\n");
        } else {
            const QString path = folder.filePath("two.dat");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("7, 1 , 3\r\n1,1\r\n2,4\r\n3,9\r\n");
            file.close();
            testing::QuestionAnswer discard(QStringLiteral("Discard"));
            QTest::mouseClick(control<QPushButton>(f.dataSet(), "Command7"), Qt::LeftButton);
            control<QLineEdit>(f.windows.form22, "Text1")->setText(path);
            QTest::mouseClick(control<QPushButton>(f.windows.form22, "Command1"), Qt::LeftButton);
        }
        const QString after = f.state.LineBox[1];
        QVERIFY(after != before);
        f.trigger("UNDO");
        QCOMPARE(f.state.LineBox[1], before);
        QCOMPARE(control<QPlainTextEdit>(f.dataSet(), "Text1(0)")->toPlainText(),
                 QString(before).remove('\r'));
        QCOMPARE(controlText(f.dataSet(), "Text6"), QString::number(f.state.PointCount[1]));
        f.trigger("REDO");
        QCOMPARE(f.state.LineBox[1], after);
    }

    // Keyboard entry's pages hold the Lines while it is shown: taking back
    // the sampled Lines then would mix them with the pages.
    void undoWaitsWhileKeyboardEntryIsShown() {
        Sampling f;
        f.clickImage(160, 300);
        QTest::mouseClick(control<QPushButton>(f.dataSet(), "Command5"), Qt::LeftButton); // 戻る（初期画面）
        f.trigger("HENKOU1");
        auto* question = f.windows.form50->findChild<QMessageBox*>("ReplaceQuestion");
        QVERIFY(question);
        question->findChild<QPushButton*>("Discard")->click();
        QVERIFY(f.windows.form50->isVisible());
        QVERIFY(f.state.LineBox[1].isEmpty());
        auto* undo = f.main->findChild<QAction*>("UNDO");
        QVERIFY(!undo->isEnabled());
        f.windows.lineHistory().undo(); // Ctrl+Z in any window
        QVERIFY(f.state.LineBox[1].isEmpty());
        QTest::mouseClick(control<QPushButton>(f.windows.form50, "Command4"), Qt::LeftButton); // 戻る
        QVERIFY(undo->isEnabled());
    }

    void droppedFilesOpen() {
        DigitizeFixture f;
        QTemporaryDir folder;
        const QString image = folder.filePath("dropped.png");
        QVERIFY(testing::graphImage(QSize(320, 240)).save(image));
        dropFile(f.image, image);
        QCOMPARE(f.image->windowTitle(), "TracolGraph <" + QDir::toNativeSeparators(image) + ">");
        QCOMPARE(f.picture->picture().size(), QSize(320, 240));
        const QString data = folder.filePath("dropped.dat");
        QFile file(data);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2.5, 1 , 3\r\n1,1\r\n2,4\r\n3,9\r\n");
        file.close();
        dropFile(f.main, data);
        QCOMPARE(f.state.LineParameter[1], QStringLiteral("2.5"));
        QVERIFY(f.windows.form21->isVisible());
    }

    void theMagnifierFollowsThePointer() {
        DigitizeFixture f;
        f.main->findChild<QAction*>("MAGNIFIER")->trigger();
        auto* magnifier = qobject_cast<FormMagnifier*>(f.windows.formMagnifier.data());
        QVERIFY(magnifier->isVisible());
        f.moveOver(f.picture, QPoint(210, 120));
        QCOMPARE(magnifier->pixel(), QPoint(210, 120));
        QWheelEvent wheel(QPointF(5, 5), f.picture->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f.picture, &wheel);
        QCOMPARE(magnifier->enlargement(), 5);
        QCOMPARE(f.picture->zoom(), 1.0); // the wheel went to the magnifier, not to the zoom
        QImage shown(magnifier->size(), QImage::Format_RGB32);
        magnifier->render(&shown);
        QVERIFY(shown.pixelColor(shown.rect().center()) != QColor(Qt::black)); // painted
        f.main->findChild<QAction*>("MAGNIFIER")->trigger();
        QVERIFY(!magnifier->isVisible());
    }
};

QTEST_MAIN(TestDigitizingAdditions)
#include "tst_digitizing_additions.moc"
