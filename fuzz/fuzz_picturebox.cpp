// Fuzz target: image bytes decoded and shown in the picture box.
//
// Input: the bytes of an image file (BMP and JPEG seeds). They are decoded the
// two ways the program meets images: QImage::loadFromData, and a reader that
// decides the format from the content as the open dialog's does. A decoded
// image goes into a picture box, gets a mark drawn over it, is repainted from
// its image and painted once. Property: no crash, and a box shows exactly the
// image it was given.

#include "FuzzInput.h"

#include "ui/PictureBox.h"

#include <QApplication>
#include <QBuffer>
#include <QImageReader>
#include <QLoggingCategory>

#include <algorithm>

using namespace tracol;
using fuzz::require;

namespace {

// Painting a huge image adds nothing the decoders did not already meet.
constexpr qint64 kLargestPaintedArea = 1 << 20;

// The decoders are not instrumented, so the fuzzer sees nothing of what they
// did. libFuzzer reads these counters as coverage: each one stands for one
// outcome (an error, a format, a size class), so an input that decodes
// differently is kept and mutated further.
struct DecodeOutcomes {
    uint8_t error[8];
    uint8_t fileFormat[8];
    uint8_t imageFormat[40];
    uint8_t widthClass[33];
    uint8_t heightClass[33];
    uint8_t depth[8];
};
__attribute__((section("__libfuzzer_extra_counters"))) DecodeOutcomes outcomes;

int sizeClass(int pixels) {
    return pixels <= 0 ? 0 : 32 - __builtin_clz(static_cast<unsigned>(pixels));
}

void noteOutcome(const QImageReader& reader, const QImage& image) {
    outcomes.error[std::clamp(int(reader.error()) + 1, 0, 7)] = 1;
    static const QList<QByteArray> formats{"bmp", "jpeg", "png", "gif", "ico", "ppm", "xpm"};
    outcomes.fileFormat[std::min<qsizetype>(formats.indexOf(reader.format()) + 1, 7)] = 1;
    outcomes.imageFormat[std::clamp(int(image.format()), 0, 39)] = 1;
    outcomes.widthClass[sizeClass(image.width())] = 1;
    outcomes.heightClass[sizeClass(image.height())] = 1;
    outcomes.depth[std::min(sizeClass(image.depth()), 7)] = 1;
}

void show(const QImage& image) {
    PictureBox box;
    box.setPicture(image);
    require(box.hasPicture() == !image.isNull(), "the box shows an image exactly when it is given one");
    if (!box.hasPicture())
        return;
    require(box.picture().size() == image.size(), "the box keeps the image's size");
    if (qint64(image.width()) * image.height() > kLargestPaintedArea)
        return;
    const QPointF centre = PictureBox::toTwips(QPointF(image.width() / 2.0, image.height() / 2.0));
    box.drawCircle(centre, 45, Qt::red);
    box.drawLine(QPointF(0, 0), centre, Qt::green);
    box.clearDrawings();
    require(box.drawnPicture() == box.picture(), "repainting erases every drawing");
    box.grab();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt must not see the fuzzer's own arguments.
    static int argc = 1;
    static char name[] = "fuzz_picturebox";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    // Broken images are the point here: the decoders' complaints are noise.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    // The program decodes images up to 1 GB; here the decoders give up beyond
    // 8 MB, the most a painted image takes (1 M pixels of 8 bytes), so that an
    // input claiming a huge picture costs no more than one that is painted.
    // Huge pictures are the hostile-image tests' part.
    QImageReader::setAllocationLimit(8);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QImage loaded;
    loaded.loadFromData(bytes);
    show(loaded);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage read = reader.read();
    noteOutcome(reader, read);
    show(read);
    return 0;
}
