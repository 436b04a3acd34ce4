// The calibration rules without windows: readiness, confirmation, automatic
// confirmation and the placing of the base marks.

#include "digitize/BasePointMarking.h"
#include "digitize/CalibrationCheck.h"

#include <QtTest>

using namespace tracol;

namespace {

CalibrationInputs inputs(int checkedBoxes, const QStringList& values, bool logX = false, bool logY = false) {
    CalibrationInputs in;
    // A checked box has its point placed.
    for (int box = 1; box <= checkedBoxes; ++box)
        in.baseChecked[box] = in.baseMarked[box] = true;
    for (int box = 3; box <= 6; ++box)
        in.valueText[box] = values.value(box - 3);
    in.logX = logX;
    in.logY = logY;
    return in;
}

// Records what the marking step asks of the windows.
struct RecordingView : MarkingView {
    QStringList calls;
    void checkBaseBox(int box) override { calls << QStringLiteral("check %1").arg(box); }
    void drawBaseMark(double x, double y) override { calls << QStringLiteral("mark %1 %2").arg(x).arg(y); }
    void drawXAxisLine() override { calls << QStringLiteral("x axis"); }
    void drawYAxisLine() override { calls << QStringLiteral("y axis"); }
    void showPosition(qint32 x, qint32 y) override { calls << QStringLiteral("show %1 %2").arg(x).arg(y); }
    void showMessage(const QString& message) override { calls << message; }
};

} // namespace

class TestCalibrationRules : public QObject {
    Q_OBJECT
  private slots:
    void checkLogInputs_data() {
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("logX");
        QTest::addColumn<bool>("ready");
        QTest::addColumn<bool>("baseValuesOk");
        QTest::addColumn<QString>("message");
        const QStringList good{"1", "100", "0.5", "20"};
        QTest::newRow("complete") << 4 << good << false << true << true << QString();
        QTest::newRow("three boxes") << 3 << good << false << false << true << QString();
        QTest::newRow("empty value") << 4 << QStringList{"1", "", "0", "1"} << false << false << true
                                     << QString();
        QTest::newRow("x reversed") << 4 << QStringList{"5", "5", "0", "1"} << false << false << true
                                    << QString();
        QTest::newRow("y reversed") << 4 << QStringList{"0", "5", "3", "1"} << false << false << false
                                    << QString();
        QTest::newRow("log x with zero") << 4 << QStringList{"0", "5", "0", "1"} << true << false << true
                                         << QStringLiteral("対数座標には不適切");
        QTest::newRow("log x positive") << 4 << good << true << true << true << QString();
        QTest::newRow("exponent texts")
            << 4 << QStringList{"1e-3", "1D2", "-1", "+1"} << false << true << true << QString();
    }
    void checkLogInputs() {
        QFETCH(int, boxes);
        QFETCH(QStringList, values);
        QFETCH(bool, logX);
        QFETCH(bool, ready);
        QFETCH(bool, baseValuesOk);
        QFETCH(QString, message);
        SharedState state;
        const ReadinessDecision decision = Module20::CheckLogInputs(state, inputs(boxes, values, logX));
        QCOMPARE(decision.ready, ready);
        QCOMPARE(decision.message, message);
        QCOMPARE(state.NotReady, !ready);
        QCOMPARE(state.ConversionOn, ready);
        QCOMPARE(state.BaseConfirmed, ready);
        QCOMPARE(state.BaseValuesOk, baseValuesOk);
        QCOMPARE(state.CheckedBaseCount, qint16(boxes));
    }

    void confirmation_data() {
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("logY");
        QTest::addColumn<bool>("ready");
        QTest::addColumn<QString>("message");
        QTest::newRow("ready") << 4 << QStringList{"0", "1", "0", "1"} << false << true << QString();
        QTest::newRow("boxes missing") << 2 << QStringList{"0", "1", "0", "1"} << false << false
                                       << QStringLiteral("X / Y の Max / Min が未確定");
        QTest::newRow("value missing") << 4 << QStringList{"0", "1", "", "1"} << false << false
                                       << QStringLiteral("Min,Max の数値が未確定");
        QTest::newRow("x order") << 4 << QStringList{"2", "1", "0", "1"} << false << false
                                 << QStringLiteral("Xmax <= Xmin ");
        QTest::newRow("y order") << 4 << QStringList{"0", "1", "1", "1"} << false << false
                                 << QStringLiteral("Ymax <= Ymin ");
        QTest::newRow("log y limit") << 4 << QStringList{"0", "1", "0", "1"} << true << false << QString();
    }
    void confirmation() {
        QFETCH(int, boxes);
        QFETCH(QStringList, values);
        QFETCH(bool, logY);
        QFETCH(bool, ready);
        QFETCH(QString, message);
        SharedState state;
        const ConfirmationDecision decision =
            confirmBaseCoordinates(state, inputs(boxes, values, false, logY));
        QCOMPARE(decision.ready, ready);
        QCOMPARE(decision.message, message);
        QCOMPARE(state.NotReady, !ready);
        QCOMPARE(state.BaseConfirmed, ready);
        QCOMPARE(decision.midControlsEnabled, ready);
    }

    void automaticConfirmationWaitsForBothAxisLines() {
        SharedState state;
        int confirmations = 0;
        const auto in = [] { return inputs(4, {"0", "1", "0", "1"}); };
        AutoConfirmation result =
            autoConfirm(state, CalibrationFrame::Settings, in, [&] { ++confirmations; });
        QVERIFY(state.BaseValuesOk);
        QVERIFY(!result.confirmed);
        QCOMPARE(confirmations, 0);
        state.XAxisDrawn = state.YAxisDrawn = true;
        result = autoConfirm(state, CalibrationFrame::Settings, in, [&] { ++confirmations; });
        QCOMPARE(confirmations, 1);
        QVERIFY(result.confirmed && *result.confirmed);
        QVERIFY(state.AutoConfirmDone);
        result = autoConfirm(state, CalibrationFrame::Settings, in, [&] { ++confirmations; });
        QCOMPARE(confirmations, 1);
    }

    void automaticConfirmationOverTheBaseFrameCountsTheValues() {
        SharedState state;
        state.XAxisDrawn = state.YAxisDrawn = true;
        state.BaseValuesOk = true;
        const auto in = [] { return inputs(4, {"0", "1", " ", "1"}); }; // a blank is no value
        const AutoConfirmation result = autoConfirm(state, CalibrationFrame::Base, in, [] {});
        QVERIFY(result.confirmed && !*result.confirmed);
        QVERIFY(!state.BaseConfirmed);
        QVERIFY(state.AutoConfirmDone);
    }

    void marking_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPointF>("click");
        QTest::addColumn<QPointF>("origin"); // PixXmin, PixYmin before
        QTest::addColumn<QPointF>("maxima"); // PixXmax, PixYmax before
        QTest::addColumn<QString>("message");
        const QString p = QStringLiteral("<Plot Error>                       ");
        QTest::newRow("xmin right of xmax")
            << 1 << QPointF(5000, 100) << QPointF() << QPointF(4000, 0) << p + "X1MAX! <> 0 And X1MAX! <= X";
        QTest::newRow("xmax left of origin")
            << 2 << QPointF(500, 100) << QPointF(900, 6000) << QPointF() << p + "X1MIN! <> 0 And X1MIN! >= X";
        QTest::newRow("xmax above ymax")
            << 2 << QPointF(5000, 300) << QPointF() << QPointF(0, 600) << p + "Y1MAX! <> 0 And Y1MAX! >= Y";
        QTest::newRow("ymin above ymax")
            << 3 << QPointF(900, 300) << QPointF() << QPointF(0, 600) << p + "Y1MAX! <> 0 And Y1MAX! >= Y";
        QTest::newRow("ymax below origin") << 4 << QPointF(900, 7000) << QPointF(900, 6000) << QPointF()
                                           << p + "Y1MIN! <> 0 And Y1MIN! <= Y";
        QTest::newRow("ymax right of xmax")
            << 4 << QPointF(9000, 600) << QPointF() << QPointF(8000, 0) << p + "X1MAX! <> 0 And X1MAX! <= X";
        QTest::newRow("origin accepted")
            << 1 << QPointF(900.5, 6000.5) << QPointF() << QPointF() << QString();
    }
    void marking() {
        QFETCH(int, mode);
        QFETCH(QPointF, click);
        QFETCH(QPointF, origin);
        QFETCH(QPointF, maxima);
        QFETCH(QString, message);
        SharedState state;
        state.PixXmin = origin.x();
        state.PixYmin = origin.y();
        state.PixXmax = maxima.x();
        state.PixYmax = maxima.y();
        RecordingView view;
        const MarkFocus focus = markBasePoint(state, mode, click.x(), click.y(), view);
        if (message.isEmpty()) {
            QVERIFY(focus != MarkFocus::None);
            QVERIFY(!view.calls.contains(message));
        } else {
            QCOMPARE(focus, MarkFocus::None);
            QCOMPARE(view.calls, QStringList{message});
            QCOMPARE(state.PixXmin, float(origin.x()));
            QCOMPARE(state.PixXmax, float(maxima.x()));
        }
    }

    void originIsRoundedHalfToEven() {
        SharedState state;
        RecordingView view;
        QCOMPARE(markBasePoint(state, 1, 900.5, 6001.5, view), MarkFocus::Text3);
        QCOMPARE(state.PixXmin, 900.0f);
        QCOMPARE(state.PixYmin, 6002.0f);
        QVERIFY(state.XminMarked && state.YminMarked);
        QCOMPARE(view.calls, (QStringList{"check 3", "show 900 6002", "mark 900 6002"}));
    }

    void ymaxThenXmaxCompletesTheAxes() {
        SharedState state;
        RecordingView view;
        QCOMPARE(markBasePoint(state, 4, 900, 600, view), MarkFocus::Text4);
        QCOMPARE(markBasePoint(state, 2, 8400, 6300, view), MarkFocus::Text4);
        QCOMPARE(state.PixXmin, 900.0f);
        QCOMPARE(state.PixYmin, 6300.0f);
        QVERIFY(state.XAxisDrawn && state.YAxisDrawn);
        QVERIFY(view.calls.contains("check 1") && view.calls.contains("check 3"));
    }

    void forgettingAPoint_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QList<float>>("expected"); // PixXmin, PixYmin, PixXmax, PixYmax
        QTest::newRow("origin") << 1 << QList<float>{900, 6300, 8400, 600};
        QTest::newRow("xmax") << 2 << QList<float>{900, 6300, 0, 600};
        QTest::newRow("ymax") << 4 << QList<float>{900, 6300, 8400, 0};
    }
    void forgettingAPoint() {
        QFETCH(int, box);
        QFETCH(QList<float>, expected);
        SharedState state;
        RecordingView view;
        markBasePoint(state, 1, 900, 6300, view);
        markBasePoint(state, 2, 8400, 6300, view);
        markBasePoint(state, 4, 900, 600, view);
        forgetBasePoint(state, box);
        QCOMPARE((QList<float>{state.PixXmin, state.PixYmin, state.PixXmax, state.PixYmax}), expected);
        QVERIFY(!isBasePointMarked(state, box));
    }

    void firstXmaxMarkRemembersTheMarkSize() {
        SharedState state;
        RecordingView view;
        state.MarkSize = 255;
        markBasePoint(state, 1, 900, 6300, view);
        QCOMPARE(state.MarkSizeCache, 0.0f); // the origin does not count
        markBasePoint(state, 2, 8400, 6300, view);
        QCOMPARE(state.MarkSizeCache, 255.0f);
        state.MarkSize = 300;
        forgetBasePoint(state, 2);
        markBasePoint(state, 2, 7000, 6300, view);
        QCOMPARE(state.MarkSizeCache, 255.0f); // only the first Xmax mark
    }

    void onlyOneUnmarkedPointWaits() {
        SharedState state;
        state.XminMarked = state.YminMarked = true;
        QCOMPARE(unmarkedOtherBoxes(state, 2), std::vector<int>{4});
        QCOMPARE(unmarkedOtherBoxes(state, 4), std::vector<int>{2});
    }
};

QTEST_GUILESS_MAIN(TestCalibrationRules)
#include "tst_calibration_rules.moc"
