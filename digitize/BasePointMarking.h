#pragma once
// The rules of placing the calibration marks on the image: which side of the
// marks already placed a click must lie on, where the origin, Xmax and Ymax
// marks go, which partner boxes get checked, and which axis lines follow.
// Also the rules of a base check box click that need no window.

#include "core/SharedState.h"

#include <QString>

#include <vector>

namespace tracol {

// What the marking step asks of the windows, in the order it happens.
class MarkingView {
  public:
    virtual ~MarkingView() = default;
    // Checks base box 1..4 (Check1..Check4); its click handling runs.
    virtual void checkBaseBox(int box) = 0;
    // A red mark at the position (twips).
    virtual void drawBaseMark(double x, double y) = 0;
    // The red axis lines from the origin to Xmax / Ymax.
    virtual void drawXAxisLine() = 0;
    virtual void drawYAxisLine() = 0;
    // The main window's Text1/Text2 show the position.
    virtual void showPosition(qint32 x, qint32 y) = 0;
    virtual void showMessage(const QString& message) = 0;
};

namespace marking_messages {
inline const QString kXminNotLeftOfXmax =
    QStringLiteral("<Plot Error>                       X1MAX! <> 0 And X1MAX! <= X");
inline const QString kXmaxNotRightOfXmin =
    QStringLiteral("<Plot Error>                       X1MIN! <> 0 And X1MIN! >= X");
inline const QString kBelowYmaxRequired =
    QStringLiteral("<Plot Error>                       Y1MAX! <> 0 And Y1MAX! >= Y");
inline const QString kYmaxNotAboveYmin =
    QStringLiteral("<Plot Error>                       Y1MIN! <> 0 And Y1MIN! <= Y");
} // namespace marking_messages

// Where the focus goes after a mark: Text3 after the origin, Text4 after
// Xmax or Ymax; nowhere when the click was refused.
enum class MarkFocus { None, Text3, Text4 };

// The marking step for MarkMode 1..4 (Xmin, Xmax, Ymin, Ymax) at (x, y) twips.
// A refused click shows its "<Plot Error>" message and places nothing.
MarkFocus markBasePoint(SharedState& state, int mode, double x, double y, MarkingView& view);

// Draws the axis lines through the view and records them as drawn.
void drawXAxis(SharedState& state, MarkingView& view);
void drawYAxis(SharedState& state, MarkingView& view);

// Whether the point of base box 1..4 has been marked.
bool isBasePointMarked(const SharedState& state, int box);

// Check2..Check4 clicked: the other base boxes whose point is not marked yet,
// to be unchecked so that only one unmarked point waits for a click.
std::vector<int> unmarkedOtherBoxes(const SharedState& state, int box);

// A base box was unchecked: its point is forgotten (the origin keeps the
// coordinate it shares with a mark still placed).
void forgetBasePoint(SharedState& state, int box);

// The floating label's caption while base box 1..4 waits for its click.
QString baseCaption(int box);

} // namespace tracol
