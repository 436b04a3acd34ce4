// A report sent through a real CUPS queue: a cups-pdf virtual printer set up
// for the test (cups_pdf_queue.sh), the report printed on it as the
// computation screen prints it, and the PDF file the spooler produced read
// back. Skipped where CUPS cannot run.

#include "PrintedPdf.h"
#include "output/PrintReport.h"
#include "ui/TextPrinting.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QPrinterInfo>
#include <QtTest>

using namespace tracol;

namespace {

const QString kScript = QStringLiteral(TRACOL_TEST_DATA_DIR "/cups_pdf_queue.sh");

QMap<QString, QString> keyValues(const QString& output) {
    QMap<QString, QString> values;
    for (const QString& line : output.split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0)
            values.insert(line.left(equals), line.mid(equals + 1).trimmed());
    }
    return values;
}

} // namespace

class TestCupsPrinting : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QProcess setup;
        setup.start(QStringLiteral("bash"), {kScript, QStringLiteral("setup"), queue_});
        if (!setup.waitForFinished(60000)) {
            setup.kill();
            QSKIP("CUPS cannot run here: the queue's setup did not finish");
        }
        const QMap<QString, QString> values = keyValues(QString::fromUtf8(setup.readAllStandardOutput()));
        cupsdPid_ = values.value(QStringLiteral("cupsd_pid"));
        if (setup.exitCode() != 0)
            QSKIP(qPrintable(QStringLiteral("CUPS cannot run here: ") +
                             values.value(QStringLiteral("reason"))));
        outputFolder_ = values.value(QStringLiteral("outdir"));
        ready_ = true;
    }

    void cleanupTestCase() {
        for (const QString& file : produced_)
            QFile::remove(file);
        if (!ready_ && cupsdPid_.isEmpty())
            return;
        QProcess teardown;
        teardown.start(QStringLiteral("bash"), {kScript, QStringLiteral("teardown"), queue_, cupsdPid_});
        teardown.waitForFinished(30000);
    }

    void reportComesOutOfTheSpooler() {
        const QPrinterInfo info = QPrinterInfo::printerInfo(queue_);
        QVERIFY2(!info.isNull(), "the queue is not among the printers Qt sees");

        SharedState state;
        state.LineBox[1] = QStringLiteral("1.5,2.25\r\n2,4\r\n3,9\r\n");
        state.LineParameter[1] = QStringLiteral("0.5");
        state.PointCount[1] = 3;
        state.List3 = QStringList{QStringLiteral("Y(1)=2*X")};
        SharedState copy = state;
        const PrintedText expected = resultReport(copy).text;
        const QString name = QStringLiteral("TracolCupsTest%1").arg(QCoreApplication::applicationPid());

        QWidget window;
        Windows windows;
        PrintOutput output(windows);
        output.setPrinterSource(
            [&info] { return std::make_unique<QPrinter>(info, QPrinter::HighResolution); });
        const QDateTime sent = QDateTime::currentDateTime().addSecs(-1);
        QCOMPARE(output.print(textDocument(resultReport(state).text, name), window, kCallerComputation),
                 PrintOutput::Outcome::Printed);

        // The spooler works on its own: its file is looked for until it is
        // complete, for a minute at most.
        QString produced;
        const auto spooled = [&] {
            const QFileInfoList files =
                QDir(outputFolder_).entryInfoList({name + QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            if (files.isEmpty() || files.first().lastModified() < sent)
                return false;
            produced = files.first().filePath();
            return !testing::pdfPages(produced).isEmpty();
        };
        QVERIFY2(QTest::qWaitFor(spooled, 60000),
                 qPrintable("no PDF file from the queue in " + outputFolder_));
        produced_ << produced;

        // The spooler's converters keep the drawing but not the text behind
        // it: the page is compared, as printed, with the same document
        // printed into a PDF file of our own.
        QCOMPARE(testing::pdfPages(produced).size(), qsizetype(1));
        QVERIFY(testing::pdfPageSize(produced).contains(QStringLiteral("595 x 842")));
        testing::PdfPrinter reference;
        QVERIFY(printDocument(textDocument(expected, name), *reference.source()()));
        const testing::Ink printed = testing::inkOfFirstPage(produced);
        const testing::Ink wanted = testing::inkOfFirstPage(reference.last());
        QVERIFY(wanted.rows > 80); // twelve lines of text
        for (const auto& [got, want] : {std::pair{printed.box.left(), wanted.box.left()},
                                        std::pair{printed.box.top(), wanted.box.top()},
                                        std::pair{printed.box.right(), wanted.box.right()},
                                        std::pair{printed.box.bottom(), wanted.box.bottom()}})
            QVERIFY2(qAbs(got - want) <= 3, qPrintable(QStringLiteral("%1 against %2").arg(got).arg(want)));
        QVERIFY(qAbs(printed.rows - wanted.rows) <= wanted.rows / 6);
    }

  private:
    QString queue_ = QStringLiteral("TracolTest_%1").arg(QCoreApplication::applicationPid());
    QString outputFolder_;
    QString cupsdPid_;
    QStringList produced_;
    bool ready_ = false;
};

QTEST_MAIN(TestCupsPrinting)
#include "tst_cups_printing.moc"
