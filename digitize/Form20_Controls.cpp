// Form20: the menus and controls of the main window and their connections.

#include "digitize/Form20.h"

#include "core/NumericText.h"
#include "ui/ControlFactory.h"
#include "ui/DiscardQuestion.h"
#include "ui/MessageField.h"
#include "ui/Timers.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

namespace tracol {

namespace {

QAction* menuAction(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

void Form20::buildMenus() {
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    fileMenu->setObjectName(QStringLiteral("FileRd"));
    BITMAP = menuAction(fileMenu, QStringLiteral("BITMAP"), QStringLiteral("画像ファイルの読み"));
    PAST = menuAction(fileMenu, QStringLiteral("PAST"), QStringLiteral("画像のPaste"));
    FFRD = menuAction(fileMenu, QStringLiteral("FFRD"), QStringLiteral("数値ﾃﾞｰﾀの呼込み"));
    HENKOU1 = menuAction(fileMenu, QStringLiteral("HENKOU1"), QStringLiteral("ｷｰﾎﾞｰﾄﾞ入力"));
    EEND = menuAction(fileMenu, QStringLiteral("EEND"), QStringLiteral("ﾌﾟﾛｸﾞﾗﾑ終了"));
    QMenu* settingsMenu = menuBar()->addMenu(QStringLiteral("設定"));
    settingsMenu->setObjectName(QStringLiteral("settei"));
    kihon = menuAction(settingsMenu, QStringLiteral("kihon"), QStringLiteral("基本座標の確定"));
    kaisi = menuAction(settingsMenu, QStringLiteral("kaisi"), QStringLiteral("データ採取開始"));
    hyouji1 = menuAction(settingsMenu, QStringLiteral("hyouji1"), QStringLiteral("採取データの表示"));
    buildAdditionMenus(fileMenu);
    HELP01 = menuBar()->addAction(QStringLiteral("HELP"));
    HELP01->setObjectName(QStringLiteral("HELP01"));
}

void Form20::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form20Background"));
    central->setMouseTracking(true);
    setCentralWidget(central);

    Label11 = named(new QLabel(QStringLiteral("グラフデータ自動読取り"), central), QStringLiteral("Label11"));
    Label11->setGeometry(4, 0, 192, 16);
    QFont titleFont = Label11->font();
    titleFont.setBold(true);
    Label11->setFont(titleFont);

    Frame3 = named(new QGroupBox(QStringLiteral("画像の呼込み"), central), QStringLiteral("Frame3"));
    Frame3->setGeometry(2, 17, 196, 42);
    Command2 = named(new QPushButton(QStringLiteral("画像ﾌｧｲﾙの読み"), Frame3), QStringLiteral("Command2"));
    Command2->setGeometry(4, 15, 106, 23);
    Command1 = named(new QPushButton(QStringLiteral("画像Paste"), Frame3), QStringLiteral("Command1"));
    Command1->setGeometry(112, 15, 80, 23);

    Frame1 = named(new QGroupBox(QStringLiteral("基本座標"), central), QStringLiteral("Frame1"));
    Frame1->setGeometry(2, 60, 196, 124);
    Frame1->setMouseTracking(true);
    static const char* const baseCaptions[] = {"", "Ｘｍｉｎ", "Ｘｍａｘ", "Ｙｍｉｎ", "Ｙｍａｘ"};
    for (int box = 1; box <= 4; ++box) {
        const int top = 15 + (box - 1) * 21;
        baseBox_[box] = named(new QCheckBox(QString::fromUtf8(baseCaptions[box]), Frame1),
                              QStringLiteral("Check%1").arg(box));
        baseBox_[box]->setGeometry(6, top, 84, 20);
        valueBox_[box + 2] =
            named(new QLineEdit(Frame1), QStringLiteral("Text%1").arg(box + 2), QRect(92, top, 98, 20));
    }
    Command4 = named(new QPushButton(QStringLiteral("基本座標の確定"), Frame1), QStringLiteral("Command4"));
    Command4->setGeometry(6, 99, 184, 22);

    Frame2 = named(new QGroupBox(QStringLiteral("設定確認"), central), QStringLiteral("Frame2"));
    Frame2->setGeometry(2, 185, 196, 100);
    Frame2->setMouseTracking(true);
    static const char* const linearCaptions[] = {"X", "Y"};
    static const char* const logCaptions[] = {"Log(X)", "Log(Y)"};
    for (int axis = 0; axis < 2; ++axis) {
        // Each axis has its own pair of exclusive buttons.
        auto* group = new QButtonGroup(this);
        Option2[axis] = named(new QRadioButton(QString::fromLatin1(linearCaptions[axis]), Frame2),
                              indexedName(QStringLiteral("Option2"), axis));
        Option3[axis] = named(new QRadioButton(QString::fromLatin1(logCaptions[axis]), Frame2),
                              indexedName(QStringLiteral("Option3"), axis));
        group->addButton(Option2[axis]);
        group->addButton(Option3[axis]);
        Option2[axis]->setGeometry(6 + axis * 94, 14, 30, 20);
        Option3[axis]->setGeometry(36 + axis * 94, 14, 60, 20);
    }
    Label8 = named(new QLabel(QStringLiteral("中間座標補正処理"), Frame2), QStringLiteral("Label8"));
    Label8->setGeometry(6, 35, 184, 16);
    Check6 = named(new QCheckBox(QStringLiteral("Ｘｍid"), Frame2), QStringLiteral("Check6"));
    Check6->setGeometry(6, 52, 84, 20);
    Text10 = named(new QLineEdit(Frame2), QStringLiteral("Text10"), QRect(92, 52, 98, 20));
    Check7 = named(new QCheckBox(QStringLiteral("Ｙｍid"), Frame2), QStringLiteral("Check7"));
    Check7->setGeometry(6, 75, 84, 20);
    Text11 = named(new QLineEdit(Frame2), QStringLiteral("Text11"), QRect(92, 75, 98, 20));

    Label9 = named(new QLabel(QStringLiteral("X/Yサンプリング値"), central), QStringLiteral("Label9"));
    Label9->setGeometry(6, 287, 130, 16);
    Check5 = named(new QCheckBox(central), QStringLiteral("Check5"));
    Check5->setGeometry(178, 286, 18, 18);
    Text8 = named(new QLineEdit(central), QStringLiteral("Text8"), QRect(4, 304, 95, 20));
    Text9 = named(new QLineEdit(central), QStringLiteral("Text9"), QRect(101, 304, 95, 20));
    Text1 = named(new QLineEdit(central), QStringLiteral("Text1"), QRect(4, 326, 95, 20));
    Text2 = named(new QLineEdit(central), QStringLiteral("Text2"), QRect(101, 326, 95, 20));

    Frame4 = named(new QGroupBox(QStringLiteral("データ読取り"), central), QStringLiteral("Frame4"));
    Frame4->setGeometry(2, 348, 196, 96);
    auto* lineGroup = new QButtonGroup(this);
    for (int k = 0; k < kLineCount; ++k) {
        Option1[k] = named(new QRadioButton(QStringLiteral("Line %1").arg(k + 1, 2), Frame4),
                           indexedName(QStringLiteral("Option1"), k));
        Option1[k]->setGeometry(8 + (k / 5) * 94, 14 + (k % 5) * 16, 90, 16);
        lineGroup->addButton(Option1[k]);
    }

    Command5 = named(new QPushButton(QStringLiteral("データ採取開始"), central), QStringLiteral("Command5"));
    Command5->setGeometry(4, 447, 160, 24);
    Command7 = named(new QPushButton(QStringLiteral("□"), central), QStringLiteral("Command7"));
    Command7->setGeometry(168, 447, 28, 24);
    Command6 = named(new QPushButton(QStringLiteral("Reset"), central), QStringLiteral("Command6"));
    Command6->setGeometry(4, 474, 62, 24);
    Command8 = named(new QPushButton(QStringLiteral("保 存"), central), QStringLiteral("Command8"));
    Command8->setGeometry(69, 474, 62, 24);
    Command3 = named(new QPushButton(QStringLiteral("終了"), central), QStringLiteral("Command3"));
    Command3->setGeometry(134, 474, 62, 24);

    // Message area and help text; red, above everything else while shown.
    Text7 = named(new QTextEdit(central), QStringLiteral("Text7"));
    Text7->setReadOnly(true);
    QFont messageFont = Text7->font();
    messageFont.setPointSize(9);
    Text7->setFont(messageFont);
    Text7->setTextColor(QColor(255, 0, 0));
    Text7->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text7->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text7->document()->setDocumentMargin(1); // one line of text fits the one-line area
    Text7->viewport()->installEventFilter(this);
    Text7->hide();

    // The hint: a label that wraps and takes the size of its text.
    Text12 = makeNoteField(central, QStringLiteral("Text12"),
                           QStringLiteral("座標指示と座標値を全てクリアします"), 0, 0, 0, 0);
    Text12->setBackgroundRole(QPalette::ToolTipBase);
    Text12->setForegroundRole(QPalette::ToolTipText);
    Text12->setMargin(2);
    Text12->installEventFilter(this);

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 50);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 5000, TimerKind::OneShot);
    Timer4 = makeTimer(this, QStringLiteral("Timer4"), 200);
    // Every message starts Timer2, which hides the area again (and the hint,
    // connected below); the field wraps a long message and grows down to hold it.
    message_ = new MessageField(Text7, Timer2, this);
}

void Form20::connectControls() {
    connect(BITMAP, &QAction::triggered, this, &Form20::openImageFile);
    connect(Command2, &QPushButton::clicked, this, &Form20::openImageFile);
    connect(PAST, &QAction::triggered, this, &Form20::pasteImage);
    connect(Command1, &QPushButton::clicked, this, &Form20::pasteImage);
    connect(FFRD, &QAction::triggered, this, &Form20::openDataFile);
    connect(HENKOU1, &QAction::triggered, this, &Form20::keyboardEntry);
    connect(EEND, &QAction::triggered, this, [this] { endProgram(this, state_); });
    connect(Command3, &QPushButton::clicked, this, [this] { endProgram(this, state_); });
    connect(kihon, &QAction::triggered, this, &Form20::confirmClicked);
    connect(Command4, &QPushButton::clicked, this, &Form20::confirmClicked);
    connect(kaisi, &QAction::triggered, this, &Form20::startSampling);
    connect(Command5, &QPushButton::clicked, this, &Form20::startSampling);
    connect(hyouji1, &QAction::triggered, this, [this] {
        startSampling();
        QCoreApplication::processEvents();
    });
    connect(HELP01, &QAction::triggered, this, &Form20::toggleHelp);
    connect(Command6, &QPushButton::clicked, this, &Form20::resetCalibrationClicked);
    connect(Command8, &QPushButton::clicked, this, [this] {
        // Like every window that needs a file, the main window waits for its
        // dialog: no second dialog and no keyboard entry under an open save.
        setEnabled(false);
        windows_.saveDialog().open(kSaveAllLines, kCallerMain);
    });

    // A box set from code runs the same handling as a click (toggled, not clicked).
    for (int box = 1; box <= 4; ++box) {
        connect(baseBox_[box], &QCheckBox::toggled, this, [this, box] { baseBoxClicked(box); });
        baseBox_[box]->installEventFilter(this);
    }
    for (int box = 3; box <= 6; ++box) {
        connect(valueBox_[box], &QLineEdit::textChanged, this, [this, box] { valueBoxChanged(box); });
        connect(valueBox_[box], &QLineEdit::editingFinished, this, [this, box] { valueBoxCommitted(box); });
        valueBox_[box]->installEventFilter(this);
    }
    for (int axis = 0; axis < 2; ++axis) {
        connect(Option2[axis], &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                option2Clicked();
        });
        connect(Option3[axis], &QRadioButton::toggled, this, [this, axis](bool on) {
            if (on)
                option3Clicked(axis);
        });
    }
    connect(Check6, &QCheckBox::toggled, this, [this] { midBoxClicked(0); });
    connect(Check7, &QCheckBox::toggled, this, [this] { midBoxClicked(1); });
    connect(Text10, &QLineEdit::textChanged, this, [this] {
        if (Check6->isChecked())
            state_.ValXmid = static_cast<float>(numtext::val(Text10->text()));
    });
    connect(Text11, &QLineEdit::textChanged, this, [this] {
        if (Check7->isChecked())
            state_.ValYmid = static_cast<float>(numtext::val(Text11->text()));
    });
    Text10->installEventFilter(this);
    Text11->installEventFilter(this);
    connect(Check5, &QCheckBox::toggled, this, &Form20::displayFormClicked);
    for (int k = 0; k < kLineCount; ++k) {
        connect(Option1[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                lineOptionClicked(k);
        });
    }
    connect(Timer1, &QTimer::timeout, this, &Form20::liveTick);
    connect(Timer2, &QTimer::timeout, Text12, &QWidget::hide);
    connect(Timer4, &QTimer::timeout, this, &Form20::followDataSetWindow);

    for (QWidget* watched :
         {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2), centralWidget(),
          static_cast<QWidget*>(Command4), static_cast<QWidget*>(Command6), static_cast<QWidget*>(Check5)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

} // namespace tracol
