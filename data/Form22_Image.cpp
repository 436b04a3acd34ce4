// Form22: the image purpose of the open dialog (3: "画像ファイルの読み").

#include "data/Form22.h"

#include "data/DataSetFile.h"
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
    const ImageFileRead read = readImageFile(path);
    if (read.image.isNull()) {
        showFileMessage(read.message);
        return false;
    }
    const QImage& image = read.image;
    if (!mayDiscardPoints(this, state_))
        return false;

    state_.CurrentFilePath = path;
    state_.ImageFilePath = path;
    followChosenPath(path);

    windows_.imageWindow().showImage(image, QStringLiteral("TracolGraph <") + path + u'>');
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
