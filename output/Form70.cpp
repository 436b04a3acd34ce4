#include "output/Form70.h"

#include "output/PlotLayout.h"
#include "output/PlotModel.h"
#include "output/PlotReadout.h"
#include "ui/ControlFactory.h"
#include "ui/DetachChildren.h"
#include "ui/Platform.h"
#include "ui/PlotPrinting.h"
#include "ui/PlotView.h"
#include "ui/Timers.h"
#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace tracol {

const QString Form70::kAdviceText =
    QStringList{QStringLiteral("結果が思わしくない場合は"), QStringLiteral("Option設定で排他座標系の"),
                QStringLiteral("設定でチェックを外し、対"), QStringLiteral("象座標系を追加したり、最"),
                QStringLiteral("高分割数の変更等をＴryし"), QStringLiteral("てみてください。また、あ"),
                QStringLiteral("る部分だけが曲線に乗らな"), QStringLiteral("い場合はその部分の採取デ"),
                QStringLiteral("ータを増やしてＴryしてく"), QStringLiteral("ださい（了解：クリック）")}
        .join(u'\n');

const QString Form70::kHelpText = QStringLiteral(
    "このPLOT画面では以下の機能を利用できます．\n"
    "(1) Logにチェックを入れると，その軸を対数目盛にします．\n"
    "(2) Xmin，Xmax，Ymin，Ymaxの値はキーボードから変更できます（「再 描 画」で描き直します）．\n"
    "(3) グラフ上をクリックすると，クリックした位置の座標値を右上に表示します．\n"
    "(4) 採取点（○印）をクリックすると，その点の座標値を表示します．\n"
    "(5) 右上の座標値表示はクリックすると消えます．採取点の座標値は別の場所をクリックすると消えます．"
    "右下の「！」を押すと座標値表示は２秒後に自動で消えるようになり，もう一度押すと元に戻ります．\n"
    "この表示を消すには表示部分をマウスでクリック"
    "します．");

namespace {

constexpr int kRowHeight = 420;
constexpr int kFieldWidth = 1200, kLabelWidth = 540, kButtonWidth = 1320, kSmallButton = 420;
const QColor kReadoutColour(0, 0, 160);

} // namespace

Form70::Form70(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("Form70"));
    setWindowTitle(QStringLiteral("ＰＬＯＴ画面"));
    windows_.form70 = this;
    windows_.plotScreenLink = this;
    buildControls();
    connectControls();
    resize(twipsToPixels(12000), twipsToPixels(9000));
    setMinimumSize(twipsToPixels(9000), twipsToPixels(5000));
}

Form70::~Form70() {
    detachChildren(this);
}

void Form70::buildControls() {
    Picture1 = named(new PlotView(this), QStringLiteral("Picture1"));
    const QStringList rangeNames = {QStringLiteral("Xmin"), QStringLiteral("Xmax"), QStringLiteral("Ymin"),
                                    QStringLiteral("Ymax")};
    for (int k = 0; k < 4; ++k) {
        rangeLabel_[k] =
            makeLabel(this, QStringLiteral("Label%1").arg(k + 1), rangeNames[k], 0, 0, kLabelWidth);
        rangeBox_[k] = makeBox(this, QStringLiteral("Text%1").arg(k + 1), 0, 0, kFieldWidth);
    }
    Check1 = named(new QCheckBox(this), QStringLiteral("Check1"));
    Check2 = named(new QCheckBox(this), QStringLiteral("Check2"));
    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Log"), 0, 0, 420);
    Label6 = makeLabel(this, QStringLiteral("Label6"), QStringLiteral("Log"), 0, 0, 420);
    Label5->installEventFilter(this);
    Label6->installEventFilter(this);

    const auto button = [this](const QString& name, const QString& caption, int width) {
        return makeButton(this, name, caption, 0, 0, width, kRowHeight);
    };
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("再 描 画"), kButtonWidth);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("戻 る"), kButtonWidth);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("標準座標"), kButtonWidth);
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("Para表示"), kButtonWidth);
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("ｸﾞﾗﾌ出力"), kButtonWidth);
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("H Copy"), kButtonWidth);
    Command7 = button(QStringLiteral("Command7"), QStringLiteral("CSV_File"), kButtonWidth);
    Command8 = button(QStringLiteral("Command8"), QStringLiteral("用紙設定"), kButtonWidth);
    Command9 = button(QStringLiteral("Command9"), QStringLiteral("関連式出力"), kButtonWidth);
    Command10 = button(QStringLiteral("Command10"), QStringLiteral("？"), kSmallButton);
    Command11 = button(QStringLiteral("Command11"), QStringLiteral("！"), kSmallButton);

    Text5 = makeNoteField(this, QStringLiteral("Text5"), kAdviceText, 0, 0, 3300, 2900);
    Text5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text5->setWordWrap(false);
    Text8 = makeNoteField(this, QStringLiteral("Text8"), kHelpText, 0, 0, 7200, 3600);
    Text8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text6 = makeNoteField(this, QStringLiteral("Text6"), QString(), 0, 0, 4200, 300);
    Text7 = makeNoteField(this, QStringLiteral("Text7"), QString(), 0, 0, 1500, 300);
    for (QLabel* readout : {Text6, Text7}) {
        readout->setWordWrap(false);
        setTextColour(readout, kReadoutColour);
    }
    for (QLabel* box : {Text5, Text6, Text7, Text8})
        box->installEventFilter(this);

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 30000);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 2000);
}

void Form70::connectControls() {
    connect(Command1, &QPushButton::clicked, this, &Form70::redraw);
    connect(Command2, &QPushButton::clicked, this, &Form70::back);
    connect(Command3, &QPushButton::clicked, this, &Form70::standardRange);
    connect(Command4, &QPushButton::clicked, this, &Form70::showParameters);
    connect(Command7, &QPushButton::clicked, this, &Form70::writeCsv);
    connect(Command5, &QPushButton::clicked, this, &Form70::printGraphPage);
    connect(Command6, &QPushButton::clicked, this, &Form70::printWindow);
    connect(Command8, &QPushButton::clicked, this, &Form70::openPrintSettings);
    connect(Command9, &QPushButton::clicked, this,
            [this] { printRelationFormulas(state_, windows_, *this); });
    connect(Command10, &QPushButton::clicked, this, &Form70::showHelp);
    connect(Command11, &QPushButton::clicked, this, &Form70::switchAutoHide);
    // A click on a Log box redraws as "再 描 画"; boxes set while opening do not.
    for (QCheckBox* box : {Check1, Check2})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!opening_)
                redraw();
        });
    connect(Picture1, &PlotView::pressed, this, &Form70::plotPressed);
    connect(Timer1, &QTimer::timeout, this, &Form70::hideAdviceAndHelp);
    connect(Timer2, &QTimer::timeout, this, [this] {
        if (ReadoutAutoHide == -1)
            hideReadouts();
    });
}

// ---- Layout ---------------------------------------------------------------------------

void Form70::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutControls();
}

void Form70::layOutControls() {
    const double width = pixelsToTwips(this->width()), height = pixelsToTwips(this->height());
    const QRectF picture = plotPictureGeometry(width, height);
    setTwipsGeometry(Picture1, qRound(picture.x()), qRound(picture.y()), qRound(picture.width()),
                     qRound(picture.height()));
    // Two rows under the picture: X and the drawing commands, Y and the output.
    const int rows[2] = {qRound(height) - 960, qRound(height) - 480};
    for (int k = 0; k < 4; ++k) {
        const int row = rows[k / 2];
        const int left = 120 + (k % 2) * (kLabelWidth + kFieldWidth + 60);
        setTwipsGeometry(findChild<QLabel*>(QStringLiteral("Label%1").arg(k + 1)), left, row + 60,
                         kLabelWidth, 300);
        setTwipsGeometry(rangeBox_[k], left + kLabelWidth, row, kFieldWidth, 360);
    }
    const int logLeft = 120 + 2 * (kLabelWidth + kFieldWidth + 60);
    setTwipsGeometry(Check1, logLeft, rows[0] + 30, 300, 300);
    setTwipsGeometry(Label5, logLeft + 300, rows[0] + 60, 420, 300);
    setTwipsGeometry(Check2, logLeft, rows[1] + 30, 300, 300);
    setTwipsGeometry(Label6, logLeft + 300, rows[1] + 60, 420, 300);

    const int buttons = logLeft + 900;
    const std::array<QPushButton*, 5> first = {Command1, Command3, Command4, Command7, Command2};
    const std::array<QPushButton*, 4> second = {Command5, Command6, Command8, Command9};
    for (size_t i = 0; i < first.size(); ++i)
        setTwipsGeometry(first[i], buttons + int(i) * (kButtonWidth + 60), rows[0], kButtonWidth, kRowHeight);
    for (size_t i = 0; i < second.size(); ++i)
        setTwipsGeometry(second[i], buttons + int(i) * (kButtonWidth + 60), rows[1], kButtonWidth,
                         kRowHeight);
    const int small = buttons + 4 * (kButtonWidth + 60);
    setTwipsGeometry(Command10, small, rows[1], kSmallButton, kRowHeight);
    setTwipsGeometry(Command11, small + kSmallButton + 60, rows[1], kSmallButton, kRowHeight);

    const QRect area = Picture1->geometry();
    Text5->move(area.x() + twipsToPixels(900), area.y() + twipsToPixels(600));
    Text8->move(area.x() + twipsToPixels(600), area.y() + twipsToPixels(450));
    // The click readout at the upper right of the plot.
    Text6->move(area.right() - Text6->width() - twipsToPixels(120), area.y() + twipsToPixels(60));
}

// ---- Opening --------------------------------------------------------------------------

void Form70::openFromComputation(bool fromDrawButton) {
    // A new loading of the screen: "戻 る" unloaded the last one, so nothing
    // typed or switched then is kept.
    for (QLineEdit* box : rangeBox_)
        box->clear();
    ParaShown = false;
    ReadoutAutoHide = 1;
    autoHideSwitchArmed_ = false;
    Command5->setEnabled(true); // a double click on Label6 may have disabled it
    hideReadouts();
    Text8->hide();
    adviceHiddenRequest_ = fromDrawButton;
    Timer1->start();
    if (rememberedPosition_)
        move(*rememberedPosition_);
    showWindow(this);
    openingSteps();
    // The activation that follows the showing belongs to this opening.
    activationOfOpening_ = true;
}

void Form70::comeBack() {
    showWindow(this);
}

void Form70::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !isVisible() || opening_)
        return;
    if (activationOfOpening_)
        activationOfOpening_ = false;
    else
        openingSteps();
}

void Form70::openingSteps() {
    opening_ = true;
    standard_ = standardPlotRange(state_, rangeTexts());
    const PlotRangeTexts texts = plotRangeTexts(standard_);
    rangeBox_[0]->setText(texts.xMin);
    rangeBox_[1]->setText(texts.xMax);
    rangeBox_[2]->setText(texts.yMin);
    rangeBox_[3]->setText(texts.yMax);
    resetLogBoxes();
    if (rangeUsable())
        drawPlot();
    Text5->setVisible(PlotOpenCount <= 1 && !adviceHiddenRequest_);
    if (Text5->isVisible())
        Text5->raise();
    adviceHiddenRequest_ = false;
    opening_ = false;
}

void Form70::resetLogBoxes() {
    const MainWindowLink& main = windows_.mainWindow();
    Check1->setChecked(logBoxStartsChecked(main.chosenAxisKind(Axis::X)));
    Check2->setChecked(logBoxStartsChecked(main.chosenAxisKind(Axis::Y)));
}

PlotRangeTexts Form70::rangeTexts() const {
    return {rangeBox_[0]->text(), rangeBox_[1]->text(), rangeBox_[2]->text(), rangeBox_[3]->text()};
}

bool Form70::rangeUsable() const {
    return plotRangeUsable(readPlotRange(rangeTexts()), Check1->isChecked());
}

// ---- Drawing --------------------------------------------------------------------------

PlotRequest Form70::plotRequest() const {
    PlotRequest request;
    request.range = rangeTexts();
    request.logXChecked = Check1->isChecked();
    request.logYChecked = Check2->isChecked();
    request.showParameters = ParaShown;
    request.fittingRun = state_.ComputationCompleted;
    return request;
}

void Form70::drawPlot() {
    Picture1->setPlotData(gatherPlotData(state_, plotRequest()));
}

void Form70::redraw() {
    hideReadouts();
    if (!rangeUsable())
        return; // an unusable range draws nothing and says nothing
    ParaShown = false;
    drawPlot();
}

void Form70::standardRange() {
    hideReadouts();
    const PlotRangeTexts texts = plotRangeTexts(standard_);
    rangeBox_[0]->setText(texts.xMin);
    rangeBox_[1]->setText(texts.xMax);
    rangeBox_[2]->setText(texts.yMin);
    rangeBox_[3]->setText(texts.yMax);
    opening_ = true; // the boxes are set as on opening, then drawn once
    resetLogBoxes();
    opening_ = false;
    redraw();
}

void Form70::showParameters() {
    if (rangeUsable()) {
        ParaShown = true;
        drawPlot();
    }
    Picture1->setParametersShown(true);
}

void Form70::writeCsv() {
    setEnabled(false);
    windows_.mainWindow().window().hide();
    windows_.csvSaveDialog().open(kCsvPurposeGraphData, QStringLiteral("ｸﾞﾗﾌﾃﾞｰﾀの保存"));
}

// ---- Printing -----------------------------------------------------------------------

void Form70::printGraphPage() {
    Text5->hide();
    hideReadouts();
    // Drawn on the printer as on the screen: from the fields and boxes as they are.
    const PlotData plot = rangeUsable() ? gatherPlotData(state_, plotRequest()) : PlotData();
    printGraph(state_, windows_, *this, plot, ParaShown);
}

void Form70::printWindow() {
    // On white, as the window looks; the grey picture comes back afterwards.
    Picture1->setBackground(kPlotPaperBackground);
    if (rangeUsable())
        drawPlot();
    printHardCopy(state_, windows_, *this);
    Picture1->setBackground(kPlotScreenBackground);
    if (rangeUsable())
        drawPlot();
}

void Form70::openPrintSettings() {
    setEnabled(false);
    windows_.printSettings().openFrom(kCallerPlot);
}

// ---- Readouts, help and advice -----------------------------------------------------------

void Form70::hideReadouts() {
    Text6->hide();
    Text7->hide();
}

void Form70::plotPressed(QPointF picture, bool leftButton) {
    // Any button but the left copies the picture as it is, drawn or not.
    if (!leftButton)
        setClipboardImage(Picture1->renderImage());
    const std::optional<PlotClickValues> values = plotClickValues(Picture1->scene(), picture);
    if (!values)
        return; // nothing drawn: nothing to read off
    if (leftButton) {
        hideReadouts();
        Text6->setText(values->text);
        Text6->adjustSize();
        layOutControls();
        Text6->show();
        Text6->raise();
        if (ReadoutAutoHide == -1)
            Timer2->start();
    }
    const std::optional<PickedPlotPoint> picked = pickPlotPoint(state_, rangeTexts(), values->x, values->y);
    if (!picked)
        return;
    Text7->setText(picked->text);
    const QPointF click(pixelsToTwips(Picture1->x()) + picture.x(),
                        pixelsToTwips(Picture1->y()) + picture.y());
    const QRectF place = pointReadoutGeometry(click, int(picked->text.size()), 300,
                                              pixelsToTwips(Text6->x() + Text6->width()));
    setTwipsGeometry(Text7, qRound(place.x()), qRound(place.y()), qRound(place.width()),
                     qRound(place.height()));
    Text7->show();
    Text7->raise();
    if (ReadoutAutoHide == -1)
        Timer2->start();
    else
        Timer2->stop();
}

void Form70::showHelp() {
    hideReadouts();
    Timer1->start();
    Text8->show();
    Text8->raise();
}

void Form70::switchAutoHide() {
    hideReadouts();
    ReadoutAutoHide = -ReadoutAutoHide;
}

void Form70::hideAdviceAndHelp() {
    Text5->hide();
    Text8->hide();
    Timer1->stop();
}

bool Form70::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress) {
        if (watched == Text6) {
            hideReadouts();
        } else if (watched == Text7) {
            Text7->hide();
        } else if (watched == Text8) {
            Text8->hide();
            Timer1->stop();
        } else if (watched == Text5) {
            Text5->hide();
            Timer1->stop();
            PlotOpenCount = 3;
        }
    } else if (type == QEvent::MouseButtonDblClick) {
        if (watched == Label5) {
            ReadoutAutoHide = -ReadoutAutoHide;
            autoHideSwitchArmed_ = true;
        } else if (watched == Label6) {
            Command5->setEnabled(autoHideSwitchArmed_);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Back -----------------------------------------------------------------------------------

void Form70::back() {
    rememberedPosition_ = pos();
    PlotOpenCount = std::min(PlotOpenCount + 1, 5);
    windows_.computation().plotScreenClosed();
    hide();
}

void Form70::closeEvent(QCloseEvent* event) {
    // The frame's close is "戻 る": the computation screen must not stay disabled.
    event->ignore();
    back();
}

} // namespace tracol
