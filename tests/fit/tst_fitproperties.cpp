// Properties of the fitting driver over many random point lists in all seven
// coordinate systems: the lists never show a non-finite number, the stored
// errors are finite and not negative, no stored equation meets a floating-
// point fault on its own points, the sections cover the Line without gaps,
// and the same input always gives the same result. The seed is fixed (set
// TRACOL_FIT_SEED to try another) and every failure names seed and case.

#include "FitTestData.h"
#include "core/NumericText.h"
#include "fit/KKAIKI.h"
#include "fit/Module1.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <cfloat>
#include <cmath>
#include <memory>

using namespace tracol;
using namespace tracol::fittest;

namespace {

size_t at(int i) {
    return static_cast<size_t>(i);
}

constexpr int kCases = 1500;

// A value text of one of the shapes that stress the regression: spans of
// many decades, exact 0 and 1, negative values, repeated values.
QString randomValue(QRandomGenerator& random, int shape, int i, int n) {
    const double u = random.generateDouble();
    switch (shape) {
    case 0: // smooth and positive
        return QString::number(1 + i + u, 'g', 7);
    case 1: // 1 .. 1e29 in even decades, with noise
        return QString::number(std::pow(10.0, 29.0 * i / std::max(1, n - 1)) * (1 + 0.1 * u), 'g', 7);
    case 2: // wild magnitudes of either sign
        return QString::number((u < 0.5 ? -1 : 1) * std::pow(10.0, random.bounded(61) - 30), 'g', 7);
    case 3: // mostly 1 (ln Y = 0 takes the prediction as reference), some 0
        return u < 0.6   ? QStringLiteral("1")
               : u < 0.8 ? QStringLiteral("0")
                         : QString::number(u * 1e6, 'g', 7);
    default: // few distinct values
        return QString::number(random.bounded(3) - 1);
    }
}

struct Case {
    QString description;
    SharedState state;
};

std::unique_ptr<Case> randomCase(QRandomGenerator& random) {
    auto c = std::make_unique<Case>();
    SharedState& s = c->state;
    s.CutoffError = std::array<float, 4>{1e-6f, 0.00076f, 0.01f, 0.3f}[random.bounded(4)];
    s.ErrorMode = static_cast<qint16>(random.bounded(3));
    s.MaxDivisions = static_cast<qint16>(1 + random.bounded(3));
    for (int system = 1; system <= KKAIKI::kSystemCount; ++system)
        s.ExcludedSystems[at(system)] = random.bounded(5) == 0 ? 1 : 0;
    const int lines = 1 + random.bounded(3);
    for (int line = 1; line <= lines; ++line) {
        const int n = 1 + random.bounded(random.bounded(4) == 0 ? 100 : 24);
        const int xShape = random.bounded(5), yShape = random.bounded(5);
        std::vector<Point> points;
        for (int i = 0; i < n; ++i)
            points.push_back({randomValue(random, xShape, i, n), randomValue(random, yShape, i, n)});
        addLine(s, line, points, QString::number(line * 1.5));
        c->description += QStringLiteral(" Line %1: %2 points, X shape %3, Y shape %4;")
                              .arg(line)
                              .arg(n)
                              .arg(xShape)
                              .arg(yShape);
    }
    return c;
}

// Whether the regression's own evaluation of the equation at (x, y) surely
// met a floating-point fault (an overflow or a division by an exact zero).
// The stored coefficients are the fitted ones rounded to single: relative
// error at most 2^-24, and where a single is 0 or subnormal the regression
// keeps the equation only when the rounding moves it by at most a millionth
// of its terms and of the fitted value. So the polynomial value the
// regression computed lies within p +- spread; the fault is certain when both
// ends fault in double range. Worked in long double, whose range holds every
// intermediate value.
bool surelyFaults(int eqNo, const double* c, double x, double y) {
    using KKAIKI::Transform;
    const int system = KKAIKI::systemOf(eqNo);
    const int degree = KKAIKI::degreeOf(eqNo);
    const Transform xt = KKAIKI::xTransformOf(system), yt = KKAIKI::yTransformOf(system);
    const double t = xt == Transform::Log ? std::log(x) : xt == Transform::Reciprocal ? 1 / x : x;
    const double u = yt == Transform::Log ? std::log(y) : yt == Transform::Reciprocal ? 1 / y : y;
    long double p = 0, size = 0;
    bool lost = false;
    for (int k = 0; k <= degree; ++k) {
        const long double term = c[k] * std::pow(static_cast<long double>(t), degree - k);
        p += term;
        size += std::fabs(term);
        lost = lost || std::fabs(c[k]) < FLT_MIN;
    }
    const long double spread = size * 0x1.00001p-24L + (lost ? 1.00001e-6L * (size + std::fabs(u)) : 0);
    if (yt == Transform::Reciprocal && spread > 0 && p - spread <= 0 && p + spread >= 0)
        return false; // a pole inside the interval: nothing is certain
    const long double doubleMax = DBL_MAX;
    auto faults = [&](long double poly) {
        const long double predicted = yt == Transform::Log          ? std::exp(poly)
                                      : yt == Transform::Reciprocal ? 1 / poly
                                                                    : poly;
        long double reference = y;
        if (std::fabs(u) <= 1e-20) {
            if (yt == Transform::Log)
                reference = std::exp(predicted);
            else
                reference = predicted == 0 ? 1e-30L : yt == Transform::Reciprocal ? 1 / predicted : predicted;
        }
        const long double relative = (predicted - y) / reference;
        return !(std::fabs(poly) <= doubleMax) || !(std::fabs(predicted) <= doubleMax) ||
               !(std::fabs(reference) <= doubleMax) || reference == 0 || !(std::fabs(relative) <= doubleMax);
    };
    return faults(p - spread) && faults(p + spread);
}

QString firstNonFiniteText(const SharedState& s) {
    static const QRegularExpression nonFinite(QStringLiteral("nan|inf"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QStringList trace = s.List1;
    for (const QStringList* list : {&trace, &s.List2, &s.List3, &s.List4}) {
        for (const QString& text : *list) {
            if (text.contains(nonFinite))
                return text;
        }
    }
    return {};
}

// Empty when the stored result of every Line keeps the properties, else what failed.
QString brokenProperty(const SharedState& s) {
    const QString shown = firstNonFiniteText(s);
    if (!shown.isEmpty())
        return QStringLiteral("list text ") + shown;
    const FitResultStore& r = s.FitResult;
    for (int k = 1; k <= s.LinesInUse; ++k) {
        const int line = s.LineOrder[at(k)];
        const int count = s.LoadedLineCount[at(line)];
        int firstValid = 0, lastValid = 0;
        for (int i = 1; i <= count; ++i) {
            if (s.PointYText[at(line)][at(i)].trimmed().isEmpty())
                continue;
            firstValid = firstValid == 0 ? i : firstValid;
            lastValid = i;
        }
        const int sections = r.SectionCount[at(line)];
        if (sections < 1 || sections > 3)
            return QStringLiteral("Line %1: %2 sections").arg(line).arg(sections);
        if (r.SectionFirstPoint[1][at(line)] != firstValid ||
            r.SectionLastPoint[at(sections)][at(line)] != lastValid)
            return QStringLiteral("Line %1: sections do not span points %2..%3")
                .arg(line)
                .arg(firstValid)
                .arg(lastValid);
        for (int sec = 1; sec <= sections; ++sec) {
            const float error = r.SectionError[at(sec)][at(line)];
            if (!std::isfinite(error) || error < 0)
                return QStringLiteral("Line %1 section %2: error %3").arg(line).arg(sec).arg(error);
            if (sec < sections &&
                r.SectionLastPoint[at(sec)][at(line)] != r.SectionFirstPoint[at(sec + 1)][at(line)])
                return QStringLiteral("Line %1: gap after section %2").arg(line).arg(sec);
            const int eqNo = r.SectionEqNo[at(sec)][at(line)];
            if (eqNo == 0)
                continue;
            const double c[4] = {r.SectionC1[at(sec)][at(line)], r.SectionC2[at(sec)][at(line)],
                                 r.SectionC3[at(sec)][at(line)], r.SectionC4[at(sec)][at(line)]};
            for (int i = r.SectionFirstPoint[at(sec)][at(line)]; i <= r.SectionLastPoint[at(sec)][at(line)];
                 ++i) {
                const double x = numtext::val(s.PointXText[at(line)][at(i)]);
                const double y = numtext::val(s.PointYText[at(line)][at(i)]);
                if (surelyFaults(eqNo, c, x, y))
                    return QStringLiteral("Line %1 section %2: EqNo %3 faults at point %4")
                        .arg(line)
                        .arg(sec)
                        .arg(eqNo)
                        .arg(i);
            }
        }
    }
    return {};
}

bool sameResult(const SharedState& a, const SharedState& b) {
    const FitResultStore &p = a.FitResult, &q = b.FitResult;
    return a.List1 == b.List1 && a.List2 == b.List2 && a.List3 == b.List3 && a.List4 == b.List4 &&
           p.SectionCount == q.SectionCount && p.SectionFirstPoint == q.SectionFirstPoint &&
           p.SectionLastPoint == q.SectionLastPoint && p.SectionEqNo == q.SectionEqNo &&
           p.SectionError == q.SectionError && p.SectionC1 == q.SectionC1 && p.SectionC2 == q.SectionC2 &&
           p.SectionC3 == q.SectionC3 && p.SectionC4 == q.SectionC4 &&
           p.SectionProgramText == q.SectionProgramText;
}

} // namespace

class TestFitProperties : public QObject {
    Q_OBJECT
  private slots:
    void randomLinesKeepTheProperties();
};

void TestFitProperties::randomLinesKeepTheProperties() {
    bool seedGiven = false;
    const int given = qEnvironmentVariableIntValue("TRACOL_FIT_SEED", &seedGiven);
    const quint32 seed = seedGiven ? quint32(given) : 20250613u;
    QRandomGenerator random(seed);
    for (int n = 1; n <= kCases; ++n) {
        const std::unique_ptr<Case> c = randomCase(random);
        // A copy of the input before the driver sorts it, for the second run.
        const auto again = std::make_unique<SharedState>(c->state);
        const QString where = QStringLiteral("seed %1, case %2:%3").arg(seed).arg(n).arg(c->description);
        QVERIFY2(Module1::RunComputation(c->state), qPrintable(where));
        const QString broken = brokenProperty(c->state);
        QVERIFY2(broken.isEmpty(), qPrintable(where + QStringLiteral(" ") + broken));
        if (n % 10 == 0) {
            QVERIFY2(Module1::RunComputation(*again), qPrintable(where));
            QVERIFY2(sameResult(c->state, *again),
                     qPrintable(where + QStringLiteral(" differs on a second run")));
        }
    }
}

QTEST_GUILESS_MAIN(TestFitProperties)
#include "tst_fitproperties.moc"
