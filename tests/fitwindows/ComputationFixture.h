#pragma once
// The whole window set with Lines handed to the computation screen the way a
// user hands them over: a data-set file read from the main window's menu and
// "数式算出処理" in the DataSet window, or pages typed into keyboard entry.

#include "app/ApplicationWindows.h"
#include "data/DataSetFile.h"
#include "fit/ComputationSequence.h"
#include "tests/common/FireTimer.h"
#include "ui/Controls.h"
#include "ui/TextListBox.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace tracol::testing {

// Three Lines of a gently bent curve, 16 points each: every Line is split
// (the cutoff is never met by one equation), so a computation takes a while.
inline QByteArray bentCurvesFile() {
    QByteArray file;
    for (int line = 1; line <= 3; ++line) {
        file += QByteArray::number(line * 10) + ", 1 , 16\r\n";
        for (int i = 1; i <= 16; ++i) {
            const double x = i * 0.7;
            const double y = line + std::sin(x) * 3 + x * x * 0.05;
            file += QByteArray::number(x, 'g', 6) + ',' + QByteArray::number(y, 'g', 6) + "\r\n";
        }
    }
    return file;
}

struct ComputationFixture {
    SharedState state;
    Windows windows;
    ApplicationWindows application{state, windows};
    QTemporaryDir folder;
    QString dataFile;

    ComputationFixture() {
        state.WorkingFolder = folder.path();
        application.start();
        dataFile = folder.filePath("curves.dat");
        QFile file(dataFile);
        file.open(QIODevice::WriteOnly);
        file.write(bentCurvesFile());
    }

    QWidget* screen() const { return windows.form33; }
    TextListBox* list(int n) const { return control<TextListBox>(screen(), QStringLiteral("List%1").arg(n)); }
    QPushButton* button(QWidget* window, const QString& name) const {
        return control<QPushButton>(window, name);
    }
    QString startCaption() const { return button(screen(), "Command1")->text(); }
    QString status() const { return control<QLabel>(screen(), "Label1")->text(); }
    void menu(const QString& name) const { screen()->findChild<QAction*>(name)->trigger(); }

    // The file read from the main window's "数値ﾃﾞｰﾀの呼込み", then "数式算出処理".
    void openFromDataSetWindow() {
        windows.form20->findChild<QAction*>("FFRD")->trigger();
        control<QLineEdit>(windows.form22, "Text1")->setText(dataFile);
        button(windows.form22, "Command1")->click();
        QVERIFY(windows.form21->isVisible());
        button(windows.form21, "Command6")->click();
        QVERIFY(screen()->isVisible());
    }

    // Pages typed into keyboard entry, then "数式算出処理".
    void openFromKeyboardEntry(const QStringList& pages) {
        windows.form20->findChild<QAction*>("HENKOU1")->trigger();
        QVERIFY(windows.form50->isVisible());
        for (int k = 0; k < pages.size(); ++k)
            control<QPlainTextEdit>(windows.form50, indexedName("Text2", k))->setPlainText(pages[k]);
        button(windows.form50, "Command3")->click();
        QVERIFY(screen()->isVisible());
    }

    void start() const { button(screen(), "Command1")->click(); }

    // A file written through a save dialog that is open: name, save button, "了解".
    void saveThrough(QWidget* dialog, const QString& path) const {
        QVERIFY(dialog->isVisible());
        control<QLineEdit>(dialog, "Text1")->setText(path);
        button(dialog, "Command4")->click();
        QVERIFY2(button(dialog, "Command5")->isVisible(),
                 qPrintable(controlText(dialog, "Text2"))); // 了解 asks
        button(dialog, "Command5")->click();
        QVERIFY(!dialog->isVisible());
    }

    // What the engine alone gives for the Lines the screen was handed.
    static SharedState engineResult(SharedState input) {
        input.WorkingFolder.clear();
        runComputationSequence(input, {});
        return input;
    }
};

} // namespace tracol::testing
