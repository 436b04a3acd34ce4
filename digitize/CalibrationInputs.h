#pragma once
// What the calibration rules read from the main window: the four base check
// boxes, the four value boxes and the axis kinds.

#include <QString>

#include <array>

namespace tracol {

struct CalibrationInputs {
    std::array<bool, 5> baseChecked{};  // Check1..Check4 (Xmin, Xmax, Ymin, Ymax) at 1..4
    std::array<bool, 5> baseMarked{};   // their points placed on the image, at 1..4
    std::array<QString, 7> valueText{}; // Text3..Text6 (Xmin, Xmax, Ymin, Ymax) at 3..6
    bool logX = false;                  // Option3(0) "Log(X)" selected
    bool logY = false;                  // Option3(1) "Log(Y)" selected

    int checkedCount() const;
    // Checked boxes whose point is placed: only these give the conversion a
    // position (an armed box waits with a position of 0).
    int markedCount() const;
    bool anyValueEmpty() const;
    double value(int box) const; // numeric value of Text3..Text6
    // A value box passes the logarithm test: value > 0 or its axis linear.
    bool passesLogTest(int box) const;
    bool allPassLogTest() const;
};

} // namespace tracol
