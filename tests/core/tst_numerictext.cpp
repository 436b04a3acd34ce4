// Reading numbers from text and writing them back.

#include "core/NumericText.h"

#include <QtTest>

using namespace tracol;

class TestNumericText : public QObject {
    Q_OBJECT
  private slots:
    void valReadsLeadingNumber_data();
    void valReadsLeadingNumber();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void integerOutOfRangeHasNoValue();
    void generalTextOfSingle_data();
    void generalTextOfSingle();
    void generalTextOfDoubleAndInteger();
    void displayForms_data();
    void displayForms();
    void characterSets();
    void redisplaySwitchesForms();
};

void TestNumericText::valReadsLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("decimal") << "12.5" << 12.5;
    QTest::newRow("E exponent") << "1e3" << 1000.0;
    QTest::newRow("D exponent") << "1D-2" << 0.01;
    QTest::newRow("comma stops") << "1,000" << 1.0;
    QTest::newRow("blank skipped") << "1 000" << 1000.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no leading zero") << "-.5" << -0.5;
    QTest::newRow("tabs and line feeds") << "\t2.\n25x" << 2.25;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("hexadecimal") << "&H1F" << 31.0;
    QTest::newRow("hexadecimal 16-bit") << "&HFFFF" << -1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("carriage return stops") << "4.5\r\n6" << 4.5;
    QTest::newRow("lower d exponent with sign") << "2.385d+2" << 238.5;
}

void TestNumericText::valReadsLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(numtext::val(text), expected);
}

void TestNumericText::roundsHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("2.51") << 2.51 << 3;
    QTest::newRow("32767.4") << 32767.4 << 32767;
}

void TestNumericText::roundsHalfToEven() {
    QFETCH(double, value);
    QFETCH(int, expected);
    const std::optional<qint16> rounded = numtext::toInteger(value);
    QVERIFY(rounded.has_value());
    QCOMPARE(int(*rounded), expected);
}

void TestNumericText::integerOutOfRangeHasNoValue() {
    QVERIFY(!numtext::toInteger(32767.5).has_value()); // rounds to 32768
    QVERIFY(!numtext::toInteger(-40000).has_value());
    QVERIFY(!numtext::toInteger(std::nan("")).has_value());
    QCOMPARE(int(*numtext::toInteger(-32768.4)), -32768);
}

void TestNumericText::generalTextOfSingle_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("half") << 0.5f << " .5";
    QTest::newRow("small exponent") << 1.5e-5f << " 1.5E-05";
    QTest::newRow("eight digits") << 12345678.0f << " 1.234568E+07";
    QTest::newRow("seven digits") << 1234567.0f << " 1234567";
    QTest::newRow("zero") << 0.0f << " 0";
    QTest::newRow("negative") << -2.385f << "-2.385";
    QTest::newRow("negative below one") << -0.0045f << "-.0045";
    QTest::newRow("1e-4 stays fixed") << 0.0001f << " .0001";
    QTest::newRow("1e-5 exponent") << 0.00001f << " 1E-05";
    QTest::newRow("single precision") << 0.1f << " .1";
    QTest::newRow("rounds to seven") << 12.3456789f << " 12.34568";
    QTest::newRow("integer value") << 100.0f << " 100";
    QTest::newRow("large") << 3.0e20f << " 3E+20";
}

void TestNumericText::generalTextOfSingle() {
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(numtext::generalText(value), expected);
    QCOMPARE(numtext::trimmedText(value), expected.trimmed());
}

void TestNumericText::generalTextOfDoubleAndInteger() {
    QCOMPARE(numtext::generalText(qint64(12)), QStringLiteral(" 12"));
    QCOMPARE(numtext::generalText(qint64(-7)), QStringLiteral("-7"));
    QCOMPARE(numtext::plainInteger(12), QStringLiteral("12"));
    QCOMPARE(numtext::plainInteger(-7), QStringLiteral("-7"));
    QCOMPARE(numtext::generalText(0.1), QStringLiteral(" .1"));
    QCOMPARE(numtext::generalText(123456789012345.0), QStringLiteral(" 123456789012345"));
    QCOMPARE(numtext::generalText(1234567890123456.0), QStringLiteral(" 1.23456789012346E+15"));
    QCOMPARE(numtext::generalText(2.0 / 3.0), QStringLiteral(" .666666666666667"));
    QCOMPARE(numtext::generalText(-1e-300), QStringLiteral("-1E-300"));
}

void TestNumericText::displayForms_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("exponent");
    QTest::addColumn<QString>("plain");
    QTest::newRow("12.345678") << 12.345678 << "1.23457E+01"
                               << " 12.3457";
    QTest::newRow("-0.000123") << -0.000123 << "-1.23000E-04"
                               << "-.000123";
    QTest::newRow("0.5") << 0.5 << "5.00000E-01"
                         << " .5";
    QTest::newRow("zero") << 0.0 << "0.00000E+00"
                          << " 0";
    QTest::newRow("large") << 987654321.0 << "9.87654E+08"
                           << " 9.87654E+08";
    QTest::newRow("rounds up a decade") << 9.999996 << "1.00000E+01"
                                        << " 10";
}

void TestNumericText::displayForms() {
    QFETCH(double, value);
    QFETCH(QString, exponent);
    QFETCH(QString, plain);
    QCOMPARE(numtext::exponentForm(value), exponent);
    QCOMPARE(numtext::plainForm(value), plain);
    QCOMPARE(numtext::sampledValueText(value, true), exponent);
    QCOMPARE(numtext::sampledValueText(value, false), plain);
}

void TestNumericText::characterSets() {
    QVERIFY(numtext::allCharsIn(QStringLiteral("1e3"), numtext::kCalibrationChars));
    QVERIFY(!numtext::allCharsIn(QStringLiteral("1,000"), numtext::kCalibrationChars));
    QVERIFY(numtext::allCharsIn(QStringLiteral("1-2"), numtext::kCalibrationChars)); // order not checked
    QVERIFY(numtext::allCharsIn(QString(), numtext::kCalibrationChars));
    QVERIFY(numtext::allCharsIn(QStringLiteral("-1.5D+2"), numtext::kDataChars));
    QVERIFY(!numtext::allCharsIn(QStringLiteral("1;2"), numtext::kDataChars));
    QVERIFY(numtext::allCharsIn(QStringLiteral("1.5 , 2"), numtext::kSaveDialogChars));
    QVERIFY(!numtext::allCharsIn(QStringLiteral("x=1"), numtext::kSaveDialogChars));
}

void TestNumericText::redisplaySwitchesForms() {
    // Switching twice returns a value to its plain form with six significant digits.
    const QString exp = numtext::redisplaySampledText(QStringLiteral(" 12.345678"), true);
    QCOMPARE(exp, QStringLiteral("1.23457E+01"));
    QCOMPARE(numtext::redisplaySampledText(exp, false), QStringLiteral(" 12.3457"));
    QCOMPARE(numtext::redisplaySampledText(QStringLiteral("abc"), true), QStringLiteral("abc"));
    QCOMPARE(numtext::redisplaySampledText(QStringLiteral("1D2"), false), QStringLiteral(" 100"));
}

QTEST_GUILESS_MAIN(TestNumericText)
#include "tst_numerictext.moc"
