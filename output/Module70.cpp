#include "output/Module70.h"

#include "core/NumericText.h"
#include "fit/KKAIKI.h"
#include "fit/SingleValue.h"

#include <algorithm>
#include <cmath>

namespace tracol::Module70 {

namespace {

constexpr float kTiny = 1e-30f;     // the Single nearest 10^-30
constexpr float kHuge = 1e30f;      // the Single nearest 10^30
constexpr int kCurveSlots = 500;    // CurveX / CurveY slots 1..500
constexpr float kNoMinimum = 1e20f; // start of the running Y extent

// p(t) = a t^d + ... with the powers taken by the general power function and
// the sum kept in extended precision.
long double polynomial(int degree, double a, double b, double c, double d, long double t) {
    switch (degree) {
    case 1:
        return a * t + b;
    case 2:
        return a * std::pow(t, 2.0L) + b * t + c;
    default:
        return a * std::pow(t, 3.0L) + b * std::pow(t, 2.0L) + c * t + d;
    }
}

// One curve point, or none when a guard or a numeric fault drops it.
struct CurvePoint {
    float x = 0;
    float y = 0;
};

// Y at x by the kind's row with the sampler's guards (`linear` = linear X
// stepping, otherwise geometric).
std::optional<CurvePoint> guardedPoint(int kind, const double* k, float x, bool linear) {
    const int system = KKAIKI::systemOf(kind);
    const int degree = KKAIKI::degreeOf(kind);
    const auto p = [&](long double t) { return polynomial(degree, k[0], k[1], k[2], k[3], t); };
    float storedX = x;
    long double y = 0;

    switch (system) {
    case 1:
        y = p(x);
        break;
    case 2:
        if (linear && x <= 0)
            return std::nullopt;
        y = p(std::log(static_cast<long double>(x)));
        break;
    case 3:
    case 4: {
        if (system == 4 && x <= 0)
            return std::nullopt;
        const long double t = system == 4 ? std::log(static_cast<long double>(x)) : x;
        const float u = static_cast<float>(p(t));
        const float limit = linear ? 30.0f : 50.0f; // the two steppings differ on purpose
        if (!(u > -limit && u < limit))
            return std::nullopt;
        y = std::exp(static_cast<long double>(u));
        break;
    }
    case 5: {
        long double at = x;
        if (linear && x == 0) {
            if (kind != 15)
                return std::nullopt;
            // Kind 15 draws its pole at X0 = (a / e^30)^(1/3), where a / X^3 = e^30.
            const double x0 = std::pow(k[0] / std::exp(30.0), 1.0 / 3.0);
            storedX = static_cast<float>(x0);
            at = x0;
        }
        y = p(1.0L / at);
        break;
    }
    case 6: {
        float v = static_cast<float>(p(x));
        if (v == 0)
            v = kTiny;
        y = 1.0L / v;
        break;
    }
    default: { // 7: 1/X - 1/Y
        if (linear && x == 0) {
            x = kTiny;
            storedX = x;
        }
        long double v = p(1.0L / static_cast<long double>(x));
        if (kind == 19 && linear && v == 0)
            v = kTiny;
        if (kind == 20 && !linear && v == 0)
            v = kTiny;
        if (((kind == 20 && linear) || kind == 21) && v > static_cast<long double>(kHuge))
            v = kHuge;
        y = 1.0L / v;
        break;
    }
    }

    const float single = static_cast<float>(y);
    if (!std::isfinite(single) || !std::isfinite(storedX))
        return std::nullopt; // a fault no guard catches drops the point
    return CurvePoint{storedX, single};
}

} // namespace

std::optional<double> equationY(int kind, double a, double b, double c, double d, double x) {
    if (kind < 1 || kind > 21)
        return std::nullopt;
    const int system = KKAIKI::systemOf(kind);
    const KKAIKI::Transform xTransform = KKAIKI::xTransformOf(system);
    const KKAIKI::Transform yTransform = KKAIKI::yTransformOf(system);
    long double t = x;
    if (xTransform == KKAIKI::Transform::Log) {
        if (x <= 0)
            return std::nullopt;
        t = std::log(static_cast<long double>(x));
    } else if (xTransform == KKAIKI::Transform::Reciprocal) {
        if (x == 0)
            return std::nullopt;
        t = 1.0L / x;
    }
    const long double u = polynomial(KKAIKI::degreeOf(kind), a, b, c, d, t);
    long double y = u;
    if (yTransform == KKAIKI::Transform::Log)
        y = std::exp(u);
    else if (yTransform == KKAIKI::Transform::Reciprocal) {
        if (u == 0)
            return std::nullopt;
        y = 1.0L / u;
    }
    const double result = static_cast<double>(y);
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

QString SheetFormulaText(qint16 kind, float a, float b, float c, float d) {
    if (kind < 1 || kind > 21)
        return {};
    const int system = KKAIKI::systemOf(kind);
    const int degree = KKAIKI::degreeOf(kind);

    // X terms of the powers 3, 2, 1 by the kind's X transform.
    static const QString kTerms[3][3] = {
        {QStringLiteral("*$B$1^3"), QStringLiteral("*$B$1^2"), QStringLiteral("*$B$1")},
        {QStringLiteral("*LN($B$1)^3"), QStringLiteral("*LN($B$1)^2"), QStringLiteral("*LN($B$1)")},
        {QStringLiteral("*(1/$B$1)^3"), QStringLiteral("*(1/$B$1)^2"), QStringLiteral("*(1/$B$1)")},
    };
    const QString* terms = kTerms[static_cast<size_t>(KKAIKI::xTransformOf(system))];

    const KKAIKI::Transform yTransform = KKAIKI::yTransformOf(system);
    QString text = QStringLiteral("=");
    if (yTransform == KKAIKI::Transform::Log)
        text += QStringLiteral("EXP(");
    else if (yTransform == KKAIKI::Transform::Reciprocal)
        text += QStringLiteral("1/(");

    const float coefficients[4] = {a, b, c, d};
    for (int i = 0; i <= degree; ++i) {
        const QString untrimmed = numtext::generalText(coefficients[i]);
        // Sign rule: the coefficient's own "-" serves; otherwise a "+" joins it.
        if (i > 0 && !untrimmed.left(2).contains(u'-'))
            text += u'+';
        text += untrimmed.trimmed();
        const int power = degree - i;
        if (power > 0)
            text += terms[3 - power];
    }
    if (yTransform != KKAIKI::Transform::None)
        text += u')';
    return text;
}

void setUpSectionCurve(SharedState& state, int line, int section) {
    if (line < 1 || line > kLineCount || section < 1 || section > 3)
        return;
    const FitResultStore& fit = state.FitResult;
    const qint16 kind = fit.SectionEqNo[section][line];
    state.CurveKind = kind;
    state.CurveLine = static_cast<qint16>(line);
    state.CurveSection = static_cast<qint16>(section);
    if (kind >= 0 && kind <= 50) {
        const bool threeOrMore = kind >= 1 && kind <= 21 && KKAIKI::degreeOf(kind) >= 2;
        state.CoefA[kind] = fit.SectionC1[section][line];
        state.CoefB[kind] = fit.SectionC2[section][line];
        state.CoefC[kind] = threeOrMore ? fit.SectionC3[section][line] : 0.0f;
        state.CoefD[kind] = threeOrMore ? fit.SectionC4[section][line] : 0.0f;
    }
    const int first = fit.SectionFirstPoint[section][line];
    const int last = fit.SectionLastPoint[section][line];
    if (first < 1 || first > kMaxLinePoints || last < 1 || last > kMaxLinePoints)
        return;
    const float xFirst = toSingle(numtext::val(state.PointXText[line][first]));
    const float xLast = toSingle(numtext::val(state.PointXText[line][last]));
    if (xFirst != xLast) {
        state.SectionXStart = xFirst;
        state.SectionXEnd = xLast;
    }
}

void SampleSectionCurve(SharedState& state) {
    if (state.CurveSteps != 29)
        state.CurveSteps = 299;
    const int steps = state.CurveSteps;
    state.CurvePointCount = 0;
    float yMin = kNoMinimum;
    float yMax = -kNoMinimum;
    const float start = state.SectionXStart;
    const float end = state.SectionXEnd;
    if (start <= 0)
        state.PlotLogX = false; // stays off: the plot then draws X linearly
    const bool linear = !state.PlotLogX;

    const auto widen = [&](float y) {
        yMin = std::min(yMin, y);
        yMax = std::max(yMax, y);
    };

    // The section's own data points within the range widen the extent too.
    const int line = state.CurveLine;
    const int section = state.CurveSection;
    if (line >= 1 && line <= kLineCount && section >= 1 && section <= 3) {
        const int first = std::max<int>(1, state.FitResult.SectionFirstPoint[section][line]);
        const int last = std::min<int>(kMaxLinePoints, state.FitResult.SectionLastPoint[section][line]);
        for (int j = first; j <= last; ++j) {
            const float x = toSingle(numtext::val(state.PointXText[line][j]));
            const float y = toSingle(numtext::val(state.PointYText[line][j]));
            if (x >= start && x <= end)
                widen(y);
        }
    }

    const int kind = state.CurveKind;
    // A range that is empty (or not a number) gives no curve points.
    if (kind >= 1 && kind <= 21 && start < end) {
        const double coefficients[4] = {state.CoefA[kind], state.CoefB[kind], state.CoefC[kind],
                                        state.CoefD[kind]};
        const auto keep = [&](float x) {
            const auto point = guardedPoint(kind, coefficients, x, linear);
            if (!point)
                return;
            widen(point->y);
            ++state.CurvePointCount;
            state.CurveX[state.CurvePointCount] = point->x;
            state.CurveY[state.CurvePointCount] = point->y;
        };
        if (linear) {
            // X := X + s in single precision while X <= end: up to N + 1 values.
            const float step = (end - start) / static_cast<float>(steps);
            float x = start;
            while (x <= end && state.CurvePointCount < kCurveSlots) {
                keep(x);
                const float next = x + step;
                if (!(next > x))
                    break; // a step lost in the rounding of X would never end
                x = next;
            }
        } else {
            // X = start * e^(k d), d = ln(end / start) / N; start itself is not produced.
            const float ratio = end / start;
            const float d = static_cast<float>(std::log(static_cast<double>(ratio)) / steps);
            for (int k = 1; k <= kCurveSlots && state.CurvePointCount < kCurveSlots; ++k) {
                const float t = static_cast<float>(k) * d;
                const float x =
                    static_cast<float>(static_cast<double>(start) * std::exp(static_cast<double>(t)));
                if (!(x <= end))
                    break;
                keep(x);
            }
        }
    }

    state.SectionYMin = yMin;
    state.SectionYMax = yMax;
}

} // namespace tracol::Module70
