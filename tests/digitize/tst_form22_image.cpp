// Loading a graph image through the open dialog.

#include "DigitizeFixture.h"

#include "ui/DirListBox.h"
#include "ui/FileListBox.h"

#include <QComboBox>
#include <QImageWriter>
#include <QMessageBox>
#include <QTemporaryDir>

using namespace tracol;
using testing::DigitizeFixture;

namespace {

struct ImageFolder {
    QTemporaryDir dir;
    ImageFolder() {
        testing::graphImage({320, 240}).save(dir.filePath("graph.bmp"), "BMP");
        testing::graphImage({200, 100}).save(dir.filePath("photo.JpG"), "JPEG");
        testing::graphImage({150, 90}).save(dir.filePath("curve.png"), "PNG");
        QFile broken(dir.filePath("broken.bmp"));
        broken.open(QIODevice::WriteOnly);
        broken.write("this is not a picture");
        QFile notes(dir.filePath("notes.txt"));
        notes.open(QIODevice::WriteOnly);
        notes.write("1,2\r\n");
    }
    QString path(const QString& name) const { return QDir::toNativeSeparators(dir.filePath(name)); }
};

struct DialogDriver {
    DigitizeFixture& f;
    QWidget* dialog() const { return f.windows.form22; }
    template <typename T = QWidget> T* the(const QString& name) const { return control<T>(dialog(), name); }

    void open(const ImageFolder& folder) {
        QTest::mouseClick(f.the<QPushButton>("Command2"), Qt::LeftButton);
        the<DirListBox>("Dir1")->setPath(folder.dir.path());
    }
    QStringList files() const {
        QStringList names;
        auto* list = the<FileListBox>("File1");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    void pick(const QString& name) {
        auto* list = the<FileListBox>("File1");
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    }
    void decide() { QTest::mouseClick(the<QPushButton>("Command1"), Qt::LeftButton); }
    void enterPattern(const QString& pattern) {
        auto* box = the<QLineEdit>("Text4");
        box->selectAll();
        QTest::keyClicks(box, pattern);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QString message() const {
        auto* field = the<QLabel>("Text3");
        return field->isVisible() ? field->text() : QString();
    }
};

// The picture as a GIF file (the toolkit reads GIF but does not write it):
// two colours, white and black, each pixel coded on its own with a clear code
// after every two, so that the codes keep three bits.
QByteArray gifOf(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QByteArray gif("GIF89a");
    const auto word = [&gif](int value) {
        gif.append(char(value & 0xff));
        gif.append(char(value >> 8));
    };
    word(image.width());
    word(image.height());
    gif.append("\x80\x00\x00", 3);             // a global table of two colours
    gif.append("\xff\xff\xff\x00\x00\x00", 6); // white, black
    gif.append("\x2c\x00\x00\x00\x00", 5);     // the image at (0, 0)
    word(image.width());
    word(image.height());
    gif.append("\x00\x02", 2); // no local table; codes of two bits and one more
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](int value) {
        bits |= quint32(value) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    int written = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (written++ % 2 == 0)
                code(4); // clear
            code(qGray(image.pixel(x, y)) < 128 ? 1 : 0);
        }
    }
    code(5); // end
    if (count > 0)
        data.append(char(bits & 0xff));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append("\x00\x3b", 2);
    return gif;
}

// Answers the next question box with `button`.
void answerNextQuestion(QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box)
            box->button(button)->click();
    });
}

} // namespace

class TestForm22Image : public QObject {
    Q_OBJECT
  private slots:
    void openingForAnImage() {
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        QVERIFY(d.dialog()->isVisible());
        QCOMPARE(d.dialog()->windowTitle(), QStringLiteral("データ呼込み"));
        QCOMPARE(f.state.OpenPurpose, qint16(3));
        QVERIFY(!f.main->isEnabled());
        QVERIFY(!f.image->isEnabled());
        QCOMPARE(d.the<QLabel>("Label2")->text(), QStringLiteral("画像呼込み"));
        QCOMPARE(d.the<QLineEdit>("Text4")->text(), QStringLiteral("*.BMP;*.JPG"));
        QCOMPARE(d.files(), (QStringList{"broken.bmp", "graph.bmp", "photo.JpG"}));
    }

    void driveThatIsNotReadyIsRefused() {
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        auto* drives = d.the<QComboBox>("Drive1");
        const QString before = drives->currentText();
        // A drive whose device is unavailable: listed, but it cannot be entered.
        const QString absent = QDir::toNativeSeparators(folder.dir.filePath("absent-drive/"));
        drives->addItem(absent);
        drives->setCurrentIndex(drives->count() - 1);
        emit drives->textActivated(absent); // chosen as a user would
        QCOMPARE(d.message(), QStringLiteral("ドライブの準備が出来ていません"));
        QCOMPARE(drives->currentText(), before); // back to the folder's drive
        QCOMPARE(d.the<DirListBox>("Dir1")->path(), QDir::toNativeSeparators(folder.dir.path()));
        QCOMPARE(d.files(), (QStringList{"broken.bmp", "graph.bmp", "photo.JpG"}));
        QVERIFY(d.dialog()->isVisible());
    }

    void loadingAnImageResetsLinesAndCalibration() {
        DigitizeFixture f;
        f.calibrate();
        f.state.LineParameter[2] = QStringLiteral("7.5");
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        d.pick("graph.bmp");
        QCOMPARE(d.the<QLineEdit>("Text1")->text(), folder.path("graph.bmp"));
        QCOMPARE(f.state.CurrentFileName, QStringLiteral("graph.bmp"));
        d.decide();
        QVERIFY(!d.dialog()->isVisible());
        QCOMPARE(f.picture->picture().size(), QSize(320, 240));
        QCOMPARE(f.picture->drawnPicture(), f.picture->picture());
        QCOMPARE(qobject_cast<Form23*>(f.windows.form23.data())->picture()->picture().size(),
                 QSize(320, 240));
        QCOMPARE(f.image->windowTitle(), QStringLiteral("TracolGraph <") + folder.path("graph.bmp") + u'>');
        QCOMPARE(f.state.CurrentFilePath, folder.path("graph.bmp"));
        QCOMPARE(f.state.LastFileName, QStringLiteral("graph.bmp"));
        QCOMPARE(f.state.OpenPurpose, qint16(0));
        QVERIFY(f.main->isEnabled() && f.image->isEnabled());
        for (const char* box : {"Check1", "Check2", "Check3", "Check4"})
            QVERIFY(!f.checked(box));
        QCOMPARE(f.state.PixXmax, 0.0f);
        QVERIFY(f.state.NotReady);
        QVERIFY(!f.state.BaseConfirmed);
        QCOMPARE(f.state.LineParameter[2], QStringLiteral("2"));
        QCOMPARE(f.state.CurrentLine, qint16(1));
        QVERIFY(f.checked("Option1(0)"));
        QCOMPARE(f.the<QLineEdit>("Text4")->text(), QStringLiteral("100")); // typed values stay
        QCOMPARE(f.the<QLineEdit>("Text3")->palette().color(QPalette::Text), QColor(Qt::black));
        // The window shows that it is not ready any more.
        QVERIFY(!f.enabled("Command5") && f.enabled("Command4"));
        QVERIFY(!f.the("Command5")->font().bold());
        QCOMPARE(f.the("Label9")->palette().color(QPalette::WindowText), QColor(18, 0, 0));
    }

    // The image's own path is no name for a data file: the save dialog
    // proposes its folder with an empty name.
    void theSaveDialogProposesTheImagesFolder() {
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        d.pick("graph.bmp");
        d.decide();
        QTest::mouseClick(f.the<QPushButton>("Command8"), Qt::LeftButton);
        QWidget* save = f.windows.form24;
        QVERIFY(save->isVisible());
        QCOMPARE(controlText(save, "Text1"), joinPath(folder.dir.path(), QString()));
        QCOMPARE(control<DirListBox>(save, "Dir1")->path(), QDir::toNativeSeparators(folder.dir.path()));
        // The main window waits for the dialog, and is back once it returns.
        QVERIFY(!f.main->isEnabled());
        QTest::mouseClick(control<QPushButton>(save, "Command2"), Qt::LeftButton);
        QVERIFY(!save->isVisible() && f.main->isEnabled() && f.main->isVisible());
    }

    // A scan larger than the toolkit's default limit of 256 MB opens, and
    // the image window and the clean copy share it: marks lie over it
    // instead of in a second copy.
    void aLargeScanOpensAndIsHeldOnce() {
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        const QSize large(8200, 8200); // 257 MB at 4 bytes a pixel
        {
            QImage scan(large, QImage::Format_RGB32);
            scan.fill(Qt::white);
            QVERIFY(scan.save(folder.dir.filePath("scan.jpg"), "JPEG"));
        }
        d.open(folder);
        d.pick("scan.jpg");
        d.decide();
        QVERIFY2(!d.dialog()->isVisible(), qPrintable(d.message()));
        QCOMPARE(f.picture->picture().size(), large);
        const uchar* bits = f.picture->picture().constBits();
        QCOMPARE(qobject_cast<Form23*>(f.windows.form23.data())->picture()->picture().constBits(), bits);
        f.mark("Check1", 60, 420);
        QCOMPARE(f.picture->picture().constBits(), bits);
        QCOMPARE(f.picture->drawnPicture().pixelColor(60, 420), MDIForm20::kBaseColour);
    }

    void patternsMatchWithoutRegardToCase() {
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        d.enterPattern("*.PNG");
        QCOMPARE(d.files(), QStringList{"curve.png"});
        QCOMPARE(f.state.ImagePattern, QStringLiteral("*.PNG"));
        d.pick("curve.png");
        d.decide();
        QCOMPARE(f.picture->picture().size(), QSize(150, 90));
        // The typed pattern is remembered for the next opening.
        d.open(folder);
        QCOMPARE(d.the<QLineEdit>("Text4")->text(), QStringLiteral("*.PNG"));
    }

    void otherImageFormatsOpen_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("PNG") << "png";
        QTest::newRow("GIF") << "gif";
        QTest::newRow("TIFF") << "tiff";
        QTest::newRow("WebP") << "webp";
    }

    // A typed pattern lists them in the dialog; dropped or named on the
    // command line they open as images, not as data-set files.
    void otherImageFormatsOpen() {
        QFETCH(QString, format);
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        const auto write = [&](const QString& name, QSize size) {
            const QImage graph = testing::graphImage(size);
            const QString path = folder.dir.filePath(name);
            if (format == "gif") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(gifOf(graph));
                return;
            }
            QImageWriter writer(path, format.toLatin1());
            writer.setQuality(100); // WebP without loss
            QVERIFY2(writer.write(graph), qPrintable(writer.errorString()));
        };
        write("scan." + format, {210, 130});
        write("dropped." + format.toUpper(), {170, 110});
        d.open(folder);
        d.enterPattern("*." + format);
        QStringList listed{"dropped." + format.toUpper(), "scan." + format};
        if (format == "png")
            listed.prepend("curve.png");
        QCOMPARE(d.files(), listed);
        d.pick("scan." + format);
        d.decide();
        QVERIFY2(!d.dialog()->isVisible(), qPrintable(d.message()));
        QCOMPARE(f.picture->picture().size(), QSize(210, 130));
        QCOMPARE(f.picture->picture().pixelColor(100, 100), QColor(Qt::white));
        QVERIFY(qGray(f.picture->picture().pixel(60, 100)) < 100); // the Y axis
        QVERIFY(f.windows.openDialog().openPath(folder.dir.filePath("dropped." + format.toUpper())));
        QCOMPARE(f.picture->picture().size(), QSize(170, 110));
        QVERIFY(f.main->isEnabled() && f.image->isEnabled());
    }

    void undecodableImageIsExplainedInJapanese() {
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        d.pick("broken.bmp");
        d.decide();
        QVERIFY(d.dialog()->isVisible());
        QVERIFY(d.message().startsWith(QStringLiteral("画像ファイルを読み込めません。")));
        QVERIFY(d.message().size() >
                QStringLiteral("画像ファイルを読み込めません。").size()); // the reason follows
        auto* field = d.the<QLabel>("Text3");
        QVERIFY(field->height() >= field->heightForWidth(field->width())); // read whole
        QCOMPARE(f.state.OpenPurpose, qint16(3));
        QCOMPARE(f.picture->picture().size(), QSize(640, 480)); // the old image stays
    }

    void cancelForgetsThePatterns() {
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        d.enterPattern("*.png");
        QTest::mouseClick(d.the<QPushButton>("Command3"), Qt::LeftButton);
        QVERIFY(!d.dialog()->isVisible());
        QCOMPARE(f.state.OpenPurpose, qint16(0));
        QVERIFY(f.main->isEnabled() && f.main->isVisible());
        QCOMPARE(f.state.ImagePattern, QStringLiteral("*.BMP;*.JPG"));
        QCOMPARE(f.state.DataPattern, QStringLiteral("*.DA*;*.TX*;*.DO*;*.WR*"));
        d.open(folder);
        QCOMPARE(d.the<QLineEdit>("Text4")->text(), QStringLiteral("*.BMP;*.JPG"));
    }

    void marksAreErasedAgainAfterBack() {
        DigitizeFixture f;
        f.mark("Check2", 560, 420);
        QVERIFY(f.picture->drawnPicture() != f.picture->picture());
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        QTest::mouseClick(d.the<QPushButton>("Command2"), Qt::LeftButton);
        QCOMPARE(f.state.OpenPurpose, qint16(0));
        f.click("Check2"); // given up: its mark goes
        QCOMPARE(f.picture->drawnPicture(), f.picture->picture());
    }

    void backKeepsThePosition() {
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        d.dialog()->move(123, 77);
        const QPoint where = d.dialog()->pos();
        QTest::mouseClick(d.the<QPushButton>("Command2"), Qt::LeftButton);
        QVERIFY(!d.dialog()->isVisible());
        QVERIFY(f.main->isEnabled());
        d.open(folder);
        QCOMPARE(d.dialog()->pos(), where);
    }

    void unsavedPointsAreNotDiscardedSilently() {
        DigitizeFixture f;
        f.state.LineBox[1] = QStringLiteral("1,2\r\n3,4\r\n");
        f.state.PointCount[1] = 2;
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        d.pick("graph.bmp");
        answerNextQuestion(QMessageBox::No);
        d.decide();
        QVERIFY(d.dialog()->isVisible());
        QCOMPARE(f.state.LineBox[1], QStringLiteral("1,2\r\n3,4\r\n"));
        QCOMPARE(f.picture->picture().size(), QSize(640, 480));
        answerNextQuestion(QMessageBox::Yes);
        d.decide();
        QVERIFY(!d.dialog()->isVisible());
        QVERIFY(f.state.LineBox[1].isEmpty());
        QCOMPARE(f.state.PointCount[1], qint16(0));
        QCOMPARE(f.picture->picture().size(), QSize(320, 240));
    }

    void typedPathNeedsADot() {
        DigitizeFixture f;
        DialogDriver d{f};
        ImageFolder folder;
        d.open(folder);
        auto* path = d.the<QLineEdit>("Text1");
        path->setText(QStringLiteral("ab"));
        QFocusEvent leave(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(path, &leave);
        QCOMPARE(d.message(), QStringLiteral("ファイル名が不正"));
        path->setText(folder.path("photo.JpG"));
        QVERIFY(d.message().isEmpty());
        QApplication::sendEvent(path, &leave);
        QCOMPARE(f.state.CurrentFileName, QStringLiteral("photo.JpG"));
        d.decide();
        QCOMPARE(f.picture->picture().size(), QSize(200, 100));
    }
};

QTEST_MAIN(TestForm22Image)
#include "tst_form22_image.moc"
