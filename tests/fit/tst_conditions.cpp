// The calculation conditions: standard values, Gr conversions and texts, the
// scroll bar and typing conversions, and the rules of "決定".

#include "fit/Conditions.h"

#include <QtTest>

#include <cmath>

using namespace tracol;
using namespace tracol::Conditions;

namespace {

const std::array<bool, 7> kOnlyA{false, true, true, true, true, true, true};
const std::array<bool, 7> kNone{true, true, true, true, true, true, true};
const std::array<bool, 7> kAll{false, false, false, false, false, false, false};

} // namespace

class TestConditions : public QObject {
    Q_OBJECT
  private slots:
    void standardValuesThenDecide();
    void grConversions();
    void grTexts();
    void scrollBar_data();
    void scrollBar();
    void cutoffEntries_data();
    void cutoffEntries();
    void modeEntries_data();
    void modeEntries();
    void divisionEntries_data();
    void divisionEntries();
    void noSystemKeepsModeAndCutoff();
    void allSystemsSetsTheFlag();
    void includeAllSurvivesCancel();
    void typingConversions();
    void openingReplacesZeroDivisions();
};

void TestConditions::standardValuesThenDecide() {
    SharedState s;
    s.CutoffError = 0.05f;
    s.ErrorMode = 0;
    s.MaxDivisions = 1;
    s.ExcludedSystems = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    setStandardValues(s);
    QCOMPARE(s.CutoffError, 0.00076f);
    QCOMPARE(int(s.ErrorMode), 2);
    QCOMPARE(int(s.MaxDivisions), 3);
    QCOMPARE(grLabelStandard(s.CutoffError), QStringLiteral("Gr = 74.9"));
    const DecideResult result = decide(s, kOnlyA, "2", cutoffText(s.CutoffError), "3");
    QVERIFY(result.accepted());
    QCOMPARE(s.CutoffError, 0.00076f);
    QCOMPARE(int(s.ErrorMode), 2);
    QCOMPARE(int(s.ExcludedSystems[1]), 0);
    for (size_t k = 2; k <= 7; ++k)
        QCOMPARE(int(s.ExcludedSystems[k]), 1);
    QVERIFY(!s.AllSystemsFlag);
}

void TestConditions::grConversions() {
    QVERIFY(std::fabs(grFromCutoff(0.00076) - 74.98) < 0.01);
    QVERIFY(std::fabs(cutoffFromGr(0) - 0.3325) < 1e-4);
    QVERIFY(std::fabs(cutoffFromGr(100) - 0.0001) < 1e-7);
    QVERIFY(std::fabs(cutoffFromGr(120) - 0.0000198) < 1e-7);
    QVERIFY(std::fabs(cutoffFromGr(grFromCutoff(0.0123)) - 0.0123) < 1e-12);
}

void TestConditions::grTexts() {
    QCOMPARE(grTextHundredths(0.00076f), QStringLiteral("74.98"));
    QCOMPARE(grHundredths(0.00076f), 74.98f);
    QCOMPARE(grLabelOnOpening(0.00076f), QStringLiteral("Gr = 74.98"));
    QCOMPARE(grTextTenths(0.00076f), QStringLiteral("74.9"));
    // Typing: Int(Gr * 10 + 0.01) / 10, so a Gr of 40.9995 shows as 41.
    QCOMPARE(grTextWhileTyping(0.00076f), QStringLiteral("74.9"));
    const float nearly41 = static_cast<float>(cutoffFromGr(40.9995));
    QCOMPARE(grTextWhileTyping(nearly41), QStringLiteral("41"));
    QCOMPARE(grTextTenths(nearly41), QStringLiteral("40.9"));
    QCOMPARE(grLabelWhileTyping(0.0123f), QStringLiteral("Gr = 40.6"));
    QCOMPARE(cutoffText(0.00076f), QStringLiteral(".00076"));
}

void TestConditions::scrollBar_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0.33253";
    QTest::newRow("75") << 75 << "0.00076";
    QTest::newRow("100") << 100 << "0.00010";
    QTest::newRow("120") << 120 << "0.00002";
}

void TestConditions::scrollBar() {
    QFETCH(int, value);
    QFETCH(QString, text);
    const float cutoff = cutoffFromScroll(value);
    QCOMPARE(cutoffTextFromScroll(cutoff), text);
    // The value written back is the one scrolled to.
    QCOMPARE(scrollAfterScrolling(cutoff), value);
    QCOMPARE(scrollFromCutoff(cutoff), value);
}

void TestConditions::cutoffEntries_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<float>("cutoff");
    QTest::newRow("0.75") << "0.75" << false << 0.00076f;
    QTest::newRow("0") << "0" << false << 0.00076f;
    QTest::newRow("1E-3x") << "1E-3x" << false << 0.00076f;
    QTest::newRow("negative") << "-0.01" << false << 0.00076f;
    QTest::newRow("7.6D-4") << "7.6D-4" << true << 0.00076f;
    QTest::newRow("blanks around") << "  0.0123 " << true << 0.0123f;
    QTest::newRow("0.7499") << "0.7499" << true << 0.7499f;
}

void TestConditions::cutoffEntries() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(float, cutoff);
    SharedState s;
    const DecideResult result = decide(s, kOnlyA, "2", text, "3");
    QCOMPARE(result.cutoffError, !accepted);
    QCOMPARE(result.accepted(), accepted);
    QCOMPARE(s.CutoffError, cutoff);
}

void TestConditions::modeEntries_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("error");
    QTest::addColumn<int>("mode");
    QTest::newRow("0") << "0" << false << 0;
    QTest::newRow("1") << "1" << false << 1;
    QTest::newRow("3") << "3" << true << 2;
    QTest::newRow("1.0 sets the mode, fails the characters") << "1.0" << true << 1;
    QTest::newRow("12") << "12" << true << 2;
}

void TestConditions::modeEntries() {
    QFETCH(QString, text);
    QFETCH(bool, error);
    QFETCH(int, mode);
    SharedState s;
    const DecideResult result = decide(s, kOnlyA, text, "0.001", "3");
    QCOMPARE(result.modeError, error);
    QCOMPARE(int(s.ErrorMode), mode);
}

void TestConditions::divisionEntries_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("error");
    QTest::newRow("1") << "1" << false;
    QTest::newRow("2.5") << "2.5" << false;
    QTest::newRow("3.005") << "3.005" << false;
    QTest::newRow("3.01") << "3.01" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("0.4 rounds to no section") << "0.4" << true;
    QTest::newRow("letters") << "x" << true;
}

void TestConditions::divisionEntries() {
    QFETCH(QString, text);
    QFETCH(bool, error);
    SharedState s;
    QCOMPARE(decide(s, kOnlyA, "2", "0.001", text).divisionsError, error);
}

void TestConditions::noSystemKeepsModeAndCutoff() {
    SharedState s;
    s.CutoffError = 0.002f;
    s.ErrorMode = 1;
    setStandardSystems(s);
    const DecideResult result = decide(s, kNone, "0", "0.5", "2");
    QVERIFY(result.noSystemIncluded);
    QVERIFY(!result.accepted());
    QCOMPARE(s.CutoffError, 0.002f);
    QCOMPARE(int(s.ErrorMode), 1);
    // The refused choice does not reach the systems either ("ｷｬﾝｾﾙ" does not
    // restore them): the standard system A stays included.
    QCOMPARE(int(s.ExcludedSystems[1]), 0);
    for (size_t system = 2; system <= 7; ++system)
        QCOMPARE(int(s.ExcludedSystems[system]), 1);
}

void TestConditions::allSystemsSetsTheFlag() {
    SharedState s;
    QVERIFY(decide(s, kAll, "2", "0.001", "3").accepted());
    QVERIFY(s.AllSystemsFlag);
    for (size_t k = 1; k <= 7; ++k)
        QCOMPARE(int(s.ExcludedSystems[k]), 0);
    QVERIFY(decide(s, kOnlyA, "2", "0.001", "3").accepted());
    QVERIFY(!s.AllSystemsFlag);
}

void TestConditions::includeAllSurvivesCancel() {
    SharedState s;
    setStandardValues(s);
    const SavedConditions saved = saveOnOpening(s);
    includeAllSystems(s);
    s.CutoffError = 0.1f;
    restore(s, saved);
    QCOMPARE(s.CutoffError, 0.00076f);
    QVERIFY(s.AllSystemsFlag);
    for (size_t k = 1; k <= 7; ++k)
        QCOMPARE(int(s.ExcludedSystems[k]), 0);
}

void TestConditions::typingConversions() {
    QCOMPARE(maxDivisionsFromText("2.5"), std::optional<qint16>(2));
    QCOMPARE(maxDivisionsFromText("3.5"), std::optional<qint16>(4));
    QCOMPARE(maxDivisionsFromText("x"), std::optional<qint16>());
    QCOMPARE(errorModeFromText("1"), std::optional<qint16>(1));
    QCOMPARE(cutoffFromText("7.6D-4"), std::optional<float>(0.00076f));
    QCOMPARE(cutoffFromText("1E-3x"), std::optional<float>());
}

void TestConditions::openingReplacesZeroDivisions() {
    SharedState s;
    s.MaxDivisions = 0;
    const SavedConditions saved = saveOnOpening(s);
    QCOMPARE(int(saved.MaxDivisions), 0);
    QCOMPARE(int(s.MaxDivisions), 3);
}

QTEST_GUILESS_MAIN(TestConditions)
#include "tst_conditions.moc"
