// Form22: the image purposes of the open dialog (3: "画像ファイルの読み", 4: a
// PDF file's page, chosen in FormPdfPage) and the image taken in either case.

#include "data/Form22.h"

#include "data/DataSetFile.h"
#include "ui/BusyCursor.h"
#include "ui/DiscardQuestion.h"
#include "ui/ImageFiles.h"
#include "ui/LineHistory.h"
#include "ui/PictureBox.h"

#include <QLineEdit>

namespace tracol {

namespace {

// Sampled points no file holds would go with the old image: ask first.
bool mayDiscardPoints(QWidget* parent, const SharedState& state) {
    return mayDiscardUnsavedPoints(
        parent, state,
        {QStringLiteral("DiscardPointsQuestion"), QStringLiteral("画像呼込み"),
         QStringLiteral("保存していない採取データがあります。\n破棄して新しい画像を読み込みますか？")});
}

} // namespace

bool Form22::loadImage() {
    const QString path = Text1->text().trimmed();
    const ImageFileRead read = [&] {
        const BusyCursor busy; // a large scan takes seconds to decode
        return readImageFile(path);
    }();
    if (read.image.isNull()) {
        showFileMessage(read.message);
        return false;
    }
    return takeImage(*this, read.image, path, path);
}

bool Form22::openPdf() {
    const QString path = Text1->text().trimmed();
    const QString message = windows_.pdfPage().choosePage(path);
    if (!message.isEmpty()) {
        showFileMessage(message);
        return false;
    }
    followChosenPath(path);
    return true;
}

bool Form22::takeImage(QWidget& asking, const QImage& image, const QString& path, const QString& source) {
    if (!mayDiscardPoints(&asking, state_))
        return false;

    state_.CurrentFilePath = path;
    state_.ImageFilePath = path;
    followChosenPath(path);

    windows_.imageWindow().showImage(image, QStringLiteral("TracolGraph <") + source + u'>');
    windows_.cleanImage().cleanPicture().setPicture(image);

    windows_.lineHistory().recordAround(LineHistory::Kind::LoadedData, [&] {
        resetLines(state_);
        state_.SavedLineBox = state_.LineBox;
        for (int line = 1; line <= kLineCount; ++line)
            emit windows_.lineBoxChanged(line);
    });
    windows_.dataSet().showLinesReset();
    MainWindowLink& main = windows_.mainWindow();
    main.selectLine(1);
    main.takeNewImage();
    hide();
    state_.OpenPurpose = kOpenNothing;
    return true;
}

} // namespace tracol
