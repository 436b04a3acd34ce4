#pragma once
// A Line takes part in a computation with at most 100 points. Further point
// lines stay in the Line's text (nothing is cut away), and the user is told
// that only the first 100 take part.

#include <QString>

namespace tracol {

// Notice shown when a Line holds more points than take part.
inline const QString kOnlyFirstPointsNotice =
    QStringLiteral("100点を超えるLineは先頭の100点のみ計算に使用します");

} // namespace tracol
