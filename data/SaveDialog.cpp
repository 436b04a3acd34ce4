#include "data/SaveDialog.h"

#include "data/SaveNameChecks.h"
#include "ui/ControlFactory.h"
#include "ui/DetachChildren.h"
#include "ui/DirListBox.h"
#include "ui/DriveListBox.h"
#include "ui/FileListBox.h"
#include "ui/MessageField.h"
#include "ui/Timers.h"
#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace tracol {

namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkGreen(0, 128, 0);
constexpr int kButtonHeight = 390;

} // namespace

SaveDialog::SaveDialog(SharedState& state, Windows& windows, const QString& objectName, QWidget* parent)
    : QWidget(parent), state_(state), windows_(windows) {
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("ﾃﾞｰﾀ書込み"));
    buildControls();
    connectControls();
}

SaveDialog::~SaveDialog() {
    detachChildren(this);
}

void SaveDialog::buildControls() {
    setFixedSize(twipsToPixels(6000), twipsToPixels(5400));
    Label2 = makeLabel(this, QStringLiteral("Label2"), QString(), 120, 90, 5700, 330);
    setBold(Label2, true);

    Text1 = makeBox(this, QStringLiteral("Text1"), 120, 480, 5760, 330);
    Text1->installEventFilter(this);

    Drive1 = named(new DriveListBox(this), QStringLiteral("Drive1"));
    setTwipsGeometry(Drive1, 120, 900, 2700, 330);
    Dir1 = named(new DirListBox(this), QStringLiteral("Dir1"));
    setTwipsGeometry(Dir1, 120, 1290, 2700, 2550);
    Text3 = makeBox(this, QStringLiteral("Text3"), 2940, 900, 2940, 330);
    File1 = named(new FileListBox(this), QStringLiteral("File1"));
    setTwipsGeometry(File1, 2940, 1290, 2940, 2550);

    Text2 = makeBox(this, QStringLiteral("Text2"), 120, 3930, 5760, 330);
    Text2->setReadOnly(true);
    Text2->hide();

    Command4 = makeButton(this, QStringLiteral("Command4"), QString(), 120, 4380, 2700, kButtonHeight);
    Command5 =
        makeButton(this, QStringLiteral("Command5"), QStringLiteral("了解"), 120, 4380, 1320, kButtonHeight);
    Command6 =
        makeButton(this, QStringLiteral("Command6"), QStringLiteral("ＮＧ"), 1500, 4380, 1320, kButtonHeight);
    Command2 =
        makeButton(this, QStringLiteral("Command2"), QStringLiteral("戻る"), 2940, 4380, 1440, kButtonHeight);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("ｷｬﾝｾﾙ"), 4440, 4380, 1440,
                          kButtonHeight);
    Command5->hide();
    Command6->hide();

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 3000, TimerKind::OneShot);
    message_ = new MessageField(Text2, Timer1, this);
    message_->setClearedOnHide(true);
}

void SaveDialog::connectControls() {
    connect(Drive1, &DriveListBox::driveChanged, this, &SaveDialog::driveChanged);
    connect(Dir1, &DirListBox::pathChanged, this, &SaveDialog::directoryChanged);
    connect(File1, &FileListBox::fileClicked, this, &SaveDialog::fileClicked);
    connect(Text1, &QLineEdit::textEdited, this, &SaveDialog::nameTyped);
    connect(Text3, &QLineEdit::returnPressed, this, &SaveDialog::applyPattern);
    connect(Command4, &QPushButton::clicked, this, &SaveDialog::confirmName);
    connect(Command5, &QPushButton::clicked, this, &SaveDialog::writeFile);
    connect(Command6, &QPushButton::clicked, this, &SaveDialog::refuse);
    connect(Command2, &QPushButton::clicked, this, &SaveDialog::back);
    connect(Command1, &QPushButton::clicked, this, &SaveDialog::cancel);
}

QString SaveDialog::nameWarning(const QString&) const {
    return QString();
}

bool SaveDialog::clickChecksFirstLine() const {
    return state_.SaveKind == kSaveAllLines || state_.SaveKind == kSaveSelectedLine;
}

bool SaveDialog::writesDataSets() const {
    return state_.SaveKind == kSaveAllLines || state_.SaveKind == kSaveSelectedLine;
}

void SaveDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activate();
}

void SaveDialog::activate() {
    if (positionRemembered_)
        move(rememberedPosition_);
    Label2->setText(titleText());
    Command4->setText(saveButtonCaption());
    showConfirmButtons(false);
    message_->hide();

    // The lists first: a directory change writes its folder into Text1. The
    // graph image's path is no name for a file to write (a data-set save
    // would refuse it): its folder is proposed with an empty name.
    const bool imagePath = !state_.ImageFilePath.isEmpty() &&
                           state_.CurrentFilePath.compare(state_.ImageFilePath, Qt::CaseInsensitive) == 0;
    if (imagePath) {
        const QString folder = folderOfPath(state_.CurrentFilePath);
        Drive1->setDrive(folder);
        Dir1->setPath(folder);
        Text1->setText(joinPath(Dir1->path(), QString()));
    } else if (!state_.CurrentFilePath.isEmpty()) {
        Drive1->setDrive(state_.CurrentFilePath);
        Dir1->setPath(folderOfPath(state_.CurrentFilePath));
        Text1->setText(state_.CurrentFilePath);
    } else if (!rememberedDirectory_.isEmpty()) {
        Drive1->setDrive(rememberedDirectory_);
        Dir1->setPath(rememberedDirectory_);
        Text1->setText(Dir1->path());
    } else {
        Text1->clear();
    }
    if (state_.LastFileName.isEmpty()) {
        state_.LastFileName = fileNameOfPath(state_.CurrentFilePath);
        if (!state_.LastFileName.contains(u'.'))
            state_.LastFileName.clear();
    }
    if (state_.LastDirectory.isEmpty())
        state_.LastDirectory = Dir1->path();
    File1->setPath(Dir1->path());
    File1->setPattern(rememberedPattern());
    Text3->setText(rememberedPattern());
}

// ---- Lists and boxes ----------------------------------------------------------

void SaveDialog::driveChanged(const QString& drive) {
    if (!QFileInfo(drive).isReadable() || !Dir1->setPath(drive)) {
        showMessage(QStringLiteral("ドライブの準備が出来ていません"), kRed);
        Drive1->setDrive(Dir1->path());
    }
}

void SaveDialog::directoryChanged(const QString& path) {
    File1->setPath(path);
    rememberedDirectory_ = path;
    Command4->setText(QStringLiteral("新規作成"));
    Text1->setText(path);
}

void SaveDialog::fileClicked(const QString& name) {
    const QString path = joinPath(File1->path(), name);
    if (clickChecksFirstLine() && needsFirstLineCheck(name) && !firstLineLooksLikeData(path)) {
        Text1->setText(path);
        showMessage(QStringLiteral("不適切なファイル名"), kRed);
        return;
    }
    message_->hide();
    const QString before = state_.CurrentFilePath;
    state_.CurrentFileName = name;
    state_.CurrentFilePath = path;
    Text1->setText(path);
    const bool same = path.compare(before, Qt::CaseInsensitive) == 0;
    Command4->setText(same ? QStringLiteral("上書き保存") : QStringLiteral("変更保存"));
}

void SaveDialog::nameTyped(const QString& text) {
    Command4->setText(text == state_.CurrentFilePath ? QStringLiteral("上書き保存")
                                                     : QStringLiteral("新規保存"));
    message_->hide();
    if (text.contains(u'.') && text.size() > 2)
        state_.CurrentFilePath = text;
}

void SaveDialog::nameClicked() {
    if (Text1->text() == state_.CurrentFilePath) {
        Command4->setText(QStringLiteral("上書き保存"));
    } else {
        Command4->setText(QStringLiteral("新規作成"));
        message_->clear();
    }
}

void SaveDialog::applyPattern() {
    rememberedPattern() = Text3->text();
    File1->setPattern(rememberedPattern());
}

void SaveDialog::closeEvent(QCloseEvent* event) {
    // Closing through the frame is "戻る": the window that asked waits disabled.
    event->accept();
    back();
}

bool SaveDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::MouseButtonPress)
        nameClicked();
    return QWidget::eventFilter(watched, event);
}

// ---- Confirmation and writing -----------------------------------------------

QString SaveDialog::typedPath() const {
    // A bare name is written into the folder the lists show.
    const QString typed = Text1->text().trimmed();
    if (QFileInfo(QDir::fromNativeSeparators(typed)).isRelative())
        return joinPath(Dir1->path(), typed);
    return typed;
}

void SaveDialog::confirmName() {
    if (!isAcceptableSaveName(Text1->text().trimmed())) {
        showMessage(QStringLiteral("ﾌｧｲﾙ名が不適当"), kRed);
        return;
    }
    // A data-set save never replaces a file that is not a data file (the
    // remembered path may be the graph image's), whatever its extension; a
    // CSV of graph data may replace anything the extension rule lets through.
    const QString path = typedPath();
    if (wouldReplaceFileThatIsNotData(path)) {
        showMessage(QStringLiteral("不適切なファイル名"), kRed);
        return;
    }
    const QString warning = nameWarning(path);
    showMessage(warning.isEmpty() ? QStringLiteral("保存ﾌｧｲﾙ名はこれでＯＫ？") : warning, kDarkGreen);
    Timer1->stop(); // the question stays until it is answered
    showConfirmButtons(true);
}

bool SaveDialog::wouldReplaceFileThatIsNotData(const QString& path) const {
    return writesDataSets() && QFileInfo::exists(path) && !firstLineLooksLikeData(path);
}

void SaveDialog::writeFile() {
    const QString path = typedPath();
    // The file may have been replaced while the question waited for its answer.
    if (wouldReplaceFileThatIsNotData(path)) {
        showConfirmButtons(false);
        showMessage(QStringLiteral("不適切なファイル名"), kRed);
        return;
    }
    message_->show(QStringLiteral("保存中"), kRed);
    QApplication::processEvents();

    const FileOutcome outcome = write(path);
    if (!outcome.ok) {
        showConfirmButtons(false);
        showMessage(outcome.message, kRed);
        return;
    }
    message_->hide();
    if (path.contains(u'.') && path.size() >= 3) {
        state_.CurrentFilePath = path;
        state_.CurrentFileName = fileNameOfPath(path);
        state_.LastFileName = state_.CurrentFileName;
        state_.LastDirectory = folderOfPath(path);
    }
    showConfirmButtons(false);
    returnToCaller();
    hide();
}

void SaveDialog::refuse() {
    message_->clear();
    showConfirmButtons(false);
}

void SaveDialog::back() {
    rememberedPosition_ = pos();
    positionRemembered_ = true;
    message_->hide();
    returnToCaller();
    hide();
}

void SaveDialog::cancel() {
    rememberedPattern() = initialPattern();
    returnToCaller();
    hide();
}

void SaveDialog::showMessage(const QString& message, const QColor& color) {
    message_->show(message, color);
}

void SaveDialog::showConfirmButtons(bool confirming) {
    Command4->setVisible(!confirming);
    Command5->setVisible(confirming);
    Command6->setVisible(confirming);
}

} // namespace tracol
