// The calculation conditions window opened from the computation screen:
// what "決定", "標準値" and "ｷｬﾝｾﾙ" leave in the conditions.

#include "ComputationFixture.h"
#include "fit/Form29.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>

using namespace tracol;
using testing::ComputationFixture;

namespace {

struct ConditionsFixture : ComputationFixture {
    ConditionsFixture() {
        openFromDataSetWindow();
        menu("SEIDO");
    }
    QWidget* window() const { return windows.form29; }
    void typeInto(const QString& name, const QString& text) const {
        control<QLineEdit>(window(), name)->setText(text); // a change, as typing makes it
    }
    void click(const QString& name) const { control<QAbstractButton>(window(), name)->click(); }
    bool shown(const QString& name) const { return control<QWidget>(window(), name)->isVisible(); }
};

} // namespace

class TestForm29 : public QObject {
    Q_OBJECT
  private slots:
    void opensOverADisabledScreen() {
        ConditionsFixture f;
        QVERIFY(f.window()->isVisible());
        QVERIFY(!f.screen()->isEnabled());
        QCOMPARE(controlText(f.window(), "Text2"), QStringLiteral(".00076"));
        QCOMPARE(control<QScrollBar>(f.window(), "HScroll1")->value(), 75);
        QVERIFY(isControlChecked(f.window(), "Option1(2)"));
        QVERIFY(isControlChecked(f.window(), "Option2(2)"));
        QVERIFY(!isControlChecked(f.window(), "Check1(0)")); // only system A by the first loading
        QVERIFY(isControlChecked(f.window(), "Check1(6)"));
    }

    void standardValuesThenDecide() {
        ConditionsFixture f;
        f.typeInto("Text2", "0.01");
        f.click("Check1(3)");
        f.click("Option1(0)");
        f.click("Command2"); // 標準値
        QCOMPARE(control<QLabel>(f.window(), "Label6")->text(), QStringLiteral("Gr = 74.9"));
        f.click("Command1"); // 決定
        QVERIFY(!f.window()->isVisible());
        QVERIFY(f.screen()->isEnabled());
        QCOMPARE(f.state.CutoffError, 0.00076f);
        QCOMPARE(f.state.ErrorMode, qint16(2));
        QCOMPARE(f.state.MaxDivisions, qint16(3));
        QCOMPARE(f.state.ExcludedSystems[1], qint16(0));
        for (int system = 2; system <= 7; ++system)
            QCOMPARE(f.state.ExcludedSystems[system], qint16(1));
    }

    void cutoffEntries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0.75") << "0.75" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("1E-3x") << "1E-3x" << false;
        QTest::newRow("7.6D-4") << "7.6D-4" << true;
    }
    void cutoffEntries() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        ConditionsFixture f;
        f.typeInto("Text2", "0.01"); // decided first, so that an accepted entry shows as a change
        f.click("Command1");
        f.menu("SEIDO");
        QCOMPARE(controlText(f.window(), "Text2"), QStringLiteral(".01"));
        f.typeInto("Text2", text);
        f.click("Command1");
        QCOMPARE(f.shown("Label7"), !accepted);
        QCOMPARE(f.window()->isVisible(), !accepted);
        if (accepted)
            QCOMPARE(f.state.CutoffError, 0.00076f);
    }

    // The Gr text of the opening has two decimals, on the first opening as
    // on every later one.
    void grOnOpening() {
        ConditionsFixture f;
        const QString expected = Conditions::grLabelOnOpening(0.00076f);
        QVERIFY(expected.endsWith(QStringLiteral("74.98")));
        QCOMPARE(control<QLabel>(f.window(), "Label6")->text(), expected);
        f.click("Command3"); // ｷｬﾝｾﾙ
        f.menu("SEIDO");
        QCOMPARE(control<QLabel>(f.window(), "Label6")->text(), expected);
    }

    void twoAndAHalfSectionsBecomeTwo() {
        ConditionsFixture f;
        f.typeInto("Text3", "2.5");
        f.click("Command1");
        QVERIFY(!f.window()->isVisible());
        QCOMPARE(f.state.MaxDivisions, qint16(2));
    }

    void scrollEnds_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("cutoff");
        QTest::addColumn<QString>("cutoffText"); // Text2, in the format "0.####0"
        // Text2 written by the scroll is a change: the cutoff becomes its value.
        QTest::newRow("0") << 0 << 0.3325 << "0.33253";
        QTest::newRow("120") << 120 << 0.00002 << "0.00002";
    }
    void scrollEnds() {
        QFETCH(int, value);
        QFETCH(double, cutoff);
        QFETCH(QString, cutoffText);
        ConditionsFixture f;
        auto* scroll = control<QScrollBar>(f.window(), "HScroll1");
        QCOMPARE(scroll->value(), 75);
        scroll->setValue(value); // straight from the opening's 75
        QCOMPARE(controlText(f.window(), "Text2"), cutoffText);
        QVERIFY(qAbs(f.state.CutoffError / cutoff - 1) < 0.01);
        QCOMPARE(scroll->value(), value);
    }

    void noSystemLeftKeepsTheConditions() {
        ConditionsFixture f;
        f.click("Check1(0)"); // A excluded as well: nothing left
        f.typeInto("Text2", "0.01");
        f.typeInto("Text1", "1");
        const qint16 excludedBefore = f.state.ExcludedSystems[1];
        f.click("Command1");
        QVERIFY(f.shown("Label16"));
        QCOMPARE(control<QLabel>(f.window(), "Label16")->text(), QStringLiteral("計算座標系なし"));
        QVERIFY(f.window()->isVisible());
        QCOMPARE(f.state.ExcludedSystems[1], excludedBefore);
        f.click("Command3"); // ｷｬﾝｾﾙ puts the cutoff and the mode back
        QCOMPARE(f.state.CutoffError, 0.00076f);
        QCOMPARE(f.state.ErrorMode, qint16(2));
    }

    void allSystemsThenCancelKeepsThemAll() {
        ConditionsFixture f;
        f.click("Check2");
        f.click("Command3");
        QVERIFY(!f.window()->isVisible());
        QVERIFY(f.screen()->isEnabled());
        for (int system = 1; system <= 7; ++system)
            QCOMPARE(f.state.ExcludedSystems[system], qint16(0));
    }

    void aLogarithmicAxisIncludesEverySystem() {
        ComputationFixture f;
        control<QLineEdit>(f.windows.form20, "Text5")->setText("1"); // Y from 1 to 100
        control<QLineEdit>(f.windows.form20, "Text6")->setText("100");
        control<QRadioButton>(f.windows.form20, "Option3(1)")->setChecked(true); // Log(Y)
        QCOMPARE(f.windows.mainWindow().chosenAxisKind(Axis::Y), AxisKind::Logarithmic);
        f.openFromDataSetWindow();
        QVERIFY(!f.windows.form29->isVisible()); // loaded unseen
        QVERIFY(f.state.AllSystemsFlag);
        for (int system = 1; system <= 7; ++system)
            QCOMPARE(f.state.ExcludedSystems[system], qint16(0));
    }

    void helpAndItsTimer() {
        ConditionsFixture f;
        f.click("Command4");
        auto* help = control<QLabel>(f.window(), "Text4");
        QVERIFY(help->isVisible());
        QCOMPARE(help->text(), Form29::kHelpText);
        testing::fireTimer(control<QTimer>(f.window(), "Timer1"));
        QVERIFY(!help->isVisible());
    }
};

QTEST_MAIN(TestForm29)
#include "tst_form29.moc"
