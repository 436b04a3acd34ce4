// The save dialogs' checks on a file name and on an existing file's first line,
// and the record of which Lines were saved.

#include "core/CodePage932.h"
#include "data/DataSetFile.h"
#include "data/DataSetPreparation.h"
#include "data/SaveNameChecks.h"
#include "data/SavedLines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tracol;

class TestSaveNameChecks : public QObject {
    Q_OBJECT
  private slots:
    void saveName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one letter, dot, two letters") << "a.bc" << true;
        QTest::newRow("one character after the dot") << "abc.d" << false;
        QTest::newRow("no dot") << "abcdef" << false;
        QTest::newRow("three characters") << "a.b" << false;
        QTest::newRow("dot at the end") << "abcd." << false;
        QTest::newRow("usual data name") << "curve.dat" << true;
        QTest::newRow("full path") << "/home/user/curve.dat" << true;
        QTest::newRow("dot only in a folder") << "/home/v1.25/curve" << false;
        QTest::newRow("everything after the first dot counts") << "a.b.c" << true;
        QTest::newRow("empty") << "" << false;
    }
    void saveName() {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QCOMPARE(isAcceptableSaveName(path), accepted);
    }

    void firstLineCheckByExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checked");
        QTest::newRow("TXT") << "a.TXT" << true;
        QTest::newRow("DAT") << "a.DAT" << true;
        QTest::newRow("DOC") << "a.DOC" << true;
        QTest::newRow("lower case txt is not compared") << "a.txt" << false;
        QTest::newRow("CSV") << "a.CSV" << false;
        QTest::newRow("no extension") << "DATA" << false;
    }
    void firstLineCheckByExtension() {
        QFETCH(QString, name);
        QFETCH(bool, checked);
        QCOMPARE(needsFirstLineCheck(name), checked);
    }

    void firstLine_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("data");
        QTest::newRow("data header") << QByteArray("0.5, 1 , 12\r\n1,2\r\n") << true;
        QTest::newRow("exponents and tabs") << QByteArray("1.5E-3\t2D+1,e,d\r\n") << true;
        QTest::newRow("letters") << QByteArray("Hello world\r\n") << false;
        QTest::newRow("letters after the first line do not count") << QByteArray("1,2\r\nabc\r\n") << true;
        QTest::newRow("japanese") << cp932::encode(u"＜Ｘ／Ｙデータ＞\r\n").bytes << false;
        QTest::newRow("empty file") << QByteArray() << true;
        // Files this program wrote, whatever their parameter.
        QTest::newRow("text parameter") << cp932::encode(u"温度A, 1 , 3\r\n1,2\r\n").bytes << true;
        QTest::newRow("letters as parameter") << QByteArray("abc, 1 , 2\r\n1,2\r\n3,4\r\n") << true;
        QTest::newRow("header and end-of-file mark") << QByteArray("abc, 1 , 1\x1A") << true;
        QTest::newRow("number and end-of-file mark") << QByteArray("1,2\x1A") << true;
        QTest::newRow("kind 2 is no header") << QByteArray("abc, 2 , 3\r\n") << false;
        QTest::newRow("count 0 is no header") << QByteArray("abc, 1 , 0\r\n") << false;
        QTest::newRow("count not a number") << QByteArray("abc, 1 , x\r\n") << false;
    }
    void firstLine() {
        QFETCH(QByteArray, content);
        QFETCH(bool, data);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.TXT"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QCOMPARE(firstLineLooksLikeData(path), data);
    }

    void pathParts_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("nested") << "/tmp/a/b.dat"
                                << "/tmp/a"
                                << "b.dat";
        QTest::newRow("root") << "/b.dat"
                              << "/"
                              << "b.dat";
        QTest::newRow("blanks in the name") << "/tmp/my file.dat"
                                            << "/tmp"
                                            << "myfile.dat";
        QTest::newRow("no folder") << "b.dat"
                                   << ""
                                   << "b.dat";
    }
    void pathParts() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QCOMPARE(folderOfPath(path), folder);
        QCOMPARE(fileNameOfPath(path), name);
    }

    void unsavedPoints() {
        SharedState state;
        // A Line as the DataSet window holds it: the box and its counted text.
        const auto setLine = [&state](int line, const QString& box) {
            state.LineBox[line] = box;
            countLinePoints(state, line);
        };
        QVERIFY(!hasUnsavedPoints(state));
        setLine(2, QStringLiteral("1,2\r\n3,4\r\n"));
        QVERIFY(hasUnsavedPoints(state));
        markLinesSaved(state, 1, 3); // another Line saved alone
        QVERIFY(hasUnsavedPoints(state));
        markLinesSaved(state, 1, 2);
        QVERIFY(!hasUnsavedPoints(state));
        setLine(5, QStringLiteral("5.5,6.25\r\n7.5,8.25\r\n"));
        QVERIFY(hasUnsavedPoints(state));
        state.KeyboardDataActive = true; // a keyboard save does not write the Lines
        markLinesSaved(state, 0, 0);
        QVERIFY(hasUnsavedPoints(state));
        state.KeyboardDataActive = false;
        markLinesSaved(state, 0, 0);
        QVERIFY(!hasUnsavedPoints(state));
        setLine(5, QStringLiteral("7")); // no point in it
        QVERIFY(!hasUnsavedPoints(state));
    }

    // Only what a save writes counts as saved: a Line it skips as too short,
    // and a point still being typed, stay unsaved.
    void skippedPointsStayUnsaved_data() {
        QTest::addColumn<QString>("before"); // counted
        QTest::addColumn<QString>("box");    // then typed
        QTest::newRow("too short") << QString() << "1,2\r\n";
        QTest::newRow("point being typed") << "1,2\r\n3,4\r\n5,6\r\n"
                                           << "1,2\r\n3,4\r\n5,6\r\n7,";
    }
    void skippedPointsStayUnsaved() {
        QFETCH(QString, before);
        QFETCH(QString, box);
        SharedState state;
        state.LineBox[1] = before;
        countLinePoints(state, 1);
        state.LineBox[1] = box;
        countLinePoints(state, 1);
        markLinesSaved(state, 0, 0);
        QVERIFY(hasUnsavedPoints(state));
        QVERIFY(!saveFileText(state, 0).contains(QStringLiteral("7,")));
    }
};

QTEST_GUILESS_MAIN(TestSaveNameChecks)
#include "tst_savenamechecks.moc"
