// The trace command in the windows: TRACE on, one click on a drawn curve,
// the preview in FormTrace, and the points appended to the Line as clicks
// would append them - their values against the curve drawn, the count, the
// 100-point limit, one undo step - or nothing appended.

#include "TraceFixture.h"

#include "digitize/CurveTracing.h"
#include "ui/LineHistory.h"

#include <QPlainTextEdit>

using namespace tracol;

using testing::Scene;
using testing::Tracing;

class TestTraceCommand : public QObject {
    Q_OBJECT
  private slots:
    void tracedPointsLieOnTheCurve_data() {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("alongCurve");
        QTest::newRow("solid") << Scene::Solid << "PNG" << false;
        QTest::newRow("solid, evenly along the curve") << Scene::Solid << "JPG" << true;
        QTest::newRow("dashed under another curve") << Scene::Dashed << "JPG" << false;
        QTest::newRow("crossed by its colour") << Scene::Crossing << "JPG" << false;
        QTest::newRow("logarithmic axes") << Scene::LogAxes << "JPG" << false;
    }
    void tracedPointsLieOnTheCurve() {
        QFETCH(Scene, scene);
        QFETCH(QString, format);
        QFETCH(bool, alongCurve);
        Tracing f(scene, qPrintable(format));
        QVERIFY(f.trace()->isEnabled());
        f.traceCurve();
        QVERIFY(!f.trace()->isChecked()); // one click, one curve
        QVERIFY(f.form()->isVisible());
        QVERIFY2(f.inForm("Command1")->isEnabled(), qPrintable(f.formMessage()));
        QVERIFY(f.picture->hasTracePreview());
        QVERIFY(f.state.LineBox[1].isEmpty()); // nothing before "追加"
        if (alongCurve)
            QTest::mouseClick(f.inForm<QRadioButton>("Option1(1)"), Qt::LeftButton, {}, QPoint(8, 8));
        f.press("Command1");

        QVERIFY(!f.form()->isVisible());
        QVERIFY(!f.picture->hasTracePreview());
        QCOMPARE(f.state.PointCount[1], qint16(kDefaultTracedPointCount));
        QCOMPARE(control<QLineEdit>(f.windows.form21, "Text6")->text(), QStringLiteral("30"));
        const std::vector<QPointF> points = f.linePixels();
        QCOMPARE(int(points.size()), kDefaultTracedPointCount);
        const std::vector<QPointF> truth = f.graph.pixelPath(f.graph.curves.front());
        const drawn::Deviation deviation = drawn::deviationOf(truth, points);
        QVERIFY2(deviation.mean < 0.5 && deviation.max < 1.5,
                 qPrintable(QStringLiteral("mean %1 px, max %2 px").arg(deviation.mean).arg(deviation.max)));
        // From one end of the curve to the other, the frame aside.
        QVERIFY(points.front().x() - f.graph.left < 6 && f.graph.right - points.back().x() < 6);
        // Evenly in X: equal steps of the pixel column on these axes.
        if (!alongCurve)
            QVERIFY(qAbs((points[2].x() - points[1].x()) - (points[1].x() - points[0].x())) < 0.1);
    }

    void aClickOnTheBackgroundAddsNothing() {
        Tracing f;
        f.trace()->trigger();
        f.clickImage(f.graph.left + 300, f.graph.top + 30); // white paper between the curves
        QVERIFY(f.form()->isVisible());
        QCOMPARE(f.formMessage(), tracingRefusalMessage(TracingRefusal::NoCurveAtClick));
        QVERIFY(!f.inForm("Command1")->isEnabled());
        QVERIFY(!f.picture->hasTracePreview());
        QVERIFY(f.state.LineBox[1].isEmpty());
        QCOMPARE(f.state.PointCount[1], qint16(0));
    }

    void undoTakesBackTheWholeTrace() {
        Tracing f;
        f.clickImage(200, 300); // a click's point before
        f.traceCurve();
        f.press("Command1");
        QCOMPARE(f.state.PointCount[1], qint16(31));
        f.main->findChild<QAction*>(QStringLiteral("UNDO"))->trigger();
        QCOMPARE(f.state.PointCount[1], qint16(1));
        QCOMPARE(f.state.LineBox[1].count(u','), 1);
        QCOMPARE(control<QLineEdit>(f.windows.form21, "Text6")->text(), QStringLiteral("1"));
    }

    void tracingAgainTakesTheChangedCount() {
        Tracing f;
        f.traceCurve();
        f.inForm<QLineEdit>("Text1")->setText(QStringLiteral("１２")); // full-width, as typed in Japanese
        f.press("Command2");
        QCOMPARE(int(f.form()->previewPoints().size()), 12);
        f.press("Command1");
        QCOMPARE(f.state.PointCount[1], qint16(12));
    }

    void badValuesAreRefused_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString count = QStringLiteral("点数は2～100の整数で入力してください。");
        const QString tolerance = QStringLiteral("色の許容差は1～255の数値で入力してください。");
        QTest::newRow("one point") << "Text1"
                                   << "1" << count;
        QTest::newRow("101 points") << "Text1"
                                    << "101" << count;
        QTest::newRow("not a number") << "Text1"
                                      << "abc" << count;
        QTest::newRow("no tolerance") << "Text2"
                                      << "0" << tolerance;
        QTest::newRow("tolerance too large") << "Text2"
                                             << "300" << tolerance;
    }
    void badValuesAreRefused() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Tracing f;
        f.traceCurve();
        f.inForm<QLineEdit>(qPrintable(box))->setText(text);
        f.press("Command1");
        QCOMPARE(f.formMessage(), message);
        QVERIFY(f.form()->isVisible());
        QVERIFY(f.state.LineBox[1].isEmpty());
    }

    void cancelAddsNothing_data() {
        QTest::addColumn<bool>("byFrame");
        QTest::newRow("キャンセル") << false;
        QTest::newRow("the frame's close button") << true;
    }
    void cancelAddsNothing() {
        QFETCH(bool, byFrame);
        Tracing f;
        f.traceCurve();
        QVERIFY(f.picture->hasTracePreview());
        if (byFrame)
            f.form()->close();
        else
            f.press("Command3");
        QVERIFY(!f.form()->isVisible());
        QVERIFY(!f.picture->hasTracePreview());
        QVERIFY(f.state.LineBox[1].isEmpty());
        QVERIFY(!f.windows.lineHistory().stack().canUndo());
        f.clickImage(200, 300); // the next click samples again
        QCOMPARE(f.state.PointCount[1], qint16(1));
    }

    void aFullLineTakesPointsUpToTheLimit() {
        Tracing f;
        QString lines;
        for (int k = 1; k <= 95; ++k)
            lines += QStringLiteral("%1,1\r\n").arg(k);
        control<QPlainTextEdit>(f.windows.form21, "Text1(0)")->setPlainText(lines);
        QCOMPARE(f.state.PointCount[1], qint16(95));
        f.traceCurve();
        f.press("Command1");
        QCOMPARE(f.state.PointCount[1], qint16(100));
        QCOMPARE(f.state.LineBox[1].count(u','), 100);
        QCOMPARE(control<QLabel>(f.windows.form21, "Text3")->text(),
                 QStringLiteral("Lineは100点までのため、30点のうち先頭の5点を追加しました。"));
        // Full: the next trace appends nothing and says why.
        f.traceCurve();
        f.press("Command1");
        QCOMPARE(f.state.PointCount[1], qint16(100));
        QVERIFY(f.form()->isVisible());
        QCOMPARE(f.formMessage(), QStringLiteral("Line 1は既に100点あります。別のLineを選んでください。"));
    }

    // The points go to the Line the preview named: another Line chosen
    // meanwhile is named first, and the next "追加" appends to it.
    void anotherLineChosenDuringThePreviewIsNamedFirst() {
        Tracing f;
        f.traceCurve();
        QTest::mouseClick(control<QAbstractButton>(f.windows.form21, "Option1(2)"), Qt::LeftButton, {},
                          QPoint(8, 8));
        QCOMPARE(f.state.CurrentLine, qint16(3));
        f.press("Command1");
        QVERIFY(f.form()->isVisible());
        QVERIFY(f.state.LineBox[3].isEmpty());
        QCOMPARE(f.formMessage(),
                 QStringLiteral("30点をLine 3に追加します。よろしければ「追加」を押してください。"));
        f.press("Command1");
        QVERIFY(!f.form()->isVisible());
        QCOMPARE(f.state.PointCount[3], qint16(kDefaultTracedPointCount));
        QVERIFY(f.state.LineBox[1].isEmpty());
    }

    // Ending sampling takes the preview away: its points could not be added.
    void thePreviewGoesWhenSamplingEnds() {
        Tracing f;
        f.traceCurve();
        QVERIFY(f.picture->hasTracePreview());
        QTest::mouseClick(control<QPushButton>(f.windows.form21, "Command5"), Qt::LeftButton); // 戻 る
        QVERIFY(!f.form()->isVisible());
        QVERIFY(!f.picture->hasTracePreview());
        QVERIFY(f.state.LineBox[1].isEmpty());
    }

    void traceIsOffUntilSampling() {
        testing::DigitizeFixture f;
        auto* trace = f.main->findChild<QAction*>(QStringLiteral("TRACE"));
        QVERIFY(!trace->isEnabled());
        f.calibrate();
        QVERIFY(!trace->isEnabled()); // ready, not sampling
        f.click("Command5");
        QVERIFY(trace->isEnabled());
        QVERIFY(f.main->findChild<QToolBar*>(QStringLiteral("TraceToolBar"))->actions().contains(trace));
        QTest::mouseClick(control<QPushButton>(f.windows.form21, "Command5"), Qt::LeftButton); // 戻 る
        QVERIFY(!trace->isEnabled());
    }
};

QTEST_MAIN(TestTraceCommand)
#include "tst_trace_command.moc"
