// Position-to-value conversion with linear and logarithmic axes and mid points.

#include "digitize/Module20.h"
#include "digitize/ValuePosition.h"

#include <QtTest>

using namespace tracol;

namespace {

// The main window's boxes, as plain texts.
class FakeView : public ConversionView {
  public:
    AxisKind kinds[2] = {AxisKind::Linear, AxisKind::Linear};
    QString sampled[2], readout[2], dataSet[2];
    QStringList messages;

    AxisKind axisKind(Axis axis) const override { return kinds[int(axis)]; }
    void setSampledText(Axis axis, const QString& text) override { sampled[int(axis)] = text; }
    void setReadoutText(Axis axis, const QString& text) override { readout[int(axis)] = text; }
    void setDataSetSampledText(Axis axis, const QString& text) override { dataSet[int(axis)] = text; }
    void showMessage(const QString& message) override { messages << message; }
};

// Origin at (1000, 4000) valued (0, 0); Xmax at x = 5000 valued 100; Ymax at
// y = 1000 valued 10.
SharedState calibrated() {
    SharedState s;
    s.PixXmin = 1000;
    s.PixYmin = 4000;
    s.PixXmax = 5000;
    s.PixYmax = 1000;
    s.ValXmin = 0;
    s.ValXmax = 100;
    s.ValYmin = 0;
    s.ValYmax = 10;
    s.CheckedBaseCount = 4;
    s.XminMarked = s.YminMarked = s.XmaxMarked = s.YmaxMarked = true;
    s.ConversionOn = true;
    s.ConversionPending = true;
    return s;
}

} // namespace

class TestModule20 : public QObject {
    Q_OBJECT
  private slots:
    void linearAxes_data();
    void linearAxes();
    void logarithmicX_data();
    void logarithmicX();
    void midPointBendsTheAxis_data();
    void midPointBendsTheAxis();
    void logarithmicYWithMidPoint();
    void clickWritesBothDisplayForms();
    void preconditions();
    void degenerateCalibrationGivesMessageAndNoValue();
    void cursorKeepsTextsOnFault();
    void axisWithoutKindIsLeftAlone();
    void positionsBeyond32767Twips();
    void valuesGoBackToTheirPositions_data();
    void valuesGoBackToTheirPositions();
};

void TestModule20::linearAxes_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<double>("expectedX");
    QTest::addColumn<double>("expectedY");
    QTest::newRow("middle") << 3000.0f << 2500.0f << 50.0 << 5.0;
    QTest::newRow("left of origin") << 500.0f << 4000.0f << -12.5 << 0.0;
    QTest::newRow("below origin") << 1000.0f << 4600.0f << 0.0 << -2.0;
    QTest::newRow("at the marks") << 5000.0f << 1000.0f << 100.0 << 10.0;
}

void TestModule20::linearAxes() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(double, expectedX);
    QFETCH(double, expectedY);
    SharedState s = calibrated();
    s.ClickX = x;
    s.ClickY = y;
    QCOMPARE(*Module20::axisValue(s, Axis::X, AxisKind::Linear), expectedX);
    QCOMPARE(*Module20::axisValue(s, Axis::Y, AxisKind::Linear), expectedY);
}

void TestModule20::logarithmicX_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("first decade") << 2000.0f << 10.0;
    QTest::newRow("second decade") << 3000.0f << 100.0;
    QTest::newRow("extrapolated") << 5000.0f << 10000.0;
}

void TestModule20::logarithmicX() {
    QFETCH(float, x);
    QFETCH(double, expected);
    SharedState s = calibrated();
    s.PixXmin = 1000;
    s.PixXmax = 4000;
    s.ValXmin = 1;
    s.ValXmax = 1000;
    s.ClickX = x;
    const double value = *Module20::axisValue(s, Axis::X, AxisKind::Logarithmic);
    QVERIFY2(qAbs(value - expected) < expected * 1e-12, qPrintable(QString::number(value, 'g', 17)));
}

void TestModule20::midPointBendsTheAxis_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("first segment") << 1500.0f << 30.0;
    QTest::newRow("second segment") << 3500.0f << 80.0;
    QTest::newRow("on the mid mark") << 2000.0f << 60.0;
    QTest::newRow("extrapolated left") << 500.0f << -30.0;
}

void TestModule20::midPointBendsTheAxis() {
    QFETCH(float, x);
    QFETCH(double, expected);
    SharedState s = calibrated();
    s.XmidActive = true;
    s.PixXmid = 2000;
    s.ValXmid = 60;
    s.ClickX = x;
    QCOMPARE(*Module20::axisValue(s, Axis::X, AxisKind::Linear), expected);
}

void TestModule20::logarithmicYWithMidPoint() {
    // Y from 1 (y = 4000) to 1000 (y = 1000) with a mid mark at y = 3000 valued 100.
    SharedState s = calibrated();
    s.ValYmin = 1;
    s.ValYmax = 1000;
    s.YmidActive = true;
    s.PixYmid = 3000;
    s.ValYmid = 100;
    s.ClickY = 3500; // below the mid mark: between 1 and 100
    QVERIFY(qAbs(*Module20::axisValue(s, Axis::Y, AxisKind::Logarithmic) - 10.0) < 1e-9);
    s.ClickY = 2000; // above: between 100 and 1000
    QVERIFY(qAbs(*Module20::axisValue(s, Axis::Y, AxisKind::Logarithmic) - std::pow(10.0, 2.0 + 1.0 / 2.0)) <
            1e-9);
    s.ClickY = 3000;
    QVERIFY(qAbs(*Module20::axisValue(s, Axis::Y, AxisKind::Logarithmic) - 100.0) < 1e-9);
}

void TestModule20::clickWritesBothDisplayForms() {
    SharedState s = calibrated();
    s.ValXmax = 100.0f * 12.345678f / 50.0f; // x = 3000 gives 12.345678
    s.ClickX = 3000;
    s.ClickY = 2500;
    s.SamplingActive = true;
    s.ExpDisplay = true;
    FakeView view;
    QCOMPARE(Module20::ConvertClick(s, view), Module20::ConversionResult::Converted);
    QCOMPARE(view.sampled[0], QStringLiteral("1.23457E+01"));
    QCOMPARE(view.sampled[1], QStringLiteral("5.00000E+00"));
    QCOMPARE(view.dataSet[0], QStringLiteral("1.23457E+01"));
    QVERIFY(!s.ConversionPending);

    s.ExpDisplay = false;
    s.ConversionPending = true;
    QCOMPARE(Module20::ConvertClick(s, view), Module20::ConversionResult::Converted);
    QCOMPARE(view.sampled[0], QStringLiteral(" 12.3457"));
    QCOMPARE(view.sampled[1], QStringLiteral(" 5"));
}

void TestModule20::preconditions() {
    FakeView view;
    SharedState s = calibrated();
    s.CheckedBaseCount = 3;
    s.ClickX = 3000;
    QCOMPARE(Module20::ConvertClick(s, view), Module20::ConversionResult::NotConverted);
    QVERIFY(s.NotReady);
    QVERIFY(view.sampled[0].isEmpty());

    s = calibrated();
    s.ConversionPending = false;
    QCOMPARE(Module20::ConvertClick(s, view), Module20::ConversionResult::NotConverted);
    // Xmax checked again and waiting for its mark: its position is 0.
    s = calibrated();
    s.XmaxMarked = false;
    s.PixXmax = 0;
    QCOMPARE(Module20::ConvertClick(s, view), Module20::ConversionResult::NotConverted);
    Module20::ConvertCursor(s, view);
    QVERIFY(view.readout[0].isEmpty());
    s = calibrated();
    s.ConversionOn = false;
    Module20::ConvertCursor(s, view);
    QVERIFY(view.readout[0].isEmpty());
    QVERIFY(view.dataSet[0].isEmpty()); // not sampling: the DataSet window is not written
}

void TestModule20::degenerateCalibrationGivesMessageAndNoValue() {
    FakeView view;
    view.sampled[0] = QStringLiteral("previous");
    SharedState s = calibrated();
    s.PixXmax = s.PixXmin; // equal anchors
    s.ClickX = 3000;
    QCOMPARE(Module20::ConvertClick(s, view), Module20::ConversionResult::Failed);
    QCOMPARE(view.messages, QStringList{Module20::kConversionErrorMessage});
    QCOMPARE(view.sampled[0], QStringLiteral("previous"));
    QVERIFY(view.sampled[1].isEmpty()); // Y is not written either

    s = calibrated();
    view.kinds[0] = AxisKind::Logarithmic; // ValXmin = 0: no logarithmic ratio
    QCOMPARE(Module20::ConvertClick(s, view), Module20::ConversionResult::Failed);

    s = calibrated();
    view.kinds[0] = AxisKind::Linear;
    s.ValXmax = 3e38f;
    s.ClickX = 1e6f; // far beyond Single range
    QCOMPARE(Module20::ConvertClick(s, view), Module20::ConversionResult::Failed);
}

void TestModule20::cursorKeepsTextsOnFault() {
    FakeView view;
    view.readout[0] = QStringLiteral("old X");
    SharedState s = calibrated();
    s.PixXmax = s.PixXmin;
    s.ClickX = 2000;
    s.ClickY = 2500;
    s.SamplingActive = true;
    Module20::ConvertCursor(s, view);
    QCOMPARE(view.readout[0], QStringLiteral("old X"));
    QCOMPARE(view.readout[1], QStringLiteral("5")); // trimmed
    QCOMPARE(view.dataSet[1], QStringLiteral("5"));
}

void TestModule20::axisWithoutKindIsLeftAlone() {
    FakeView view;
    view.kinds[1] = AxisKind::None;
    view.sampled[1] = QStringLiteral("kept");
    SharedState s = calibrated();
    s.ClickX = 3000;
    s.ClickY = 2500;
    QCOMPARE(Module20::ConvertClick(s, view), Module20::ConversionResult::Converted);
    QCOMPARE(view.sampled[0], QStringLiteral(" 50"));
    QCOMPARE(view.sampled[1], QStringLiteral("kept"));
}

void TestModule20::positionsBeyond32767Twips() {
    SharedState s = calibrated();
    s.PixXmin = 15000;
    s.PixXmax = 75000; // an image 5000 pixels wide
    s.ValXmin = 0;
    s.ValXmax = 60;
    s.ClickX = 60000;
    QCOMPARE(*Module20::axisValue(s, Axis::X, AxisKind::Linear), 45.0);
}

// The inverse conversion: a position converted to values and back lands
// where it was, on linear and logarithmic axes, bent at mid points or not.
void TestModule20::valuesGoBackToTheirPositions_data() {
    QTest::addColumn<bool>("logarithmic");
    QTest::addColumn<bool>("mid");
    QTest::newRow("linear") << false << false;
    QTest::newRow("linear, bent") << false << true;
    QTest::newRow("logarithmic") << true << false;
    QTest::newRow("logarithmic, bent") << true << true;
}

void TestModule20::valuesGoBackToTheirPositions() {
    QFETCH(bool, logarithmic);
    QFETCH(bool, mid);
    SharedState s = calibrated();
    s.XminMarked = s.YminMarked = s.XmaxMarked = s.YmaxMarked = true;
    if (logarithmic) {
        s.ValXmin = 1, s.ValXmax = 1000, s.ValYmin = 0.1f, s.ValYmax = 100;
    }
    if (mid) {
        s.XmidActive = s.YmidActive = true;
        s.PixXmid = 2000, s.ValXmid = logarithmic ? 3 : 60;
        s.PixYmid = 3100, s.ValYmid = logarithmic ? 2 : 2.5f;
    }
    const AxisKind kind = logarithmic ? AxisKind::Logarithmic : AxisKind::Linear;
    for (const QPointF p :
         {QPointF(1000, 4000), QPointF(1500, 3500), QPointF(2000, 3100), QPointF(3333, 1700),
          QPointF(5000, 1000), QPointF(6100, 400), QPointF(700, 4300)}) {
        s.ClickX = float(p.x()), s.ClickY = float(p.y());
        const double x = *Module20::axisValue(s, Axis::X, kind), y = *Module20::axisValue(s, Axis::Y, kind);
        const std::optional<QPointF> back = picturePositionOf(s, kind, kind, x, y);
        QVERIFY(back);
        QVERIFY2(
            qAbs(back->x() - p.x()) < 0.01 && qAbs(back->y() - p.y()) < 0.01,
            qPrintable(QStringLiteral("%1,%2 -> %3,%4").arg(p.x()).arg(p.y()).arg(back->x()).arg(back->y())));
    }
    QVERIFY(!picturePositionOf(s, kind, AxisKind::None, 1, 1));
}

QTEST_GUILESS_MAIN(TestModule20)
#include "tst_module20.moc"
