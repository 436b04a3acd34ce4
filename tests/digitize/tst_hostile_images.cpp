// Image files that are broken, tiny or claim a size no machine holds, opened
// by path as from the command line or a drop: each one is refused with the
// reader's Japanese message (the old image stays) or opens at its true size;
// nothing crashes and nothing is allocated for the claimed size.

#include "DigitizeFixture.h"
#include "tests/common/ResidentMemory.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

using namespace tracol;
using testing::DigitizeFixture;
using testing::residentMegabytes;

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        qFatal("cannot encode %s", format);
    return bytes;
}

QImage noisyImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    return image;
}

void putLittleEndian32(QByteArray& bytes, int at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

// A BMP whose header claims width x height pixels of 24 bits.
QByteArray bmpClaiming(quint32 width, quint32 height) {
    QByteArray bytes = encoded(QImage(4, 4, QImage::Format_RGB888), "BMP");
    putLittleEndian32(bytes, 18, width);
    putLittleEndian32(bytes, 22, height);
    return bytes;
}

// A JPEG whose frame header claims width x height pixels.
QByteArray jpegClaiming(quint16 width, quint16 height) {
    QByteArray bytes = encoded(noisyImage({16, 16}), "JPEG");
    const int frame = bytes.indexOf("\xFF\xC0");
    if (frame < 0)
        qFatal("no baseline frame header");
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width);
    return bytes;
}

// An 8 x 4 run-length BMP with a table of two colours whose runs name
// colours up to index 216.
QByteArray bmpNamingColoursItLacks() {
    return QByteArray::fromBase64(
        "Qk1gAAAAAAAAAD4AAAAoAAAACAAAAAQAAAABAAgAAQAAACIAAAATCwAAEwsAAAIAAAAAAAAA////"
        "AAAAAAAAPgAAACgAAAPYAgEDAAAAAwACAQMAAAAAAQ==");
}

// Painting an indexed image reads its colour table at every pixel's index.
bool everyIndexHasAColour(const QImage& image) {
    if (image.format() != QImage::Format_Indexed8)
        return true;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.constScanLine(y)[x] >= image.colorCount())
                return false;
    return true;
}

} // namespace

class TestHostileImages : public QObject {
    Q_OBJECT
  private slots:
    void eachFileOpensAtItsSizeOrIsExplained_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QSize>("opened"); // invalid: refused with a message
        const QByteArray bmp = encoded(noisyImage({200, 150}), "BMP");
        const QByteArray jpeg = encoded(noisyImage({200, 150}), "JPEG");
        QTest::newRow("BMP cut in its header") << bmp.left(30) << "bmp" << QSize();
        // The decoders fill in what is missing: the page opens, dark or grey below the cut.
        QTest::newRow("BMP cut in its pixels") << bmp.left(bmp.size() / 2) << "bmp" << QSize(200, 150);
        QTest::newRow("JPEG cut in its header") << jpeg.left(100) << "jpg" << QSize();
        QTest::newRow("JPEG cut in its scan") << jpeg.left(jpeg.size() / 2) << "jpg" << QSize(200, 150);
        QTest::newRow("JPEG of noise after its header")
            << jpeg.left(200) + QByteArray(5000, '\x5A') << "jpg" << QSize();
        QImage huge(16000, 16000, QImage::Format_Mono); // 32 MB at one bit a pixel
        huge.fill(1);
        QTest::newRow("16000 x 16000") << encoded(huge, "PNG") << "png" << QSize(16000, 16000);
        QTest::newRow("one pixel") << encoded(noisyImage({1, 1}), "BMP") << "bmp" << QSize(1, 1);
        QTest::newRow("BMP claiming 100000 x 100000") << bmpClaiming(100000, 100000) << "bmp" << QSize();
        QTest::newRow("BMP claiming a negative width") << bmpClaiming(0xFFFFFF00u, 100) << "bmp" << QSize();
        QTest::newRow("JPEG claiming 65535 x 65535") << jpegClaiming(65535, 65535) << "jpg" << QSize();
        QTest::newRow("BMP naming colours it lacks") << bmpNamingColoursItLacks() << "bmp" << QSize(8, 4);
        QTest::newRow("empty file") << QByteArray() << "jpg" << QSize();
    }
    void eachFileOpensAtItsSizeOrIsExplained() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, suffix);
        QFETCH(QSize, opened);
        DigitizeFixture f;
        QTemporaryDir folder;
        const QString path = folder.filePath("hostile." + suffix);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        const double before = residentMegabytes();
        const bool open = f.windows.openDialog().openPath(path);
        if (!opened.isValid())
            QVERIFY2(!open, qPrintable(QStringLiteral("opened at %1 x %2")
                                           .arg(f.picture->picture().width())
                                           .arg(f.picture->picture().height())));
        QWidget* dialog = f.windows.form22;
        if (opened.isValid()) {
            QVERIFY2(open, qPrintable(control<QLabel>(dialog, "Text3")->text()));
            QCOMPARE(f.picture->picture().size(), opened);
            QVERIFY(everyIndexHasAColour(f.picture->picture()));
            f.clickImage(0, 0); // a click on what opened
            return;
        }
        QVERIFY(residentMegabytes() - before < 100); // nothing held for the claimed size
        QVERIFY(dialog->isVisible());                // the user reads why and chooses again
        const QString message = control<QLabel>(dialog, "Text3")->text();
        QVERIFY2(message.startsWith(QStringLiteral("画像ファイルを読み込めません。（")), qPrintable(message));
        QCOMPARE(f.picture->picture().size(), QSize(640, 480)); // the old image stays
    }
};

QTEST_MAIN(TestHostileImages)
#include "tst_hostile_images.moc"
