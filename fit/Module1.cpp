// The piecewise fitting driver.

#include "fit/Module1.h"

#include "core/NumericText.h"
#include "fit/FitTraceLines.h"
#include "fit/KKAIKI.h"
#include "fit/SingleValue.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace tracol::Module1 {

namespace {

size_t at(int index) {
    return static_cast<size_t>(index);
}

// The best equation of one fitted section (a fit slot).
struct SectionFit {
    int count = 0;           // valid points fitted
    int first = 0, last = 0; // point indices in the Line
    qint16 eqNo = 0;         // 0: no candidate
    float error = 1e6f;
    std::array<float, 4> c{}; // highest power first, 0 beyond the degree
};

float combinedErrorOf(int mode, const SectionFit* sections, int count) {
    float errors[3];
    int points[3];
    for (int i = 0; i < count; ++i) {
        errors[i] = sections[i].error;
        points[i] = sections[i].count;
    }
    return combinedError(mode, errors, points, count);
}

// The computation of one Line at one position of LineOrder.
class LineSearch {
  public:
    LineSearch(SharedState& state, const Hooks& hooks, KKAIKI::CandidateTable& table,
               qint32& threeSectionTrials, int position)
        : state_(state), hooks_(hooks), table_(table), threeSectionTrials_(threeSectionTrials),
          position_(position), line_(state.LineOrder[at(position)]) {}

    // false when an abort was requested.
    bool run() {
        const bool completed = search();
        buildStoredTexts();
        if (completed)
            appendRelationLines(state_, position_);
        return completed;
    }

  private:
    bool search() {
        sortAndWriteBack();
        prepareValidPoints();
        const int n = static_cast<int>(valid_.size());

        const SectionFit whole = fit(0, n - 1);
        trace(trace::wholeRangeResultLine(line_, 1, 1, whole.count, whole.eqNo, whole.error));
        trace(trace::deviationLine(whole.error));
        trace(trace::separatorLine());
        countFit();

        // A MaxDivisions below 1 is taken as 1, so that every Line gets a result.
        if (whole.error <= state_.CutoffError || state_.MaxDivisions <= 1 || n <= 4) {
            store(&whole, 1, whole.error);
        } else {
            bool finished = false;
            if (!twoSectionSearch(whole.error, finished))
                return false;
            if (!finished && state_.MaxDivisions > 2 && n > 13 && !threeSectionSearch())
                return false;
            // A split search that stored no trial leaves the whole-range fit.
            if (!stored_)
                store(&whole, 1, whole.error);
        }
        return true;
    }

    void trace(const QString& text) {
        if (hooks_.buildTrace)
            state_.List1.append(text);
    }

    void yield() {
        if (hooks_.yield)
            hooks_.yield();
    }

    void countFit() {
        ++state_.FitCount;
        if (hooks_.progress)
            hooks_.progress(state_.FitCount);
    }

    // The end of a split trial: its combined error (an exact 0 taken as
    // 1e-10, so that its Gr has a logarithm), the deviation line, the fit
    // count, a yield. No value when an abort was requested meanwhile.
    std::optional<float> endTrial(const SectionFit* sections, int count) {
        float e = combinedErrorOf(state_.ErrorMode, sections, count);
        if (e == 0)
            e = 1e-10f;
        trace(trace::deviationLine(e));
        trace(trace::separatorLine());
        countFit();
        yield();
        if (state_.AbortRequested)
            return std::nullopt;
        return e;
    }

    // The points sorted by X and written back as single texts; the extremes.
    void sortAndWriteBack() {
        count_ = std::clamp(int(state_.LoadedLineCount[at(line_)]), 0, kMaxLinePoints);
        std::array<float, kMaxLinePoints + 1> x{};
        std::array<float, kMaxLinePoints + 1> y{};
        auto& xText = state_.PointXText[at(line_)];
        auto& yText = state_.PointYText[at(line_)];
        for (int i = 1; i <= count_; ++i) {
            x[at(i)] = toSingle(numtext::val(xText[at(i)]));
            y[at(i)] = toSingle(numtext::val(yText[at(i)]));
        }
        KKAIKI::SortPointsByX(x.data(), y.data(), count_);

        float xMax = -1e15f, xMin = 1e15f, yMax = -1e15f, yMin = 1e15f;
        for (int i = 1; i <= count_; ++i) {
            xText[at(i)] = numtext::trimmedText(x[at(i)]);
            yText[at(i)] = numtext::trimmedText(y[at(i)]);
            xMax = std::max(xMax, x[at(i)]);
            xMin = std::min(xMin, x[at(i)]);
            yMax = std::max(yMax, y[at(i)]);
            yMin = std::min(yMin, y[at(i)]);
        }
        state_.LineXMax[at(position_)] = xMax;
        state_.LineXMin[at(position_)] = xMin;
        state_.LineYMax[at(position_)] = yMax;
        state_.LineYMin[at(position_)] = yMin;
        state_.OverallXMax = std::max(state_.OverallXMax, xMax);
        state_.OverallXMin = std::min(state_.OverallXMin, xMin);
        state_.OverallYMax = std::max(state_.OverallYMax, yMax);
        state_.OverallYMin = std::min(state_.OverallYMin, yMin);
        state_.PlotDefaultXMin = state_.OverallXMin;
        state_.PlotDefaultXMax = state_.OverallXMax;
    }

    // The valid points (trimmed Y text not empty), their values and trace lines.
    void prepareValidPoints() {
        const auto& xText = state_.PointXText[at(line_)];
        const auto& yText = state_.PointYText[at(line_)];
        valid_.clear();
        std::vector<double> x, y;
        for (int i = 1; i <= count_; ++i) {
            if (yText[at(i)].trimmed().isEmpty())
                continue;
            valid_.push_back(i);
            x.push_back(numtext::val(xText[at(i)]));
            y.push_back(numtext::val(yText[at(i)]));
            if (hooks_.buildTrace)
                pointLines_.append(trace::pointLine(i, xText[at(i)], yText[at(i)]));
        }
        prepared_.assign(x.data(), y.data(), static_cast<int>(valid_.size()));
    }

    // One regression call on valid points a..b (positions, inclusive) and the
    // choice of its best candidate: strictly smaller error text value than the
    // best so far (starting at 1e6), so ties keep the lower EqNo.
    SectionFit fit(int a, int b) {
        yield();
        SectionFit result;
        result.count = b - a + 1;
        if (result.count <= 0) {
            result.count = 0;
            trace(trace::coefficientLine(0, 0, 0, 0));
            return result;
        }
        result.first = valid_[at(a)];
        result.last = valid_[at(b)];
        if (hooks_.buildTrace) {
            for (int p = a; p <= b; ++p)
                state_.List1.append(pointLines_.at(p));
        }
        KKAIKI::fitPreparedRange(prepared_, a, result.count, state_.ExcludedSystems, table_, false);
        const int chosen = bestCandidate(table_);
        if (chosen > 0) {
            const KKAIKI::FitCandidate& winner = table_.Candidates[at(chosen)];
            result.eqNo = winner.EqNo;
            result.error = static_cast<float>(winner.ErrorValue);
            result.c = {winner.C1, winner.C2, winner.C3, winner.C4};
        }
        trace(trace::coefficientLine(result.c[0], result.c[1], result.c[2], result.c[3]));
        return result;
    }

    SectionFit fitSection(int sectionCount, int a, int b) {
        SectionFit s = fit(a, b);
        trace(trace::sectionResultLine(line_, sectionCount, s.first, s.last, s.eqNo, s.error));
        return s;
    }

    void store(const SectionFit* sections, int count, float combined) {
        FitResultStore& r = state_.FitResult;
        r.SectionCount[at(line_)] = static_cast<qint16>(count);
        for (int s = 1; s <= count; ++s) {
            const SectionFit& f = sections[s - 1];
            r.SectionPointCount[at(s)][at(line_)] = static_cast<qint16>(f.count);
            r.SectionFirstPoint[at(s)][at(line_)] = static_cast<qint16>(f.first);
            r.SectionLastPoint[at(s)][at(line_)] = static_cast<qint16>(f.last);
            r.SectionEqNo[at(s)][at(line_)] = f.eqNo;
            r.SectionError[at(s)][at(line_)] = f.error;
            r.SectionC1[at(s)][at(line_)] = f.c[0];
            r.SectionC2[at(s)][at(line_)] = f.c[1];
            r.SectionC3[at(s)][at(line_)] = f.c[2];
            r.SectionC4[at(s)][at(line_)] = f.c[3];
        }
        r.LastCombinedError = combined;
        stored_ = true;
    }

    // The texts of the stored sections, built once the Line's search ends
    // (a search may store hundreds of trials before its last one).
    void buildStoredTexts() {
        if (!stored_)
            return;
        FitResultStore& r = state_.FitResult;
        for (int s = 1; s <= r.SectionCount[at(line_)]; ++s) {
            const qint16 eqNo = r.SectionEqNo[at(s)][at(line_)];
            const float c1 = r.SectionC1[at(s)][at(line_)], c2 = r.SectionC2[at(s)][at(line_)];
            const float c3 = r.SectionC3[at(s)][at(line_)], c4 = r.SectionC4[at(s)][at(line_)];
            r.SectionEquationText[at(s)][at(line_)] = KKAIKI::EquationText(eqNo, c1, c2, c3, c4);
            r.SectionProgramText[at(s)][at(line_)] = KKAIKI::ProgramText(eqNo, c1, c2, c3, c4);
        }
    }

    // Two sections sharing the split point; section 1 grows by step from m points.
    bool twoSectionSearch(float wholeError, bool& finished) {
        const int n = static_cast<int>(valid_.size());
        const int m = minimumSectionSize(count_);
        const int step = searchStep(count_);
        if (n < m)
            return true;
        const int firstSplit = valid_[at(m - 1)];
        const int lastSplit = valid_[at(n - m)]; // the m-th valid point counted from the end
        if (firstSplit > lastSplit)
            return true;
        const bool keepEveryTrial = state_.MaxDivisions <= 2 || n <= 13;
        float best = wholeError;
        int c1 = m;
        for (int trial = 1; trial <= lastSplit - firstSplit + 1 && c1 < n; ++trial) {
            SectionFit s[2];
            s[0] = fitSection(2, 0, c1 - 1);
            s[1] = fitSection(2, c1 - 1, n - 1);
            const std::optional<float> combined = endTrial(s, 2);
            if (!combined)
                return false;
            float e = *combined;
            if (e < s[1].error)
                e = s[1].error;
            if (e <= best || keepEveryTrial) {
                store(s, 2, e);
                best = e;
                if (e <= state_.CutoffError) {
                    finished = true;
                    return true;
                }
            }
            c1 += step;
            if (count_ - c1 < 3)
                break;
        }
        return true;
    }

    // Three sections: section 1 grows in the outer loop, section 2 in the
    // inner one; section 3 takes the rest. Trials that would run past the last
    // point are not tried.
    bool threeSectionSearch() {
        const int n = static_cast<int>(valid_.size());
        const int m = minimumSectionSize(count_);
        const int step = searchStep(count_);
        float best = 100000;
        int c1 = m - 1 + step;
        for (int i1 = 1; i1 <= n - 3 * (m - 1) && c1 <= n; i1 += step, c1 += step) {
            SectionFit s[3];
            bool sectionOneFitted = false;
            int c2 = m - 1 + step;
            for (int i2 = 1; i2 <= n - c1 - m + 2; i2 += step, c2 += step) {
                const int secondSplit = (c1 - 1) + (c2 - 1); // position of section 2's last point
                if (secondSplit > n - 1)
                    break;
                if (!sectionOneFitted) {
                    s[0] = fitSection(3, 0, c1 - 1);
                    sectionOneFitted = true;
                }
                s[1] = fitSection(3, c1 - 1, secondSplit);
                s[2] = fitSection(3, secondSplit, n - 1);
                const std::optional<float> combined = endTrial(s, 3);
                if (!combined)
                    return false;
                const float e = *combined;
                ++threeSectionTrials_;
                if (e < best) {
                    store(s, 3, e);
                    state_.FitResult.ThreeSectionError[at(line_)] = e;
                    best = e;
                    if (e <= state_.CutoffError)
                        return true;
                }
                if (threeSectionTrials_ > hooks_.threeSectionTrialCap)
                    return true;
                if (s[2].count - step < m)
                    break;
            }
        }
        return true;
    }

    SharedState& state_;
    const Hooks& hooks_;
    KKAIKI::CandidateTable& table_;
    qint32& threeSectionTrials_;
    const int position_;
    const int line_;
    int count_ = 0;          // N: points of the Line
    std::vector<int> valid_; // point indices of the valid points
    QStringList pointLines_; // trace line of every valid point
    KKAIKI::PreparedPoints prepared_;
    bool stored_ = false;
};

} // namespace

float combinedError(int errorMode, const float* errors, const int* points, int sections) {
    if (sections <= 0)
        return 0;
    if (errorMode == 0) {
        float largest = errors[0];
        for (int i = 1; i < sections; ++i)
            largest = std::max(largest, errors[i]);
        return largest;
    }
    if (errorMode == 2 && sections == 3) {
        int a = 0; // the largest error, the first one among equals
        for (int i = 1; i < 3; ++i) {
            if (errors[i] > errors[a])
                a = i;
        }
        const int first = a == 0 ? 1 : 0;
        const int second = a == 2 ? 1 : 2;
        const int b = errors[second] > errors[first] ? second : first; // ties: the earlier section
        return static_cast<float>((double(points[a]) * errors[a] + double(points[b]) * errors[b]) /
                                  double(points[a] + points[b]));
    }
    double weighted = 0;
    double total = 0;
    for (int i = 0; i < sections; ++i) {
        weighted += double(points[i]) * double(errors[i]);
        total += points[i];
    }
    return static_cast<float>(weighted / total);
}

int bestCandidate(const KKAIKI::CandidateTable& table) {
    double best = 1e6;
    int chosen = 0;
    for (int k = 1; k <= table.CandidateCount; ++k) {
        if (table.Candidates[at(k)].ErrorValue < best) {
            best = table.Candidates[at(k)].ErrorValue;
            chosen = k;
        }
    }
    return chosen;
}

int minimumSectionSize(int n) {
    if (n < 11)
        return 3;
    if (n < 20)
        return 5;
    if (n < 30)
        return 6;
    return 7;
}

int searchStep(int n) {
    if (n <= 30)
        return 1;
    if (n <= 52)
        return 2;
    if (n <= 70)
        return 3;
    if (n <= 85)
        return 4;
    return 5;
}

int progressBarLength(qint32 fitCount, qint32 workEstimate) {
    if (workEstimate <= 0)
        return 0;
    const std::optional<qint16> length = numtext::toInteger(double(fitCount) * 25 / workEstimate * 1.035);
    return length ? std::max(0, int(*length)) : 0;
}

bool RunComputation(SharedState& state, const Hooks& hooks) {
    state.FitCount = 0;
    state.EquationStatusCode = KKAIKI::EquationStatusCode();
    state.List1.clear();
    state.List2.clear();
    state.List3.clear();
    state.List4.clear();
    state.OverallXMax = state.OverallYMax = -1e15f;
    state.OverallXMin = state.OverallYMin = 1e15f;
    state.RelationProgramLines.clear();
    state.ThreeSectionTrialCount = 0;
    state.ComputationCompleted = false;
    state.AbortRequested = false;

    KKAIKI::CandidateTable table;
    qint32 threeSectionTrials = 0;
    const int lines = std::clamp(int(state.LinesInUse), 0, kLineCount);
    for (int k = 1; k <= lines; ++k) {
        const int line = state.LineOrder[at(k)];
        if (line < 1 || line > kLineCount)
            continue;
        LineSearch search(state, hooks, table, threeSectionTrials, k);
        const bool completed = search.run();
        state.ThreeSectionTrialCount = threeSectionTrials;
        if (!completed)
            return false;
    }
    if (lines == 1)
        SingleLineReport(state);
    else
        MultiLineReport(state);
    state.ComputationCompleted = true;
    return true;
}

} // namespace tracol::Module1
