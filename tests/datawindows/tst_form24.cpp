// The save dialog driven as a user would: picking folders and files, typing
// names, confirming, writing and coming back.

#include "WindowStandIns.h"
#include "data/DataSetFile.h"
#include "data/Form24.h"
#include "ui/Controls.h"
#include "ui/DirListBox.h"
#include "ui/FileListBox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tracol;

namespace {

struct Fixture {
    SharedState state;
    Windows windows;
    testing::MainWindowStandIn main{windows};
    testing::DataSetWindowStandIn dataSetWindow{windows}; // the DataSet window the dialog returns to
    testing::ComputationScreenStandIn computation{windows};
    Form24 dialog{state, windows};
    QTemporaryDir folder;

    Fixture() {
        state.SaveCaller = 21;
        state.LineBox[1] = QStringLiteral("1,2\r\n3,4\r\n5,6\r\n");
        state.LineText[1] = state.LineBox[1]; // as the DataSet window counted it
        state.PointCount[1] = 3;
        state.LineParameter[1] = QStringLiteral("0.5");
        for (int line = 2; line <= kLineCount; ++line)
            state.LineParameter[line] = QString::number(line);
    }
    void open(int kind) {
        state.SaveKind = static_cast<qint16>(kind);
        dialog.show();
        control<DirListBox>(&dialog, "Dir1")->setPath(folder.path());
    }
    QString path(const QString& name) const { return joinPath(folder.path(), name); }
    void writeFile(const QString& name, const QByteArray& content) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    void typeName(const QString& text) {
        auto* name = control<QLineEdit>(&dialog, "Text1");
        name->selectAll();
        name->del();
        QTest::keyClicks(name, text);
    }
    void click(const QString& name) { control<QPushButton>(&dialog, name)->click(); }
    void clickFile(const QString& name) {
        auto* files = control<FileListBox>(&dialog, "File1");
        files->refresh();
        const auto found = files->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(found.first()).center());
    }
    QLineEdit* message() const { return control<QLineEdit>(&dialog, "Text2"); }
    QString saveButton() const { return control<QPushButton>(&dialog, "Command4")->text(); }
    bool visible(const QString& name) const { return control<QWidget>(&dialog, name)->isVisible(); }
};

} // namespace

class TestForm24 : public QObject {
    Q_OBJECT
  private slots:
    void titleAndButtonByKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("button");
        QTest::newRow("0") << 0 << "採取ﾃﾞｰﾀ全保存"
                           << "入力ﾃﾞｰﾀの保存";
        QTest::newRow("1") << 1 << "採取ﾃﾞｰﾀ選択保存"
                           << "採取ﾃﾞｰﾀ選択保存";
        QTest::newRow("2") << 2 << "計算ﾌﾟﾛｸﾞﾗﾑの保存"
                           << "計算ﾌﾟﾛｸﾞﾗﾑの保存";
        QTest::newRow("4") << 4 << "計算結果全保存"
                           << "計算結果全保存";
        QTest::newRow("5") << 5 << "履歴保存"
                           << "履歴保存";
    }
    void titleAndButtonByKind() {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QString, button);
        Fixture f;
        f.state.SaveKind = static_cast<qint16>(kind);
        f.dialog.show();
        QCOMPARE(f.dialog.windowTitle(), QStringLiteral("ﾃﾞｰﾀ書込み"));
        QCOMPARE(control<QLabel>(&f.dialog, "Label2")->text(), title);
        QCOMPARE(f.saveButton(), button);
        QCOMPARE(controlText(&f.dialog, "Text3"), QStringLiteral("*.DA*;*.TX*;*.DO*;*.WR*"));
        QVERIFY(controlText(&f.dialog, "Text1").isEmpty());
    }

    void aFolderChangeShowsTheFolder() {
        Fixture f;
        f.open(0);
        QCOMPARE(f.saveButton(), QStringLiteral("新規作成"));
        QCOMPARE(controlText(&f.dialog, "Text1"), QDir::toNativeSeparators(f.folder.path()));
    }

    void nameChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one letter after the dot") << "abc.d" << false;
        QTest::newRow("no dot") << "abcdef" << false;
        QTest::newRow("four characters") << "a.bc" << true;
        QTest::newRow("usual") << "curve.dat" << true;
    }
    void nameChecks() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        Fixture f;
        f.open(0);
        f.typeName(f.path(name));
        f.click("Command4");
        QVERIFY(f.message()->isVisible());
        if (accepted) {
            QCOMPARE(f.message()->text(), QStringLiteral("保存ﾌｧｲﾙ名はこれでＯＫ？"));
            QVERIFY(f.message()->styleSheet().contains("#008000"));
            QVERIFY(!f.visible("Command4"));
            QVERIFY(f.visible("Command5") && f.visible("Command6"));
            f.click("Command6"); // ＮＧ
            QCOMPARE(f.message()->text(), QString());
            QVERIFY(f.visible("Command4"));
            QVERIFY(!f.visible("Command5") && !f.visible("Command6"));
        } else {
            QCOMPARE(f.message()->text(), QStringLiteral("ﾌｧｲﾙ名が不適当"));
            QVERIFY(f.message()->styleSheet().contains("#ff0000"));
            QVERIFY(f.visible("Command4"));
            QVERIFY(!f.visible("Command5"));
        }
        QVERIFY(!QFile::exists(f.path(name)));
    }

    void typedNamesAndClicksSetTheSaveButton() {
        Fixture f;
        f.open(0);
        f.typeName(f.path("new.dat"));
        QCOMPARE(f.saveButton(), QStringLiteral("新規保存"));
        QCOMPARE(f.state.CurrentFilePath, f.path("new.dat"));
        QTest::mouseClick(control<QLineEdit>(&f.dialog, "Text1"), Qt::LeftButton);
        QCOMPARE(f.saveButton(), QStringLiteral("上書き保存"));
    }

    void firstLineCheckRefusesTextFiles() {
        Fixture f;
        f.writeFile("notes.TXT", "Meeting notes\r\n");
        f.writeFile("old.DAT", "5, 1 , 3\r\n1,2\r\n");
        f.open(0);
        f.clickFile("notes.TXT");
        QCOMPARE(f.message()->text(), QStringLiteral("不適切なファイル名"));
        QCOMPARE(controlText(&f.dialog, "Text1"), f.path("notes.TXT"));
        QVERIFY(f.state.CurrentFilePath.isEmpty()); // not taken
        f.clickFile("old.DAT");
        QVERIFY(!f.message()->isVisible());
        QCOMPARE(f.state.CurrentFilePath, f.path("old.DAT"));
        QCOMPARE(f.state.CurrentFileName, QStringLiteral("old.DAT"));
        QCOMPARE(f.saveButton(), QStringLiteral("変更保存"));
        f.clickFile("old.DAT");
        QCOMPARE(f.saveButton(), QStringLiteral("上書き保存"));
    }

    void aDataSaveNeverReplacesAFileThatIsNotData() {
        Fixture f;
        f.writeFile("graph.bmp", QByteArray("BM\x36\x00\x01\x00", 6));
        f.state.CurrentFilePath = f.path("graph.bmp"); // the image loaded last
        f.state.SaveKind = 0;
        f.dialog.show();
        QCOMPARE(controlText(&f.dialog, "Text1"), f.path("graph.bmp"));
        f.click("Command4");
        QCOMPARE(f.message()->text(), QStringLiteral("不適切なファイル名"));
        QVERIFY(f.visible("Command4"));
        QVERIFY(!f.visible("Command5"));
        QFile image(f.path("graph.bmp"));
        QVERIFY(image.open(QIODevice::ReadOnly));
        QCOMPARE(image.readAll(), QByteArray("BM\x36\x00\x01\x00", 6));
        // An existing data file may be replaced.
        f.writeFile("old.dat", "5, 1 , 3\r\n1,2\r\n");
        f.typeName(f.path("old.dat"));
        f.click("Command4");
        QCOMPARE(f.message()->text(), QStringLiteral("保存ﾌｧｲﾙ名はこれでＯＫ？"));
    }

    void aResultSaveTakesAnyFile() {
        Fixture f;
        f.writeFile("notes.TXT", "Meeting notes\r\n");
        f.open(2);
        f.clickFile("notes.TXT");
        QVERIFY(!f.message()->isVisible());
        QCOMPARE(f.state.CurrentFilePath, f.path("notes.TXT"));
    }

    void aFileInTheRootFolderHasOneSeparator() {
        QCOMPARE(joinPath(QDir::rootPath(), "x.dat"), QDir::toNativeSeparators(QDir::rootPath()) + "x.dat");
        Fixture f;
        f.open(0);
        auto* folders = control<DirListBox>(&f.dialog, "Dir1");
        QVERIFY(folders->setPath(QDir::rootPath()));
        QCOMPARE(control<FileListBox>(&f.dialog, "File1")->path(),
                 QDir::toNativeSeparators(QDir::rootPath()));
        QCOMPARE(controlText(&f.dialog, "Text1"), QDir::toNativeSeparators(QDir::rootPath()));
    }

    void savingWritesTheFileAndReturns() {
        Fixture f;
        f.dataSetWindow.setEnabled(false);
        f.open(0);
        f.typeName(f.path("curve.dat"));
        f.click("Command4");
        f.click("Command5"); // 了解
        QVERIFY(!f.dialog.isVisible());
        QFile file(f.path("curve.dat"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("0.5, 1 , 3\r\n1,2\r\n3,4\r\n5,6\r\n"));
        QCOMPARE(f.state.CurrentFilePath, f.path("curve.dat"));
        QCOMPARE(f.state.CurrentFileName, QStringLiteral("curve.dat"));
        QCOMPARE(f.state.LastFileName, QStringLiteral("curve.dat"));
        QCOMPARE(f.state.LastDirectory, QDir::toNativeSeparators(f.folder.path()));
        QVERIFY(f.dataSetWindow.isVisible());
        QVERIFY(f.dataSetWindow.isEnabled());
        QCOMPARE(f.state.SavedLineBox[1], f.state.LineBox[1]);

        // Reopening shows the saved path and the lists on its folder.
        f.state.SaveKind = 0;
        f.dialog.show();
        QCOMPARE(controlText(&f.dialog, "Text1"), f.path("curve.dat"));
        QCOMPARE(control<DirListBox>(&f.dialog, "Dir1")->path(), QDir::toNativeSeparators(f.folder.path()));
        QVERIFY(
            !control<FileListBox>(&f.dialog, "File1")->findItems("curve.dat", Qt::MatchExactly).isEmpty());
        QVERIFY(f.visible("Command4"));
        QVERIFY(!f.message()->isVisible());
    }

    void aBareNameIsWrittenIntoTheShownFolder() {
        Fixture f;
        f.open(0);
        f.typeName("bare.dat");
        f.click("Command4");
        f.click("Command5");
        QVERIFY(QFile::exists(f.path("bare.dat")));
        QCOMPARE(f.state.CurrentFilePath, f.path("bare.dat"));
    }

    void aFailedWriteKeepsTheDialogOpen() {
        Fixture f;
        f.open(0);
        const QString target = joinPath(f.path("missing-folder"), "x.dat");
        f.typeName(target);
        f.click("Command4");
        f.click("Command5");
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.message()->text(), QStringLiteral("書込めません。"));
        QVERIFY(f.visible("Command4"));
        QVERIFY(!f.visible("Command5"));
        QVERIFY(!QFile::exists(target));
        QVERIFY(f.state.CurrentFilePath != target || f.state.LastFileName.isEmpty());
    }

    // While the question waits for "了解" the chosen file may be replaced by
    // another program, or its folder removed: the write refuses and the
    // dialog stays usable for another name.
    void aFileOrFolderChangedBeforeTheAnswer_data() {
        QTest::addColumn<bool>("folderRemoved");
        QTest::newRow("the data file became an image") << false;
        QTest::newRow("the listed folder went away") << true;
    }
    void aFileOrFolderChangedBeforeTheAnswer() {
        QFETCH(bool, folderRemoved);
        Fixture f;
        const QString folder = f.path("listed");
        QVERIFY(QDir().mkpath(folder));
        const QString target = joinPath(folder, "old.dat");
        {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("5, 1 , 3\r\n1,2\r\n");
        }
        f.open(0);
        QVERIFY(control<DirListBox>(&f.dialog, "Dir1")->setPath(folder));
        f.typeName(target);
        f.click("Command4");
        QVERIFY(f.visible("Command5"));
        const QByteArray image("BM\x36\x00\x01\x00", 6);
        if (folderRemoved) {
            QVERIFY(QDir(folder).removeRecursively());
        } else {
            QFile replaced(target);
            QVERIFY(replaced.open(QIODevice::WriteOnly | QIODevice::Truncate));
            replaced.write(image);
        }
        f.click("Command5"); // 了解
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.message()->text(),
                 folderRemoved ? QStringLiteral("書込めません。") : QStringLiteral("不適切なファイル名"));
        QVERIFY(f.visible("Command4"));
        if (!folderRemoved) {
            QFile kept(target);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), image);
        }
        // Another name in a folder that exists saves.
        QVERIFY(control<DirListBox>(&f.dialog, "Dir1")->setPath(f.folder.path()));
        f.typeName(f.path("new.dat"));
        f.click("Command4");
        f.click("Command5");
        QVERIFY(!f.dialog.isVisible());
        QVERIFY(QFile::exists(f.path("new.dat")));
    }

    void cancelForgetsThePatternBackKeepsIt() {
        Fixture f;
        f.open(0);
        auto* pattern = control<QLineEdit>(&f.dialog, "Text3");
        pattern->setText("*.CSV");
        QTest::keyClick(pattern, Qt::Key_Return);
        QCOMPARE(control<FileListBox>(&f.dialog, "File1")->pattern(), QStringLiteral("*.CSV"));
        f.click("Command2"); // 戻る
        QVERIFY(!f.dialog.isVisible());
        f.dialog.show();
        QCOMPARE(pattern->text(), QStringLiteral("*.CSV"));
        f.click("Command1"); // ｷｬﾝｾﾙ
        f.dialog.show();
        QCOMPARE(pattern->text(), kInitialDataPattern);
        QCOMPARE(control<FileListBox>(&f.dialog, "File1")->pattern(), kInitialDataPattern);
    }

    void patternsIgnoreCase() {
        Fixture f;
        f.writeFile("lower.dat", "1,2\r\n");
        f.writeFile("picture.bmp", "BM");
        f.open(0);
        auto* files = control<FileListBox>(&f.dialog, "File1");
        QVERIFY(!files->findItems("lower.dat", Qt::MatchExactly).isEmpty());
        QVERIFY(files->findItems("picture.bmp", Qt::MatchExactly).isEmpty());
    }
};

QTEST_MAIN(TestForm24)
#include "tst_form24.moc"
