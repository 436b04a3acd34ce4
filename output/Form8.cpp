#include "output/Form8.h"

#include "core/NumericText.h"
#include "output/PrintPageRules.h"
#include "ui/ControlFactory.h"
#include "ui/DetachChildren.h"
#include "ui/MessageField.h"
#include "ui/PrintOutput.h"
#include "ui/TextPrinting.h"
#include "ui/Timers.h"
#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tracol {

const QString Form8::kProportionalWarning = QStringLiteral("プロポーショナル印字は文字がずれます。");
const QString Form8::kBadPaperMessage = QStringLiteral("用紙サイズ設定が不適です");
const QString Form8::kBadOrientationMessage = QStringLiteral("用紙方向設定が不適です");

namespace {

constexpr int kPreselectedSize = 8;
constexpr int kPrinterSizeBeforeChoice = 6; // the printer's font size until a size was chosen
const QStringList kOrientationNames = {QStringLiteral("縦"), QStringLiteral("横")};
const std::array<qint16, 4> kPapers = {kPaperA3, kPaperA4, kPaperB4, kPaperB5};

std::optional<qint16> paperOfName(const QString& text) {
    for (qint16 paper : kPapers)
        if (text == paperName(paper))
            return paper;
    return std::nullopt;
}

std::optional<qint16> orientationOfName(const QString& text) {
    const qsizetype at = kOrientationNames.indexOf(text);
    if (at < 0)
        return std::nullopt;
    return static_cast<qint16>(at + 1);
}

QString orientationName(qint16 orientation) {
    return kOrientationNames[orientation == kLandscape ? 1 : 0];
}

QComboBox* makeCombo(QWidget* parent, const QString& name, const QStringList& items, int left, int top,
                     int width) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    setTwipsGeometry(combo, left, top, width, 330);
    return combo;
}

QListWidget* makeList(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* list = named(new QListWidget(parent), name);
    setTwipsGeometry(list, left, top, width, height);
    return list;
}

} // namespace

Form8::Form8(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("印刷"));
    windows_.form8 = this;
    windows_.printSettingsLink = this;
    printOutput_ = new PrintOutput(windows_, this);
    buildControls();
    connectControls();
}

Form8::~Form8() {
    detachChildren(this);
}

QString Form8::sizeEntry(int pointSize) {
    return QString::number(pointSize).rightJustified(3) + QStringLiteral(" ﾎﾟｲﾝﾄ");
}

void Form8::buildControls() {
    setFixedSize(twipsToPixels(6720), twipsToPixels(5400));
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("印刷設定"), 120, 90, 3000, 330);
    setBold(Label1, true);

    QStringList papers;
    for (qint16 paper : kPapers)
        papers << paperName(paper);
    makeLabel(this, QStringLiteral("Label2"), QStringLiteral("用紙ｻｲｽﾞ"), 120, 570, 1080);
    Combo1 = makeCombo(this, QStringLiteral("Combo1"), papers, 1200, 540, 1200);
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("用紙方向"), 2640, 570, 1080);
    Combo2 = makeCombo(this, QStringLiteral("Combo2"), kOrientationNames, 3720, 540, 1080);

    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("フォント"), 120, 1020, 2400);
    List1 = makeList(this, QStringLiteral("List1"), 120, 1320, 2880, 1200);
    for (int index = 1; index <= 4; ++index)
        List1->addItem(kPrintFontNames[index]);
    Text1 = makeBox(this, QStringLiteral("Text1"), 120, 2580, 2880, 330);
    printFontNote = makeLabel(this, QStringLiteral("printFontNote"), QString(), 120, 2940, 3960, 300);

    makeLabel(this, QStringLiteral("Label5"), QStringLiteral("フォントサイズ"), 3240, 1020, 1680);
    List2 = makeList(this, QStringLiteral("List2"), 3240, 1320, 1680, 1200);
    for (int size = kSmallestPrintSize; size <= kLargestPrintSize; ++size)
        List2->addItem(sizeEntry(size));
    QFont monospaced = List2->font(); // the sizes right-aligned
    monospaced.setFamily(installedPrintFamily(kPrintFontNames[1]));
    List2->setFont(monospaced);
    Text2 = makeBox(this, QStringLiteral("Text2"), 3240, 2580, 1680, 330);
    for (QLineEdit* box : {Text1, Text2})
        box->setReadOnly(true);

    List3 = makeList(this, QStringLiteral("List3"), 120, 3360, 4800, 1320);
    Text4 = makeNoteField(this, QStringLiteral("Text4"), QString(), 120, 4800, 4800, 330);
    setTextColour(Text4, Qt::red);

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("決　定"), 5220, 1320, 1320, 450);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("戻　る"), 5220, 1920, 1320, 450);

    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 5000, TimerKind::OneShot);
    message_ = new MessageField(Text4, Timer2, this);
    message_->setHiddenOnClick(true);
}

void Form8::connectControls() {
    connect(List1, &QListWidget::currentRowChanged, this, &Form8::fontChosen);
    connect(List2, &QListWidget::currentRowChanged, this, &Form8::sizeChosen);
    connect(Combo1, &QComboBox::editTextChanged, this, &Form8::paperTyped);
    connect(Combo2, &QComboBox::editTextChanged, this, &Form8::orientationTyped);
    for (QComboBox* combo : {Combo1, Combo2}) {
        combo->installEventFilter(this);
        combo->lineEdit()->installEventFilter(this);
    }
    connect(Command1, &QPushButton::clicked, this, &Form8::decide);
    connect(Command2, &QPushButton::clicked, this, &Form8::back);
}

// ---- Opening ------------------------------------------------------------------

void Form8::openFrom(qint16 caller) {
    caller_ = caller;
    load();
    if (rememberedPosition_)
        move(*rememberedPosition_);
    showWindow(this);
}

void Form8::load() {
    // The lists show what was decided last; choosing in them decides nothing yet.
    loading_ = true;
    const PrintSettings& settings = state_.printSettings;
    message_->hide();
    List1->setCurrentRow(-1);
    List2->setCurrentRow(-1);
    Combo1->setEditText(paperName(settings.paperSize));
    Combo2->setEditText(orientationName(settings.orientation));
    List1->setCurrentRow(std::clamp<int>(settings.fontIndex, 1, 4) - 1);
    List2->setCurrentRow((settings.fontSize > 0 ? settings.fontSize : kPreselectedSize) - kSmallestPrintSize);
    loading_ = false;
    List3->clear();
    List3->addItem(QStringLiteral("用紙方向： ") + orientationName(settings.orientation));
}

// ---- Font and size ------------------------------------------------------------------

void Form8::fontChosen(int row) {
    if (row < 0)
        return;
    const QString name = kPrintFontNames[row + 1];
    Text1->setText(name);
    printFontNote->setText(QStringLiteral("印字フォント：") + installedPrintFamily(name));
    if (name.contains(u'Ｐ') && !loading_) // the user's choice warns, the stored one does not
        message_->show(kProportionalWarning);
}

void Form8::sizeChosen(int row) {
    if (row < 0)
        return;
    Text2->setText(numtext::plainInteger(row + kSmallestPrintSize) + QStringLiteral(" ﾎﾟｲﾝﾄ"));
}

// ---- Paper and orientation: applied as soon as they are valid --------------------------

void Form8::paperTyped(const QString& text) {
    if (loading_)
        return;
    if (const std::optional<qint16> paper = paperOfName(text)) {
        state_.printSettings.paperSize = *paper;
        showSummary();
    }
}

void Form8::orientationTyped(const QString& text) {
    if (loading_)
        return;
    if (const std::optional<qint16> orientation = orientationOfName(text)) {
        state_.printSettings.orientation = *orientation;
        showSummary();
    }
}

void Form8::checkPaperOnLeaving() {
    if (paperOfName(Combo1->currentText()))
        return;
    message_->show(kBadPaperMessage);
    Combo1->setEditText(paperName(kPaperA4)); // applies A4
}

void Form8::checkOrientationOnLeaving() {
    if (orientationOfName(Combo2->currentText()))
        return;
    message_->show(kBadOrientationMessage);
    Combo2->setEditText(orientationName(kPortrait)); // applies portrait
}

void Form8::showSummary() {
    const PrintSettings& settings = state_.printSettings;
    const int printerSize = settings.fontSize > 0 ? settings.fontSize : kPrinterSizeBeforeChoice;
    List3->clear();
    List3->addItems(
        {QStringLiteral("＜現在のプリンタ設定＞"),
         QStringLiteral("用紙サイズ　　：") + paperName(settings.paperSize),
         QStringLiteral("用紙方向　　　：") + orientationName(settings.orientation),
         QStringLiteral("フォント　　　：") + settings.fontName(),
         QStringLiteral("フォントサイズ：") + numtext::plainInteger(printerSize) + QStringLiteral(" ﾎﾟｲﾝﾄ")});
}

bool Form8::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == Combo1 || watched == Combo1->lineEdit())
            checkPaperOnLeaving();
        else if (watched == Combo2 || watched == Combo2->lineEdit())
            checkOrientationOnLeaving();
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Buttons ------------------------------------------------------------------------

void Form8::decide() {
    checkPaperOnLeaving();
    checkOrientationOnLeaving();
    PrintSettings& settings = state_.printSettings;
    if (List1->currentRow() >= 0)
        settings.fontIndex = static_cast<qint16>(List1->currentRow() + 1);
    if (List2->currentRow() >= 0)
        settings.fontSize = static_cast<qint16>(List2->currentRow() + kSmallestPrintSize);
    leave();
}

void Form8::back() {
    leave();
}

void Form8::leave() {
    rememberedPosition_ = pos();
    if (caller_ == kCallerPlot)
        windows_.plotScreen().comeBack();
    else
        windows_.computation().comeBack();
    hide();
}

void Form8::closeEvent(QCloseEvent* event) {
    // Closing through the frame is "戻　る": the opener must not stay disabled.
    event->ignore();
    back();
}

} // namespace tracol
