// The regression: normal equations per coordinate system and degree, the
// solver, and the mean relative error of every fitted equation.

#include "fit/KKAIKI.h"

#include "core/NumericText.h"
#include "fit/KKAIKI_Format.h"
#include "fit/SingleValue.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace tracol::KKAIKI {

namespace {

double transformed(double v, Transform how) {
    switch (how) {
    case Transform::Log:
        return std::log(v);
    case Transform::Reciprocal:
        return 1 / v;
    case Transform::None:
        break;
    }
    return v;
}

// The inverse of transformed: a transformed value back in real units.
double untransformed(double v, Transform how) {
    switch (how) {
    case Transform::Log:
        return std::exp(v);
    case Transform::Reciprocal:
        return 1 / v;
    case Transform::None:
        break;
    }
    return v;
}

} // namespace

void PreparedPoints::assign(const double* x, const double* y, int n) {
    count_ = n < 0 ? 0 : n;
    const size_t size = static_cast<size_t>(count_);
    flags_.assign(size, 0);
    for (size_t i = 0; i < size; ++i) {
        unsigned char f = 0;
        if (x[i] == 0)
            f |= kXZero;
        if (y[i] == 0)
            f |= kYZero;
        if (x[i] <= 0)
            f |= kXNotPositive;
        if (y[i] <= 0)
            f |= kYNotPositive;
        flags_[i] = f;
    }
    for (int system = 1; system <= kSystemCount; ++system) {
        std::vector<Terms>& out = terms_[static_cast<size_t>(system)];
        out.resize(size);
        const Transform xt = xTransformOf(system);
        const Transform yt = yTransformOf(system);
        for (size_t i = 0; i < size; ++i) {
            Terms& p = out[i];
            const double t = transformed(x[i], xt);
            const double u = transformed(y[i], yt);
            p.t[0] = 1;
            p.t[1] = t;
            for (int k = 2; k <= 6; ++k)
                p.t[k] = std::pow(t, k);
            p.u = u;
            p.t3u = p.t[3] * u;
            p.t2u = p.t[2] * u;
            p.tu = t * u;
            p.measured = untransformed(u, yt);
        }
    }
}

void SolveLinearSystem(int n, double* a, double* b) {
    auto at = [a, n](int r, int c) -> double& { return a[(r - 1) * n + c]; };
    for (int k = 1; k <= n; ++k) {
        int pivotRow = k;
        double largest = std::fabs(at(k, k));
        for (int r = k + 1; r <= n; ++r) {
            if (std::fabs(at(r, k)) > largest) {
                largest = std::fabs(at(r, k));
                pivotRow = r;
            }
        }
        if (!(largest > 0))
            return; // singular: b is taken as it stands
        const double pivot = at(pivotRow, k);
        if (pivotRow != k) {
            for (int c = k; c <= n; ++c)
                std::swap(at(k, c), at(pivotRow, c));
            std::swap(b[k], b[pivotRow]);
        }
        for (int c = k; c <= n; ++c)
            at(k, c) = at(k, c) / pivot;
        b[k] = b[k] / pivot;
        if (k < n) {
            for (int r = k + 1; r <= n; ++r) {
                const double factor = at(r, k);
                for (int c = k + 1; c <= n; ++c)
                    at(r, c) = at(r, c) - factor * at(k, c);
                b[r] = b[r] - factor * b[k];
            }
        }
    }
    for (int r = n - 1; r >= 1; --r) {
        for (int c = r + 1; c <= n; ++c)
            b[r] = b[r] - at(r, c) * b[c];
    }
}

namespace {

struct Sums {
    double t[7] = {}; // t[0] = number of points, t[k] = sum of t^k
    double t3u = 0, t2u = 0, tu = 0, u = 0;
};

// Normal equations of degree d, highest power first:
//   A(r, c) = sum t^(2d + 2 - r - c),  B(r) = sum t^(d + 1 - r) u.
void normalEquations(const Sums& s, int degree, double* a, double* b) {
    const int n = degree + 1;
    const double mixed[4] = {s.u, s.tu, s.t2u, s.t3u}; // sum t^k u for k = 0..3
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c)
            a[(r - 1) * n + c] = s.t[2 * degree + 2 - r - c];
        b[r] = mixed[degree + 1 - r];
    }
}

// Mean relative error of the polynomial c[1..d+1] against the points.
//   P = fitted Y in real units, M = measured Y, W = P - M; the reference is
//   the stored transformed Y, or P where |transformed Y| <= 1e-20, turned into
//   real units like M (an exact 0 divides by 1e-30 instead); the error is
//   sum |W / reference| / n.
// No value when a floating-point fault hits the evaluation: a polynomial
// value, a back-transform (exp, reciprocal) or a reference that overflows or
// divides by an exact zero. An infinite reference would otherwise give the
// point a relative deviation of 0 and flatter the candidate.
std::optional<double> meanRelativeError(const PreparedPoints::Terms* points, int count, int degree,
                                        const double* c, Transform yt) {
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        const PreparedPoints::Terms& p = points[i];
        double poly;
        if (degree == 1)
            poly = c[1] * p.t[1] + c[2];
        else if (degree == 2)
            poly = c[1] * p.t[2] + c[2] * p.t[1] + c[3];
        else
            poly = c[1] * p.t[3] + c[2] * p.t[2] + c[3] * p.t[1] + c[4];
        if (!std::isfinite(poly))
            return std::nullopt;
        const double predicted = untransformed(poly, yt);
        const double deviation = predicted - p.measured;
        double reference;
        if (std::fabs(p.u) > 1e-20)
            reference = p.measured; // the stored transformed Y in real units is M itself
        else if (yt == Transform::Log)
            reference = std::exp(predicted);
        else if (yt == Transform::Reciprocal)
            reference = predicted == 0 ? 1e-30 : 1 / predicted;
        else
            reference = predicted == 0 ? 1e-30 : predicted;
        // An infinite reference is the one fault that would not reach the
        // sum; every other one (an infinite prediction, a division by an
        // exact zero, an undefined operation) leaves it infinite or NaN.
        if (!std::isfinite(reference))
            return std::nullopt;
        sum += std::fabs(deviation / reference);
    }
    if (!std::isfinite(sum))
        return std::nullopt;
    return sum / count;
}

// A Ln transform needs values > 0, a reciprocal one values other than 0.
bool transformImpossible(Transform how, bool zero, bool notPositive) {
    switch (how) {
    case Transform::Log:
        return notPositive;
    case Transform::Reciprocal:
        return zero;
    case Transform::None:
        break;
    }
    return false;
}

bool systemImpossible(int system, bool xZero, bool yZero, bool xNotPositive, bool yNotPositive) {
    return transformImpossible(xTransformOf(system), xZero, xNotPositive) ||
           transformImpossible(yTransformOf(system), yZero, yNotPositive);
}

// Whether rounding the coefficients to single moves the polynomial at some
// point by more than a millionth of the size of its terms and of the fitted
// value there: the stored equation would then be another one than the one
// whose error was measured. Only a coefficient the single loses (0 or
// subnormal) can do that, as a C1 of 1e-50 that still counts at X = 1e27.
bool singleChangesEquation(const PreparedPoints::Terms* points, int count, int degree, const double* c,
                           const float* single) {
    for (int i = 0; i < count; ++i) {
        const PreparedPoints::Terms& p = points[i];
        double moved = 0, size = std::fabs(p.u);
        for (int k = 1; k <= degree + 1; ++k) {
            const double power = std::fabs(p.t[degree + 1 - k]);
            moved += std::fabs(c[k] - double(single[k - 1])) * power;
            size += std::fabs(double(single[k - 1])) * power;
        }
        if (!(moved <= 1e-6 * size))
            return true;
    }
    return false;
}

} // namespace

void fitPreparedRange(const PreparedPoints& prepared, int first, int count, const ExcludedFlags& excluded,
                      CandidateTable& table, bool withTexts) {
    table.CandidateCount = 0;
    if (first < 0 || count <= 0 || first + count > prepared.size())
        return;

    bool xZero = false, yZero = false, xNotPositive = false, yNotPositive = false;
    for (int i = first; i < first + count; ++i) {
        xZero = xZero || prepared.xZero(i);
        yZero = yZero || prepared.yZero(i);
        xNotPositive = xNotPositive || prepared.xNotPositive(i);
        yNotPositive = yNotPositive || prepared.yNotPositive(i);
    }

    for (int system = 1; system <= kSystemCount; ++system) {
        if (systemImpossible(system, xZero, yZero, xNotPositive, yNotPositive) ||
            excluded[static_cast<size_t>(system)] == 1)
            continue;
        const PreparedPoints::Terms* points = &prepared.terms(system, first);
        Sums sums;
        sums.t[0] = count;
        for (int i = 0; i < count; ++i) {
            const PreparedPoints::Terms& p = points[i];
            for (int k = 1; k <= 6; ++k)
                sums.t[k] += p.t[k];
            sums.t3u += p.t3u;
            sums.t2u += p.t2u;
            sums.tu += p.tu;
            sums.u += p.u;
        }
        const Transform yt = yTransformOf(system);

        for (int degree = 1; degree <= 3; ++degree) {
            double a[17];
            double c[5] = {};
            normalEquations(sums, degree, a, c);
            SolveLinearSystem(degree + 1, a, c);

            float single[4] = {0, 0, 0, 0};
            bool fault = false, lost = false;
            for (int k = 1; k <= degree + 1; ++k) {
                single[k - 1] = toSingle(c[k]);
                fault = fault || !std::isfinite(c[k]) || !std::isfinite(single[k - 1]);
                lost = lost || (c[k] != 0 && std::fabs(single[k - 1]) < FLT_MIN);
            }
            fault = fault || (lost && singleChangesEquation(points, count, degree, c, single));
            // A floating-point fault (a coefficient the single cannot hold,
            // an overflow or a division by an exact zero in the error) leaves
            // the candidate out: it can never win.
            const std::optional<double> error =
                fault ? std::nullopt : meanRelativeError(points, count, degree, c, yt);
            if (!error)
                continue;

            FitCandidate& candidate = table.Candidates[static_cast<size_t>(++table.CandidateCount)];
            candidate.EqNo = static_cast<qint16>(eqNoOf(system, degree));
            candidate.C1 = single[0];
            candidate.C2 = single[1];
            candidate.C3 = single[2];
            candidate.C4 = single[3];
            candidate.ErrorValue = formattedValue(*error);
            if (withTexts) {
                candidate.ErrorText = FormatCoefficient(*error);
                candidate.EquationText =
                    EquationText(candidate.EqNo, single[0], single[1], single[2], single[3]);
                candidate.ProgramText =
                    ProgramText(candidate.EqNo, single[0], single[1], single[2], single[3]);
            } else {
                candidate.ErrorText.clear();
                candidate.EquationText.clear();
                candidate.ProgramText.clear();
            }
        }
    }
}

void FitAllCandidates(const FitInput& input, const ExcludedFlags& excluded, CandidateTable& table) {
    int n = input.FitInputCount;
    if (n < 0)
        n = 0;
    if (n > kMaxFitPoints)
        n = kMaxFitPoints;
    double x[kMaxFitPoints];
    double y[kMaxFitPoints];
    for (int i = 1; i <= n; ++i) {
        x[i - 1] = numtext::val(input.FitInputX[static_cast<size_t>(i)]);
        y[i - 1] = numtext::val(input.FitInputY[static_cast<size_t>(i)]);
    }
    PreparedPoints prepared;
    prepared.assign(x, y, n);
    fitPreparedRange(prepared, 0, n, excluded, table, true);
}

} // namespace tracol::KKAIKI
