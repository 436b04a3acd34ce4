#include "fit/Form33.h"

#include "fit/Conditions.h"
#include "output/PrintReport.h"
#include "output/WorksheetDisplay.h"
#include "ui/ControlFactory.h"
#include "ui/DetachChildren.h"
#include "ui/DiscardQuestion.h"
#include "ui/MessageField.h"
#include "ui/Platform.h"
#include "ui/PrintOutput.h"
#include "ui/TextListBox.h"
#include "ui/TextPrinting.h"
#include "ui/Timers.h"
#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

namespace tracol {

const QString Form33::kHelpText = QStringLiteral(
    "この画面では採取データから数式を算出します．「計算開始」ボタンで計算を始め，結果を四つの表示領域に"
    "表示します．計算式表示領域：パラメータ毎に各計算式の適用範囲と計算式．計算結果詳細表示領域："
    "セクション毎のデータ数，範囲，誤差と係数．関連式表示領域：処理条件とパラメータ毎の関連式．"
    "計算状況表示領域：計算の経過．表示領域をダブルクリックすると拡大し，もう一度ダブルクリックすると"
    "戻ります．表示領域の行を選択して右ボタンを押すとクリップボードにコピーします（計算状況表示領域を"
    "除く）．計算の条件はOptionメニューの「計算処理条件設定」で変更できます．"
    "この表示を消すには表示部分をマウスでクリックします．");

namespace {

const QString kStartPrompt = QStringLiteral("開始ﾎﾞﾀﾝを押して下さい");
const QString kClearsResultsHint = QStringLiteral("表示結果をクリアした後､実行します｡ <了解：クリック＞");
const QColor kPromptFadeLimit(200, 0, 40); // Timer2 fades the prompt towards this and back
constexpr int kFadeSteps = 40;

} // namespace

Form33::Form33(SharedState& state, Windows& windows, QWidget* parent)
    : QMainWindow(parent), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("Form33"));
    setWindowTitle(QStringLiteral("数式算出処理画面"));
    windows_.form33 = this;
    windows_.computationLink = this;
    buildMenus();
    buildControls();
    connectControls();
    resize(twipsToPixels(11985), twipsToPixels(8985) + menuBar()->sizeHint().height());
    setMinimumSize(twipsToPixels(3000), twipsToPixels(5115));
}

Form33::~Form33() {
    detachChildren(this);
}

void Form33::buildMenus() {
    const auto action = [this](QMenu* menu, const QString& name, const QString& text) {
        auto* item = named(menu->addAction(text), name);
        return item;
    };
    FILESV = named(menuBar()->addMenu(QStringLiteral("File")), QStringLiteral("FILESV"));
    XYDAT = action(FILESV, QStringLiteral("XYDAT"), QStringLiteral("ＸＹデータ保存"));
    OUTRES = action(FILESV, QStringLiteral("OUTRES"), QStringLiteral("関連式保存"));
    ALLRES = action(FILESV, QStringLiteral("ALLRES"), QStringLiteral("全結果保存"));
    FILESV->addSeparator();
    PPSET = action(FILESV, QStringLiteral("PPSET"), QStringLiteral("プリンタ設定"));
    PROUTX = action(FILESV, QStringLiteral("PROUTX"), QStringLiteral("印刷"));
    FILESV->addSeparator();
    SSEND1 = action(FILESV, QStringLiteral("SSEND1"), QStringLiteral("プログラム終了"));
    OPT = named(menuBar()->addMenu(QStringLiteral("Option")), QStringLiteral("OPT"));
    SEIDO = action(OPT, QStringLiteral("SEIDO"), QStringLiteral("計算処理条件設定"));
    GPP = action(OPT, QStringLiteral("GPP"), QStringLiteral("処理結果の描画"));
    lexcel = action(OPT, QStringLiteral("lexcel"), QStringLiteral("図読取表（Excel）表示"));
}

void Form33::buildControls() {
    auto* central = named(new QWidget(this), QStringLiteral("Form33Area"));
    setCentralWidget(central);
    central->setMouseTracking(true);

    Command1 = makeButton(central, QStringLiteral("Command1"), QStringLiteral("計算開始"), 0, 0, 2400, 720);
    setBold(Command1, true);
    Command1->installEventFilter(this);
    Command2 = makeButton(central, QStringLiteral("Command2"), QStringLiteral("戻 る"), 0, 0, 2400, 420);
    Command3 = makeButton(central, QStringLiteral("Command3"), QStringLiteral("描 画"), 0, 0, 2400, 420);
    Command4 = makeButton(central, QStringLiteral("Command4"), QStringLiteral("?"), 0, 0, 600, 420);
    Command5 = makeButton(central, QStringLiteral("Command5"), QStringLiteral("図算出表(Excel)表示"), 0, 0,
                          2400, 420);
    Label1 = makeLabel(central, QStringLiteral("Label1"), kStartPrompt, 0, 0, 6000);
    setBold(Label1, true);
    Label2 = makeLabel(central, QStringLiteral("Label2"), QStringLiteral("計算履歴"), 0, 0, 2400);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->installEventFilter(this);
    Label3 = makeLabel(central, QStringLiteral("Label3"), QString(), 0, 0, 1000, 90);
    Label3->setFrameShape(QFrame::HLine);
    Label3->setCursor(Qt::SizeVerCursor);
    Label3->installEventFilter(this);

    for (int k = 0; k < 4; ++k)
        lists_[k] = named(new TextListBox(central), QStringLiteral("List%1").arg(k + 1));
    const QStringList captions = {QStringLiteral("計算式表示領域"),
                                  QStringLiteral("計算結果詳細\r\n表示領域"),
                                  QStringLiteral("関連式表示領域"), QStringLiteral("計算状況表示領域")};
    for (int k = 0; k < 4; ++k) {
        Text2[k] =
            makeNoteField(central, indexedName(QStringLiteral("Text2"), k), captions[k], 0, 0, 2400, 600);
        Text2[k]->setAlignment(Qt::AlignCenter);
        Text2[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    Text1 = makeNoteField(central, QStringLiteral("Text1"), QString(), 0, 0, 3600, 330);
    Text3 = makeNoteField(central, QStringLiteral("Text3"), kNotComputedMessage, 0, 0, 4800, 330);
    Text5 = makeNoteField(central, QStringLiteral("Text5"), kParametersNotNumericMessage, 0, 0, 4800, 330);
    for (QLabel* box : {Text1, Text3, Text5})
        setTextColour(box, Qt::red);
    Text4 = makeNoteField(central, QStringLiteral("Text4"), kHelpText, 0, 0, 6000, 3000);
    Text4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text4->installEventFilter(this);

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 20000);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 20);
    Timer3 = makeTimer(this, QStringLiteral("Timer3"), 5000);
    Timer4 = makeTimer(this, QStringLiteral("Timer4"), 300);
    text1_ = new MessageField(Text1, Timer3, this);
    text3_ = new MessageField(Text3, Timer3, this);
    text5_ = new MessageField(Text5, Timer3, this);
    for (MessageField* box : {text1_, text3_, text5_})
        box->setHiddenOnClick(true);
    Timer3->start();
}

void Form33::connectControls() {
    connect(Command1, &QPushButton::clicked, this, &Form33::startComputation);
    connect(Command2, &QPushButton::clicked, this, &Form33::back);
    connect(Command4, &QPushButton::clicked, this, &Form33::showHelp);
    connect(Command5, &QPushButton::clicked, this, [this] { showWorksheet(*text5_); });
    connect(lexcel, &QAction::triggered, this, [this] { showWorksheet(*text3_); });
    connect(XYDAT, &QAction::triggered, this, [this] { openSaveDialog(kSaveAllLines); });
    connect(OUTRES, &QAction::triggered, this, [this] { openSaveDialog(kSaveRelationFormulas); });
    connect(ALLRES, &QAction::triggered, this, [this] { openSaveDialog(kSaveAllResults); });
    connect(SEIDO, &QAction::triggered, this, &Form33::openConditions);
    connect(Command3, &QPushButton::clicked, this, [this] { openPlot(true); });
    connect(GPP, &QAction::triggered, this, [this] { openPlot(false); });
    connect(PPSET, &QAction::triggered, this, &Form33::openPrintSettings);
    connect(PROUTX, &QAction::triggered, this, &Form33::printReport);
    connect(SSEND1, &QAction::triggered, this, [this] { endProgram(this, state_); });
    for (int k = 0; k < 4; ++k) {
        const auto list = static_cast<ListIndex>(k);
        connect(lists_[k], &TextListBox::listPressed, this,
                [this, list](Qt::MouseButton button) { listPressed(list, button); });
        connect(lists_[k], &TextListBox::listDoubleClicked, this, [this, list] { toggleEnlarged(list); });
    }
    connect(Timer1, &QTimer::timeout, this, &Form33::hideHelpAndCaptions);
    connect(Timer2, &QTimer::timeout, this, &Form33::fadePromptColour);
    connect(Timer4, &QTimer::timeout, this, &Form33::blinkPrompt);
}

// ---- Opening and coming back ------------------------------------------------------

void Form33::openFrom(qint16 caller) {
    opener_ = caller;
    load();
    if (rememberedPosition_)
        move(*rememberedPosition_);
    showWindow(this);
}

void Form33::load() {
    if (!loadedOnce_) {
        loadedOnce_ = true;
        Conditions::setStandardSystems(state_);
        for (QLabel* caption : Text2) {
            caption->show();
            caption->raise();
        }
    }
    state_.CutoffError = Conditions::kStandardCutoffError;
    Timer4->start();
    Timer3->start();
    showStartPrompt();
    Command5->setEnabled(true);
    showLists();
    const MainWindowLink& main = windows_.mainWindow();
    if (main.chosenAxisKind(Axis::X) == AxisKind::Logarithmic ||
        main.chosenAxisKind(Axis::Y) == AxisKind::Logarithmic)
        windows_.conditions().includeAllSystemsUnseen();
}

void Form33::comeBack() {
    showWindow(this);
}

void Form33::restartColourAnimation() {
    Timer2->start();
}

// ---- Menus and buttons ------------------------------------------------------------

bool Form33::refuseBeforeComputation(MessageField& box) {
    if (!state_.List4.isEmpty() && state_.List4.first().contains(QStringLiteral("処理")))
        return false;
    box.show(kNotComputedMessage);
    return true;
}

void Form33::openSaveDialog(qint16 saveKind) {
    if (refuseBeforeComputation(*text3_))
        return;
    setEnabled(false);
    windows_.saveDialog().open(saveKind, kCallerComputation);
}

void Form33::showWorksheet(MessageField& box) {
    const WorksheetDisplay display = copyWorksheetForDisplay(state_);
    if (display.outcome == WorksheetDisplay::Outcome::Refused) {
        // Nothing to show yet: the box stays until it is clicked.
        box.show(display.message);
        Timer3->stop();
        return;
    }
    // What goes wrong with the worksheet file itself is said beside the
    // worksheet button, whichever command asked, until Timer3 hides it.
    if (display.outcome == WorksheetDisplay::Outcome::NotCopied)
        text5_->show(display.message);
    else if (openWithDesktop(display.copyPath) == DesktopOpen::NoApplication)
        text5_->show(kNoSpreadsheetMessage);
}

void Form33::openConditions() {
    Timer2->stop();
    setEnabled(false);
    windows_.conditions().open();
}

void Form33::openPlot(bool fromDrawButton) {
    if (fromDrawButton) {
        setButtonsEnabled(false);
    } else {
        setEnabled(false);
    }
    windows_.plotScreen().openFromComputation(fromDrawButton);
}

void Form33::plotScreenClosed() {
    Timer4->start();
    setButtonsEnabled(true);
    showWindow(this);
}

void Form33::openPrintSettings() {
    setEnabled(false);
    windows_.printSettings().openFrom(kCallerComputation);
}

void Form33::printReport() {
    const PrintedText report = resultReport(state_).text;
    windows_.printOutput().print(textDocument(report, QStringLiteral("Tracol_Report")), *this,
                                 kCallerComputation);
}

void Form33::back() {
    rememberedPosition_ = pos();
    Command5->setEnabled(false);
    Timer4->stop();
    clearClipboard();
    if (opener_ == kCallerKeyboard)
        windows_.keyboardEntry().comeBack();
    else
        windows_.dataSet().comeBack();
    hide();
}

void Form33::showHelp() {
    Text4->show();
    Text4->raise();
    Timer1->start();
}

void Form33::hideHelpAndCaptions() {
    Text4->hide();
    for (QLabel* caption : Text2)
        caption->hide();
    Timer1->stop();
}

void Form33::blinkPrompt() {
    Label1->setVisible(running_ || !Label1->isVisible());
}

void Form33::fadePromptColour() {
    fadeStep_ += fadingUp_ ? 1 : -1;
    if (fadeStep_ >= kFadeSteps || fadeStep_ <= 0)
        fadingUp_ = fadeStep_ <= 0;
    const auto toward = [this](int limit) { return limit * fadeStep_ / kFadeSteps; };
    setTextColour(Label1, QColor(toward(kPromptFadeLimit.red()), toward(kPromptFadeLimit.green()),
                                 toward(kPromptFadeLimit.blue())));
}

// ---- Events --------------------------------------------------------------------------

void Form33::closeEvent(QCloseEvent* event) {
    // Closing the screen through its frame ends the program (once points
    // never saved may go); a computation under way stops at its next trial.
    if (!mayEndProgram(this, state_)) {
        event->ignore();
        return;
    }
    event->accept();
    state_.AbortRequested = true;
    QCoreApplication::exit(0);
}

bool Form33::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Command1 && type == QEvent::Enter && !state_.List2.isEmpty()) {
        text1_->setPlace({pixelsToTwips(Command1->x()) - 4320, pixelsToTwips(Command1->y()), 4200, 600},
                         MessageField::Growth::Down);
        text1_->show(kClearsResultsHint);
    } else if (watched == Text4 && type == QEvent::MouseButtonPress) {
        Text4->hide();
        Timer1->stop();
    } else if (watched == Label2 && type == QEvent::MouseButtonDblClick) {
        openSaveDialog(kSaveHistory);
        return true;
    } else if (watched == Label3 && (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                                     type == QEvent::MouseButtonRelease)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            dragStartY_ = qRound(mouse->globalPosition().y());
            dragStartHeight_ = upperHeight_;
        } else if (type == QEvent::MouseMove && dragStartY_) {
            dragDivider(qRound(mouse->globalPosition().y()));
        } else if (type == QEvent::MouseButtonRelease) {
            dragStartY_.reset();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tracol
