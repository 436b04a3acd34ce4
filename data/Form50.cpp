#include "data/Form50.h"

#include "core/NumericText.h"
#include "data/PointLimit.h"
#include "data/SavedLines.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tracol {

const QString Form50::kHelpText = QStringLiteral(
    "先ず、採取するﾊﾟﾗﾒｰﾀ値を入力した後、Ｘ、Ｙﾃﾞｰﾀをｶﾝﾏ区切り（または、キーボード入力ではﾌﾞﾗ"
    "ﾝｸ区切りでの入力も有効）で、直接入力します。ﾃﾞｰﾀ入力後はリターンキーでそれぞれのＸ、Ｙの組を確定し"
    "ます。また、この画面ではExcelやｴﾃﾞｨﾀ等からのCOPY/"
    "PASTE機能を利用出来ます。この画面を消すには表示域をマウスでクリックします。");

const QString Form50::kReplaceQuestion = QStringLiteral(
    "採取ﾃﾞｰﾀが保存されていません。キーボード入力に切替えると採取ﾃﾞｰﾀは消去されます。よろしいですか？");

namespace {

constexpr int kButtonHeight = 390;
const QRect kMessagePlace(120, 6090, 4500, 330); // twips

} // namespace

Form50::Form50(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent), state_(state),
      windows_(windows), hints_{
                             {QStringLiteral("Check1"), QStringLiteral("コメントのON/OFF")},
                             {QStringLiteral("Command7"), QStringLiteral("表示中のParameterデータを消去")},
                             {QStringLiteral("Command8"),
                              QStringLiteral("Ｘ、Ｙデータ区切りをカンマで統一化")},
                             {QStringLiteral("Text1"), QStringLiteral("数値又は文字列")},
                         } {
    setObjectName(QStringLiteral("Form50"));
    setWindowTitle(QStringLiteral("ﾃﾞｰﾀ入力"));
    windows_.form50 = this;
    windows_.keyboardEntryLink = this;
    buildControls();
    connectControls();
    move(twipsToPixels(6300), 0);
    showPage(0);
    Timer1->start();
}

Form50::~Form50() {
    detachChildren(this);
}

void Form50::buildControls() {
    setFixedSize(twipsToPixels(4800), twipsToPixels(6540));
    setMouseTracking(true);
    setBold(makeLabel(this, QStringLiteral("Label1"), QStringLiteral("キーボード入力"), 120, 60, 2400), true);
    makeLabel(this, QStringLiteral("Label7"), QStringLiteral("No"), 3300, 60, 400);
    Label6 = makeLabel(this, QStringLiteral("Label6"), QStringLiteral("1"), 3720, 60, 600);
    makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Parameter"), 120, 480, 1200);
    Command1 =
        makeButton(this, QStringLiteral("Command1"), QStringLiteral("←"), 3360, 450, 600, kButtonHeight);
    Command2 =
        makeButton(this, QStringLiteral("Command2"), QStringLiteral("→"), 4020, 450, 600, kButtonHeight);
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Ｘ、Ｙデータ"), 120, 900, 2000);
    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("ﾃﾞｰﾀ数"), 120, 4320, 1000);

    for (int k = 0; k < kLineCount; ++k) {
        Text1[k] = makeBox(this, indexedName(QStringLiteral("Text1"), k), 1380, 480, 1860, 330);
        Text1[k]->setText(numtext::plainInteger(k + 1));
        Text1[k]->installEventFilter(this);
        Text2[k] = named(new QPlainTextEdit(this), indexedName(QStringLiteral("Text2"), k));
        Text2[k]->setLineWrapMode(QPlainTextEdit::NoWrap);
        setTwipsGeometry(Text2[k], 120, 1200, 4500, 3000);
        Text2[k]->installEventFilter(this);
        Text3[k] = makeBox(this, indexedName(QStringLiteral("Text3"), k), 1140, 4290, 900, 330);
        Text3[k]->setText(QStringLiteral("0"));
        Text3[k]->setReadOnly(true);
    }

    Check1 = named(new QCheckBox(this), QStringLiteral("Check1"));
    setTwipsGeometry(Check1, 2400, 4320, 300, 300);
    Check1->installEventFilter(this);
    makeLabel(this, QStringLiteral("Label8"), QStringLiteral("ｺﾒﾝﾄON/OFF"), 2700, 4320, 1500);

    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("数式算出処理"), 120, 4740, 2200,
                          kButtonHeight);
    Command6 = makeButton(this, QStringLiteral("Command6"), QStringLiteral("全データ保存"), 2400, 4740, 2220,
                          kButtonHeight);
    Command7 = makeButton(this, QStringLiteral("Command7"), QStringLiteral("選択Line削除"), 120, 5190, 2200,
                          kButtonHeight);
    Command8 = makeButton(this, QStringLiteral("Command8"), QStringLiteral("ｶﾝﾏ区切り変換"), 2400, 5190, 2220,
                          kButtonHeight);
    Command4 =
        makeButton(this, QStringLiteral("Command4"), QStringLiteral("戻る"), 120, 5640, 2200, kButtonHeight);
    Command5 =
        makeButton(this, QStringLiteral("Command5"), QStringLiteral("？"), 2400, 5640, 600, kButtonHeight);
    for (QWidget* hinted : {static_cast<QWidget*>(Command4), static_cast<QWidget*>(Command6),
                            static_cast<QWidget*>(Command7), static_cast<QWidget*>(Command8)})
        hinted->installEventFilter(this);

    // A label, so that a long notice of this program's own wraps instead of
    // being cut off.
    Text5 = makeNoteField(this, QStringLiteral("Text5"), QString(), kMessagePlace.x(), kMessagePlace.y(),
                          kMessagePlace.width(), kMessagePlace.height());
    Text5->setBackgroundRole(QPalette::Base);
    setTextColour(Text5, Qt::red);
    Text5->installEventFilter(this);

    Text4 = makeNoteField(this, QStringLiteral("Text4"), kHelpText, 120, 900, 4500, 3300);
    Text4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text4->installEventFilter(this);

    // The hint is sized to its text where it is shown.
    Text6 = makeNoteField(this, QStringLiteral("Text6"), QString(), 0, 0, 0, 0);
    Text6->setWordWrap(false);

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 4000);
    message_ = new MessageField(Text5, Timer1, this);
    message_->setPlace(kMessagePlace, MessageField::Growth::Up);
}

void Form50::connectControls() {
    for (int k = 0; k < kLineCount; ++k) {
        connect(Text2[k], &QPlainTextEdit::textChanged, this, [this, k] {
            if (!settingBox_)
                dataBoxChanged(k);
        });
        connect(Text1[k], &QLineEdit::returnPressed, this, [this, k] { Text2[k]->setFocus(); });
    }
    connect(Command1, &QPushButton::clicked, this, [this] { showPage(qMax(page_ - 1, 0)); });
    connect(Command2, &QPushButton::clicked, this, [this] {
        showPage(qMin(page_ + 1, kLineCount - 1));
        Text1[page_]->setFocus();
    });
    connect(Command3, &QPushButton::clicked, this, &Form50::startComputation);
    connect(Command6, &QPushButton::clicked, this, &Form50::saveAllData);
    connect(Command7, &QPushButton::clicked, this, &Form50::deletePage);
    connect(Command8, &QPushButton::clicked, this, &Form50::convertToCommas);
    connect(Command4, &QPushButton::clicked, this, &Form50::back);
    connect(Command5, &QPushButton::clicked, this, [this] {
        Text4->show();
        Text4->raise();
    });
}

// ---- Activation: the pages replace the Lines ------------------------------------

void Form50::openFromMainWindow(const QPoint& position) {
    move(position);
    showWindow(this);
}

void Form50::comeBack() {
    showWindow(this);
}

void Form50::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    windows_.lineHistory().setPaused(true); // the pages hold the Lines now
    move(windows_.mainWindow().window().pos());
    if (hasUnsavedPoints(state_))
        askBeforeReplacing();
    else
        replaceLinesByPages();
}

void Form50::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    windows_.lineHistory().setPaused(false);
}

void Form50::askBeforeReplacing() {
    // One question at a time; an answered one may wait for its deletion.
    if (question_ && question_->isVisible())
        return;
    // Asked from the activation, so it is shown without waiting for it.
    question_ = makeDiscardQuestion(this, {QStringLiteral("ReplaceQuestion"), windowTitle(), kReplaceQuestion,
                                           QStringLiteral("了解"), QStringLiteral("キャンセル")});
    connect(question_->button(QMessageBox::Yes), &QAbstractButton::clicked, this,
            &Form50::replaceLinesByPages);
    connect(question_->button(QMessageBox::No), &QAbstractButton::clicked, this, &Form50::keepLines);
    question_->open();
}

void Form50::keepLines() {
    // Everything stays as it was, the main window's settings included.
    showWindow(&windows_.imageWindow().window());
    windows_.mainWindow().comeBack();
    hide();
}

void Form50::replaceLinesByPages() {
    windows_.lineHistory().recordAround(LineHistory::Kind::LoadedData, [&] {
        for (int line = 1; line <= kLineCount; ++line) {
            state_.LineText[line].clear();
            state_.PointCount[line] = 0;
            state_.LineBox[line].clear();
            state_.SavedLineBox[line].clear();
            emit windows_.lineBoxChanged(line);
            state_.LineParameter[line] = numtext::plainInteger(line);
        }
    });
    int pagesWithData = 0;
    for (int k = 0; k < kLineCount; ++k) {
        const QString text = boxText(Text2[k]);
        if (!text.isEmpty()) {
            state_.LineText[k + 1] = text;
            ++pagesWithData;
        }
    }
    state_.LinesInUse = static_cast<qint16>(qMax(pagesWithData, 1));
}

// ---- Pages --------------------------------------------------------------------

void Form50::showPage(int page) {
    page_ = page;
    for (int k = 0; k < kLineCount; ++k) {
        Text1[k]->setVisible(k == page);
        Text2[k]->setVisible(k == page);
        Text3[k]->setVisible(k == page);
    }
    Label6->setText(numtext::plainInteger(page + 1));
    setBold(Label6, numtext::val(Text3[page]->text()) != 0);
}

void Form50::dataBoxChanged(int page) {
    const PageLineCount counted = countPageLines(state_, page + 1, boxText(Text2[page]));
    if (counted.textChanged) {
        settingBox_ = true;
        setBoxText(Text2[page], counted.text);
        settingBox_ = false;
    }
    // Only the displayed page can be typed into, so it stays the displayed one.
    Text3[page]->setText(numtext::plainInteger(counted.count));
    if (counted.pointsBeyondLimit)
        showMessage(kOnlyFirstPointsNotice);
}

void Form50::dataBoxEntered(int page) {
    const PageLineCount counted = countPageLines(state_, page + 1, boxText(Text2[page]));
    Text3[page]->setText(numtext::plainInteger(counted.count));
    setBold(Label6, counted.count >= 3);
    if (counted.pointsBeyondLimit)
        showMessage(kOnlyFirstPointsNotice);
}

KeyboardPages Form50::pages() const {
    KeyboardPages result;
    for (int k = 0; k < kLineCount; ++k)
        result[k] = {Text1[k]->text(), boxText(Text2[k]), Text3[k]->text()};
    return result;
}

void Form50::setPages(const KeyboardPages& pages) {
    const int shown = page_;
    for (int k = 0; k < kLineCount; ++k) {
        Text1[k]->setText(pages[k].parameter);
        setBoxText(Text2[k], pages[k].data);
        Text3[k]->setText(pages[k].count);
    }
    showPage(shown);
}

// ---- Buttons ------------------------------------------------------------------

bool Form50::prepare() {
    const KeyboardOutcome outcome = prepareKeyboardComputation(state_, pages());
    if (!outcome.ok()) {
        showMessage(outcome.message);
        return false;
    }
    return true;
}

void Form50::startComputation() {
    Timer1->stop();
    windows_.imageWindow().window().hide();
    if (!prepare())
        return;
    windows_.openComputation(state_, kCallerKeyboard);
    hide();
}

void Form50::saveAllData() {
    if (!prepare())
        return;
    state_.SaveCaller = kCallerKeyboard;
    state_.KeyboardDataActive = true;
    state_.SingleLine = 0;
    state_.SaveKind = kSaveAllLines;
    setEnabled(false);
    windows_.csvSaveDialog().open(kCsvPurposeKeyboardData, QStringLiteral("キーボード入力データの保存"));
}

void Form50::deletePage() {
    KeyboardPages current = pages();
    for (int k = page_; k < kLineCount - 1; ++k)
        current[k] = current[k + 1];
    current[kLineCount - 1] = {QString(), QString(), QStringLiteral("0")};
    setPages(current); // keeps the page on show
}

void Form50::convertToCommas() {
    for (int k = 0; k < kLineCount; ++k)
        state_.PointCount[k + 1] = numtext::toInteger(numtext::val(Text3[k]->text())).value_or(0);
    const CommaConversion conversion = convertToCommaSeparated(state_, pages());
    if (!conversion.ok()) {
        showMessage(conversion.message);
        return;
    }
    setPages(conversion.pages);
}

void Form50::back() {
    QWidget& image = windows_.imageWindow().window();
    showWindow(&image);
    image.setCursor(Qt::CrossCursor);
    windows_.mainWindow().comeBackFromKeyboardEntry();
    hide();
}

void Form50::closeEvent(QCloseEvent* event) {
    // Closing through the frame is "戻る": the main window waits hidden.
    event->accept();
    back();
}

void Form50::showMessage(const QString& message) {
    message_->show(message);
}

// ---- Pointer, hints and clicks ----------------------------------------------------

void Form50::showHint(QWidget* watched) {
    const QString hint = hints_.hintFor(watched);
    if (!Check1->isChecked() || hint.isEmpty()) {
        Text6->hide();
        return;
    }
    Text6->setText(hint);
    Text6->adjustSize();
    // Just below the control, kept inside the window.
    const QRect area = watched->geometry();
    const int left = qBound(0, area.left(), width() - Text6->width());
    const int top = area.bottom() + 2 + Text6->height() <= height() ? area.bottom() + 2
                                                                    : area.top() - Text6->height() - 2;
    Text6->move(left, top);
    Text6->show();
    Text6->raise();
}

bool Form50::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress && watched == Text5) {
        message_->hide();
    } else if (type == QEvent::MouseButtonPress && watched == Text4) {
        Text4->hide();
    } else if (type == QEvent::Enter && watched->isWidgetType()) {
        showHint(static_cast<QWidget*>(watched));
    } else if (type == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (int k = 0; k < kLineCount; ++k)
            if (watched == Text2[k] && (key == Qt::Key_Return || key == Qt::Key_Enter))
                dataBoxEntered(k);
    }
    return QWidget::eventFilter(watched, event);
}

void Form50::mouseMoveEvent(QMouseEvent* event) {
    Text6->hide();
    QWidget::mouseMoveEvent(event);
}

} // namespace tracol
