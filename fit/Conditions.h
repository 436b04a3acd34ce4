#pragma once
// The calculation conditions: cutoff error (also shown as the score Gr), error
// evaluation mode, maximum number of sections and excluded coordinate systems.
// The conditions window (計算処理条件設定) only calls these functions; the
// values live in SharedState.
//
// Gr = -12.3315 ln(CutoffError) - 13.5774, and back
// CutoffError = exp(-(Gr + 13.5774) / 12.3315).

#include "core/SharedState.h"

#include <QString>

#include <array>
#include <optional>

namespace tracol::Conditions {

constexpr float kStandardCutoffError = kStartCutoffError;
constexpr qint16 kStandardErrorMode = kStartErrorMode;
constexpr qint16 kStandardMaxDivisions = kStartMaxDivisions;

// Characters accepted in the cutoff text (Text2), the mode text (Text1) and,
// when the field is left, the divisions text (Text3).
inline const QString kCutoffChars = QStringLiteral("0123456789.+-DEde");
inline const QString kModeChars = QStringLiteral("012");
inline const QString kDivisionChars = QStringLiteral("123");

// The main window's start of the program: error mode 2, three sections and
// every coordinate system excluded (the computation screen's first loading
// includes system A). The cutoff keeps its value: each loading of the
// computation screen sets it.
void setStartValues(SharedState& state);

// Cutoff 0.00076, mode 2, three sections, only system A (X - Y) included.
// AllSystemsFlag is left alone.
void setStandardValues(SharedState& state);

// Only system A included (the first loading of the computation screen).
void setStandardSystems(SharedState& state);

// Every coordinate system included ("全ての座標で計算" ticked).
void includeAllSystems(SharedState& state);

double grFromCutoff(double cutoffError);
double cutoffFromGr(double gr);
// The score as the window keeps it (single precision).
float singleGr(float cutoffError);

// Int(Gr * 100) / 100 as a single.
float grHundredths(float cutoffError);
// Gr texts, each as its place writes it:
// on opening and in the report: Int(Gr * 100) / 100 ("74.98");
QString grTextHundredths(float cutoffError);
// while the cutoff is typed: Int(Gr * 10 + 0.01) / 10;
QString grTextWhileTyping(float cutoffError);
// after "標準値": Int(Gr * 10) / 10 ("74.9").
QString grTextTenths(float cutoffError);
// Label6 captions: "Gr = " + text on opening and while typing, "Gr =" + Str after "標準値".
QString grLabelOnOpening(float cutoffError);
QString grLabelWhileTyping(float cutoffError);
QString grLabelStandard(float cutoffError);

// Scroll bar (HScroll1, 0..120) moved to v: the new cutoff (single).
float cutoffFromScroll(int value);
// The scroll value written back after a scroll change: Int(Gr * 100) / 100
// rounded half to even, limited to 0..120.
int scrollAfterScrolling(float cutoffError);
// The scroll value while the cutoff is typed and on opening: CInt(Gr) limited
// to 0..120 (0 when Gr is not positive).
int scrollFromCutoff(float cutoffError);
// Text2 after a scroll change: the cutoff with the format "0.####0" (five decimals).
QString cutoffTextFromScroll(float cutoffError);
// Text2 / Label9 text of the cutoff.
QString cutoffText(float cutoffError);

// Typing: the value a text sets, or no value when the text is not a number
// (ignored). Mode and divisions are CInt of the value.
std::optional<float> cutoffFromText(const QString& text);
std::optional<qint16> errorModeFromText(const QString& text);
std::optional<qint16> maxDivisionsFromText(const QString& text);

// What "決定" decided.
struct DecideResult {
    bool noSystemIncluded = false; // Label16 "計算座標系なし" shown, nothing else checked
    bool cutoffError = false;      // Label7 shown (Text2)
    bool modeError = false;        // Label5 shown (Text1)
    bool divisionsError = false;   // Label12 shown (Text3)
    bool accepted() const { return !noSystemIncluded && !cutoffError && !modeError && !divisionsError; }
};

// "決定": excludedChecked[j] = Check1(j) (j = 0..6, checked = excluded),
// text1/text2/text3 = mode, cutoff and divisions texts. When a system is
// included: writes ExcludedSystems and AllSystemsFlag, then CutoffError and
// ErrorMode for the fields that pass. With none included nothing changes.
DecideResult decide(SharedState& state, const std::array<bool, 7>& excludedChecked, const QString& text1,
                    const QString& text2, const QString& text3);

// The copies the window saves on opening and restores on "ｷｬﾝｾﾙ".
struct SavedConditions {
    float CutoffError = kStandardCutoffError;
    qint16 ErrorMode = kStandardErrorMode;
    qint16 MaxDivisions = kStandardMaxDivisions;
};
// Opening: saves the three values, then replaces a MaxDivisions of 0 by 3.
SavedConditions saveOnOpening(SharedState& state);
void restore(SharedState& state, const SavedConditions& saved);

} // namespace tracol::Conditions
