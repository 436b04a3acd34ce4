// The shared state at start-up and after Reset.

#include "core/SharedState.h"
#include "fit/KKAIKI_Sort.h"

#include <QtTest>

using namespace tracol;

class TestSharedState : public QObject {
    Q_OBJECT
  private slots:
    void startsWithTenEmptyLines();
    void resetKeepsValuesAndData();
    void sortsTextsByCharacterCodes();
    void sortKeepsEveryPointWithEqualX();
};

void TestSharedState::startsWithTenEmptyLines() {
    SharedState s;
    QCOMPARE(int(s.CurrentLine), 1);
    for (int k = 0; k <= kLineCount; ++k) {
        QCOMPARE(int(s.PointCount[k]), 0);
        QVERIFY(s.LineBox[k].isEmpty());
    }
    QCOMPARE(int(s.ExcludedSystems[0]), 0);
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(int(s.ExcludedSystems[k]), 1);
    QCOMPARE(int(s.MaxDivisions), 3);
    QCOMPARE(int(s.ErrorMode), 2);
    QCOMPARE(s.CutoffError, 0.00076f);
    QVERIFY(!s.NotReady);
    QVERIFY(!s.BaseConfirmed);
}

void TestSharedState::resetKeepsValuesAndData() {
    SharedState s;
    s.PixXmin = 1500;
    s.PixYmin = 6000;
    s.PixXmax = 9000;
    s.PixYmax = 750;
    s.XminMarked = s.XmaxMarked = s.YminMarked = s.YmaxMarked = true;
    s.BaseConfirmed = s.ConversionOn = s.BaseValuesOk = s.AutoConfirmDone = true;
    s.XAxisDrawn = s.YAxisDrawn = true;
    s.ValXmin = 2.385f;
    s.ValXmid = 4.5f;
    s.PixXmid = 3000;
    s.LineBox[3] = QStringLiteral("1,2\r\n");
    s.PointCount[3] = 1;

    resetCalibration(s);

    QCOMPARE(s.PixXmin, 0.0f);
    QCOMPARE(s.PixYmax, 0.0f);
    QVERIFY(!s.XminMarked && !s.XmaxMarked && !s.YminMarked && !s.YmaxMarked);
    QVERIFY(!s.BaseConfirmed && !s.ConversionOn && !s.BaseValuesOk && !s.AutoConfirmDone);
    QVERIFY(!s.XAxisDrawn && !s.YAxisDrawn);
    QVERIFY(s.NotReady);
    QCOMPARE(s.ValXmin, 2.385f);
    QCOMPARE(s.ValXmid, 4.5f);
    QCOMPARE(s.PixXmid, 3000.0f);
    QCOMPARE(s.LineBox[3], QStringLiteral("1,2\r\n"));
    QCOMPARE(int(s.PointCount[3]), 1);
}

void TestSharedState::sortsTextsByCharacterCodes() {
    QString t[] = {QString(), QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("2"),
                   QStringLiteral("9")};
    QString u[] = {QString(), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                   QStringLiteral("d")};
    KKAIKI::SortTextsWithCompanion(t, u, 4);
    QCOMPARE(t[1], QStringLiteral("1"));
    QCOMPARE(t[2], QStringLiteral("10"));
    QCOMPARE(t[3], QStringLiteral("2"));
    QCOMPARE(t[4], QStringLiteral("9"));
    QCOMPARE(u[2], QStringLiteral("b"));
    QCOMPARE(u[4], QStringLiteral("d"));
}

void TestSharedState::sortKeepsEveryPointWithEqualX() {
    float x[] = {0, 3, 1, 2, 1, 3, 0.5f, 2};
    float y[] = {0, 30, 10, 20, 11, 31, 5, 21};
    KKAIKI::SortPointsByX(x, y, 7);
    for (int i = 1; i < 7; ++i)
        QVERIFY(x[i] <= x[i + 1]);
    QMultiMap<float, float> pairs;
    for (int i = 1; i <= 7; ++i)
        pairs.insert(x[i], y[i]);
    QVERIFY(pairs.contains(1, 10) && pairs.contains(1, 11));
    QVERIFY(pairs.contains(3, 30) && pairs.contains(3, 31));
    QVERIFY(pairs.contains(2, 20) && pairs.contains(0.5f, 5));
}

QTEST_GUILESS_MAIN(TestSharedState)
#include "tst_sharedstate.moc"
