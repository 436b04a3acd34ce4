#include "data/Form21.h"

#include "core/NumericText.h"
#include "data/DataSetFile.h"
#include "data/DataSetPreparation.h"
#include "data/LineEditing.h"
#include "data/PointLimit.h"
#include "data/TextLines.h"
#include "ui/BoxText.h"
#include "ui/ControlFactory.h"
#include "ui/DetachChildren.h"
#include "ui/DiscardQuestion.h"
#include "ui/LineHistory.h"
#include "ui/MessageField.h"
#include "ui/Timers.h"
#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tracol {

namespace {

const QColor kMarkedLabel(128, 0, 0); // a Line that holds data
const QColor kCommentOn(192, 0, 0);   // Label4 while comments are on
const QColor kMessageColor(255, 0, 255);

constexpr int kBoxLeft = 45, kBoxTop = 928, kBoxWidth = 2655, kBoxHeight = 1710;
constexpr int kBoxTallHeight = 5460;
constexpr int kButtonHeight = 360;

const QString kRestrictedHint = QStringLiteral("保存データ参照の為操作が制限されます");

constexpr int kMessageLeft = 120, kMessageTop = 5235, kMessageHeight = 300;

// Width of the message field for each message of the computation start.
int messageWidth(const QString& message) {
    if (message == kNoDataMessage)
        return 1275;
    if (message == kTooFewPointsMessage)
        return 1425;
    if (message == kLineGapMessage)
        return 2505;
    if (message == kMissingXOrYMessage || message == kNotNumericMessage)
        return 2235;
    return 2700; // notices of this program's own
}

} // namespace

Form21::Form21(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent), state_(state), windows_(windows),
      hints_{
          {QStringLiteral("Command1"), QStringLiteral("全てのLineのデータをファイル保存します．")},
          {QStringLiteral("Command2"), QStringLiteral("全てのLineのデータを削除します.")},
          {QStringLiteral("Command3"), QStringLiteral("選択されているLineのデータをファイル保存します．")},
          {QStringLiteral("Command4"), QStringLiteral("選択されているLineのデータを削除し詰めます.")},
          {QStringLiteral("Command6"), QStringLiteral("入力済みデータにて数式算出処理を開始します｡")},
          {QStringLiteral("Command7"), QStringLiteral("保存されている入力データを呼び出します.")},
          {QStringLiteral("Label4"), QStringLiteral("チェック有無でｺﾒﾝﾄ表示の切替えをします.")},
          {QStringLiteral("Text1"), QStringLiteral("ダブルクリックすると画面が広がります.")},
          {QStringLiteral("Text2"), QStringLiteral("パラメータ値を入力。数値入力です.")},
      } {
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(QStringLiteral("DataSet"));
    windows_.form21 = this;
    windows_.dataSetLink = this;
    buildControls();
    connectControls();

    // Window load: the box of the Line selected on the main window is shown.
    const int mainLine = windows_.mainWindow().selectedLine();
    if (mainLine != 0)
        state_.CurrentLine = static_cast<qint16>(mainLine);
    for (int k = 0; k < kLineCount; ++k)
        Text1[k]->setVisible(k == mainLine - 1);
    Timer1->start();
}

Form21::~Form21() {
    detachChildren(this);
}

void Form21::buildControls() {
    setFixedSize(twipsToPixels(2820), twipsToPixels(7875));
    setMouseTracking(true);

    setBold(makeLabel(this, QStringLiteral("Label1"), QStringLiteral("採取データの表示"), 60, 30, 2700),
            true);

    makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Line"), 60, 330, 420);
    Text5 = makeBox(this, QStringLiteral("Text5"), 480, 330, 480);
    makeLabel(this, QStringLiteral("Label6"), QStringLiteral("Point"), 1080, 330, 540);
    Text6 = makeBox(this, QStringLiteral("Text6"), 1620, 330, 600);
    Text8 = makeBox(this, QStringLiteral("Text8"), 45, 630, 1320);
    Text9 = makeBox(this, QStringLiteral("Text9"), 1380, 630, 1320);
    Text8->setReadOnly(true);
    Text9->setReadOnly(true);

    for (int k = 0; k < kLineCount; ++k) {
        auto* box = named(new QPlainTextEdit(this), indexedName(QStringLiteral("Text1"), k));
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->viewport()->installEventFilter(this);
        box->installEventFilter(this);
        Text1[k] = box;
    }
    placeLineBoxes();

    makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Parameter(Y)"), 45, 2700, 1260);
    Text2 = makeBox(this, QStringLiteral("Text2"), 1320, 2700, 1380);

    // The Line selectors in two columns of five.
    for (int k = 0; k < kLineCount; ++k) {
        const int left = k < 5 ? 90 : 1440;
        const int top = 3060 + (k % 5) * 300;
        Option1[k] = named(new QRadioButton(this), indexedName(QStringLiteral("Option1"), k));
        setTwipsGeometry(Option1[k], left, top, 300, 300);
        const QString caption = k < 9 ? QStringLiteral("Line %1").arg(k + 1) : QStringLiteral("Line10");
        Label3[k] = makeLabel(this, indexedName(QStringLiteral("Label3"), k), caption, left + 300, top, 900);
    }

    Check1 = named(new QCheckBox(this), QStringLiteral("Check1"));
    setTwipsGeometry(Check1, 90, 4590, 300, 300);
    Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("ｺﾒﾝﾄON/OFF"), 390, 4590, 1500);
    Label4->installEventFilter(this);

    Text4 =
        makeNoteField(this, QStringLiteral("Text4"),
                      QStringLiteral("入力済みデータにて数式算出処理を開始します。"), 45, 4920, 2700, 600);
    Text4->installEventFilter(this);

    // A label, so that a long notice of this program's own wraps instead of
    // being cut off by the narrow window.
    Text3 = makeNoteField(this, QStringLiteral("Text3"), QString(), kMessageLeft, kMessageTop, 2235,
                          kMessageHeight);
    Text3->setBackgroundRole(QPalette::Base);
    setTextColour(Text3, kMessageColor);
    Text3->installEventFilter(this);
    Text3->setMouseTracking(true);

    Command1 =
        makeButton(this, QStringLiteral("Command1"), QStringLiteral("全保存"), 45, 5580, 1320, kButtonHeight);
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("選択保存"), 1380, 5580, 1320,
                          kButtonHeight);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("全Line削除"), 45, 5970, 1320,
                          kButtonHeight);
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("選択Line削除"), 1380, 5970, 1320,
                          kButtonHeight);
    Command7 = makeButton(this, QStringLiteral("Command7"), QStringLiteral("数値ﾃﾞｰﾀの呼込み"), 45, 6360,
                          2655, kButtonHeight);
    Command6 = makeButton(this, QStringLiteral("Command6"), QStringLiteral("数式算出処理"), 45, 6750, 2655,
                          kButtonHeight);
    Command5 = makeButton(this, QStringLiteral("Command5"), QStringLiteral("戻る（初期画面）"), 45, 7140,
                          2655, kButtonHeight);
    for (QWidget* hinted :
         {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2), static_cast<QWidget*>(Command3),
          static_cast<QWidget*>(Command4), static_cast<QWidget*>(Command5), static_cast<QWidget*>(Command6),
          static_cast<QWidget*>(Command7), static_cast<QWidget*>(Text2)})
        hinted->installEventFilter(this);

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1000);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 7000, TimerKind::OneShot);
    Timer3 = makeTimer(this, QStringLiteral("Timer3"), 200);
    message_ = new MessageField(Text3, Timer2, this);
}

void Form21::connectControls() {
    for (int k = 0; k < kLineCount; ++k) {
        const int line = k + 1;
        connect(Option1[k], &QRadioButton::toggled, this, [this, line](bool on) {
            if (on)
                selectLine(line);
        });
        connect(Text1[k], &QPlainTextEdit::textChanged, this, [this, line] {
            if (!showingLineBox_)
                lineBoxEdited(line);
        });
    }
    connect(&windows_, &Windows::lineBoxChanged, this, &Form21::showLineBoxText);
    connect(&windows_, &Windows::linesRestored, this, &Form21::showRestoredLines);
    connect(Text2, &QLineEdit::textEdited, this, [this] { parameterEdited_ = true; });
    connect(Text2, &QLineEdit::editingFinished, this, &Form21::commitParameter);
    connect(Command1, &QPushButton::clicked, this, &Form21::saveAll);
    connect(Command3, &QPushButton::clicked, this, &Form21::saveSelected);
    connect(Command2, &QPushButton::clicked, this, &Form21::deleteAllLines);
    connect(Command4, &QPushButton::clicked, this, &Form21::deleteSelected);
    connect(Command7, &QPushButton::clicked, this, &Form21::loadDataFile);
    connect(Command6, &QPushButton::clicked, this, &Form21::startComputation);
    connect(Command5, &QPushButton::clicked, this, &Form21::backToMainWindow);
    connect(Check1, &QCheckBox::toggled, this, [this](bool on) {
        CommentMode = on;
        setTextColour(Label4, on ? kCommentOn : QColor(Qt::black));
    });
    connect(Timer1, &QTimer::timeout, this, &Form21::keepCurrentLineWithMainWindow);
    connect(Timer3, &QTimer::timeout, this, &Form21::moveMainWindowHere);
}

int Form21::selectedLine() const {
    for (int k = 0; k < kLineCount; ++k)
        if (Option1[k]->isChecked())
            return k + 1;
    return 0;
}

QString Form21::parameterText() const {
    return Text2->text();
}

void Form21::placeLineBoxes() {
    for (int k = 0; k < kLineCount; ++k) {
        setTwipsGeometry(Text1[k], kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight);
        enlarged_[k] = false;
    }
}

// ---- Activation and the two following timers -------------------------------

void Form21::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activate();
}

void Form21::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activate();
}

void Form21::activate() {
    if (windows_.mainWindow().window().isVisible())
        Timer3->start();
    else
        Timer3->stop();
    Timer1->start();
    if (const int line = selectedLine())
        showLineBox(line);
}

void Form21::keepCurrentLineWithMainWindow() {
    if (const int line = windows_.mainWindow().selectedLine())
        state_.CurrentLine = static_cast<qint16>(line);
}

void Form21::moveMainWindowHere() {
    QWidget& main = windows_.mainWindow().window();
    if (main.isVisible() && main.pos() != pos())
        main.move(pos());
}

// ---- DataSetWindowLink --------------------------------------------------------

void Form21::followMainWindowLine(int line) {
    for (int k = 0; k < kLineCount; ++k)
        Text1[k]->setVisible(k == line - 1);
    Text6->setText(numtext::plainInteger(state_.PointCount[line]));
    Option1[line - 1]->setChecked(true);
    Text5->setText(numtext::plainInteger(line));
    show();
}

void Form21::beginSampling(const QPoint& position, int line) {
    placeLineBoxes();
    if (line != 0)
        Option1[line - 1]->setChecked(true);
    move(position);
    const int selected = selectedLine();
    for (int k = 0; k < kLineCount; ++k)
        Text1[k]->setVisible(k == selected - 1);
    if (selected != 0)
        Text6->setText(numtext::plainInteger(state_.PointCount[selected]));
    show();
    setEnabled(true);
}

void Form21::setSampledText(Axis axis, const QString& text) {
    (axis == Axis::X ? Text8 : Text9)->setText(text);
}

void Form21::showPointCount(int line) {
    Text5->setText(numtext::plainInteger(line));
    Text6->setText(numtext::plainInteger(state_.PointCount[line]));
}

void Form21::showLinesReset() {
    Text6->setText(QStringLiteral("0"));
    Option1[0]->setChecked(true);
    Text2->setText(state_.LineParameter[1]);
    parameterEdited_ = false;
    Text5->setText(QStringLiteral("1"));
}

void Form21::takeMainWindowsPlace() {
    MainWindowLink& main = windows_.mainWindow();
    move(main.window().pos());
    placeLineBoxes();
    if (const int line = main.selectedLine())
        Option1[line - 1]->setChecked(true);
    main.startLiveReadout();
    windows_.imageWindow().window().hide();
}

void Form21::comeBack() {
    // The open dialog and the computation screen disabled the image window.
    if (QWidget& image = windows_.imageWindow().window(); image.isVisible())
        image.setEnabled(true);
    showWindow(this);
}

// ---- Lines ------------------------------------------------------------------

void Form21::selectLine(int line) {
    commitParameter(); // an edit of the previous Line's parameter is kept
    ParameterLine = line;
    if (!state_.SamplingActive)
        return;
    markLineLabels();
    showLineBox(line);
    state_.CurrentLine = static_cast<qint16>(line);
    Text6->setText(numtext::plainInteger(state_.PointCount[line]));
    if (state_.LineParameter[line].isEmpty())
        state_.LineParameter[line] = numtext::generalText(static_cast<qint64>(line));
    Text2->setText(state_.LineParameter[line]);
    parameterEdited_ = false;
    MainWindowLink& main = windows_.mainWindow();
    main.selectLine(line);
    setTextColour(Label3[line - 1], state_.LineBox[line].isEmpty() ? QColor(Qt::black) : kMarkedLabel);
    Text5->setText(numtext::plainInteger(line));
    resize(width(), main.window().height());
    show();
}

void Form21::showLineBox(int line) {
    for (int k = 0; k < kLineCount; ++k)
        Text1[k]->setVisible(k == line - 1);
    Text1[line - 1]->raise();
}

void Form21::markLineLabels() {
    const int selected = selectedLine();
    for (int line = 1; line <= kLineCount; ++line) {
        QLabel* label = Label3[line - 1];
        if (state_.LineBox[line].size() > 2) {
            setTextColour(label, kMarkedLabel);
        } else {
            if (!state_.LineBox[line].isEmpty())
                setLineBox(line, QString());
            setTextColour(label, Qt::black);
        }
        setBold(label, line == selected);
    }
}

void Form21::setLineBox(int line, const QString& text) {
    state_.LineBox[line] = text;
    showingLineBox_ = true;
    setBoxText(Text1[line - 1], text);
    showingLineBox_ = false;
    countPoints(line);
}

void Form21::lineBoxEdited(int line) {
    windows_.lineHistory().recordAround(
        LineHistory::Kind::EditedLine,
        [&] {
            state_.LineBox[line] = boxText(Text1[line - 1]);
            countPoints(line);
        },
        line);
}

void Form21::showRestoredLines() {
    if (const int line = selectedLine()) {
        showLineBox(line);
        Text5->setText(numtext::plainInteger(line));
        Text6->setText(numtext::plainInteger(state_.PointCount[line]));
        Text2->setText(state_.LineParameter[line]);
        parameterEdited_ = false;
    }
    markLineLabels();
}

void Form21::showLineBoxText(int line) {
    if (line < 1 || line > kLineCount)
        return;
    showingLineBox_ = true;
    setBoxText(Text1[line - 1], state_.LineBox[line]);
    showingLineBox_ = false;
    countPoints(line);
    if (state_.LineBox[line].isEmpty())
        setTextColour(Label3[line - 1], Qt::black);
}

void Form21::countPoints(int line) {
    const PointCountUpdate update = countLinePoints(state_, line);
    // Text6 belongs to the Line on show; a change of another box leaves it.
    const bool shown = line == selectedLine() || selectedLine() == 0;
    if (update.kind == PointCountUpdate::Kind::NoPoints) {
        if (shown)
            Text6->setText(QStringLiteral("0"));
    } else if (update.kind == PointCountUpdate::Kind::Counted) {
        if (shown)
            Text6->setText(numtext::plainInteger(update.count));
        markLineLabels();
    }
    if (update.pointsBeyondLimit)
        showMessage(kOnlyFirstPointsNotice);
}

void Form21::commitParameter() {
    if (!parameterEdited_)
        return;
    state_.LineParameter[ParameterLine] = withoutBlanks(Text2->text());
    parameterEdited_ = false;
}

void Form21::toggleBoxHeight(int line) {
    QPlainTextEdit* box = Text1[line - 1];
    enlarged_[line - 1] = !enlarged_[line - 1];
    setTwipsGeometry(box, kBoxLeft, kBoxTop, kBoxWidth, enlarged_[line - 1] ? kBoxTallHeight : kBoxHeight);
    box->raise();
}

void Form21::showLineBoxes() {
    showingLineBox_ = true;
    for (int line = 1; line <= kLineCount; ++line)
        setBoxText(Text1[line - 1], state_.LineBox[line]);
    showingLineBox_ = false;
}

void Form21::deleteAllLines() {
    if (!mayDiscardUnsavedPoints(
            this, state_,
            {QStringLiteral("DeleteAllLinesQuestion"), windowTitle(),
             QStringLiteral("保存していない採取データがあります。\n全てのLineを削除しますか？")}))
        return;
    windows_.lineHistory().recordAround(LineHistory::Kind::DeletedLines, [&] {
        const qint16 currentLine = state_.CurrentLine;
        resetLines(state_);
        state_.CurrentLine = currentLine; // the Line selection below moves it
        showLineBoxes();
        for (QLabel* label : Label3)
            setTextColour(label, Qt::black);
        Text6->setText(QStringLiteral("0"));
        Option1[0]->setChecked(true);
        windows_.mainWindow().selectLine(1);
        Text2->setText(state_.LineParameter[1]);
        parameterEdited_ = false;
        Text5->setText(QStringLiteral("1"));
    });
}

void Form21::deleteSelected() {
    const int selected = selectedLine();
    if (selected == 0)
        return;
    windows_.lineHistory().recordAround(LineHistory::Kind::DeletedLines, [&] {
        deleteLineAndShift(state_, selected);
        showLineBoxes();
    });
    Text6->setText(numtext::plainInteger(state_.PointCount[selected]));
    Text2->setText(state_.LineParameter[selected]);
    parameterEdited_ = false;
    markLineLabels();
}

// ---- Saving, loading and the computation start ------------------------------

void Form21::saveAll() {
    validateThenSave(kSaveAllLines, 0);
}

void Form21::saveSelected() {
    validateThenSave(kSaveSelectedLine, selectedLine());
}

void Form21::validateThenSave(qint16 saveKind, int singleLine) {
    commitParameter();
    state_.SingleLine = static_cast<qint16>(singleLine);
    state_.ValidateOnly = true;
    const bool valid = startComputation();
    state_.SingleLine = 0;
    state_.ValidateOnly = false;
    if (valid) {
        setEnabled(false);
        windows_.mainWindow().enableSamplingButton();
        windows_.saveDialog().open(saveKind, kCallerDataSet);
    }
}

bool Form21::startComputation() {
    commitParameter();
    Timer3->stop();
    windows_.mainWindow().stopLiveReadout();
    Timer1->stop();
    const PreparationOutcome outcome = prepareComputation(state_);
    if (!outcome.ok()) {
        showMessage(outcome.message);
        activate(); // the window stays: its timers run on
        return false;
    }
    if (!state_.ValidateOnly) {
        if (QWidget& image = windows_.imageWindow().window(); image.isVisible()) {
            image.setEnabled(false);
            image.hide();
        }
        setEnabled(false);
        windows_.openComputation(state_, kCallerDataSet);
        hide();
        windows_.mainWindow().window().hide();
    } else {
        activate();
    }
    return true;
}

void Form21::showMessage(const QString& message) {
    message_->setPlace({kMessageLeft, kMessageTop, messageWidth(message), kMessageHeight},
                       MessageField::Growth::Up);
    Text4->hide();
    message_->show(message);
}

void Form21::loadDataFile() {
    state_.SamplingActive = true;
    if (QWidget& image = windows_.imageWindow().window(); image.isVisible())
        image.setEnabled(false);
    setEnabled(false);
    windows_.openDialog().open(kOpenDataFromDataSet);
}

void Form21::showLoadedFile(const QString& fileName) {
    Option1[0]->setChecked(true);
    showLineBox(1);
    Text5->setText(QStringLiteral("1"));
    Text6->setText(numtext::plainInteger(state_.PointCount[1]));
    Text2->setText(state_.LineParameter[1]);
    parameterEdited_ = false;
    ParameterLine = 1;
    setWindowTitle(QStringLiteral("DataSet <") + fileName + u'>');
    markLineLabels();
}

void Form21::backToMainWindow() {
    commitParameter();
    Timer3->stop();
    QWidget& image = windows_.imageWindow().window();
    const bool imageShown = image.isVisible();
    if (!imageShown)
        state_.DataOnlyMode = true;
    state_.SamplingActive = false;
    MainWindowLink& main = windows_.mainWindow();
    if (imageShown)
        main.enableSamplingButton();
    else
        image.show();
    image.setEnabled(true);
    Timer1->stop();
    setEnabled(false);
    main.window().move(pos());
    showWindow(&main.window());
}

// ---- Pointer, hints and clicks ----------------------------------------------

void Form21::showHint(QObject* watched) {
    const bool imageHidden = !windows_.imageWindow().window().isVisible();
    QString hint;
    if (watched == Command5 && imageHidden)
        hint = kRestrictedHint;
    else if (CommentMode)
        hint = hints_.hintFor(watched);
    if (hint.isEmpty())
        return;
    Text4->setText(hint);
    Text4->show();
    Text4->raise();
}

bool Form21::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Text3 && (type == QEvent::Enter || type == QEvent::MouseButtonPress)) {
        message_->hide();
    } else if (watched == Text4 && type == QEvent::MouseButtonPress) {
        Text4->hide();
    } else if (type == QEvent::Enter) {
        showHint(watched);
    } else if (type == QEvent::MouseButtonDblClick) {
        for (int k = 0; k < kLineCount; ++k)
            if (watched == Text1[k]->viewport()) {
                toggleBoxHeight(k + 1);
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void Form21::closeEvent(QCloseEvent* event) {
    // The window is hidden or disabled, never closed: its frame's close is
    // "戻る（初期画面）", so that the main window is usable again and clicks
    // on the image stop adding points to a Line out of sight.
    event->ignore();
    if (isEnabled())
        backToMainWindow();
}

void Form21::mouseMoveEvent(QMouseEvent* event) {
    Text3->hide();
    Text4->hide();
    QWidget::mouseMoveEvent(event);
}

} // namespace tracol
