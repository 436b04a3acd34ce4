#include "digitize/BasePointMarking.h"

#include "core/NumericText.h"

namespace tracol {

using namespace marking_messages;

namespace {

qint32 rounded(double value) {
    return static_cast<qint32>(numtext::roundHalfEven(value));
}

// The click lies on the correct side of the marks already placed; a zero
// position counts as not placed.
QString refusal(const SharedState& s, int mode, double x, double y) {
    switch (mode) {
    case 1:
    case 3: {
        // Xmin checks the click's x and Ymin its y. Both place the same mark,
        // so the coordinate the origin takes from the click must also keep it
        // below Ymax (Xmin) and left of Xmax (Ymin), or the axes would cross.
        const double originX = s.PixXmin != 0 ? s.PixXmin : x;
        const double originY = s.PixYmin != 0 ? s.PixYmin : y;
        const double checkedX = mode == 1 ? x : originX;
        const double checkedY = mode == 3 ? y : originY;
        if (!(s.PixXmax == 0 || checkedX < s.PixXmax))
            return kXminNotLeftOfXmax;
        if (!(s.PixYmax == 0 || checkedY > s.PixYmax))
            return kBelowYmaxRequired;
        return {};
    }
    case 2:
        if (!(s.PixXmin == 0 || x > s.PixXmin))
            return kXmaxNotRightOfXmin;
        if (!(s.PixYmax == 0 || y > s.PixYmax))
            return kBelowYmaxRequired;
        return {};
    case 4:
        if (!(s.PixYmin == 0 || y < s.PixYmin))
            return kYmaxNotAboveYmin;
        if (!(s.PixXmax == 0 || x < s.PixXmax))
            return kXminNotLeftOfXmax;
        return {};
    default:
        return {};
    }
}

void markOrigin(SharedState& s, int mode, double x, double y, MarkingView& view) {
    s.XminMarked = s.YminMarked = true;
    view.checkBaseBox(mode == 1 ? 3 : 1);
    const qint32 cx = s.PixXmin != 0 ? rounded(s.PixXmin) : rounded(x);
    const qint32 cy = s.PixYmin != 0 ? rounded(s.PixYmin) : rounded(y);
    s.CursorX = cx;
    s.CursorY = cy;
    view.showPosition(cx, cy);
    if (mode == 1 || s.PixXmin == 0)
        s.PixXmin = static_cast<float>(cx);
    if (mode == 1 || s.PixYmin == 0)
        s.PixYmin = static_cast<float>(cy);
    view.drawBaseMark(s.PixXmin, s.PixYmin);
    if (s.XmaxMarked)
        drawXAxis(s, view);
    if (s.YmaxMarked) {
        drawYAxis(s, view);
        view.checkBaseBox(3);
    }
}

void markXmax(SharedState& s, double x, double y, MarkingView& view) {
    s.XmaxMarked = s.YminMarked = true;
    s.CursorX = rounded(x);
    s.CursorY = s.PixYmin != 0 ? rounded(s.PixYmin) : rounded(y);
    s.PixXmax = static_cast<float>(s.CursorX);
    s.PixYmin = static_cast<float>(s.CursorY);
    if (s.PixYmax != 0) {
        view.checkBaseBox(3);
        view.checkBaseBox(1);
        drawYAxis(s, view);
    }
    view.drawBaseMark(s.CursorX, s.CursorY);
    // The first Xmax mark of the run remembers the size its mark was drawn with.
    if (s.MarkSizeCache == 0)
        s.MarkSizeCache = s.MarkSize;
    if (s.PixXmin != 0) {
        view.checkBaseBox(1);
        drawXAxis(s, view);
    }
}

void markYmax(SharedState& s, double x, double y, MarkingView& view) {
    s.YmaxMarked = true;
    s.CursorY = rounded(y);
    s.CursorX = s.PixXmin != 0 ? rounded(s.PixXmin) : rounded(x);
    s.PixXmin = static_cast<float>(s.CursorX);
    s.PixYmax = static_cast<float>(s.CursorY);
    if (s.PixYmin != 0 || s.YminMarked) {
        drawYAxis(s, view);
        if (s.PixYmin != 0)
            view.checkBaseBox(3);
    }
    if (s.PixXmax != 0) {
        s.XminMarked = s.YminMarked = true;
        view.checkBaseBox(3);
        view.checkBaseBox(1);
        drawXAxis(s, view);
    }
    view.drawBaseMark(s.CursorX, s.CursorY);
}

} // namespace

void drawXAxis(SharedState& state, MarkingView& view) {
    view.drawXAxisLine();
    state.XAxisDrawn = true;
}

void drawYAxis(SharedState& state, MarkingView& view) {
    view.drawYAxisLine();
    state.YAxisDrawn = true;
}

MarkFocus markBasePoint(SharedState& state, int mode, double x, double y, MarkingView& view) {
    if (mode < 1 || mode > 4)
        return MarkFocus::None;
    const QString message = refusal(state, mode, x, y);
    if (!message.isEmpty()) {
        view.showMessage(message);
        return MarkFocus::None;
    }
    switch (mode) {
    case 1:
    case 3:
        markOrigin(state, mode, x, y, view);
        return MarkFocus::Text3;
    case 2:
        markXmax(state, x, y, view);
        return MarkFocus::Text4;
    default:
        markYmax(state, x, y, view);
        return MarkFocus::Text4;
    }
}

bool isBasePointMarked(const SharedState& state, int box) {
    switch (box) {
    case 1:
        return state.XminMarked;
    case 2:
        return state.XmaxMarked;
    case 3:
        return state.YminMarked;
    case 4:
        return state.YmaxMarked;
    default:
        return false;
    }
}

std::vector<int> unmarkedOtherBoxes(const SharedState& state, int box) {
    std::vector<int> boxes;
    for (int other = 1; other <= 4; ++other) {
        if (other != box && !isBasePointMarked(state, other))
            boxes.push_back(other);
    }
    return boxes;
}

void forgetBasePoint(SharedState& s, int box) {
    switch (box) {
    case 1:
    case 3:
        s.XminMarked = s.YminMarked = false;
        if (!s.YmaxMarked)
            s.PixXmin = 0;
        if (!s.XmaxMarked)
            s.PixYmin = 0;
        break;
    case 2:
        s.XmaxMarked = false;
        s.PixXmax = 0;
        s.XAxisDrawn = false;
        if (!s.XminMarked)
            s.PixYmin = 0;
        break;
    case 4:
        s.YmaxMarked = false;
        s.PixYmax = 0;
        s.YAxisDrawn = false;
        if (!s.XminMarked)
            s.PixXmin = 0;
        break;
    default:
        break;
    }
}

QString baseCaption(int box) {
    static const char* const captions[] = {"", "Xmin", "Xmax", "Ymin", "Ymax"};
    return box >= 1 && box <= 4 ? QString::fromLatin1(captions[box]) : QString();
}

} // namespace tracol
