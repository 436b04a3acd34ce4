#include "data/Form22.h"

#include "data/SaveNameChecks.h"
#include "ui/ControlFactory.h"
#include "ui/DetachChildren.h"
#include "ui/DirListBox.h"
#include "ui/DriveListBox.h"
#include "ui/FileListBox.h"
#include "ui/MessageField.h"
#include "ui/Timers.h"
#include "ui/WidgetLook.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tracol {

namespace {

QString nameOf(const QString& path) {
    const QString clean = QDir::fromNativeSeparators(path);
    return clean.mid(clean.lastIndexOf(u'/') + 1);
}

} // namespace

Form22::Form22(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("Form22"));
    setWindowTitle(QStringLiteral("データ呼込み"));
    setFixedSize(440, 330);
    windows_.form22 = this;
    windows_.openDialogLink = this;

    Label1 =
        named(new QLabel(QStringLiteral("データ読込み"), this), QStringLiteral("Label1"), {10, 6, 200, 20});
    Label2 = named(new QLabel(this), QStringLiteral("Label2"), {220, 6, 210, 20});
    Drive1 = named(new DriveListBox(this), QStringLiteral("Drive1"), {10, 30, 200, 24});
    Dir1 = named(new DirListBox(this), QStringLiteral("Dir1"), {10, 58, 200, 180});
    File1 = named(new FileListBox(this), QStringLiteral("File1"), {220, 30, 210, 208});
    Text4 = named(new QLineEdit(this), QStringLiteral("Text4"), {220, 242, 210, 22});
    Text1 = named(new QLineEdit(this), QStringLiteral("Text1"), {10, 268, 420, 22});
    // A label that wraps and grows upwards over the folder list, so that a
    // long message (the toolkit's reason for an image that cannot be read)
    // is read whole.
    const QRect messagePlace(150, 3630, 3000, 330); // twips
    Text3 = makeNoteField(this, QStringLiteral("Text3"), QStringLiteral("ﾌｧｲﾙ内容不正"), messagePlace.x(),
                          messagePlace.y(), messagePlace.width(), messagePlace.height());
    Text3->setBackgroundRole(QPalette::Base);
    setTextColour(Text3, Qt::red);
    Command1 =
        named(new QPushButton(QStringLiteral("決定"), this), QStringLiteral("Command1"), {10, 296, 130, 28});
    Command2 = named(new QPushButton(QStringLiteral("戻 る"), this), QStringLiteral("Command2"),
                     {155, 296, 130, 28});
    Command3 = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), QStringLiteral("Command3"),
                     {300, 296, 130, 28});
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 5000);
    message_ = new MessageField(Text3, Timer1, this);
    message_->setPlace(messagePlace, MessageField::Growth::Up);
    message_->setClearedOnHide(true);

    connect(Drive1, &DriveListBox::driveChanged, this, &Form22::driveChosen);
    connect(Dir1, &DirListBox::pathChanged, this, &Form22::directoryChanged);
    connect(File1, &FileListBox::fileClicked, this, &Form22::fileClicked);
    connect(File1, &FileListBox::fileDoubleClicked, this, [this](const QString& name) {
        fileClicked(name);
        decide();
    });
    connect(Text1, &QLineEdit::textChanged, this, &Form22::pathEdited);
    Text1->installEventFilter(this);
    Text4->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &Form22::decide);
    connect(Command2, &QPushButton::clicked, this, &Form22::back);
    connect(Command3, &QPushButton::clicked, this, &Form22::cancel);
    File1->setPath(Dir1->path());
    Drive1->setDrive(Dir1->path());
}

Form22::~Form22() {
    detachChildren(this);
}

void Form22::open(qint16 openPurpose) {
    state_.OpenPurpose = openPurpose;
    showWindow(this);
}

QString& Form22::rememberedPattern() {
    switch (state_.OpenPurpose) {
    case kOpenImage:
        return state_.ImagePattern;
    case kOpenPdf:
        return state_.PdfPattern;
    default:
        return state_.DataPattern;
    }
}

void Form22::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (rememberedPosition_)
        move(*rememberedPosition_);
    activate();
}

void Form22::activate() {
    const QString path = state_.CurrentFilePath;
    if (!path.isEmpty()) {
        Text1->setText(path);
        Drive1->setDrive(path);
        Dir1->setPath(folderOfPath(path));
    } else if (!state_.RememberedDirectory.isEmpty()) {
        Drive1->setDrive(state_.RememberedDrive);
        Dir1->setPath(state_.RememberedDirectory);
        Text1->setText(state_.RememberedDirectory);
    } else {
        Text1->clear();
    }
    if (state_.LastFileName.isEmpty()) {
        state_.LastFileName = nameOf(path);
        if (!state_.LastFileName.contains(u'.'))
            state_.LastFileName.clear();
    }
    if (state_.LastDirectory.isEmpty())
        state_.LastDirectory = Dir1->path();
    Label2->setText(state_.OpenPurpose == kOpenImage ? QStringLiteral("画像呼込み")
                    : state_.OpenPurpose == kOpenPdf ? QStringLiteral("PDFページ呼込み")
                                                     : QStringLiteral("数値ﾃﾞｰﾀ呼込み"));
    File1->setPattern(rememberedPattern());
    Text4->setText(rememberedPattern());
}

void Form22::driveChosen(const QString& drive) {
    if (DriveListBox::rootOf(Dir1->path()) == drive)
        return; // the list only followed the folder
    if (!Dir1->setPath(drive)) {
        showFileMessage(kDriveNotReady);
        Drive1->setDrive(Dir1->path());
    }
}

void Form22::directoryChanged(const QString& path) {
    File1->setPath(path);
    state_.RememberedDrive = Drive1->drive();
    state_.RememberedDirectory = path;
}

void Form22::patternEntered() {
    File1->setPattern(Text4->text());
    rememberedPattern() = Text4->text();
}

void Form22::fileClicked(const QString& name) {
    message_->hide();
    Text1->setText(joinPath(File1->path(), name));
    state_.CurrentFileName = name;
}

void Form22::pathEdited() {
    const QString text = Text1->text();
    if (text.contains(u'.') && text.size() > 2)
        message_->hide();
}

void Form22::pathLeft() {
    const QString text = Text1->text().trimmed();
    if (text.contains(u'.') && text.size() > 2) {
        message_->hide();
        Drive1->setDrive(text);
        Dir1->setPath(folderOfPath(QFileInfo(text).absoluteFilePath()));
        state_.CurrentFileName = nameOf(text);
    } else {
        showFileMessage(kBadFileName);
    }
}

void Form22::showFileMessage(const QString& message) {
    message_->show(message);
}

void Form22::followChosenPath(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Drive1->setDrive(absolute);
    Dir1->setPath(folderOfPath(absolute));
    state_.LastDirectory = Dir1->path();
    QDir::setCurrent(state_.LastDirectory);
    state_.LastFileName = nameOf(absolute);
    state_.CurrentFileName = state_.LastFileName;
}

void Form22::decide() {
    const int purpose = state_.OpenPurpose;
    bool done = false;
    if (purpose == kOpenImage)
        done = loadImage();
    else if (purpose == kOpenPdf)
        done = openPdf();
    else if (purpose == kOpenDataFromDataSet || purpose == kOpenDataFromMain)
        done = openDataSet();
    if (done) {
        hide();
        // No dialog is pending any more: the base check boxes redraw the marks
        // again. The page window still works for a PDF file.
        if (purpose != kOpenPdf)
            state_.OpenPurpose = kOpenNothing;
    }
}

void Form22::back() {
    rememberedPosition_ = pos();
    message_->hide();
    returnToCaller(state_.OpenPurpose);
    hide();
    // No dialog is pending any more: the base check boxes redraw the marks again.
    state_.OpenPurpose = kOpenNothing;
}

void Form22::cancel() {
    const int purpose = state_.OpenPurpose;
    state_.ImagePattern = kInitialImagePattern;
    state_.DataPattern = kInitialDataPattern;
    state_.PdfPattern = kInitialPdfPattern;
    state_.OpenPurpose = kOpenNothing;
    returnToCaller(purpose);
    hide();
}

void Form22::returnToCaller(int purpose) {
    QWidget& main = windows_.mainWindow().window();
    QWidget& image = windows_.imageWindow().window();
    switch (purpose) {
    case kOpenDataFromDataSet:
        windows_.dataSet().comeBack();
        main.hide();
        break;
    case kOpenDataFromMain:
    case kOpenImage:
    case kOpenPdf:
        // The caller disabled itself and the image window before opening.
        if (image.isVisible())
            image.setEnabled(true);
        showWindow(&main);
        break;
    default:
        // Nothing pending: the main window at least stays in reach.
        showWindow(&main);
        break;
    }
}

void Form22::closeEvent(QCloseEvent* event) {
    // Closing through the frame is "戻 る": the window that opened the dialog
    // waits disabled for it.
    event->accept();
    back();
}

bool Form22::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text4 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            patternEntered();
    } else if (watched == Text1 && event->type() == QEvent::FocusOut) {
        pathLeft();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tracol
