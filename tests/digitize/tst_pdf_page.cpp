// A page of a PDF file as the graph image: PDFOPEN, the open dialog, the page
// window FormPdfPage, and the rendered page calibrated and sampled.

#include "DigitizeFixture.h"

#include "ui/DirListBox.h"
#include "ui/FileListBox.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

using namespace tracol;
using testing::DigitizeFixture;

namespace {

// graph.pdf: page 1 a title only; page 2 (400 x 300 points) a graph with its
// origin at (40, 260), the end of X at (360, 260), the end of Y at (40, 40)
// and a blue dot at (200, 150) points; page 3 a poster of 100 x 100 inches.
struct PdfFolder {
    QTemporaryDir dir;
    PdfFolder() {
        QPdfWriter writer(dir.filePath("graph.pdf"));
        writer.setResolution(72); // painter units are points
        writer.setPageSize(QPageSize(QSizeF(400, 300), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        painter.drawText(QPointF(40, 40), QStringLiteral("Title"));
        writer.newPage();
        // The axes filled one point wide (a pen's width is not kept in points).
        painter.fillRect(QRectF(39.5, 259.5, 321, 1), Qt::black);
        painter.fillRect(QRectF(39.5, 39.5, 1, 221), Qt::black);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::blue);
        painter.drawEllipse(QPointF(200, 150), 3, 3);
        writer.setPageSize(QPageSize(QSizeF(7200, 7200), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.newPage();
        painter.end();
        testing::graphImage({100, 80}).save(dir.filePath("graph.png"));
        QFile broken(dir.filePath("broken.pdf"));
        broken.open(QIODevice::WriteOnly);
        broken.write("%PDF-1.4\nthis is no PDF after its first line\n");
        writeLockedPdf(dir.filePath("locked.pdf"));
    }

    // One empty page behind the standard security handler, whose user
    // password is not the empty one: opening it asks for a password.
    static void writeLockedPdf(const QString& path) {
        const QByteArray key(32, 'k'), id = QByteArray(16, 'i').toHex();
        const QList<QByteArray> objects = {
            "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>",
            "<< /Filter /Standard /V 1 /R 2 /P -4 /O <" + key.toHex() + "> /U <" + key.toHex() + "> >>"};
        QByteArray pdf = "%PDF-1.4\n";
        QByteArray xref = "xref\n0 5\n0000000000 65535 f \n";
        for (int i = 0; i < objects.size(); ++i) {
            xref += QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n \n";
            pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
        }
        const QByteArray start = QByteArray::number(pdf.size());
        pdf += xref + "trailer\n<< /Size 5 /Root 1 0 R /Encrypt 4 0 R /ID [<" + id + "> <" + id + ">] >>\n";
        pdf += "startxref\n" + start + "\n%%EOF\n";
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(pdf);
    }
};

struct PdfDriver {
    DigitizeFixture& f;
    QWidget* dialog() const { return f.windows.form22; }
    QWidget* pageWindow() const { return f.windows.formPdfPage; }

    void chooseInDialog(const PdfFolder& folder, const QString& name) {
        f.main->findChild<QAction*>("PDFOPEN")->trigger();
        QVERIFY(dialog()->isVisible());
        control<DirListBox>(dialog(), "Dir1")->setPath(folder.dir.path());
        auto* list = control<FileListBox>(dialog(), "File1");
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
        QTest::mouseClick(control<QPushButton>(dialog(), "Command1"), Qt::LeftButton);
    }
    void choosePage(const QString& page, const QString& dpi) {
        for (const auto& [box, text] : {std::pair{"Text1", page}, std::pair{"Text2", dpi}}) {
            auto* edit = control<QLineEdit>(pageWindow(), box);
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        QTest::mouseClick(control<QPushButton>(pageWindow(), "Command1"), Qt::LeftButton);
    }
    static QString messageOf(QWidget* window) {
        auto* field = control<QLabel>(window, "Text3");
        return field->isVisible() ? field->text() : QString();
    }
};

} // namespace

class TestPdfPage : public QObject {
    Q_OBJECT
  private slots:
    void aPdfPageRendersAndCalibrates() {
        DigitizeFixture f;
        PdfDriver d{f};
        PdfFolder folder;
        f.main->findChild<QAction*>("PDFOPEN")->trigger();
        QCOMPARE(control<QLabel>(d.dialog(), "Label2")->text(), QStringLiteral("PDFページ呼込み"));
        QCOMPARE(controlText(d.dialog(), "Text4"), QStringLiteral("*.PDF"));
        QVERIFY(!f.main->isEnabled() && !f.image->isEnabled());
        d.chooseInDialog(folder, "graph.pdf");
        QVERIFY(d.pageWindow()->isVisible());
        QVERIFY(!d.dialog()->isVisible());
        QCOMPARE(control<QLabel>(d.pageWindow(), "Label3")->text(), QStringLiteral("（全 3 ページ）"));
        QCOMPARE(controlText(d.pageWindow(), "Text1"), QStringLiteral("1"));
        QCOMPARE(controlText(d.pageWindow(), "Text2"), QStringLiteral("300"));
        d.choosePage("2", "144");
        QVERIFY2(!d.pageWindow()->isVisible(), qPrintable(PdfDriver::messageOf(d.pageWindow())));

        // 400 x 300 points at 144 dpi, on white paper.
        const QImage& page = f.picture->picture();
        QCOMPARE(page.size(), QSize(800, 600));
        QCOMPARE(page.pixelColor(600, 200), QColor(Qt::white));
        QVERIFY(qGray(page.pixel(400, 520)) < 64); // the X axis
        QVERIFY(qGray(page.pixel(80, 300)) < 64);  // the Y axis
        const QColor dot = page.pixelColor(400, 300);
        QVERIFY(dot.blue() > 200 && dot.red() < 60);
        const QString path = QDir::toNativeSeparators(folder.dir.filePath("graph.pdf"));
        QCOMPARE(f.image->windowTitle(), "TracolGraph <" + path + "  2ページ>");
        QCOMPARE(f.state.ImageFilePath, path);
        QCOMPARE(f.state.OpenPurpose, qint16(0));
        QVERIFY(f.main->isEnabled() && f.image->isEnabled());

        f.type("Text3", "0");
        f.type("Text4", "100");
        f.type("Text5", "0");
        f.type("Text6", "10");
        f.mark("Check1", 80, 520);
        f.mark("Check2", 720, 520);
        f.mark("Check4", 80, 80);
        f.click("Command5"); // データ採取開始
        f.clickImage(400, 300);
        QCOMPARE(f.state.LineBox[1], QStringLiteral("50,5\r\n"));
    }

    void aPdfThatCannotBeReadChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("broken")
            << "broken.pdf"
            << "PDFファイルとして読み込めません。（PDFではないか、ファイルが壊れています）";
        QTest::newRow("password") << "locked.pdf"
                                  << "パスワードで保護されたPDFファイルは読み込めません。";
    }

    void aPdfThatCannotBeReadChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        DigitizeFixture f;
        PdfDriver d{f};
        PdfFolder folder;
        d.chooseInDialog(folder, name);
        QVERIFY(d.dialog()->isVisible());
        QVERIFY(!d.pageWindow()->isVisible());
        QCOMPARE(PdfDriver::messageOf(d.dialog()), message);
        QCOMPARE(f.state.OpenPurpose, qint16(4));
        QCOMPARE(f.picture->picture().size(), QSize(640, 480));
    }

    void choicesOutOfBoundsAreRefused_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("dpi");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such page") << "4"
                                      << "300"
                                      << "ページ番号は 1 から 3 までの整数で入力してください。";
        QTest::newRow("too coarse") << "2"
                                    << "20"
                                    << "解像度は 50 から 1200 dpi までの整数で入力してください。";
        // 10 000 x 10 000 pixels at 100 dpi would be 30 000 x 30 000 at 300.
        QTest::newRow("beyond the largest image")
            << "3"
            << "300"
            << "この解像度ではページの画像が大きすぎます。このページは 163 dpi 以下で呼び込んでください。";
    }

    // Dropped or named on the command line, the PDF file goes to the page
    // window too; a refused choice keeps it open, "キャンセル" gives the main
    // window back with the image as it was.
    void choicesOutOfBoundsAreRefused() {
        QFETCH(QString, page);
        QFETCH(QString, dpi);
        QFETCH(QString, message);
        DigitizeFixture f;
        PdfDriver d{f};
        PdfFolder folder;
        QVERIFY(f.windows.openDialog().openPath(folder.dir.filePath("graph.pdf")));
        QVERIFY(d.pageWindow()->isVisible());
        d.choosePage(page, dpi);
        QVERIFY(d.pageWindow()->isVisible());
        QCOMPARE(PdfDriver::messageOf(d.pageWindow()), message);
        QCOMPARE(f.picture->picture().size(), QSize(640, 480));
        QTest::mouseClick(control<QPushButton>(d.pageWindow(), "Command2"), Qt::LeftButton);
        QVERIFY(!d.pageWindow()->isVisible());
        QVERIFY(f.main->isVisible() && f.main->isEnabled() && f.image->isEnabled());
        QCOMPARE(f.state.OpenPurpose, qint16(0));
        QCOMPARE(f.picture->picture().size(), QSize(640, 480));
    }
};

QTEST_MAIN(TestPdfPage)
#include "tst_pdf_page.moc"
