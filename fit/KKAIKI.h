#pragma once
// The regression module: least-squares polynomials of degree 1..3 in seven
// coordinate systems, their mean relative error against the measured points,
// and the display and assignment-statement texts of every equation.
//
// Coordinate systems, in the order candidates are produced:
//   1 A  X      - Y       4 D  Ln(X) - Ln(Y)    6 F  X   - 1/Y
//   2 B  Ln(X)  - Y       5 E  1/X   - Y        7 G  1/X - 1/Y
//   3 C  X      - Ln(Y)
// EqNo = (system - 1) * 3 + degree, 1..21; 0 means "no equation".
// Coefficients C1..C4 are highest power first; the last one is the constant.
//
// The sorts of this module live in fit/KKAIKI_Sort.h.

#include "fit/KKAIKI_Sort.h"

#include <QString>

#include <array>
#include <vector>

namespace tracol::KKAIKI {

constexpr int kSystemCount = 7;
constexpr int kMaxEqNo = 21;
constexpr int kMaxFitPoints = 100;

// Flags 1..7 (index 0 unused), 1 = coordinate system excluded; the same layout
// as SharedState::ExcludedSystems (extra elements are ignored).
using ExcludedFlags = std::array<qint16, 11>;

inline int systemOf(int eqNo) {
    return (eqNo - 1) / 3 + 1;
}
inline int degreeOf(int eqNo) {
    return (eqNo - 1) % 3 + 1;
}
inline int eqNoOf(int system, int degree) {
    return (system - 1) * 3 + degree;
}

// How a coordinate system transforms X and Y before the fit; the values are
// the digits of the status code.
enum class Transform { None = 0, Log = 1, Reciprocal = 2 };
inline Transform xTransformOf(int system) {
    switch (system) {
    case 2:
    case 4:
        return Transform::Log;
    case 5:
    case 7:
        return Transform::Reciprocal;
    default:
        return Transform::None;
    }
}
inline Transform yTransformOf(int system) {
    switch (system) {
    case 3:
    case 4:
        return Transform::Log;
    case 6:
    case 7:
        return Transform::Reciprocal;
    default:
        return Transform::None;
    }
}

// "200".."422": number of coefficients, X transform, Y transform (0 none,
// 1 Ln, 2 reciprocal). Empty for EqNo 0 or out of range.
QString statusCodeOf(int eqNo);
// The whole table, index = EqNo (index 0 holds the empty text).
std::array<QString, kMaxEqNo + 1> EquationStatusCode();

// Report label of a system 1..7, e.g. "X - Y 座標系".
QString systemLabel(int system);

// The points handed to the regression: value texts indexed 1..FitInputCount.
struct FitInput {
    qint16 FitInputCount = 0;
    std::array<QString, kMaxFitPoints + 1> FitInputX{};
    std::array<QString, kMaxFitPoints + 1> FitInputY{};
};

struct FitCandidate {
    qint16 EqNo = 0;
    float C1 = 0, C2 = 0, C3 = 0, C4 = 0; // single copies; beyond the degree 0
    QString ErrorText;                    // FormatCoefficient(mean relative error)
    // The number the driver ranks by: the error text read back (always
    // finite: a candidate hit by a floating-point fault is not recorded).
    double ErrorValue = 0;
    QString EquationText; // "Y = ..." display text
    QString ProgramText;  // "Y1! = ..." assignment statement
};

// The candidates of one regression call, in production order (1-based).
struct CandidateTable {
    int CandidateCount = 0;
    std::array<FitCandidate, kMaxEqNo + 1> Candidates{}; // [1..CandidateCount]
};

// Reads input and fills table (rebuilt from empty) with one candidate per
// degree of every coordinate system that is possible for all points and not
// excluded. A candidate whose evaluation meets a floating-point fault
// (overflow, division by an exact zero, a coefficient the single cannot
// hold) is left out, so that it can never win. (The engine has no event
// loop: the driver yields through its hook before every regression call.)
void FitAllCandidates(const FitInput& input, const ExcludedFlags& excluded, CandidateTable& table);

// Gaussian elimination with partial pivoting (ties keep the earliest row).
// a: N x N row by row, element (r, c) at a[(r - 1) * N + c], b: b[1..N]; on
// return b holds the solution and a is destroyed. A largest pivot that is not
// greater than 0 stops the elimination at once and leaves b as it is.
void SolveLinearSystem(int n, double* a, double* b);

// " 1.23456E+02" / "-4.50000E-03": sign (" " only for v > 0), mantissa cut
// (never rounded) to one digit, the point and five digits, "E", exponent sign,
// two exponent digits. 0 gives "-0.00000E-50".
QString FormatCoefficient(double v);

// Display and assignment-statement texts of equation eqNo with the given
// single coefficients (highest power first). Empty for EqNo 0.
QString EquationText(int eqNo, float c1, float c2, float c3, float c4);
QString ProgramText(int eqNo, float c1, float c2, float c3, float c4);

// ---------------------------------------------------------------------------
// The fitting driver calls the regression thousands of times on contiguous
// runs of one Line's points. PreparedPoints reads the values and computes the
// transformed terms of every point once; fitPreparedRange then gives exactly
// what FitAllCandidates gives for the same points (FitAllCandidates itself is
// built on it).
class PreparedPoints {
  public:
    // x[0..n-1], y[0..n-1]: the values read from the point texts.
    void assign(const double* x, const double* y, int n);
    int size() const { return count_; }

    // Per system and point: transformed X powers 1..6, transformed Y, the
    // mixed terms and the measured Y in real units.
    struct Terms {
        double t[7]; // t[1..6] = t^k (t[0] unused)
        double u;    // transformed Y
        double t3u, t2u, tu;
        double measured; // M: Y, exp(ln Y) or 1 / (1/Y)
    };
    const Terms& terms(int system, int index) const { return terms_[system][static_cast<size_t>(index)]; }
    bool xZero(int i) const { return flags_[static_cast<size_t>(i)] & kXZero; }
    bool yZero(int i) const { return flags_[static_cast<size_t>(i)] & kYZero; }
    bool xNotPositive(int i) const { return flags_[static_cast<size_t>(i)] & kXNotPositive; }
    bool yNotPositive(int i) const { return flags_[static_cast<size_t>(i)] & kYNotPositive; }

  private:
    enum : unsigned char { kXZero = 1, kYZero = 2, kXNotPositive = 4, kYNotPositive = 8 };
    int count_ = 0;
    std::array<std::vector<Terms>, kSystemCount + 1> terms_;
    std::vector<unsigned char> flags_;
};

// Fits points [first, first + count) of prepared. withTexts = false leaves
// ErrorText, EquationText and ProgramText empty (the driver builds the texts
// of the winner only); ErrorValue is always set.
void fitPreparedRange(const PreparedPoints& prepared, int first, int count, const ExcludedFlags& excluded,
                      CandidateTable& table, bool withTexts);

// The number FormatCoefficient(v) reads back as (+infinity when v is not finite).
double formattedValue(double v);

} // namespace tracol::KKAIKI
