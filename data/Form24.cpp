#include "data/Form24.h"

#include "data/DataSetFile.h"
#include "data/SaveNameChecks.h"
#include "data/SavedLines.h"
#include "ui/ControlFactory.h"
#include "ui/Controls.h"
#include "ui/DetachChildren.h"
#include "ui/DirListBox.h"
#include "ui/DriveListBox.h"
#include "ui/FileListBox.h"
#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QApplication>
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

QString titleOfKind(int kind) {
    switch (kind) {
    case kSaveAllLines:
        return QStringLiteral("採取ﾃﾞｰﾀ全保存");
    case kSaveSelectedLine:
        return QStringLiteral("採取ﾃﾞｰﾀ選択保存");
    case kSaveRelationFormulas:
        return QStringLiteral("計算ﾌﾟﾛｸﾞﾗﾑの保存");
    case kSaveAllResults:
        return QStringLiteral("計算結果全保存");
    case kSaveHistory:
        return QStringLiteral("履歴保存");
    default:
        return QString();
    }
}

// Saves of sampled points (as opposed to result files).
bool isDataSetSave(int kind) {
    return kind == kSaveAllLines || kind == kSaveSelectedLine;
}

} // namespace

Form24::Form24(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("Form24"));
    setWindowTitle(QStringLiteral("ﾃﾞｰﾀ書込み"));
    windows_.form24 = this;
    buildControls();
    connectControls();
}

Form24::~Form24() {
    detachChildren(this);
}

void Form24::buildControls() {
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
    Text3->setText(state_.DataPattern);
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

    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    Timer1->setSingleShot(true);
}

void Form24::connectControls() {
    connect(Drive1, &DriveListBox::driveChanged, this, &Form24::driveChanged);
    connect(Dir1, &DirListBox::pathChanged, this, &Form24::directoryChanged);
    connect(File1, &FileListBox::fileClicked, this, &Form24::fileClicked);
    connect(Text1, &QLineEdit::textEdited, this, &Form24::nameTyped);
    connect(Text3, &QLineEdit::returnPressed, this, &Form24::applyPattern);
    connect(Command4, &QPushButton::clicked, this, &Form24::confirmName);
    connect(Command5, &QPushButton::clicked, this, &Form24::writeFile);
    connect(Command6, &QPushButton::clicked, this, &Form24::refuse);
    connect(Command2, &QPushButton::clicked, this, &Form24::back);
    connect(Command1, &QPushButton::clicked, this, &Form24::cancel);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Text2->clear();
        Text2->hide();
    });
}

void Form24::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activate();
}

void Form24::activate() {
    if (positionRemembered_)
        move(rememberedPosition_);
    const QString title = titleOfKind(state_.SaveKind);
    Label2->setText(title);
    Command4->setText(state_.SaveKind == kSaveAllLines ? QStringLiteral("入力ﾃﾞｰﾀの保存") : title);
    showConfirmButtons(false);
    Text2->clear();
    Text2->hide();

    // The lists first: a directory change writes its folder into Text1.
    if (!state_.CurrentFilePath.isEmpty()) {
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
    File1->setPattern(state_.DataPattern);
    Text3->setText(state_.DataPattern);
}

// ---- Lists and boxes ----------------------------------------------------------

void Form24::driveChanged(const QString& drive) {
    if (!QFileInfo(drive).isReadable() || !Dir1->setPath(drive)) {
        showMessage(QStringLiteral("ドライブの準備が出来ていません"), kRed);
        Drive1->setDrive(Dir1->path());
    }
}

void Form24::directoryChanged(const QString& path) {
    File1->setPath(path);
    rememberedDirectory_ = path;
    Command4->setText(QStringLiteral("新規作成"));
    Text1->setText(path);
}

void Form24::fileClicked(const QString& name) {
    const QString path = joinPath(File1->path(), name);
    if (isDataSetSave(state_.SaveKind) && needsFirstLineCheck(name) && !firstLineLooksLikeData(path)) {
        Text1->setText(path);
        showMessage(QStringLiteral("不適切なファイル名"), kRed);
        return;
    }
    Text2->hide();
    const QString before = state_.CurrentFilePath;
    state_.CurrentFileName = name;
    state_.CurrentFilePath = path;
    Text1->setText(path);
    const bool same = path.compare(before, Qt::CaseInsensitive) == 0;
    Command4->setText(same ? QStringLiteral("上書き保存") : QStringLiteral("変更保存"));
}

void Form24::nameTyped(const QString& text) {
    Command4->setText(text == state_.CurrentFilePath ? QStringLiteral("上書き保存")
                                                     : QStringLiteral("新規保存"));
    Text2->clear();
    Text2->hide();
    if (text.contains(u'.') && text.size() > 2)
        state_.CurrentFilePath = text;
}

void Form24::nameClicked() {
    if (Text1->text() == state_.CurrentFilePath) {
        Command4->setText(QStringLiteral("上書き保存"));
    } else {
        Command4->setText(QStringLiteral("新規作成"));
        Text2->clear();
    }
}

void Form24::applyPattern() {
    state_.DataPattern = Text3->text();
    File1->setPattern(state_.DataPattern);
}

bool Form24::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::MouseButtonPress)
        nameClicked();
    return QWidget::eventFilter(watched, event);
}

// ---- Confirmation and writing -----------------------------------------------

QString Form24::typedPath() const {
    // A bare name is written into the folder the lists show.
    const QString typed = Text1->text().trimmed();
    if (QFileInfo(QDir::fromNativeSeparators(typed)).isRelative())
        return joinPath(Dir1->path(), typed);
    return typed;
}

void Form24::confirmName() {
    if (!isAcceptableSaveName(Text1->text().trimmed())) {
        showMessage(QStringLiteral("ﾌｧｲﾙ名が不適当"), kRed);
        return;
    }
    // A data-set save never replaces a file that is not a data file (the
    // remembered path may be the graph image's), whatever its extension.
    const QString path = typedPath();
    if (isDataSetSave(state_.SaveKind) && QFileInfo::exists(path) && !firstLineLooksLikeData(path)) {
        showMessage(QStringLiteral("不適切なファイル名"), kRed);
        return;
    }
    showMessage(QStringLiteral("保存ﾌｧｲﾙ名はこれでＯＫ？"), kDarkGreen);
    Timer1->stop(); // the question stays until it is answered
    showConfirmButtons(true);
}

void Form24::writeFile() {
    const QString path = typedPath();
    Text2->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    Text2->setText(QStringLiteral("保存中"));
    Text2->show();
    QApplication::processEvents();

    SelectedLineInput selected;
    if (auto* form21 = windows_.form21.data()) {
        for (int k = 0; k < kLineCount && selected.line == 0; ++k)
            if (isControlChecked(form21, indexedName(QStringLiteral("Option1"), k)))
                selected.line = static_cast<qint16>(k + 1);
        selected.parameterText = controlText(form21, QStringLiteral("Text2"));
    }
    const FileOutcome outcome = writeSaveFile(state_, path, state_.SaveKind, selected);
    if (!outcome.ok) {
        showConfirmButtons(false);
        showMessage(outcome.message, kRed);
        return;
    }
    markLinesSaved(state_, state_.SaveKind, selected.line);

    Text2->clear();
    Text2->hide();
    if (path.contains(u'.') && path.size() >= 3) {
        state_.CurrentFilePath = path;
        state_.CurrentFileName = fileNameOfPath(path);
        state_.LastFileName = state_.CurrentFileName;
        state_.LastDirectory = folderOfPath(path);
    }
    showConfirmButtons(false);
    close();
    returnToCaller();
}

void Form24::refuse() {
    Text2->clear();
    showConfirmButtons(false);
}

void Form24::back() {
    rememberedPosition_ = pos();
    positionRemembered_ = true;
    Text2->hide();
    close();
    returnToCaller();
}

void Form24::cancel() {
    state_.DataPattern = kInitialDataPattern;
    close();
    returnToCaller();
}

void Form24::returnToCaller() {
    const bool fromDataSetWindow = isDataSetSave(state_.SaveKind) && state_.SaveCaller == 21;
    if (fromDataSetWindow) {
        if (auto* follow = control<QTimer>(windows_.form20, QStringLiteral("Timer4")))
            follow->start();
        showWindow(windows_.form21);
    } else if (windows_.form33) {
        showWindow(windows_.form33);
    } else {
        showWindow(windows_.form20); // no computation screen yet: back to the start
    }
}

void Form24::showMessage(const QString& message, const QColor& color) {
    Text2->setStyleSheet(QStringLiteral("color: %1;").arg(color.name()));
    Text2->setText(message);
    Text2->show();
    Timer1->start();
}

void Form24::showConfirmButtons(bool confirming) {
    Command4->setVisible(!confirming);
    Command5->setVisible(confirming);
    Command6->setVisible(confirming);
}

} // namespace tracol
