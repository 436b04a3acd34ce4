// The DataSet window driven as a user would: typing into the Line boxes,
// selecting Lines, deleting, saving and starting a computation.

#include "WindowStandIns.h"
#include "data/Form21.h"
#include "data/Form24.h"
#include "data/PointLimit.h"
#include "data/SavedLines.h"
#include "tests/common/ActivateWindow.h"
#include "tests/common/AnswerQuestion.h"
#include "ui/Controls.h"
#include "ui/LineHistory.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tracol;

namespace {

struct Fixture {
    SharedState state;
    Windows windows;
    testing::MainWindowStandIn main{windows};
    testing::ImageWindowStandIn image{windows};
    testing::OpenDialogStandIn openDialog{windows};
    testing::ComputationScreenStandIn computation{windows};
    LineHistory history{state, windows};
    Form21 form{state, windows};
    Fixture() {
        state.SamplingActive = true;
        for (int line = 1; line <= kLineCount; ++line)
            state.LineParameter[line] = QString::number(line);
        form.show();
    }
    QPlainTextEdit* box(int line) const {
        return control<QPlainTextEdit>(&form, indexedName(QStringLiteral("Text1"), line - 1));
    }
    // Typing into a Line box: the text arrives through the box's own change.
    void type(int line, const QString& lfText) { box(line)->setPlainText(lfText); }
    void select(int line) { control<QRadioButton>(&form, indexedName("Option1", line - 1))->click(); }
    void click(const QString& name) { control<QPushButton>(&form, name)->click(); }
    QString text(const QString& name) const { return controlText(&form, name); }
    QLabel* message() const { return control<QLabel>(&form, QStringLiteral("Text3")); }
};

} // namespace

class TestForm21 : public QObject {
    Q_OBJECT
  private slots:
    void layoutAndCaptions() {
        Fixture f;
        QCOMPARE(f.form.windowTitle(), QStringLiteral("DataSet"));
        QCOMPARE(f.windows.form21.data(), static_cast<QWidget*>(&f.form));
        QCOMPARE(control<QLabel>(&f.form, "Label3(0)")->text(), QStringLiteral("Line 1"));
        QCOMPARE(control<QLabel>(&f.form, "Label3(8)")->text(), QStringLiteral("Line 9"));
        QCOMPARE(control<QLabel>(&f.form, "Label3(9)")->text(), QStringLiteral("Line10"));
        QCOMPARE(control<QLabel>(&f.form, "Text4")->text(),
                 QStringLiteral("入力済みデータにて数式算出処理を開始します。"));
        const QStringList captions = {"全保存",           "全Line削除",   "選択保存",        "選択Line削除",
                                      "戻る（初期画面）", "数式算出処理", "数値ﾃﾞｰﾀの呼込み"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(control<QPushButton>(&f.form, QStringLiteral("Command%1").arg(i + 1))->text(),
                     captions[i]);
        // Two columns of five selectors: 1-5 share a left edge, 6-10 another.
        const int left0 = control<QRadioButton>(&f.form, "Option1(0)")->x();
        const int left5 = control<QRadioButton>(&f.form, "Option1(5)")->x();
        QVERIFY(left5 > left0);
        for (int k = 1; k < kLineCount; ++k)
            QCOMPARE(control<QRadioButton>(&f.form, indexedName("Option1", k))->x(), k < 5 ? left0 : left5);
        QVERIFY(!f.message()->isVisible());
    }

    void selectingALineShowsItsBoxAndFollowsTheMainWindow() {
        Fixture f;
        f.state.PointCount[3] = 7;
        f.state.LineParameter[3] = QStringLiteral("2.5");
        f.select(3);
        QCOMPARE(f.state.CurrentLine, qint16(3));
        QCOMPARE(f.text("Text5"), QStringLiteral("3"));
        QCOMPARE(f.text("Text6"), QStringLiteral("7"));
        QCOMPARE(f.text("Text2"), QStringLiteral("2.5"));
        QVERIFY(isControlChecked(&f.main, "Option1(2)"));
        for (int line = 1; line <= kLineCount; ++line)
            QCOMPARE(f.box(line)->isVisible(), line == 3);
        QCOMPARE(f.form.height(), f.main.height());
    }

    void anEmptyParameterBecomesTheLineNumber() {
        Fixture f;
        f.state.LineParameter[4].clear();
        f.select(4);
        QCOMPARE(f.state.LineParameter[4], QStringLiteral(" 4"));
    }

    void pointCounting_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("lineText");
        QTest::newRow("two points") << "1,2\n3,4\n" << 2 << "1,2\r\n3,4\r\n";
        QTest::newRow("empty lines squeezed") << "\n1,2\n\n3,4\n" << 2 << "1,2\r\n3,4\r\n";
    }
    void pointCounting() {
        QFETCH(QString, typed);
        QFETCH(int, count);
        QFETCH(QString, lineText);
        Fixture f;
        f.select(1);
        f.type(1, typed);
        QCOMPARE(f.state.PointCount[1], qint16(count));
        QCOMPARE(f.text("Text6"), QString::number(count));
        QCOMPARE(f.state.LineText[1], lineText);
        QCOMPARE(f.state.LineBox[1], QString(typed).replace("\n", "\r\n")); // the box keeps its text
    }

    void moreThanHundredPointsAreCountedWithANotice_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("notice");
        QTest::newRow("100") << 100 << false;
        QTest::newRow("101") << 101 << true;
    }
    void moreThanHundredPointsAreCountedWithANotice() {
        QFETCH(int, points);
        QFETCH(bool, notice);
        Fixture f;
        f.select(1);
        QString text;
        for (int i = 1; i <= points; ++i)
            text += QStringLiteral("%1,%2\n").arg(i).arg(i * 3);
        f.type(1, text);
        QCOMPARE(f.state.PointCount[1], qint16(100));
        QCOMPARE(f.message()->isVisible(), notice);
        if (!notice)
            return;
        QCOMPARE(f.message()->text(), kOnlyFirstPointsNotice);
        // The whole notice is readable inside the window.
        QVERIFY(f.message()->heightForWidth(f.message()->width()) <= f.message()->height());
        QVERIFY(f.form.rect().contains(f.message()->geometry()));
    }

    void theCountWaitsWhileAPointIsBeingTyped() {
        Fixture f;
        f.select(1);
        f.type(1, "1,2\n3,4\n");
        f.type(1, "1,2\n3,4\n5,");
        QCOMPARE(f.state.PointCount[1], qint16(2));
        QCOMPARE(f.text("Text6"), QStringLiteral("2"));
        f.type(1, "1,2\n3,4\n5,6");
        QCOMPARE(f.state.PointCount[1], qint16(3));
        QCOMPARE(f.text("Text6"), QStringLiteral("3"));
    }

    void sampledPointsAppearInTheBox() {
        Fixture f;
        f.select(2);
        f.state.LineBox[2] = QStringLiteral("1.5,2.25\r\n");
        f.state.PointCount[2] = 1;
        emit f.windows.lineBoxChanged(2);
        QCOMPARE(f.box(2)->toPlainText(), QStringLiteral("1.5,2.25\n"));
        QCOMPARE(f.text("Text6"), QStringLiteral("1"));
        QCOMPARE(f.state.LineBox[2], QStringLiteral("1.5,2.25\r\n")); // not echoed back changed
        const QColor marked = control<QLabel>(&f.form, "Label3(1)")->palette().color(QPalette::WindowText);
        QCOMPARE(marked, QColor(128, 0, 0));
    }

    void labelsMarkLinesWithDataAndTheSelectedOneIsBold() {
        Fixture f;
        f.select(1);
        f.type(1, "1,2\n3,4\n");
        f.type(2, "ab"); // two characters: emptied by the marking
        f.select(2);
        QCOMPARE(f.state.LineBox[2], QString());
        QCOMPARE(f.box(2)->toPlainText(), QString());
        auto* label1 = control<QLabel>(&f.form, "Label3(0)");
        auto* label2 = control<QLabel>(&f.form, "Label3(1)");
        QCOMPARE(label1->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(label2->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(label2->font().bold());
        QVERIFY(!label1->font().bold());
    }

    void parameterIsTakenWhenTheBoxLosesFocus_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("taken"); // blanks removed
        QTest::newRow("blanks around") << " 0.75 "
                                       << "0.75";
        QTest::newRow("blanks inside") << " 2 5 "
                                       << "25";
    }
    void parameterIsTakenWhenTheBoxLosesFocus() {
        QFETCH(QString, typed);
        QFETCH(QString, taken);
        Fixture f;
        f.select(2);
        auto* parameter = control<QLineEdit>(&f.form, "Text2");
        QVERIFY(testing::activateNow(&f.form));
        parameter->setFocus();
        parameter->selectAll();
        QTest::keyClicks(parameter, typed);
        QCOMPARE(f.state.LineParameter[2], QStringLiteral("2")); // not yet
        control<QPlainTextEdit>(&f.form, "Text1(1)")->setFocus();
        QCOMPARE(f.state.LineParameter[2], taken);
    }

    // Destroying the window while its parameter box has the focus: the box's
    // focus loss must not reach the half-destroyed window.
    void destroyingTheWindowWhileABoxHasTheFocus() {
        SharedState state;
        Windows windows;
        testing::MainWindowStandIn main{windows};
        testing::ImageWindowStandIn image{windows};
        LineHistory history{state, windows};
        state.SamplingActive = true;
        auto* form = new Form21(state, windows);
        form->show();
        QVERIFY(testing::activateNow(form));
        control<QRadioButton>(form, "Option1(1)")->click();
        auto* parameter = control<QLineEdit>(form, "Text2");
        parameter->setFocus();
        parameter->selectAll();
        QTest::keyClicks(parameter, "0.5");
        const QString before = state.LineParameter[2];
        delete form;
        QCOMPARE(state.LineParameter[2], before);
        QVERIFY(windows.form21.isNull());
    }

    void aParameterEditSurvivesASelectionFromTheMainWindow() {
        Fixture f;
        f.select(2);
        auto* parameter = control<QLineEdit>(&f.form, "Text2");
        parameter->selectAll();
        QTest::keyClicks(parameter, "3.75");
        setControlChecked(f.windows.form20, "Option1(4)", true);
        f.select(5); // the main window's selection reaches this window
        QCOMPARE(f.state.LineParameter[2], QStringLiteral("3.75"));
        QCOMPARE(parameter->text(), QStringLiteral("5"));
    }

    void emptiedLinesLoseTheirMark() {
        Fixture f;
        f.type(3, "1,2\n3,4\n");
        auto* label = control<QLabel>(&f.form, "Label3(2)");
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        f.state.LineBox[3].clear();
        emit f.windows.lineBoxChanged(3);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void doubleClickEnlargesTheBox() {
        Fixture f;
        f.select(1);
        QPlainTextEdit* box = f.box(1);
        QCOMPARE(box->height(), twipsToPixels(1710));
        QTest::mouseDClick(box->viewport(), Qt::LeftButton);
        QCOMPARE(box->height(), twipsToPixels(5460));
        QTest::mouseDClick(box->viewport(), Qt::LeftButton);
        QCOMPARE(box->height(), twipsToPixels(1710));
    }

    void computationStartMessages_data() {
        QTest::addColumn<QStringList>("lines"); // LF texts of Lines 1..n
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("widthTwips");
        QTest::newRow("no data") << QStringList{} << "データが無い" << 1275;
        QTest::newRow("Line 2 empty between 1 and 3")
            << QStringList{"1,2\n3,4\n5,6\n", "", "1,2\n3,4\n5,6\n"} << "データが無いパラメータ存在" << 2505;
        QTest::newRow("semicolon") << QStringList{"1,2\n3;4\n5,6\n"} << "X,Yデータがどちらか欠損" << 2235;
        QTest::newRow("empty Y") << QStringList{"1,2\n3, \n5,6\n"} << "X,Yデータがどちらか欠損" << 2235;
        QTest::newRow("two commas") << QStringList{"1,2\n3,4,5\n5,6\n"} << "数値として判断されない" << 2235;
        QTest::newRow("a letter") << QStringList{"1,2\n3,x\n5,6\n"} << "数値として判断されない" << 2235;
        QTest::newRow("exactly two points") << QStringList{"1.5,2.5\n3.5,4.5\n"} << "データが少ない" << 1425;
        QTest::newRow("ten characters with the line breaks")
            << QStringList{"1,2\n3,4\n"} << "データが少ない" << 1425;
    }
    void computationStartMessages() {
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        QFETCH(int, widthTwips);
        Fixture f;
        for (int i = 0; i < lines.size(); ++i)
            f.type(i + 1, lines[i]);
        f.click("Command6");
        QVERIFY(f.message()->isVisible());
        QCOMPARE(f.message()->text(), message);
        QCOMPARE(f.message()->width(), twipsToPixels(widthTwips));
        QCOMPARE(f.message()->palette().color(QPalette::Text), QColor(255, 0, 255));
        QVERIFY(f.form.isVisible());
        QVERIFY(!control<QLabel>(&f.form, "Text4")->isVisible());
        QVERIFY(control<QTimer>(&f.form, "Timer1")->isActive()); // the Line follow goes on
    }

    void blanksAndExponentsPass() {
        Fixture f;
        f.type(1, " 1.5 , 2E+01 \n2,3D-2\n3 , 4e1\n4,5d0\n");
        f.click("Command6");
        QVERIFY(!f.message()->isVisible());
        QVERIFY(!f.form.isVisible());
        QCOMPARE(f.state.LinesInUse, qint16(1));
        QCOMPARE(f.state.PointXText[1][1], QStringLiteral("1.5"));
        QCOMPARE(f.state.PointYText[1][1], QStringLiteral("2E+01"));
        QCOMPARE(f.state.PointYText[1][2], QStringLiteral("3D-2"));
        QCOMPARE(f.state.LoadedLineCount[1], qint16(4));
    }

    void successfulStartPreparesTablesAndHidesTheWindows() {
        Fixture f;
        f.main.show();
        f.type(1, "1,10\n2,20\n3,30\n");
        f.type(2, "1,1\n2,2\n3,3\n4,4\n");
        f.select(1);
        f.state.LineParameter[1] = QStringLiteral("9");
        f.state.LineParameter[2] = QStringLiteral("10");
        f.click("Command6");
        QVERIFY(!f.form.isVisible());
        QVERIFY(!f.form.isEnabled());
        QVERIFY(!f.main.isVisible());
        QCOMPARE(f.state.ComputeCaller, qint16(21));
        QCOMPARE(f.state.LinesInUse, qint16(2));
        QCOMPARE(f.state.LineOrder[1], qint16(2)); // "10" sorts before "9"
        QCOMPARE(f.state.LineOrder[2], qint16(1));
        QCOMPARE(f.state.PointYText[2][4], QStringLiteral("4"));
        QCOMPARE(f.state.LoadedLineCount[1], qint16(3));
        QVERIFY(!f.state.KeyboardDataActive);
    }

    void saveAllRefusesAGapButSelectedSaveOfLine3Passes() {
        Fixture f;
        Form24 dialog(f.state, f.windows);
        f.type(1, "1,2\n3,4\n5,6\n");
        f.type(3, "1,2\n3,4\n5,6\n");
        f.click("Command1");
        QCOMPARE(f.message()->text(), QStringLiteral("データが無いパラメータ存在"));
        QVERIFY(!dialog.isVisible());
        QVERIFY(!f.state.ValidateOnly);

        f.select(3);
        f.click("Command3");
        QVERIFY(dialog.isVisible());
        QVERIFY(!f.form.isEnabled());
        QCOMPARE(f.state.SaveKind, qint16(1));
        QCOMPARE(f.state.SaveCaller, qint16(21));
        QCOMPARE(f.state.SingleLine, qint16(0));
        QVERIFY(!f.state.ValidateOnly);
        QVERIFY(control<QPushButton>(&f.main, "Command5")->isEnabled());
        QVERIFY(f.form.isVisible()); // validation alone hides nothing
    }

    // "全保存" while a point is half typed writes the points that passed the
    // check; the half point is not on disk, so the Line stays unsaved.
    void savingAllWritesWhatWasChecked() {
        Fixture f;
        Form24 dialog(f.state, f.windows);
        QTemporaryDir folder;
        f.state.LineParameter[1] = QStringLiteral("0.5");
        f.type(1, "1,2\n3,4\n5,6\n");
        f.type(1, "1,2\n3,4\n5,6\n7,");
        f.click("Command1");
        QVERIFY(dialog.isVisible());
        setControlText(&dialog, "Text1", folder.filePath("half.dat"));
        control<QPushButton>(&dialog, "Command4")->click();
        control<QPushButton>(&dialog, "Command5")->click();
        QFile file(folder.filePath("half.dat"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("0.5, 1 , 3\r\n1,2\r\n3,4\r\n5,6\r\n"));
        QVERIFY(hasUnsavedPoints(f.state));
    }

    void deletingLine4Of6MovesTheLaterLinesUp() {
        Fixture f;
        for (int line = 1; line <= 6; ++line) {
            f.type(line, QStringLiteral("%1,1\n%1,2\n%1,3\n").arg(line));
            f.state.LineParameter[line] = QStringLiteral("p%1").arg(line);
        }
        f.select(4);
        f.click("Command4");
        QCOMPARE(f.state.LineBox[4], QStringLiteral("5,1\r\n5,2\r\n5,3\r\n"));
        QCOMPARE(f.state.LineBox[5], QStringLiteral("6,1\r\n6,2\r\n6,3\r\n"));
        QCOMPARE(f.state.LineBox[6], QString());
        QCOMPARE(f.state.LineParameter[4], QStringLiteral("p5"));
        QCOMPARE(f.state.LineParameter[5], QStringLiteral("p6"));
        QCOMPARE(f.state.PointCount[5], qint16(3));
        QCOMPARE(f.state.PointCount[6], qint16(0));
        QCOMPARE(f.state.LineBox[10], QString());
        QCOMPARE(f.state.LineParameter[10], QStringLiteral("10"));
        QCOMPARE(f.state.PointCount[10], qint16(0));
        QCOMPARE(f.box(4)->toPlainText(), QStringLiteral("5,1\n5,2\n5,3\n"));
        QCOMPARE(f.text("Text2"), QStringLiteral("p5"));
        QCOMPARE(f.text("Text6"), QStringLiteral("3"));
    }

    void deletingAllLines_data() {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("answer"); // to the question, when one is asked
        QTest::newRow("saved: at once") << true << QString();
        QTest::newRow("unsaved: discarded") << false << "Discard";
    }
    void deletingAllLines() {
        QFETCH(bool, saved);
        QFETCH(QString, answer);
        Fixture f;
        f.type(1, "1,2\n3,4\n5,6\n");
        f.type(7, "1,2\n3,4\n5,6\n");
        f.state.LineParameter[7] = QStringLiteral("x");
        if (saved)
            f.state.SavedLineBox = f.state.LineBox;
        f.select(7);
        const testing::QuestionAnswer question(answer);
        f.click("Command2");
        QCOMPARE(question.asked(), saved ? QString() : QStringLiteral("DeleteAllLinesQuestion"));
        for (int line = 1; line <= kLineCount; ++line) {
            QCOMPARE(f.state.LineBox[line], QString());
            QCOMPARE(f.state.PointCount[line], qint16(0));
            QCOMPARE(f.state.LineParameter[line], QString::number(line));
        }
        QVERIFY(control<QRadioButton>(&f.form, "Option1(0)")->isChecked());
        QVERIFY(isControlChecked(&f.main, "Option1(0)"));
        QCOMPARE(f.text("Text5"), QStringLiteral("1"));
        QCOMPARE(f.text("Text2"), QStringLiteral("1"));
    }

    void unsavedLinesAreKeptByTheDefaultAnswer() {
        Fixture f;
        f.type(2, "1,2\n3,4\n5,6\n");
        const testing::QuestionAnswer question{QString()}; // Enter
        f.click("Command2");
        QCOMPARE(question.asked(), QStringLiteral("DeleteAllLinesQuestion"));
        QCOMPARE(f.state.LineBox[2], QStringLiteral("1,2\r\n3,4\r\n5,6\r\n"));
        QCOMPARE(f.state.PointCount[2], qint16(3));
        QCOMPARE(f.box(2)->toPlainText(), QStringLiteral("1,2\n3,4\n5,6\n"));
    }

    void hints() {
        Fixture f;
        auto* comment = control<QLabel>(&f.form, "Text4");
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(control<QPushButton>(&f.form, "Command1"), &enter);
        QVERIFY(!comment->isVisible()); // comments off
        control<QCheckBox>(&f.form, "Check1")->click();
        QCOMPARE(control<QLabel>(&f.form, "Label4")->palette().color(QPalette::WindowText),
                 QColor(192, 0, 0));
        QCoreApplication::sendEvent(control<QPushButton>(&f.form, "Command1"), &enter);
        QVERIFY(comment->isVisible());
        QCOMPARE(comment->text(), QStringLiteral("全てのLineのデータをファイル保存します．"));
        QCoreApplication::sendEvent(f.box(1), &enter);
        QCOMPARE(comment->text(), QStringLiteral("ダブルクリックすると画面が広がります."));
        QTest::mouseClick(comment, Qt::LeftButton);
        QVERIFY(!comment->isVisible());
        // With no image window shown, the back button warns even without comments.
        control<QCheckBox>(&f.form, "Check1")->click();
        QCoreApplication::sendEvent(control<QPushButton>(&f.form, "Command5"), &enter);
        QCOMPARE(comment->text(), QStringLiteral("保存データ参照の為操作が制限されます"));
    }

    void backToTheMainWindow() {
        Fixture f;
        f.main.setEnabled(false);
        f.form.move(40, 30);
        f.click("Command5");
        QVERIFY(!f.state.SamplingActive);
        QVERIFY(f.state.DataOnlyMode); // no image window shown
        QVERIFY(!f.form.isEnabled());
        QVERIFY(f.main.isEnabled());
        QVERIFY(f.main.isVisible());
        QCOMPARE(f.main.pos(), f.form.pos());
    }

    void lineFollowTimerTakesTheMainWindowsLine() {
        Fixture f;
        setControlChecked(&f.main, "Option1(5)", true);
        testing::fireTimer(control<QTimer>(&f.form, "Timer1"));
        QCOMPARE(f.state.CurrentLine, qint16(6));
    }
};

QTEST_MAIN(TestForm21)
#include "tst_form21.moc"
