// Form33: the layout of the lists and buttons at any window size, the
// divider between the upper and lower lists, enlarging a list, and copying
// the selected lines to the clipboard.

#include "fit/Form33.h"

#include "ui/MessageField.h"
#include "ui/Platform.h"
#include "ui/TextListBox.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace tracol {

namespace {

// All in twips. The buttons keep their distance from the right edge; the
// lists take whatever the window gives them.
constexpr int kMargin = 120;
constexpr int kButtonColumn = 2400;
constexpr int kListsTop = 420;
constexpr int kDividerHeight = 90;
constexpr int kUpperMin = 1500, kUpperMax = 7000; // dragged height of the upper lists
constexpr int kCopyMessageLeft = 3465, kCopyMessageBelow = 345;

int twipsOf(int pixels) {
    return pixelsToTwips(pixels);
}

} // namespace

void Form33::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layOutControls();
}

void Form33::layOutControls() {
    const QWidget* area = centralWidget();
    const int width = twipsOf(area->width()), height = twipsOf(area->height());
    const int buttons = std::max(kMargin, width - kMargin - kButtonColumn);
    setTwipsGeometry(Command1, buttons, 120, kButtonColumn, 720);
    setTwipsGeometry(Command3, buttons, 960, kButtonColumn, 420);
    setTwipsGeometry(Command5, buttons, 1500, kButtonColumn, 420);
    setTwipsGeometry(Command4, buttons, 2040, 600, 420);
    setTwipsGeometry(Label2, buttons, 2580, kButtonColumn, 300);
    setTwipsGeometry(Command2, buttons, std::max(3000, height - 540), kButtonColumn, 420);
    text5_->setPlace({std::max(kMargin, buttons - 4920), 1500, 4800, 420}, MessageField::Growth::Down);
    text3_->setPlace({kMargin, kListsTop, 4800, 420}, MessageField::Growth::Down);

    const int listsRight = std::max(kMargin + 300, buttons - kMargin);
    const int listsWidth = listsRight - kMargin;
    const int listsBottom = std::max(kListsTop + 1500, height - kMargin);
    setTwipsGeometry(Label1, kMargin, 60, listsWidth, 300);
    setTwipsGeometry(Text4, kMargin + 240, kListsTop + 240, std::max(1200, listsWidth - 480),
                     std::min(3600, listsBottom - kListsTop - 480));

    const int available = listsBottom - kListsTop - kDividerHeight;
    const int upper =
        std::clamp(upperHeight_, std::min(kUpperMin, available / 2), std::max(0, available - 300));
    const int lowerTop = kListsTop + upper + kDividerHeight;
    const int lower = listsBottom - lowerTop;
    const int leftWidth = listsWidth * 55 / 100;
    const int rightLeft = kMargin + leftWidth + 60;
    const int rightWidth = listsRight - rightLeft;
    setTwipsGeometry(Label3, kMargin, kListsTop + upper, listsWidth, kDividerHeight);

    // Upper: the report and the details; lower: the equations and the trace.
    // An enlarged list takes its whole column.
    const auto place = [&](ListIndex list, bool left, bool top) {
        const int x = left ? kMargin : rightLeft, w = left ? leftWidth : rightWidth;
        if (enlarged_[list]) {
            setTwipsGeometry(lists_[list], x, kListsTop, w, listsBottom - kListsTop);
            lists_[list]->raise();
        } else {
            setTwipsGeometry(lists_[list], x, top ? kListsTop : lowerTop, w, top ? upper : lower);
        }
    };
    place(kList4, true, true);
    place(kList2, false, true);
    place(kList3, true, false);
    place(kList1, false, false);
    for (int k = 0; k < 4; ++k)
        if (enlarged_[k])
            lists_[k]->raise();

    // The caption boxes sit in the middle of their lists.
    const std::array<ListIndex, 4> captioned = {kList3, kList2, kList4, kList1};
    for (int k = 0; k < 4; ++k) {
        const QRect list = lists_[captioned[k]]->geometry();
        Text2[k]->move(list.center() - QPoint(Text2[k]->width() / 2, Text2[k]->height() / 2));
        Text2[k]->raise();
    }
}

void Form33::dragDivider(int globalY) {
    upperHeight_ = std::clamp(dragStartHeight_ + pixelsToTwips(globalY - *dragStartY_), kUpperMin, kUpperMax);
    layOutControls();
}

void Form33::toggleEnlarged(ListIndex list) {
    if (list == kList2)
        return;
    enlarged_[list] = !enlarged_[list];
    layOutControls();
}

void Form33::listPressed(ListIndex list, Qt::MouseButton button) {
    if (activeList_ != list) {
        for (int k = 0; k < 4; ++k)
            if (k != list)
                lists_[k]->clearSelection();
        activeList_ = list;
    }
    if (button == Qt::RightButton && list != kList1)
        copySelection(list);
}

void Form33::copySelection(ListIndex list) {
    beep();
    const QRect place = lists_[list]->geometry();
    text1_->setPlace({std::max(0, pixelsToTwips(place.x()) - kCopyMessageLeft),
                      pixelsToTwips(place.y()) + kCopyMessageBelow, 3600, 330},
                     MessageField::Growth::Down);
    text1_->show(QStringLiteral("クリップボードにコピーしました。"));
    clearClipboard();
    QString text;
    for (const QString& line : lists_[list]->selectedLines())
        text += line + QStringLiteral("\r\n");
    setClipboardText(text);
}

} // namespace tracol
