#include "digitize/CalibrationInputs.h"

#include "core/NumericText.h"

namespace tracol {

int CalibrationInputs::checkedCount() const {
    int count = 0;
    for (int box = 1; box <= 4; ++box)
        count += baseChecked[box] ? 1 : 0;
    return count;
}

int CalibrationInputs::markedCount() const {
    int count = 0;
    for (int box = 1; box <= 4; ++box)
        count += baseChecked[box] && baseMarked[box] ? 1 : 0;
    return count;
}

bool CalibrationInputs::anyValueEmpty() const {
    for (int box = 3; box <= 6; ++box) {
        if (valueText[box].isEmpty())
            return true;
    }
    return false;
}

double CalibrationInputs::value(int box) const {
    return numtext::val(valueText[box]);
}

bool CalibrationInputs::passesLogTest(int box) const {
    const bool logarithmic = box <= 4 ? logX : logY;
    return value(box) > 0 || !logarithmic;
}

bool CalibrationInputs::allPassLogTest() const {
    for (int box = 3; box <= 6; ++box) {
        if (!passesLogTest(box))
            return false;
    }
    return true;
}

} // namespace tracol
