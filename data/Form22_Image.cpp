// Form22: the image purpose of the open dialog (3: "画像ファイルの読み").

#include "data/Form22.h"

#include "data/DataSetFile.h"
#include "data/SavedLines.h"
#include "digitize/Form20.h"
#include "digitize/Form23.h"
#include "digitize/MDIForm20.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"

#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>

namespace tracol {

namespace {

// Sampled points no file holds would go with the old image: ask first.
bool mayDiscardPoints(QWidget* parent, const SharedState& state) {
    if (!hasUnsavedPoints(state))
        return true;
    QMessageBox question(
        QMessageBox::Question, QStringLiteral("画像呼込み"),
        QStringLiteral("保存していない採取データがあります。\n破棄して新しい画像を読み込みますか？"),
        QMessageBox::Yes | QMessageBox::No, parent);
    question.setObjectName(QStringLiteral("DiscardPointsQuestion"));
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

} // namespace

bool Form22::loadImage() {
    const QString path = Text1->text().trimmed();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        showFileMessage(reader.errorString());
        return false;
    }
    if (!mayDiscardPoints(this, state_))
        return false;

    auto* main = qobject_cast<Form20*>(windows_.form20.data());
    auto* imageWindow = qobject_cast<MDIForm20*>(windows_.mdiForm20.data());
    auto* holder = qobject_cast<Form23*>(windows_.form23.data());
    if (main)
        main->resetValueColours();
    state_.CurrentFilePath = path;
    followChosenPath(path);

    if (imageWindow) {
        imageWindow->picture()->setPicture(image);
        imageWindow->layOutPicture();
        imageWindow->show();
        imageWindow->setEnabled(true);
    }
    if (holder)
        holder->picture()->setPicture(image);

    resetLines(state_);
    state_.SavedLineBox = state_.LineBox;
    for (int line = 1; line <= kLineCount; ++line)
        emit windows_.lineBoxChanged(line);
    setControlText(windows_.form21, QStringLiteral("Text6"), QStringLiteral("0"));
    setControlChecked(windows_.form21, indexedName(QStringLiteral("Option1"), 0), true);
    setControlChecked(main, indexedName(QStringLiteral("Option1"), 0), true);
    setControlText(windows_.form21, QStringLiteral("Text2"), state_.LineParameter[1]);
    setControlText(windows_.form21, QStringLiteral("Text5"), QStringLiteral("1"));

    if (imageWindow)
        imageWindow->setWindowTitle(QStringLiteral("TracolGraph <") + path + u'>');
    close();
    if (main) {
        main->clearBaseMarks();
        resetCalibration(state_);
        main->takeNotReadyState();
        // The main window disabled itself when it opened this dialog.
        main->setEnabled(true);
        main->show();
    }
    state_.OpenPurpose = 0;
    return true;
}

} // namespace tracol
