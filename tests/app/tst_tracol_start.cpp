// The tracol program's start: --help and --version without a display, a
// refused command line, and a file named on the command line opened as the
// open dialog opens it.

#include "app/ApplicationWindows.h"
#include "core/CodePage932.h"
#include "data/DataSetFile.h"
#include "ui/Controls.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tracol;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program alone, with no display of any kind unless `platform` names one.
Run runTracol(const QStringList& arguments, const QString& platform) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TRACOL_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

void putBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QImage smallGraph() {
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawLine(10, 110, 150, 110);
    painter.drawLine(10, 110, 10, 10);
    return image;
}

} // namespace

class TestTracolStart : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void answersWithoutWindows_data();
    void answersWithoutWindows();
    void opensTheFileNamed_data();
    void opensTheFileNamed();

  private:
    QTemporaryDir dir_;
};

void TestTracolStart::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(smallGraph().save(dir_.filePath("graph.bmp"), "BMP"));
    QVERIFY(smallGraph().save(dir_.filePath("scan.picture"), "PNG")); // an image by content alone
    putBytes(dir_.filePath("broken.jpg"), "no picture in here");
    const QString points = QStringLiteral("1.5,2.25\r\n2.5,3.75\r\n3.5,5.5\r\n");
    putBytes(
        dir_.filePath("curve.dat"),
        encodeForFile(dataSetHeader(QStringLiteral("0.5"), 3) + QStringLiteral("\r\n") + points).value());
    putBytes(dir_.filePath("notes.txt"), "these are notes\r\n");
}

void TestTracolStart::answersWithoutWindows_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // empty: no display at all
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString version = QStringLiteral("tracol " TRACOL_VERSION "\n");
    QTest::newRow("--version") << QStringList{"--version"} << "" << 0 << version << "";
    QTest::newRow("-v before a file") << QStringList{"-v", "curve.dat"} << "" << 0 << version << "";
    QTest::newRow("--help") << QStringList{"--help"} << "" << 0 << "[FILE]"
                            << "";
    QTest::newRow("unknown option") << QStringList{"--fast"} << "offscreen" << 2 << ""
                                    << "Unknown option 'fast'";
    QTest::newRow("two files") << QStringList{"a.bmp", "b.bmp"} << "offscreen" << 2 << ""
                               << "only one FILE may be given";
}

void TestTracolStart::answersWithoutWindows() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = runTracol(arguments, platform);
    QCOMPARE(run.status, status);
    if (out.endsWith(u'\n'))
        QCOMPARE(run.out, out);
    else
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    if (status != 0)
        QVERIFY(run.err.contains(QStringLiteral("usage: tracol")));
}

void TestTracolStart::opensTheFileNamed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("imageCaption"); // the image window's caption; %1 the full path
    QTest::addColumn<QString>("message");      // the open dialog's message; empty: the dialog closed
    QTest::addColumn<int>("points");           // points of Line 1
    QTest::newRow("BMP image") << "graph.bmp"
                               << "TracolGraph <%1>"
                               << "" << 0;
    QTest::newRow("image by its content") << "scan.picture"
                                          << "TracolGraph <%1>"
                                          << "" << 0;
    QTest::newRow("data-set file") << "curve.dat"
                                   << "TracolGraph"
                                   << "" << 3;
    QTest::newRow("missing data file") << "gone.dat"
                                       << ""
                                       << "ﾌｧｲﾙ名不正" << 0;
    QTest::newRow("text that is no data set") << "notes.txt"
                                              << ""
                                              << "ﾌｧｲﾙ内容不正" << 0;
    QTest::newRow("broken image") << "broken.jpg"
                                  << ""
                                  << "*" << 0; // the image reader's own words
}

void TestTracolStart::opensTheFileNamed() {
    QFETCH(QString, name);
    QFETCH(QString, imageCaption);
    QFETCH(QString, message);
    QFETCH(int, points);
    const QString path = QDir::toNativeSeparators(dir_.filePath(name));

    SharedState state;
    Windows windows;
    ApplicationWindows application(state, windows);
    application.start(path);

    QWidget* dialog = windows.form22;
    QCOMPARE(dialog->isVisible(), !message.isEmpty());
    QCOMPARE(state.PointCount[1], points);
    if (message.isEmpty()) {
        QCOMPARE(windows.mdiForm20->windowTitle(), QString(imageCaption).replace(QStringLiteral("%1"), path));
        QCOMPARE(windows.form21->isVisible(), points > 0);
        if (points > 0)
            QCOMPARE(windows.form21->windowTitle(), QStringLiteral("DataSet <curve.dat>"));
        return;
    }
    // The dialog stays open on the file with its message; "戻 る" leads back.
    QCOMPARE(controlText(dialog, "Text1"), path);
    const QString shown = control<QLabel>(dialog, "Text3")->text();
    QVERIFY2(message == "*" ? !shown.isEmpty() : shown == message, qPrintable(shown));
    QVERIFY(control<QLabel>(dialog, "Text3")->isVisible());
    control<QAbstractButton>(dialog, "Command2")->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(windows.form20->isVisible() && windows.form20->isEnabled());
}

QTEST_MAIN(TestTracolStart)
#include "tst_tracol_start.moc"
