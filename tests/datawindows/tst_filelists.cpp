// The drive, folder and file lists of the file dialogs.

#include "ui/DirListBox.h"
#include "ui/DriveListBox.h"
#include "ui/FileListBox.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace tracol;

class TestFileLists : public QObject {
    Q_OBJECT
  private slots:
    void patterns_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("data pattern") << "*.DA*;*.TX*;*.DO*;*.WR*" << QStringList{"a.dat", "b.TXT", "c.doc"};
        QTest::newRow("one pattern") << "*.bmp" << QStringList{"e.BMP"};
        QTest::newRow("empty parts skipped") << ";*.csv;" << QStringList{"d.csv"};
        QTest::newRow("everything") << "*.*" << QStringList{"a.dat", "b.TXT", "c.doc", "d.csv", "e.BMP"};
    }
    void patterns() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, shown);
        QTemporaryDir folder;
        for (const char* name : {"a.dat", "b.TXT", "c.doc", "d.csv", "e.BMP"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QDir(folder.path()).mkdir("sub.dat"); // folders are not files
        FileListBox files;
        files.setPath(folder.path());
        files.setPattern(pattern);
        QStringList listed;
        for (int i = 0; i < files.count(); ++i)
            listed << files.item(i)->text();
        QCOMPARE(listed, shown);
    }

    void folderChainAndSubfolders() {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir("inner");
        DirListBox folders;
        QSignalSpy changed(&folders, &DirListBox::pathChanged);
        QVERIFY(folders.setPath(folder.path()));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(folders.path(), QDir::toNativeSeparators(folder.path()));
        QCOMPARE(folders.item(0)->text(), QDir::toNativeSeparators(QDir::rootPath()));
        QVERIFY(folders.item(folders.count() - 1)->text().trimmed() == QStringLiteral("inner"));
        emit folders.itemActivated(folders.item(folders.count() - 1));
        QCOMPARE(folders.path(), QDir::toNativeSeparators(folder.filePath("inner")));
        QVERIFY(!folders.setPath(folder.filePath("missing")));
        QCOMPARE(folders.path(), QDir::toNativeSeparators(folder.filePath("inner")));
    }

    void drivesAreTheRoots() {
        DriveListBox drives;
        QVERIFY(drives.count() >= 1);
        QCOMPARE(DriveListBox::rootOf(QDir::tempPath()), QDir::toNativeSeparators(QDir::rootPath()));
        QCOMPARE(drives.findText(DriveListBox::rootOf(QDir::tempPath())) >= 0, true);
    }
};

QTEST_MAIN(TestFileLists)
#include "tst_filelists.moc"
