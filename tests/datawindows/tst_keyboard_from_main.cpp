// Keyboard entry opened from the main window's menu and left with "戻る",
// through the real window set.

#include "app/ApplicationWindows.h"
#include "digitize/Form20.h"
#include "ui/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QtTest>

using namespace tracol;

namespace {

struct Fixture {
    SharedState state;
    Windows windows;
    ApplicationWindows application{state, windows};
    QWidget* main = nullptr;

    Fixture() {
        application.start();
        main = windows.form20;
    }
    void openKeyboardEntry() const { main->findChild<QAction*>(QStringLiteral("HENKOU1"))->trigger(); }
};

} // namespace

class TestKeyboardFromMain : public QObject {
    Q_OBJECT
  private slots:
    void theMenuItemShowsKeyboardEntryInTheMainWindowsPlace() {
        Fixture f;
        f.main->move(40, 30);
        f.openKeyboardEntry();
        QWidget* entry = f.windows.form50;
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->pos(), QPoint(40, 30));
        QCOMPARE(f.state.KeyboardCaller, qint16(20));
        QVERIFY(!f.main->isVisible());
        QVERIFY(!f.main->isEnabled());
        QVERIFY(!f.windows.mdiForm20->isVisible());
    }

    // "戻る" brings both windows back, and the main window runs its
    // first-activation steps again: both axes linear, the mid corrections off.
    void backRunsTheMainWindowsFirstActivationAgain() {
        Fixture f;
        setControlChecked(f.main, "Option3(0)", true);
        setControlChecked(f.main, "Option3(1)", true);
        control<QCheckBox>(f.main, "Check6")->setEnabled(true);
        control<QLineEdit>(f.main, "Text10")->setEnabled(true);
        f.main->resize(f.main->width(), 300);
        f.openKeyboardEntry();

        control<QPushButton>(f.windows.form50, "Command4")->click();

        QVERIFY(!f.windows.form50->isVisible());
        QVERIFY(f.main->isVisible());
        QVERIFY(f.main->isEnabled());
        QVERIFY(f.windows.mdiForm20->isVisible());
        QVERIFY(f.windows.mdiForm20->isEnabled());
        QCOMPARE(f.windows.mdiForm20->cursor().shape(), Qt::CrossCursor);
        QVERIFY(isControlChecked(f.main, "Option2(0)"));
        QVERIFY(isControlChecked(f.main, "Option2(1)"));
        QVERIFY(!control<QCheckBox>(f.main, "Check6")->isEnabled());
        QVERIFY(!control<QLineEdit>(f.main, "Text10")->isEnabled());
        QCOMPARE(f.main->height(), twipsHeight(f.main));
    }

    // Keeping the sampled points that keyboard entry would replace goes back
    // to the main window as it was: a logarithmic calibration stays.
    void keepingTheSampledPointsLeavesTheMainWindowAsItWas() {
        Fixture f;
        setControlChecked(f.main, "Option3(1)", true);
        control<QCheckBox>(f.main, "Check7")->setEnabled(true);
        f.state.LineBox[1] = QStringLiteral("1,2\r\n3,4\r\n");
        f.openKeyboardEntry();
        auto* question = f.windows.form50->findChild<QMessageBox*>("ReplaceQuestion");
        QVERIFY(question);
        question->findChild<QPushButton*>("Keep")->click();
        QVERIFY(!f.windows.form50->isVisible());
        QVERIFY(f.main->isVisible() && f.main->isEnabled());
        QVERIFY(f.windows.mdiForm20->isVisible());
        QVERIFY(isControlChecked(f.main, "Option3(1)"));
        QVERIFY(control<QCheckBox>(f.main, "Check7")->isEnabled());
        QCOMPARE(f.state.LineBox[1], QStringLiteral("1,2\r\n3,4\r\n"));
    }

    // Without a return from keyboard entry, showing the main window again
    // keeps the user's settings.
    void anOrdinaryShowingKeepsTheSettings() {
        Fixture f;
        setControlChecked(f.main, "Option3(0)", true);
        f.main->hide();
        f.main->show();
        QVERIFY(isControlChecked(f.main, "Option3(0)"));
    }

  private:
    // 7875 twips for the graph's own controls, the trace toolbar above them.
    static int twipsHeight(const QWidget* main) {
        return qRound(7875.0 / kTwipsPerPixel) +
               main->findChild<QToolBar*>(QStringLiteral("TraceToolBar"))->sizeHint().height();
    }
};

QTEST_MAIN(TestKeyboardFromMain)
#include "tst_keyboard_from_main.moc"
