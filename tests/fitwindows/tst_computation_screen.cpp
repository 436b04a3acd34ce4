// The computation screen driven as a user would: Lines handed over from the
// DataSet window and from keyboard entry, the start button, the abort, the
// copies, the result saves and the worksheet.

#include "ComputationFixture.h"
#include "core/CodePage932.h"
#include "output/WorksheetDisplay.h"
#include "tests/common/FileLines.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

using namespace tracol;
using testing::ComputationFixture;
using testing::fileLines;

namespace {

// Receives the desktop's "open" of files in place of the spreadsheet.
class DesktopRecorder : public QObject {
    Q_OBJECT
  public:
    QStringList opened;
    DesktopRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~DesktopRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  public slots:
    void open(const QUrl& url) { opened << url.toLocalFile(); }
};

} // namespace

class TestComputationScreen : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowIsBuilt() {
        ComputationFixture f;
        QVERIFY(f.windows.missingWindows().isEmpty());
        QVERIFY(Windows().missingWindows().contains(QStringLiteral("Form33")));
    }

    void fromTheDataSetWindowTheListsHoldTheEnginesTexts() {
        ComputationFixture f;
        f.openFromDataSetWindow();
        QVERIFY(!f.windows.form21->isVisible() && !f.windows.form20->isVisible());
        QCOMPARE(f.startCaption(), QStringLiteral("計算開始"));
        QCOMPARE(f.status(), QStringLiteral("開始ﾎﾞﾀﾝを押して下さい"));
        QVERIFY(control<QLabel>(f.screen(), "Text2(1)")->isVisible()); // captions before the first run
        const SharedState expected = ComputationFixture::engineResult(f.state);

        QString captionWhileRunning;
        bool drawButtonWhileRunning = true;
        QTimer::singleShot(0, [&] {
            captionWhileRunning = f.startCaption();
            drawButtonWhileRunning = f.button(f.screen(), "Command3")->isEnabled();
        });
        f.start();
        QCOMPARE(captionWhileRunning, QStringLiteral("実行中"));
        QVERIFY(!drawButtonWhileRunning); // 描 画 waits for the results too
        QVERIFY(f.button(f.screen(), "Command3")->isEnabled());
        QCOMPARE(f.list(1)->lines(), expected.List1.toStringList());
        QCOMPARE(f.list(2)->lines(), expected.List2);
        QCOMPARE(f.list(3)->lines(), expected.List3);
        QCOMPARE(f.list(4)->lines(), expected.List4);
        QVERIFY(!f.list(2)->lines().isEmpty());
        QCOMPARE(f.startCaption(), QStringLiteral("再計算開始"));
        QVERIFY(f.screen()->isEnabled());
        QVERIFY(!f.windows.grForm35->isVisible());
        QVERIFY(QFile::exists(QDir(f.folder.path()).filePath("Rrr.csv")));

        // Back to the DataSet window, with its Lines as they were.
        const QString line1 = f.state.LineBox[1];
        f.button(f.screen(), "Command2")->click();
        QVERIFY(!f.screen()->isVisible());
        QVERIFY(f.windows.form21->isVisible() && f.windows.form21->isEnabled());
        QCOMPARE(f.state.LineBox[1], line1);
    }

    void fromKeyboardEntry() {
        ComputationFixture f;
        f.openFromKeyboardEntry({"1 2\n2 4.1\n3 5.9\n4 8.2\n", "1,1\n2,1.5\n3,2.2\n"});
        QCOMPARE(f.state.ComputeCaller, qint16(kCallerKeyboard));
        const SharedState expected = ComputationFixture::engineResult(f.state);
        f.start();
        QCOMPARE(f.list(1)->lines(), expected.List1.toStringList());
        QCOMPARE(f.list(2)->lines(), expected.List2);
        QCOMPARE(f.list(3)->lines(), expected.List3);
        QCOMPARE(f.list(4)->lines(), expected.List4);
        QVERIFY(!f.list(3)->lines().isEmpty());
        f.button(f.screen(), "Command2")->click();
        QVERIFY(f.windows.form50->isVisible() && f.windows.form50->isEnabled());
    }

    void abortInTheMiddleAsksForGo() {
        ComputationFixture f;
        f.openFromDataSetWindow();
        QVERIFY(f.state.WorkEstimate > 9);
        bool progressShown = false;
        QTimer::singleShot(0, [&] {
            progressShown = f.windows.grForm35->isVisible();
            f.button(f.windows.grForm35, "Command1")->click(); // 中止
        });
        f.start();
        QVERIFY(progressShown);
        QCOMPARE(f.status(), QStringLiteral("GO ﾎﾞﾀﾝを押して下さい"));
        QCOMPARE(f.startCaption(), QStringLiteral("GO"));
        QVERIFY(f.list(2)->lines().isEmpty());
        QVERIFY(f.list(4)->lines().isEmpty());
        QVERIFY(!f.list(1)->lines().isEmpty()); // the trace so far stays
        QVERIFY(f.screen()->isEnabled());
        QVERIFY(!f.state.AbortRequested);
        f.start(); // GO: a whole computation this time
        QVERIFY(!f.list(2)->lines().isEmpty());
        QCOMPARE(f.startCaption(), QStringLiteral("再計算開始"));
    }

    void rightButtonCopiesTheSelectedLines() {
        ComputationFixture f;
        f.openFromDataSetWindow();
        f.start();
        TextListBox* list3 = f.list(3);
        for (int row : {0, 2})
            list3->selectionModel()->select(list3->model()->index(row, 0), QItemSelectionModel::Select);
        QTest::mouseClick(list3->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        const QString expected = list3->lines().at(0) + "\r\n" + list3->lines().at(2) + "\r\n";
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        auto* message = control<QLabel>(f.screen(), "Text1");
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(), QStringLiteral("クリップボードにコピーしました。"));
        // A press on another list takes the selection away from this one.
        QTest::mouseClick(f.list(2)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!list3->selectionModel()->hasSelection());
        testing::fireTimer(control<QTimer>(f.screen(), "Timer3"));
        QVERIFY(!message->isVisible());
    }

    void resultSaves_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("kind");
        QTest::newRow("ＸＹデータ保存") << "XYDAT" << int(kSaveAllLines);
        QTest::newRow("関連式保存") << "OUTRES" << int(kSaveRelationFormulas);
        QTest::newRow("全結果保存") << "ALLRES" << int(kSaveAllResults);
        QTest::newRow("履歴保存") << "Label2" << int(kSaveHistory);
    }
    void resultSaves() {
        QFETCH(QString, menu);
        QFETCH(int, kind);
        ComputationFixture f;
        f.openFromDataSetWindow();
        f.start();
        if (menu == "Label2")
            QTest::mouseDClick(control<QLabel>(f.screen(), "Label2"), Qt::LeftButton);
        else
            f.menu(menu);
        QWidget* dialog = f.windows.form24;
        QVERIFY(dialog->isVisible());
        QVERIFY(!f.screen()->isEnabled());
        QCOMPARE(f.state.SaveKind, qint16(kind));
        QCOMPARE(f.state.SaveCaller, qint16(kCallerComputation));
        const QString path = f.folder.filePath("result.txt");
        control<QLineEdit>(dialog, "Text1")->setText(path);
        f.button(dialog, "Command4")->click();
        f.button(dialog, "Command5")->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(f.screen()->isVisible() && f.screen()->isEnabled());

        const QStringList lines = fileLines(path);
        if (kind == kSaveAllLines) {
            SharedState readBack;
            QVERIFY(readDataSetFile(readBack, path).ok);
            QCOMPARE(readBack.LineText[2], f.state.LineBox[2]);
        } else if (kind == kSaveRelationFormulas) {
            QCOMPARE(lines, f.list(4)->lines());
        } else if (kind == kSaveHistory) {
            QCOMPARE(lines, f.list(1)->lines());
        } else {
            // The data blocks of the DataSet window's Lines follow each other
            // directly; then each list, after its separator and title.
            const QString separator(49, u'*');
            QStringList blocks;
            for (int k = 1; k <= 10; ++k)
                if (f.state.LineBox[k].trimmed().size() > 10)
                    blocks << f.state.LineParameter[k] + QStringLiteral(", 1 , %1").arg(f.state.PointCount[k])
                           << f.state.LineBox[k].split("\r\n", Qt::SkipEmptyParts);
            QCOMPARE(blocks.size(), 3 * (1 + 16));
            QStringList expectedFile = QStringList{"＜Ｘ／Ｙデータ＞"} + blocks;
            expectedFile << separator << "＜計算結果サマリー＞" << f.list(2)->lines();
            expectedFile << separator << "＜計算式表示＞" << f.list(3)->lines();
            expectedFile << separator << "＜関連式表示＞" << f.list(4)->lines();
            QCOMPARE(lines, expectedFile);
        }
    }

    void savesAndWorksheetWaitForAComputation() {
        ComputationFixture f;
        f.openFromDataSetWindow();
        f.menu("ALLRES");
        auto* menuBox = control<QLabel>(f.screen(), "Text3");
        QVERIFY(menuBox->isVisible());
        QCOMPARE(menuBox->text(), kNotComputedMessage);
        QVERIFY(!f.windows.form24->isVisible());
        f.button(f.screen(), "Command5")->click();
        QCOMPARE(control<QLabel>(f.screen(), "Text5")->text(), kNotComputedMessage);
        QVERIFY(!control<QTimer>(f.screen(), "Timer3")->isActive()); // the box stays until clicked
    }

    void worksheetIsOpenedThroughTheDesktop() {
        ComputationFixture f;
        DesktopRecorder desktop;
        // No xdg-mime to consult: the registered handler decides.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", f.folder.path().toLocal8Bit());
        f.openFromDataSetWindow();
        f.start();
        f.button(f.screen(), "Command5")->click();
        qputenv("PATH", path);
        const QString copy = QDir(f.folder.path()).filePath("Tracol_File.csv");
        QCOMPARE(desktop.opened, QStringList{copy});
        QCOMPARE(fileLines(copy), fileLines(QDir(f.folder.path()).filePath("Rrr.csv")));
        QVERIFY(!control<QLabel>(f.screen(), "Text5")->isVisible());
    }

    // The first two refusals answer in the box of the command and stay until
    // clicked; what goes wrong with the file is said beside the button.
    void worksheetRefusals_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("hiddenByTimer3");
        QTest::newRow("parameter not a number, menu") << "parameter"
                                                      << "lexcel"
                                                      << "Text3" << kParametersNotNumericMessage << false;
        QTest::newRow("parameter not a number, button") << "parameter"
                                                        << "Command5"
                                                        << "Text5" << kParametersNotNumericMessage << false;
        QTest::newRow("copy held by the spreadsheet, menu") << "locked"
                                                            << "lexcel"
                                                            << "Text5" << kDisplayCopyInUseMessage << true;
        QTest::newRow("copy held by the spreadsheet, button") << "locked"
                                                              << "Command5"
                                                              << "Text5" << kDisplayCopyInUseMessage << true;
        QTest::newRow("no application for CSV") << "noapp"
                                                << "lexcel"
                                                << "Text5" << kNoSpreadsheetMessage << true;
    }
    void worksheetRefusals() {
        QFETCH(QString, situation);
        QFETCH(QString, command);
        QFETCH(QString, box);
        QFETCH(QString, message);
        QFETCH(bool, hiddenByTimer3);
        ComputationFixture f;
        f.openFromDataSetWindow();
        if (situation == "parameter")
            f.state.LineParameter[2] = QStringLiteral("温度A");
        f.start();
        const QDir folder(f.folder.path());
        if (situation == "locked") {
            QFile lock(folder.filePath(".~lock.Tracol_File.csv#"));
            QVERIFY(lock.open(QIODevice::WriteOnly));
        }
        auto* timer3 = control<QTimer>(f.screen(), "Timer3");
        timer3->stop();
        const QByteArray path = qgetenv("PATH");
        if (situation == "noapp")
            qputenv("PATH", f.folder.path().toLocal8Bit()); // no xdg-open either
        if (command == "lexcel")
            f.menu("lexcel");
        else
            f.button(f.screen(), command)->click();
        qputenv("PATH", path);
        auto* shown = control<QLabel>(f.screen(), box);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->text(), message);
        QCOMPARE(timer3->isActive(), hiddenByTimer3);
    }

    // A worksheet the computation could not write (a folder holds its name)
    // is reported as the computation ends, and the display copy of an
    // earlier one is not opened in its place.
    void anUnwrittenWorksheetIsReportedAndNeverShownStale() {
        ComputationFixture f;
        DesktopRecorder desktop;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", f.folder.path().toLocal8Bit());
        f.openFromDataSetWindow();
        f.start();
        f.button(f.screen(), "Command5")->click();
        QCOMPARE(desktop.opened.size(), 1);
        const QDir folder(f.folder.path());
        QVERIFY(QFile::remove(folder.filePath("Rrr.csv")));
        QVERIFY(folder.mkdir("Rrr.csv"));

        f.start();
        auto* box = control<QLabel>(f.screen(), "Text5");
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("図算出表（Rrr.csv）を書込めませんでした。<了解：クリック>"));
        QVERIFY(!control<QTimer>(f.screen(), "Timer3")->isActive()); // it stays until clicked
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!box->isVisible());
        f.menu("lexcel");
        qputenv("PATH", path);
        QCOMPARE(desktop.opened.size(), 1);
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), kWorksheetNotWrittenMessage);
    }

    // A window closed through its frame gives control back: the user is never
    // left with only disabled or hidden windows.
    void closingThroughTheFrameReturnsToTheOpener_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("open dialog") << "Form22";
        QTest::newRow("save dialog") << "Form24";
        QTest::newRow("CSV dialog") << "Form84";
        QTest::newRow("keyboard entry") << "Form50";
    }
    void closingThroughTheFrameReturnsToTheOpener() {
        QFETCH(QString, window);
        ComputationFixture f;
        QWidget* opener = nullptr;
        if (window == "Form22") {
            f.windows.form20->findChild<QAction*>("FFRD")->trigger();
            opener = f.windows.form20;
        } else if (window == "Form24") {
            f.openFromDataSetWindow();
            f.start();
            f.menu("ALLRES");
            opener = f.screen();
        } else if (window == "Form84") {
            f.windows.form20->findChild<QAction*>("HENKOU1")->trigger();
            control<QPlainTextEdit>(f.windows.form50, "Text2(0)")->setPlainText("1,2\n2,3\n3,5\n");
            f.button(f.windows.form50, "Command6")->click();
            opener = f.windows.form50;
        } else {
            f.windows.form20->findChild<QAction*>("HENKOU1")->trigger();
            opener = f.windows.form20;
        }
        QWidget* closed = window == "Form22"   ? f.windows.form22.data()
                          : window == "Form24" ? f.windows.form24.data()
                          : window == "Form84" ? f.windows.form84.data()
                                               : f.windows.form50.data();
        QVERIFY(closed->isVisible());
        QVERIFY(closed->close());
        QVERIFY(!closed->isVisible());
        QVERIFY(opener->isVisible() && opener->isEnabled());
    }

    void closingTheScreenEndsTheProgram() {
        ComputationFixture f;
        f.openFromDataSetWindow();
        int exitCode = -1;
        QTimer::singleShot(0, [&] { f.screen()->close(); });
        QTimer::singleShot(50, [] { QCoreApplication::exit(7); }); // the fallback the close must beat
        exitCode = QCoreApplication::exec();
        QCOMPARE(exitCode, 0);
    }
};

QTEST_MAIN(TestComputationScreen)
#include "tst_computation_screen.moc"
