#pragma once
// The whole window set on the offscreen screen with a graph image loaded,
// driven as a user would: clicks on controls and on the image by name.

#include "app/ApplicationWindows.h"
#include "digitize/Form20.h"
#include "digitize/Form23.h"
#include "digitize/MDIForm20.h"
#include "tests/common/FireTimer.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QtTest>

namespace tracol::testing {

// A plain graph: white paper, black axes from (60, 420) to (560, 420) and
// (60, 40), a blue curve.
inline QImage graphImage(QSize size = {640, 480}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(60, 420, 560, 420);
    painter.drawLine(60, 420, 60, 40);
    for (int i = 0; i <= 10; ++i) {
        painter.drawLine(60 + i * 50, 420, 60 + i * 50, 425);
        painter.drawLine(55, 420 - i * 38, 60, 420 - i * 38);
    }
    painter.setPen(QPen(Qt::blue, 2));
    QPointF previous(60, 400);
    for (int x = 61; x <= 560; ++x) {
        const QPointF next(x, 400 - 340.0 * (x - 60) * (x - 60) / (500.0 * 500.0));
        painter.drawLine(previous, next);
        previous = next;
    }
    return image;
}

struct DigitizeFixture {
    SharedState state;
    Windows windows;
    ApplicationWindows application{state, windows};
    Form20* main = nullptr;
    MDIForm20* image = nullptr;
    PictureBox* picture = nullptr;

    DigitizeFixture() {
        application.start();
        main = qobject_cast<Form20*>(windows.form20.data());
        image = qobject_cast<MDIForm20*>(windows.mdiForm20.data());
        picture = image->picture();
        const QImage graph = graphImage();
        picture->setPicture(graph);
        qobject_cast<Form23*>(windows.form23.data())->picture()->setPicture(graph);
    }

    template <typename T = QWidget> T* the(const QString& name) const {
        T* widget = control<T>(main, name);
        if (!widget)
            qWarning("no control %s", qPrintable(name));
        return widget;
    }

    // A user's click on a check box or option button of the main window.
    void click(const QString& name) {
        auto* button = the<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // A user's edit of a value box (the whole text replaced).
    void type(const QString& name, const QString& text) {
        auto* edit = the<QLineEdit>(name);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    // A click on the image at a pixel position.
    void clickImage(int x, int y) { QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(x, y)); }

    // A base point placed as a user does: its box ticked, then its place on the image clicked.
    void mark(const QString& box, int x, int y) {
        click(box);
        clickImage(x, y);
    }

    void moveOver(QWidget* widget, QPoint position = {2, 2}) {
        QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    QString message() const {
        auto* area = the<QTextEdit>(QStringLiteral("Text7"));
        return area->isVisible() ? area->toPlainText() : QString();
    }

    // The live readout (Timer1 of the main window) works on every second tick.
    void liveReadoutTick() {
        auto* timer = main->findChild<QTimer*>(QStringLiteral("Timer1"));
        testing::fireTimer(timer);
        testing::fireTimer(timer);
    }

    bool checked(const QString& name) const { return the<QAbstractButton>(name)->isChecked(); }
    bool enabled(const QString& name) const { return the<QWidget>(name)->isEnabled(); }

    // Values 0..100 on X and 0..10 on Y, origin at (60, 420), Xmax at
    // (560, 420), Ymax at (60, 40): the marks placed by clicks.
    void calibrate() {
        type("Text3", "0");
        type("Text4", "100");
        type("Text5", "0");
        type("Text6", "10");
        mark("Check1", 60, 420);
        mark("Check2", 560, 420);
        mark("Check4", 60, 40);
    }
};

} // namespace tracol::testing
