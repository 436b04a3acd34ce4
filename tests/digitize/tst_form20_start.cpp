// The program starts with its main window and the image window.

#include "app/ApplicationWindows.h"
#include "digitize/Form20.h"
#include "ui/Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QtTest>

using namespace tracol;

class TestForm20Start : public QObject {
    Q_OBJECT
  private slots:
    void startShowsBothWindowsWithLineOneSelected() {
        SharedState state;
        state.ExcludedSystems.fill(0);
        Windows windows;
        ApplicationWindows application(state, windows);
        application.start();
        QWidget* main = windows.form20;
        QVERIFY(main);
        QCOMPARE(main->objectName(), QStringLiteral("Form20"));
        QCOMPARE(main->windowTitle(), QStringLiteral("Tracol_R2.2"));
        QVERIFY(main->isVisible());
        QVERIFY(windows.mdiForm20 && windows.mdiForm20->isVisible());
        QCOMPARE(windows.mdiForm20->windowTitle(), QStringLiteral("TracolGraph"));
        QVERIFY(isControlChecked(main, QStringLiteral("Option1(0)")));
        QVERIFY(isControlChecked(main, QStringLiteral("Option2(0)")));
        QVERIFY(isControlChecked(main, QStringLiteral("Option2(1)")));
        QVERIFY(!control<QWidget>(main, QStringLiteral("Check6"))->isEnabled());
        QVERIFY(!control<QWidget>(main, QStringLiteral("Text10"))->isEnabled());
        QVERIFY(!control<QWidget>(main, QStringLiteral("Command5"))->isEnabled());
        QVERIFY(!control<QWidget>(main, QStringLiteral("Command7"))->isEnabled());
        QCOMPARE(state.ErrorMode, qint16(2));
        QCOMPARE(state.MaxDivisions, qint16(3));
        QCOMPARE(state.ExcludedSystems[0], qint16(0));
        for (int system = 1; system <= 7; ++system)
            QCOMPARE(state.ExcludedSystems[system], qint16(1));
        for (int line = 1; line <= kLineCount; ++line)
            QVERIFY(state.LineBox[line].isEmpty());
    }

    void everyMenuItemIsNamed() {
        SharedState state;
        Windows windows;
        ApplicationWindows application(state, windows);
        const QStringList names = {"BITMAP", "PAST",  "FFRD",    "HENKOU1", "EEND",
                                   "kihon",  "kaisi", "hyouji1", "HELP01"};
        for (const QString& name : names)
            QVERIFY2(windows.form20->findChild<QAction*>(name), qPrintable(name));
        QCOMPARE(windows.form20->findChild<QAction*>("BITMAP")->text(), QStringLiteral("画像ファイルの読み"));
        QCOMPARE(windows.form20->findChild<QAction*>("HELP01")->text(), QStringLiteral("HELP"));
        for (int k = 0; k < kLineCount; ++k)
            QVERIFY(control<QAbstractButton>(windows.form20, indexedName("Option1", k)));
        QCOMPARE(control<QAbstractButton>(windows.form20, "Option1(9)")->text(), QStringLiteral("Line 10"));
        QCOMPARE(control<QAbstractButton>(windows.form20, "Option1(0)")->text(), QStringLiteral("Line  1"));
    }
};

QTEST_MAIN(TestForm20Start)
#include "tst_form20_start.moc"
