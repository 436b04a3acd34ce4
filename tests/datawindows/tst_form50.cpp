// The keyboard entry window driven as a user would: typing and pasting into
// the pages, turning pages, converting, deleting and starting a computation.

#include "WindowStandIns.h"
#include "data/Form21.h"
#include "data/Form50.h"
#include "data/PointLimit.h"
#include "tests/common/ActivateWindow.h"
#include "ui/Controls.h"
#include "ui/LineHistory.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tracol;

namespace {

struct Fixture {
    SharedState state;
    Windows windows;
    testing::MainWindowStandIn main{windows};
    testing::ImageWindowStandIn image{windows};
    testing::ComputationScreenStandIn computation{windows};
    testing::CsvSaveDialogStandIn csvDialog{windows};
    LineHistory history{state, windows};
    Form50 form{state, windows};

    Fixture() { main.move(30, 20); }
    QLineEdit* parameter(int line) const { return control<QLineEdit>(&form, indexedName("Text1", line - 1)); }
    QPlainTextEdit* data(int line) const {
        return control<QPlainTextEdit>(&form, indexedName("Text2", line - 1));
    }
    QString count(int line) const { return controlText(&form, indexedName("Text3", line - 1)); }
    // Typing or pasting into a page: the text arrives through the box's own change.
    void type(int line, const QString& lfText) const { data(line)->setPlainText(lfText); }
    void click(const QString& name) const { control<QPushButton>(&form, name)->click(); }
    QString pageNumber() const { return control<QLabel>(&form, "Label6")->text(); }
    QLabel* message() const { return control<QLabel>(&form, "Text5"); }
};

// n typed point lines "i<separator>2i", each ended by a line break.
QString pointLines(int n, QChar separator) {
    QString text;
    for (int i = 1; i <= n; ++i)
        text += QString::number(i) + separator + QString::number(i * 2) + u'\n';
    return text;
}

} // namespace

class TestForm50 : public QObject {
    Q_OBJECT
  private slots:
    void startsWithTenEmptyPages() {
        Fixture f;
        QCOMPARE(f.form.windowTitle(), QStringLiteral("ﾃﾞｰﾀ入力"));
        QCOMPARE(f.windows.form50.data(), static_cast<QWidget*>(&f.form));
        for (int line = 1; line <= kLineCount; ++line) {
            QCOMPARE(f.parameter(line)->text(), QString::number(line));
            QCOMPARE(f.count(line), QStringLiteral("0"));
        }
        QCOMPARE(f.pageNumber(), QStringLiteral("1"));
        f.form.show();
        QVERIFY(f.data(1)->isVisible());
        QVERIFY(!f.data(2)->isVisible());
        QCOMPARE(f.form.pos(), f.main.pos()); // placed at the main window
        QCOMPARE(control<QLabel>(&f.form, "Text4")->text(), Form50::kHelpText);
    }

    void pagesStopAtTheEnds() {
        Fixture f;
        f.form.show();
        f.click("Command1"); // ← on page 1
        QCOMPARE(f.form.displayedPage(), 0);
        for (int i = 0; i < 12; ++i)
            f.click("Command2");
        QCOMPARE(f.form.displayedPage(), 9);
        QCOMPARE(f.pageNumber(), QStringLiteral("10"));
        QVERIFY(f.data(10)->isVisible());
        QVERIFY(!f.data(9)->isVisible());
        f.click("Command1");
        QCOMPARE(f.pageNumber(), QStringLiteral("9"));
    }

    void thePageNumberIsBoldWhenThePageHoldsData() {
        Fixture f;
        f.form.show();
        f.type(2, "1 2\n3 4\n5 6\n");
        f.click("Command2");
        QVERIFY(control<QLabel>(&f.form, "Label6")->font().bold());
        f.click("Command2");
        QVERIFY(!control<QLabel>(&f.form, "Label6")->font().bold());
    }

    void countingOnChange_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("shown"); // the box afterwards
        QTest::newRow("blank runs") << "1    2\n3   4\n"
                                    << "2"
                                    << "1    2\n3   4\n";
        QTest::newRow("pasted with empty lines") << "1,2\n\n\n3,4\n\n5,6\n"
                                                 << "3"
                                                 << "1,2\n3,4\n5,6\n";
        QTest::newRow("line breaks only") << "\n\n"
                                          << "0"
                                          << "";
        QTest::newRow("a point being typed") << "1,2\n3"
                                             << "2"
                                             << "1,2\n3";
    }
    void countingOnChange() {
        QFETCH(QString, typed);
        QFETCH(QString, count);
        QFETCH(QString, shown);
        Fixture f;
        f.type(1, typed);
        QCOMPARE(f.count(1), count);
        QCOMPARE(f.state.PointCount[1], qint16(count.toInt()));
        QCOMPARE(f.data(1)->toPlainText(), shown);
    }

    void moreThanHundredPastedLinesCountHundred() {
        Fixture f;
        const QString text = pointLines(130, u'\t');
        f.type(3, text);
        QCOMPARE(f.count(3), QStringLiteral("100"));
        QCOMPARE(f.state.PointCount[3], qint16(100));
        QCOMPARE(f.data(3)->toPlainText(), text); // nothing is cut away
        // The user is told that only the first 100 take part, readably.
        QVERIFY(!f.message()->isHidden());
        QCOMPARE(f.message()->text(), kOnlyFirstPointsNotice);
        QVERIFY(f.message()->heightForWidth(f.message()->width()) <= f.message()->height());
        QVERIFY(f.form.rect().contains(f.message()->geometry()));
    }

    void hundredLinesGiveNoNotice() {
        Fixture f;
        f.type(1, pointLines(100, u','));
        QCOMPARE(f.count(1), QStringLiteral("100"));
        QVERIFY(f.message()->isHidden());
    }

    void enterCountsAndMarksThePage() {
        Fixture f;
        f.form.show();
        QPlainTextEdit* box = f.data(1);
        box->setFocus();
        QTest::keyClicks(box, "1 2");
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, "3 4");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.count(1), QStringLiteral("2"));
        QVERIFY(!control<QLabel>(&f.form, "Label6")->font().bold());
        QTest::keyClicks(box, "5 6");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.count(1), QStringLiteral("3"));
        QVERIFY(control<QLabel>(&f.form, "Label6")->font().bold());
        QTest::keyClick(box, Qt::Key_Return); // an empty line is not kept
        QCOMPARE(box->toPlainText(), QStringLiteral("1 2\n3 4\n5 6\n"));
    }

    void enterInTheParameterGoesToTheData() {
        Fixture f;
        f.form.show();
        QVERIFY(testing::activateNow(&f.form));
        f.parameter(1)->setFocus();
        QTest::keyClick(f.parameter(1), Qt::Key_Return);
        QVERIFY(f.data(1)->hasFocus());
    }

    void computationStartMessages_data() {
        QTest::addColumn<QStringList>("pages");      // LF data of pages 1..n
        QTest::addColumn<QStringList>("parameters"); // parameters of pages 1..n
        QTest::addColumn<QString>("message");
        const QString three = "1,2\n3,4\n5,6\n";
        QTest::newRow("no data") << QStringList{} << QStringList{} << "データが無い";
        QTest::newRow("no separator") << QStringList{"1,2\n34\n5,6\n"} << QStringList{"1"} << "X,Yﾃﾞｰﾀ異常";
        QTest::newRow("empty Y") << QStringList{"1,2\n3,\n5,6\n"} << QStringList{"1"}
                                 << "ﾌﾞﾗﾝｸﾃﾞｰﾀが存在します";
        QTest::newRow("bad X") << QStringList{"1,2\nx,4\n5,6\n"} << QStringList{"1"} << "X値が異常";
        QTest::newRow("tab plus comma splits at the comma")
            << QStringList{"1,2\n1.5,2.5\t7\n5,6\n"} << QStringList{"1"} << "Y値が異常";
        QTest::newRow("empty parameter on Line 2")
            << QStringList{three, three} << QStringList{"1", ""} << "Parameterの定義がない";
        QTest::newRow("two pairs") << QStringList{"1,2\n3,4\n"} << QStringList{"1"} << "X,Yﾃﾞｰﾀの組が少ない";
        QTest::newRow("empty page between")
            << QStringList{three, "", three} << QStringList{"1", "2", "3"} << "ﾃﾞｰﾀの無いParameterが有る";
    }
    void computationStartMessages() {
        QFETCH(QStringList, pages);
        QFETCH(QStringList, parameters);
        QFETCH(QString, message);
        Fixture f;
        f.form.show();
        for (int i = 0; i < pages.size(); ++i) {
            f.parameter(i + 1)->setText(parameters[i]);
            f.type(i + 1, pages[i]);
        }
        f.click("Command3");
        QVERIFY(f.message()->isVisible());
        QCOMPARE(f.message()->text(), message);
        QVERIFY(f.form.isVisible());
        QTest::mouseClick(f.message(), Qt::LeftButton);
        QVERIFY(!f.message()->isVisible());
    }

    void startingPreparesTheTables() {
        Fixture f;
        f.form.show();
        f.parameter(1)->setText(""); // Line 1 may go without a parameter
        f.type(1, "1 10\n2\t20\t99\n3,30\n");
        f.parameter(2)->setText("0.5");
        f.type(2, "1   1\n2 2\n3 3\n4 4\n");
        f.click("Command3");
        QVERIFY(!f.message()->isVisible());
        QVERIFY(!f.form.isVisible());
        QCOMPARE(f.state.ComputeCaller, qint16(50));
        QVERIFY(f.state.KeyboardDataActive);
        QCOMPARE(f.state.LinesInUse, qint16(2));
        QCOMPARE(f.state.PointXText[1][2], QStringLiteral("2"));
        QCOMPARE(f.state.PointYText[1][2], QStringLiteral("20")); // the third value is ignored
        QCOMPARE(f.state.PointYText[2][1], QStringLiteral("1"));
        QCOMPARE(f.state.LoadedLineCount[2], qint16(4));
        QCOMPARE(f.state.LineParameter[2], QStringLiteral("0.5"));
        QCOMPARE(f.state.LineOrder[1], qint16(1)); // "" sorts before "0.5"
    }

    void saveAllValidatesAndOpensItsDialog() {
        Fixture f;
        f.form.show();
        f.type(1, "1,2\n3,4\n5,6\n");
        f.click("Command6");
        QVERIFY(!f.message()->isVisible());
        QCOMPARE(f.state.SaveCaller, qint16(50));
        QCOMPARE(f.state.SaveKind, qint16(0));
        QVERIFY(f.state.KeyboardDataActive);
        QVERIFY(!f.form.isEnabled()); // the save dialog has it now
        QVERIFY(f.csvDialog.isVisible());
        QCOMPARE(f.csvDialog.purpose, qint16(50));
        QCOMPARE(f.csvDialog.caption, QStringLiteral("キーボード入力データの保存"));
        f.form.setEnabled(true);
        f.type(1, "1,2\n");
        f.click("Command6");
        QCOMPARE(f.message()->text(), QStringLiteral("X,Yﾃﾞｰﾀの組が少ない"));
    }

    void commaConversion() {
        Fixture f;
        f.form.show();
        f.type(1, "1   2\n3\t4\n5,6\n");
        f.type(2, "7 8\n9 10\n11 12\n13 14\n");
        f.click("Command8");
        QCOMPARE(f.data(1)->toPlainText(), QStringLiteral("1, 2\n3, 4\n5, 6\n"));
        QCOMPARE(f.data(2)->toPlainText(), QStringLiteral("7, 8\n9, 10\n11, 12\n13, 14\n"));
        QCOMPARE(f.count(2), QStringLiteral("4"));
        QCOMPARE(f.state.LineText[1], QStringLiteral("1, 2\r\n3, 4\r\n5, 6\r\n"));
        f.type(3, "1 2\nbad\n");
        f.click("Command8");
        QCOMPARE(f.message()->text(), QStringLiteral("Error"));
        QCOMPARE(f.data(3)->toPlainText(), QStringLiteral("1 2\nbad\n"));
    }

    void deletingAPageMovesTheLaterOnesUp() {
        Fixture f;
        f.form.show();
        for (int line = 1; line <= 4; ++line) {
            f.parameter(line)->setText(QStringLiteral("p%1").arg(line));
            f.type(line, QStringLiteral("%1 1\n%1 2\n%1 3\n").arg(line));
        }
        f.click("Command2"); // page 2
        f.click("Command7");
        QCOMPARE(f.form.displayedPage(), 1);
        QCOMPARE(f.parameter(2)->text(), QStringLiteral("p3"));
        QCOMPARE(f.data(2)->toPlainText(), QStringLiteral("3 1\n3 2\n3 3\n"));
        QCOMPARE(f.parameter(3)->text(), QStringLiteral("p4"));
        QCOMPARE(f.data(4)->toPlainText(), QString());
        QCOMPARE(f.count(4), QStringLiteral("0"));
        QCOMPARE(f.parameter(10)->text(), QString());
        QCOMPARE(f.state.PointCount[3], qint16(3));
        QCOMPARE(f.state.PointCount[4], qint16(0));
    }

    void openingReplacesTheLines() {
        Fixture f;
        Form21 dataSet(f.state, f.windows);
        f.state.LineBox[2] = QStringLiteral("1,2\r\n3,4\r\n5,6\r\n");
        f.state.SavedLineBox[2] = f.state.LineBox[2]; // saved: no question
        f.state.PointCount[2] = 3;
        f.state.LineParameter[2] = QStringLiteral("7.5");
        f.type(1, "1 2\n");
        f.form.show();
        QVERIFY(!f.form.findChild<QMessageBox*>());
        QCOMPARE(f.state.LineBox[2], QString());
        QCOMPARE(f.state.PointCount[2], qint16(0));
        QCOMPARE(f.state.LineParameter[2], QStringLiteral("2"));
        QCOMPARE(control<QPlainTextEdit>(&dataSet, "Text1(1)")->toPlainText(), QString());
        QCOMPARE(f.state.LineText[1], QStringLiteral("1 2\r\n"));
    }

    void unsavedSampledPointsAreNotDiscardedSilently() {
        Fixture f;
        f.state.LineBox[1] = QStringLiteral("1,2\r\n3,4\r\n5,6\r\n");
        f.state.PointCount[1] = 3;
        f.form.show();
        auto* question = f.form.findChild<QMessageBox*>("ReplaceQuestion");
        QVERIFY(question);
        QCOMPARE(question->text(), Form50::kReplaceQuestion);
        QCOMPARE(f.state.LineBox[1], QStringLiteral("1,2\r\n3,4\r\n5,6\r\n")); // not yet replaced
        question->findChild<QPushButton*>("Keep")->click();
        QVERIFY(!f.form.isVisible());
        QVERIFY(f.main.isVisible());
        QCOMPARE(f.state.LineBox[1], QStringLiteral("1,2\r\n3,4\r\n5,6\r\n"));
        QCOMPARE(f.state.PointCount[1], qint16(3));

        // Asked again, though the answered question may not be deleted yet.
        f.form.show();
        question = nullptr;
        for (QMessageBox* shown : f.form.findChildren<QMessageBox*>("ReplaceQuestion"))
            if (shown->isVisible())
                question = shown;
        QVERIFY(question);
        question->findChild<QPushButton*>("Discard")->click();
        QVERIFY(f.form.isVisible());
        QCOMPARE(f.state.LineBox[1], QString());
        QCOMPARE(f.state.PointCount[1], qint16(0));
    }

    void backShowsTheMainWindow() {
        Fixture f;
        f.main.setEnabled(false);
        f.form.show();
        f.click("Command4");
        QVERIFY(!f.form.isVisible());
        QVERIFY(f.main.isVisible());
        QVERIFY(f.main.isEnabled());
    }

    void helpAndHints() {
        Fixture f;
        f.form.show();
        auto* help = control<QLabel>(&f.form, "Text4");
        QVERIFY(!help->isVisible());
        f.click("Command5");
        QVERIFY(help->isVisible());
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(!help->isVisible());

        auto* hint = control<QLabel>(&f.form, "Text6");
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(control<QPushButton>(&f.form, "Command8"), &enter);
        QVERIFY(!hint->isVisible()); // comments off
        control<QCheckBox>(&f.form, "Check1")->click();
        QCoreApplication::sendEvent(control<QPushButton>(&f.form, "Command8"), &enter);
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QStringLiteral("Ｘ、Ｙデータ区切りをカンマで統一化"));
        QCoreApplication::sendEvent(f.parameter(1), &enter);
        QCOMPARE(hint->text(), QStringLiteral("数値又は文字列"));
        QCoreApplication::sendEvent(control<QPushButton>(&f.form, "Command4"), &enter);
        QVERIFY(!hint->isVisible());
    }
};

QTEST_MAIN(TestForm50)
#include "tst_form50.moc"
