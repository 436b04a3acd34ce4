#pragma once
// The decisions of axis calibration that need no window: whether the typed
// values and checked boxes make a usable calibration (CheckLogInputs), the
// confirmation "基本座標の確定" and the automatic confirmation over the frames.
// The main window shows what these return.

#include "core/SharedState.h"
#include "digitize/CalibrationInputs.h"

#include <functional>
#include <optional>

namespace tracol {

namespace calibration_messages {
inline const QString kLogUnsuitable = QStringLiteral("対数座標には不適切");
inline const QString kBadCharacter = QStringLiteral("不適切な文字");
inline const QString kBoxesMissing = QStringLiteral("X / Y の Max / Min が未確定");
inline const QString kValuesMissing = QStringLiteral("Min,Max の数値が未確定");
inline const QString kXmaxNotAboveXmin = QStringLiteral("Xmax <= Xmin ");
inline const QString kYmaxNotAboveYmin = QStringLiteral("Ymax <= Ymin ");
inline const QString kLogXRefused =
    QStringLiteral("<Select Error>                       Ｘmax<= 0 Or Ｘmin<= 0");
inline const QString kLogYRefused =
    QStringLiteral("<Select Error>                       Ｙmax<= 0 Or Ｙmin<= 0");
inline const QString kMidOnLogAxis = QStringLiteral("対数座標は不可");
} // namespace calibration_messages

// What the main window does after a check: take the ready or the not-ready
// state, and show a message when there is one.
struct ReadinessDecision {
    bool ready = false;
    QString message;
};

namespace Module20 {
// Re-decides readiness after any change of the values or axis kinds.
ReadinessDecision CheckLogInputs(SharedState& state, const CalibrationInputs& inputs);
} // namespace Module20

// The outcome of "基本座標の確定".
struct ConfirmationDecision {
    bool ready = false;
    QString message;
    std::optional<bool> valuesBlue;   // value boxes blue (true) or black (false); unset: unchanged
    bool stoppedAtEmptyValue = false; // "Min,Max の数値が未確定": only Command4 is enabled
    bool midControlsEnabled = false;  // Check6, Check7, Text10, Text11 enabled
};
ConfirmationDecision confirmBaseCoordinates(SharedState& state, const CalibrationInputs& inputs);

// Automatic confirmation when the mouse moves over Frame1 (base) or Frame2
// (settings). `runConfirmation` runs the main window's "基本座標の確定"; the
// result says how Command4 and Command5 end up, when the step decided it.
enum class CalibrationFrame { Base, Settings };
struct AutoConfirmation {
    std::optional<bool> confirmed; // true: Command4 off, Command5 on; false: the reverse
};
AutoConfirmation autoConfirm(SharedState& state, CalibrationFrame frame,
                             const std::function<CalibrationInputs()>& inputs,
                             const std::function<void()>& runConfirmation);

} // namespace tracol
