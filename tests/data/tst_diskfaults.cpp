// Faults on disk while the program writes its files: a full disk, a
// read-only folder, a folder that went away, a target that turned into a
// folder. Every writer says "書込めません。" and leaves the old file whole.
//
// The full and the read-only disk are small tmpfs mounts, which need root;
// elsewhere those cases are skipped with a message.

#include "data/DataSetFile.h"
#include "output/Worksheet.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tracol;

namespace {

// A tmpfs of `options` mounted on a fresh folder for one test.
struct ScratchMount {
    QTemporaryDir folder;
    bool mounted = false;
    explicit ScratchMount(const QString& options) {
        mounted = QProcess::execute(QStringLiteral("mount"),
                                    {"-t", "tmpfs", "-o", options, "tmpfs", folder.path()}) == 0;
    }
    ~ScratchMount() {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {folder.path()});
    }
    void remount(const QString& options) const {
        QProcess::execute(QStringLiteral("mount"), {"-o", "remount," + options, folder.path()});
    }
    QString path(const QString& name) const { return folder.filePath(name); }
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeOld(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("0.5, 1 , 3\r\n1,2\r\n3,4\r\n5,6\r\n");
}

// A history list (save kind 5) far larger than the small disk.
SharedState stateWithLongHistory() {
    SharedState state;
    for (int i = 0; i < 20000; ++i)
        state.List1.append(QStringLiteral("[Para: 1]  DEV    2 Data_No  from   1 to  50       EQ No= 3"));
    return state;
}

} // namespace

class TestDiskFaults : public QObject {
    Q_OBJECT
  private slots:
    void fullDiskKeepsTheOldFile() {
        ScratchMount disk(QStringLiteral("size=64k"));
        if (!disk.mounted)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        const QString path = disk.path("history.txt");
        writeOld(path);
        const FileOutcome outcome = writeSaveFile(stateWithLongHistory(), path, kSaveHistory);
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, kCannotWriteMessage);
        QCOMPARE(contents(path), QByteArray("0.5, 1 , 3\r\n1,2\r\n3,4\r\n5,6\r\n"));
        QCOMPARE(QDir(disk.folder.path()).entryList(QDir::Files), QStringList{"history.txt"}); // no leftovers
    }

    void readOnlyFolderKeepsTheOldFile() {
        ScratchMount disk(QStringLiteral("size=1m"));
        if (!disk.mounted)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        const QString path = disk.path("lines.dat");
        writeOld(path);
        disk.remount(QStringLiteral("ro"));
        SharedState state;
        state.LineBox[1] = QStringLiteral("7,8\r\n9,10\r\n11,12\r\n");
        state.PointCount[1] = 3;
        const FileOutcome outcome = writeSaveFile(state, path, kSaveAllLines);
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, kCannotWriteMessage);
        QCOMPARE(contents(path), QByteArray("0.5, 1 , 3\r\n1,2\r\n3,4\r\n5,6\r\n"));
        const WorksheetWriteResult sheet = writeWorksheetFile(state, disk.path("Rrr.csv"));
        QVERIFY(!sheet.ok);
        disk.remount(QStringLiteral("rw"));
    }

    void vanishedFolderOrTargetTurnedFolder_data() {
        QTest::addColumn<bool>("targetIsFolder");
        QTest::newRow("the folder went away") << false;
        QTest::newRow("a folder took the file's name") << true;
    }
    void vanishedFolderOrTargetTurnedFolder() {
        QFETCH(bool, targetIsFolder);
        QTemporaryDir root;
        const QString folder = root.filePath("chosen");
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath("result.txt");
        if (targetIsFolder)
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(QDir(folder).removeRecursively());
        SharedState state;
        state.List4 = QStringList{QStringLiteral("１．処理条件")};
        const FileOutcome outcome = writeSaveFile(state, path, kSaveRelationFormulas);
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, kCannotWriteMessage);
        QCOMPARE(QFileInfo(path).isDir(), targetIsFolder);
    }
};

QTEST_GUILESS_MAIN(TestDiskFaults)
#include "tst_diskfaults.moc"
