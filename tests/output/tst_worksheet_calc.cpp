// The worksheet computed by a real spreadsheet: worksheets written by the
// program are opened in LibreOffice Calc (headless), which evaluates their
// formulas and saves the computed cells as CSV. B4 must equal a direct
// evaluation of the fitted equations at B1 and of the Parameter interpolation
// at B2; D4 says "OK" inside the sections and "NG" (B4 "範囲外") outside.
//
// All sheets of the test are converted in one run of the spreadsheet, with its
// own user profile and HOME in a temporary folder.

#include "OutputFixtures.h"
#include "data/DataSetPreparation.h"
#include "fit/Conditions.h"
#include "fit/Module1.h"
#include "output/Module70.h"
#include "output/Worksheet.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <map>

using namespace tracol;
using testing::FixtureSection;

namespace {

constexpr double kStart = std::numeric_limits<double>::quiet_NaN(); // keep the value the program wrote

// Points of every Line, deliberately not in X order.
const std::vector<double> kShuffledX{5.0, 1.2, 9.6, 3.1, 7.7, 1.9, 4.4, 8.1, 2.5, 6.3};
// Their ascending order is 1.2 1.9 2.5 3.1 4.4 5.0 6.3 7.7 8.1 9.6.

// Quadratic dependence on the Parameter used by the four-Line sheet, so that
// the interpolation is exact: Y = a(P) X + b(P).
double slopeAt(double p) {
    return 0.5 + 0.1 * p + 0.02 * p * p;
}
double interceptAt(double p) {
    return 1.0 - 0.3 * p;
}

void addCurve(SharedState& state, int line, double parameter, const std::vector<FixtureSection>& sections) {
    testing::addLine(state, line, numtext::trimmedText(static_cast<float>(parameter)), kShuffledX, kShuffledX,
                     sections);
}

// One Line with three sections of different kinds.
SharedState oneLine() {
    SharedState state;
    addCurve(state, 1, 7.5,
             {{1, 0.8f, -0.3f, 0, 0, 1, 4},
              {5, 0.2f, 1.1f, -0.4f, 0, 4, 7},
              {9, 0.001f, -0.02f, 0.15f, 0.5f, 7, 10}});
    return state;
}

// Two Lines entered in descending Parameter order, two sections and one.
SharedState twoLines() {
    SharedState state;
    addCurve(state, 1, 20, {{13, 2.5f, 3.0f, 0, 0, 1, 5}, {17, 0.002f, -0.01f, 0.2f, 0, 5, 10}});
    addCurve(state, 2, 10, {{4, 3.0f, 1.0f, 0, 0, 1, 10}});
    return state;
}

// Four Lines entered in descending Parameter order (40, 30, 20, 10).
SharedState fourLinesDescending() {
    SharedState state;
    const double parameters[4] = {40, 30, 20, 10};
    for (int line = 1; line <= 4; ++line) {
        const double p = parameters[line - 1];
        const float a = static_cast<float>(slopeAt(p));
        const float b = static_cast<float>(interceptAt(p));
        addCurve(state, line, p, {{1, a, b, 0, 0, 1, 4}, {1, a, b, 0, 0, 4, 7}, {1, a, b, 0, 0, 7, 10}});
    }
    return state;
}

// Six Lines whose Parameter texts sort differently as texts ("10" < "9").
SharedState sixLines() {
    SharedState state;
    const double parameters[6] = {9, 10, 2, 15, 0.5, 12}; // 0.5 is written " .5"
    for (int line = 1; line <= 6; ++line) {
        const double p = parameters[line - 1];
        addCurve(state, line, p,
                 {{2, static_cast<float>(0.01 * p), 0.5f, static_cast<float>(p / 10), 0, 1, 4},
                  {8, -0.01f, static_cast<float>(0.1 + 0.005 * p), 1.0f, 0, 4, 7},
                  {20, 0.5f, 0.1f, static_cast<float>(0.05 + 0.001 * p), 0, 7, 10}});
    }
    return state;
}

// Four Lines entered in descending Parameter order and fitted by the real
// computation (standard conditions: X-Y polynomials, up to three sections).
SharedState computedLines() {
    SharedState state;
    Conditions::setStandardValues(state);
    const double parameters[4] = {30, 20, 10, 5};
    for (int line = 1; line <= 4; ++line) {
        const double p = parameters[line - 1];
        QString points;
        for (int i = 1; i <= 12; ++i) {
            const double x = 0.75 * i;
            const double y = (1 + p / 10) * std::exp(0.45 * x) + 0.05 * x * x;
            points += QStringLiteral("%1,%2\r\n").arg(x).arg(y, 0, 'g', 7);
        }
        state.LineBox[line] = points;
        state.LineParameter[line] = QString::number(p);
        countLinePoints(state, line);
    }
    if (!prepareComputation(state).ok())
        return {};
    Module1::checkParameters(state);
    Module1::Hooks hooks;
    hooks.buildTrace = false;
    Module1::RunComputation(state, hooks);
    return state;
}

SharedState setupFor(int setup) {
    switch (setup) {
    case 0:
        return computedLines();
    case 1:
        return oneLine();
    case 2:
        return twoLines();
    case 4:
        return fourLinesDescending();
    default:
        return sixLines();
    }
}

// ---- Direct evaluation ------------------------------------------------------

struct DirectSection {
    int kind;
    double c[4];
    double lower, upper; // as the sheet compares them (widened ends included)
};
struct DirectLine {
    double parameter;
    std::vector<DirectSection> sections;
};

double asWritten(float value) {
    return numtext::val(numtext::trimmedText(value));
}

std::vector<DirectLine> directLines(const SharedState& state) {
    std::vector<DirectLine> lines;
    for (int line = 1; line <= state.LinesInUse; ++line) {
        std::vector<float> x;
        for (int j = 1; j <= state.LoadedLineCount[line]; ++j)
            x.push_back(static_cast<float>(numtext::val(state.PointXText[line][j])));
        std::sort(x.begin(), x.end());
        DirectLine direct{asWritten(static_cast<float>(numtext::val(state.LineParameter[line]))), {}};
        const int count = state.FitResult.SectionCount[line];
        for (int s = 1; s <= count; ++s) {
            const FitResultStore& fit = state.FitResult;
            double lower = asWritten(x[fit.SectionFirstPoint[s][line] - 1]);
            double upper = asWritten(x[fit.SectionLastPoint[s][line] - 1]);
            if (s == 1)
                lower *= 0.95;
            if (s == count && count > 1)
                upper *= 1.05;
            direct.sections.push_back({fit.SectionEqNo[s][line],
                                       {fit.SectionC1[s][line], fit.SectionC2[s][line],
                                        fit.SectionC3[s][line], fit.SectionC4[s][line]},
                                       lower,
                                       upper});
        }
        lines.push_back(direct);
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const DirectLine& a, const DirectLine& b) { return a.parameter < b.parameter; });
    return lines;
}

// The Line's Y at x from the section that holds x, if any.
std::optional<double> lineY(const DirectLine& line, double x) {
    for (const DirectSection& s : line.sections)
        if (x > s.lower && x <= s.upper)
            return Module70::equationY(s.kind, s.c[0], s.c[1], s.c[2], s.c[3], x);
    return std::nullopt;
}

// Least-squares polynomial of degree 1 or 2 through (p, y), evaluated at at.
std::optional<double> fitAndEvaluate(const std::vector<std::pair<double, double>>& points, int degree,
                                     double at) {
    const int n = degree + 1;
    if (static_cast<int>(points.size()) < n)
        return std::nullopt;
    double a[3][4] = {};
    for (const auto& [p, y] : points)
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c)
                a[r][c] += std::pow(p, 2 * degree - r - c);
            a[r][n] += std::pow(p, degree - r) * y;
        }
    for (int k = 0; k < n; ++k) { // Gauss-Jordan elimination with partial pivoting
        int pivot = k;
        for (int r = k + 1; r < n; ++r)
            if (std::fabs(a[r][k]) > std::fabs(a[pivot][k]))
                pivot = r;
        std::swap(a[k], a[pivot]);
        if (a[k][k] == 0)
            return std::nullopt;
        for (int r = 0; r < n; ++r)
            if (r != k) {
                const double f = a[r][k] / a[k][k];
                for (int c = k; c <= n; ++c)
                    a[r][c] -= f * a[k][c];
            }
    }
    double value = 0;
    for (int r = 0; r < n; ++r)
        value += a[r][n] / a[r][r] * std::pow(at, degree - r);
    return value;
}

// B4 by direct evaluation: one Line gives its Y; two Lines the straight line
// through both; more Lines the least-squares parabola over the two Lines below
// and the two above B2 (the Lines nearest B2 in Parameter order).
std::optional<double> directB4(const SharedState& state, double b1, double b2) {
    const std::vector<DirectLine> lines = directLines(state);
    const int count = static_cast<int>(lines.size());
    if (count == 1)
        return lineY(lines[0], b1);
    if (b2 < lines.front().parameter || b2 > lines.back().parameter)
        return std::nullopt;
    int below = 0; // the Line whose Parameter interval [P(j), P(j+1)) holds B2
    while (below + 2 < count && b2 >= lines[below + 1].parameter)
        ++below;
    const int from = count == 2 ? 0 : std::max(0, below - 1);
    const int to = count == 2 ? 1 : std::min(count - 1, below + 2);
    std::vector<std::pair<double, double>> points;
    for (int i = from; i <= to; ++i)
        if (const auto y = lineY(lines[i], b1))
            points.emplace_back(lines[i].parameter, *y);
    return fitAndEvaluate(points, count == 2 ? 1 : 2, b2);
}

// ---- The spreadsheet ---------------------------------------------------------

QString spreadsheetProgram() {
    for (const char* name : {"soffice", "libreoffice"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

// Opens every file in Calc with formulas evaluated (CSV import: comma,
// double quote, code page 932, English number format, token 13 "evaluate
// formulas") and saves the computed values as UTF-8 CSV into outDir.
bool evaluateInSpreadsheet(const QString& program, const QString& workDir, const QStringList& files,
                           const QString& outDir, QString* log) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), workDir + QStringLiteral("/home"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments{
        QStringLiteral("-env:UserInstallation=") +
            QUrl::fromLocalFile(workDir + QStringLiteral("/profile")).toString(),
        QStringLiteral("--headless"),
        QStringLiteral("--norestore"),
        QStringLiteral("--nolockcheck"),
        QStringLiteral("--infilter=CSV:44,34,60,1,,1033,false,false,false,false,false,-1,true"),
        QStringLiteral("--convert-to"),
        QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false"),
        QStringLiteral("--outdir"),
        outDir};
    arguments << files;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(5 * 60 * 1000);
    *log = QString::fromLocal8Bit(process.readAll());
    if (!finished) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit;
}

QStringList readLines(const QString& path, const char* encoding) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder decoder(encoding);
    QString text = decoder.decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

bool writeLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QStringEncoder encoder("windows-31j");
    return file.write(encoder.encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))) > 0;
}

QString quotedRow(const QStringList& cells) {
    QStringList out;
    for (QString cell : cells)
        out << u'"' + cell.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return out.join(u',');
}

// The cases: a worksheet setup, the B1 and B2 typed into the sheet (kStart:
// the program's starting value) and whether D4 must say OK.
struct SheetCase {
    const char* name;
    int setup; // 1, 2, 4 or 6 Lines; 0 four Lines fitted by the computation
    double b1;
    double b2;
    bool inside;
};

const SheetCase kCases[] = {
    {"one Line, start values", 1, kStart, kStart, true},
    {"one Line, B1 in section 1", 1, 2.0, kStart, true},
    {"one Line, B1 in section 3 near its widened end", 1, 10.0, kStart, true},
    {"one Line, B1 at a section boundary", 1, 3.1, kStart, true},
    {"one Line, B1 below the sections", 1, 1.0, kStart, false},
    {"one Line, B1 above the sections", 1, 11.0, kStart, false},
    {"two Lines, start values", 2, kStart, kStart, true},
    {"two Lines, B1 and B2 edited", 2, 6.9, 11.25, true},
    {"two Lines, B2 at the smaller Parameter", 2, 4.0, 10, true},
    {"two Lines, B2 at the larger Parameter", 2, 2.2, 20, true},
    {"two Lines, B1 outside", 2, 0.5, kStart, false},
    {"two Lines, B2 above the Parameters", 2, 4.0, 25, false},
    {"four Lines descending, start values", 4, kStart, kStart, true},
    {"four Lines descending, B2 near the smallest", 4, 8.4, 12.5, true},
    {"four Lines descending, B2 at the largest", 4, 3.3, 40, true},
    {"four Lines descending, B2 at an inner Parameter", 4, 1.5, 30, true},
    {"four Lines descending, B1 below", 4, 1.0, kStart, false},
    {"four Lines descending, B2 below the Parameters", 4, 5.0, 5, false},
    {"six Lines, start values", 6, kStart, kStart, true},
    {"six Lines, B2 between 9 and 10", 6, 5.5, 9.5, true},
    {"six Lines, B2 between 12 and 15", 6, 8.8, 13.7, true},
    {"six Lines, B2 at 2", 6, 2.0, 2, true},
    {"six Lines, B2 at the smallest", 6, 4.1, 0.5, true},
    {"six Lines, B1 above", 6, 10.2, 7, false},
    {"computed four Lines, start values", 0, kStart, kStart, true},
    {"computed four Lines, B1 and B2 edited", 0, 2.2, 7.5, true},
    {"computed four Lines, B2 at the largest", 0, 6.6, 30, true},
    {"computed four Lines, B1 below", 0, 0.6, kStart, false},
};

// The 21 formula kinds with two coefficient sets at X = 2.5, and at X = -1.5.
const float kCoefficientSets[2][4] = {{0.12f, -0.5f, 0.03f, 1.5f}, {1.5e-5f, -2.5e-7f, 0.125f, -0.875f}};
const double kFormulaX[2] = {2.5, -1.5};

QString numberCell(double value) {
    return numtext::generalText(static_cast<float>(value));
}

} // namespace

class TestWorksheetInSpreadsheet : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void worksheet_data();
    void worksheet();
    void analyticInterpolation_data();
    void analyticInterpolation();
    void formulaKinds_data();
    void formulaKinds();
    void computedSetupIsSplit();

  private:
    QTemporaryDir work_;
    std::map<QString, std::vector<QStringList>> computed_;  // file name -> computed rows
    std::map<QString, std::pair<double, double>> usedB1B2_; // case -> B1, B2 in the sheet
};

void TestWorksheetInSpreadsheet::initTestCase() {
    const QString program = spreadsheetProgram();
    if (program.isEmpty())
        QSKIP("LibreOffice Calc (soffice) is not installed; tools/test.sh installs libreoffice-calc-nogui");
    QVERIFY(work_.isValid());
    const QString batch = work_.filePath(QStringLiteral("batch"));
    const QString out = work_.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(batch) && QDir().mkpath(out));
    QStringList files;

    int index = 0;
    for (const SheetCase& sheetCase : kCases) {
        const QString folder = work_.filePath(QStringLiteral("sheet%1").arg(index));
        QVERIFY(QDir().mkpath(folder));
        const WorksheetWriteResult written = WriteWorksheet(setupFor(sheetCase.setup), folder);
        QVERIFY2(written.ok, qPrintable(written.errorText));
        // Type B1 and B2 into the sheet the program wrote.
        QStringList lines = readLines(written.path, "windows-31j");
        QStringList row1 = testing::splitCsvLine(lines[0]);
        QStringList row2 = testing::splitCsvLine(lines[1]);
        if (!std::isnan(sheetCase.b1))
            row1[1] = numberCell(sheetCase.b1);
        if (!std::isnan(sheetCase.b2))
            row2[1] = numberCell(sheetCase.b2);
        lines[0] = quotedRow(row1);
        lines[1] = quotedRow(row2);
        usedB1B2_[QString::fromUtf8(sheetCase.name)] = {numtext::val(row1[1]), numtext::val(row2[1])};
        const QString file = QDir(batch).filePath(QStringLiteral("case%1.csv").arg(index));
        QVERIFY(writeLines(file, lines));
        files << file;
        ++index;
    }

    for (int set = 0; set < 2; ++set) {
        QStringList lines{quotedRow({QStringLiteral("X="), numberCell(kFormulaX[set])})};
        for (int kind = 1; kind <= 21; ++kind)
            for (const auto& k : kCoefficientSets)
                lines << quotedRow(
                    {Module70::SheetFormulaText(static_cast<qint16>(kind), k[0], k[1], k[2], k[3])});
        const QString file = QDir(batch).filePath(QStringLiteral("kinds%1.csv").arg(set));
        QVERIFY(writeLines(file, lines));
        files << file;
    }

    QString log;
    QVERIFY2(evaluateInSpreadsheet(program, work_.path(), files, out, &log), qPrintable(log));
    for (const QString& file : files) {
        const QString name = QFileInfo(file).fileName();
        const QStringList lines = readLines(QDir(out).filePath(name), "UTF-8");
        QVERIFY2(!lines.isEmpty(), qPrintable(name + QStringLiteral(" was not converted:\n") + log));
        computed_[name] = testing::splitCsv(lines);
    }
}

void TestWorksheetInSpreadsheet::worksheet_data() {
    QTest::addColumn<int>("index");
    int index = 0;
    for (const SheetCase& sheetCase : kCases)
        QTest::newRow(sheetCase.name) << index++;
}

void TestWorksheetInSpreadsheet::worksheet() {
    QFETCH(int, index);
    const SheetCase& sheetCase = kCases[index];
    const auto& rows = computed_.at(QStringLiteral("case%1.csv").arg(index));
    const auto [b1, b2] = usedB1B2_.at(QString::fromUtf8(sheetCase.name));
    const std::optional<double> expected = directB4(setupFor(sheetCase.setup), b1, b2);
    QCOMPARE(expected.has_value(), sheetCase.inside); // the case table and the direct evaluation agree

    const QString b4 = testing::cellAt(rows, 4, 2);
    const QString d4 = testing::cellAt(rows, 4, 4);
    if (!sheetCase.inside) {
        QCOMPARE(d4, QStringLiteral("NG"));
        QCOMPARE(b4, QStringLiteral("範囲外"));
        return;
    }
    QCOMPARE(d4, QStringLiteral("OK"));
    bool isNumber = false;
    const double value = b4.toDouble(&isNumber);
    QVERIFY2(isNumber, qPrintable(b4));
    const double tolerance = 2e-6 * std::max(1.0, std::fabs(*expected));
    QVERIFY2(
        std::fabs(value - *expected) <= tolerance,
        qPrintable(QStringLiteral("B4 %1, direct %2").arg(value, 0, 'g', 12).arg(*expected, 0, 'g', 12)));
}

void TestWorksheetInSpreadsheet::analyticInterpolation_data() {
    QTest::addColumn<int>("index");
    int index = 0;
    for (const SheetCase& sheetCase : kCases) {
        if (sheetCase.setup == 4 && sheetCase.inside)
            QTest::newRow(sheetCase.name) << index;
        ++index;
    }
}

// Where Y depends quadratically on the Parameter, the sheet's parabola is
// exact: B4 = a(B2) B1 + b(B2), up to the Single coefficients.
void TestWorksheetInSpreadsheet::analyticInterpolation() {
    QFETCH(int, index);
    const SheetCase& sheetCase = kCases[index];
    const auto [b1, b2] = usedB1B2_.at(QString::fromUtf8(sheetCase.name));
    const double exact = slopeAt(b2) * b1 + interceptAt(b2);
    const double value =
        testing::cellAt(computed_.at(QStringLiteral("case%1.csv").arg(index)), 4, 2).toDouble();
    QVERIFY2(std::fabs(value - exact) <= 1e-5 * std::max(1.0, std::fabs(exact)),
             qPrintable(QStringLiteral("B4 %1, exact %2").arg(value, 0, 'g', 12).arg(exact, 0, 'g', 12)));
}

void TestWorksheetInSpreadsheet::formulaKinds_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("coefficients");
    for (int set = 0; set < 2; ++set)
        for (int kind = 1; kind <= 21; ++kind)
            for (int k = 0; k < 2; ++k)
                QTest::addRow("X=%g kind %d set %d", kFormulaX[set], kind, k) << set << kind << k;
}

// Every kind's formula text computes in the spreadsheet what the program
// computes for that kind; where the equation is undefined, both fail.
void TestWorksheetInSpreadsheet::formulaKinds() {
    QFETCH(int, set);
    QFETCH(int, kind);
    QFETCH(int, coefficients);
    const auto& rows = computed_.at(QStringLiteral("kinds%1.csv").arg(set));
    const QString cell = testing::cellAt(rows, 2 + 2 * (kind - 1) + coefficients, 1);
    const float* k = kCoefficientSets[coefficients];
    const std::optional<double> expected = Module70::equationY(kind, k[0], k[1], k[2], k[3], kFormulaX[set]);
    bool isNumber = false;
    const double value = cell.toDouble(&isNumber);
    QCOMPARE(isNumber, expected.has_value());
    if (expected)
        QVERIFY2(
            std::fabs(value - *expected) <= 1e-6 * std::max(1e-3, std::fabs(*expected)),
            qPrintable(
                QStringLiteral("sheet %1, program %2").arg(value, 0, 'g', 12).arg(*expected, 0, 'g', 12)));
}

// The computed sheet is only a real check when the computation split the
// Lines into sections with equations.
void TestWorksheetInSpreadsheet::computedSetupIsSplit() {
    const SharedState state = computedLines();
    QCOMPARE(state.LinesInUse, qint16(4));
    int sections = 0;
    for (int line = 1; line <= 4; ++line) {
        for (int s = 1; s <= state.FitResult.SectionCount[line]; ++s)
            QVERIFY(state.FitResult.SectionEqNo[s][line] >= 1);
        sections += state.FitResult.SectionCount[line];
    }
    QVERIFY2(sections > 4, qPrintable(QString::number(sections)));
}

QTEST_GUILESS_MAIN(TestWorksheetInSpreadsheet)
#include "tst_worksheet_calc.moc"
