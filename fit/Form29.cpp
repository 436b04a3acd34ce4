#include "fit/Form29.h"

#include "core/NumericText.h"
#include "ui/ControlFactory.h"
#include "ui/DetachChildren.h"
#include "ui/Timers.h"
#include "ui/Twips.h"
#include "ui/WidgetLook.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace tracol {

const QString Form29::kHelpText =
    QStringLiteral("排他座標系（計算対象としたくない座標系）にチェックを入れます｡X､Yそれぞれゼロ､"
                   "又は負になる可能性がある場合は､該当座標系にチェックを入れます｡処理中に自動判断"
                   "されますが､特別定義したいときに指定します｡ ");

namespace {

const QString kInputError = QStringLiteral("入力ｴﾗｰ");
const QStringList kModeCaptions = {QStringLiteral("ﾓｰﾄﾞ0：最高誤差(ｾｸｼｮﾝ内)"),
                                   QStringLiteral("ﾓｰﾄﾞ1：全ての計算誤差の平均"),
                                   QStringLiteral("ﾓｰﾄﾞ2：上位２誤差の平均")};
const QStringList kSystemNames = {
    QStringLiteral("Ｘ、Ｙ座標系"),        QStringLiteral("Ｌn（Ｘ）、Ｙ座標系"),
    QStringLiteral("Ｘ、Ｌn（Ｙ）座標系"), QStringLiteral("Ｌn（Ｘ）、Ｌn（Ｙ）座標系"),
    QStringLiteral("１／Ｘ、Ｙ座標系"),    QStringLiteral("Ｘ、１／Ｙ座標系"),
    QStringLiteral("１／Ｘ、１／Ｙ座標系")};

QLabel* errorMarker(QWidget* parent, const QString& name, int left, int top) {
    QLabel* label = makeLabel(parent, name, kInputError, left, top, 1000, 300);
    setTextColour(label, Qt::red);
    label->hide();
    return label;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& title, int left, int top, int width,
                 int height) {
    auto* box = named(new QGroupBox(title, parent), name);
    setTwipsGeometry(box, left, top, width, height);
    return box;
}

} // namespace

Form29::Form29(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("Form29"));
    setWindowTitle(QStringLiteral("計算処理条件設定"));
    windows_.form29 = this;
    windows_.conditionsLink = this;
    buildControls();
    connectControls();
}

Form29::~Form29() {
    detachChildren(this);
}

void Form29::buildControls() {
    setFixedSize(twipsToPixels(10500), twipsToPixels(5280));
    Label1[0] = makeLabel(this, indexedName(QStringLiteral("Label1"), 0), QStringLiteral("処理条件入力"), 120,
                          60, 5400);
    Label1[1] = makeLabel(this, indexedName(QStringLiteral("Label1"), 1), QStringLiteral("排他座標系の設定"),
                          5640, 60, 4740);
    for (QLabel* heading : Label1)
        setBold(heading, true);

    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("計算打切精度（相対誤差）の設定"), 120, 420,
                   5400, 1200);
    HScroll1 = named(new QScrollBar(Qt::Horizontal, Frame1), QStringLiteral("HScroll1"));
    setTwipsGeometry(HScroll1, 120, 360, 3120, 270);
    HScroll1->setRange(0, 120);
    Text2 = makeBox(Frame1, QStringLiteral("Text2"), 3360, 330, 1020, 330);
    Label7 = errorMarker(Frame1, QStringLiteral("Label7"), 4440, 360);
    makeLabel(Frame1, QStringLiteral("Label8"), QStringLiteral("現在値"), 120, 780, 840);
    Label9 = makeLabel(Frame1, QStringLiteral("Label9"), QString(), 960, 780, 1800);
    Label6 = makeLabel(Frame1, QStringLiteral("Label6"), QString(), 3000, 780, 2280);

    Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("計算誤差評価方法の設定"), 120, 1740, 5400,
                   1500);
    for (int i = 0; i < 3; ++i) {
        const int top = 330 + i * 360;
        Option1[i] = named(new QRadioButton(Frame2), indexedName(QStringLiteral("Option1"), i));
        setTwipsGeometry(Option1[i], 120, top, 300, 300);
        makeLabel(Frame2, indexedName(QStringLiteral("Label4"), i), kModeCaptions[i], 450, top, 3300);
    }
    Text1 = makeBox(Frame2, QStringLiteral("Text1"), 3840, 330, 480, 330);
    Label5 = errorMarker(Frame2, QStringLiteral("Label5"), 4380, 360);
    makeLabel(Frame2, QStringLiteral("Label2"), QStringLiteral("現在モード"), 3840, 780, 1080);
    Label3 = makeLabel(Frame2, QStringLiteral("Label3"), QString(), 4920, 780, 420);

    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("最高分割数の設定"), 120, 3360, 5400, 1080);
    for (int i = 0; i < 3; ++i) {
        Option2[i] = named(new QRadioButton(QString::number(i + 1), Frame3),
                           indexedName(QStringLiteral("Option2"), i));
        setTwipsGeometry(Option2[i], 120 + i * 720, 330, 660, 300);
    }
    Text3 = makeBox(Frame3, QStringLiteral("Text3"), 2400, 330, 480, 330);
    Label12 = errorMarker(Frame3, QStringLiteral("Label12"), 2940, 360);
    makeLabel(Frame3, QStringLiteral("Label13"), QStringLiteral("指定は1,2or 3のみ"), 120, 690, 2400);
    makeLabel(Frame3, QStringLiteral("Label10"), QStringLiteral("現在値"), 3960, 690, 840);
    Label11 = makeLabel(Frame3, QStringLiteral("Label11"), QString(), 4800, 690, 480);

    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("排他座標系の設定"), 5640, 420, 4740, 3120);
    for (int j = 0; j < 7; ++j) {
        const int top = 330 + j * 330;
        Check1[j] = named(new QCheckBox(Frame4), indexedName(QStringLiteral("Check1"), j));
        setTwipsGeometry(Check1[j], 120, top, 300, 300);
        makeLabel(Frame4, indexedName(QStringLiteral("Label14"), j), QString(QChar(u'A' + j)), 450, top, 300);
        makeLabel(Frame4, indexedName(QStringLiteral("Label15"), j), kSystemNames[j], 780, top, 3840);
    }
    Check2 = named(new QCheckBox(Frame4), QStringLiteral("Check2"));
    setTwipsGeometry(Check2, 120, 2730, 300, 300);
    makeLabel(Frame4, QStringLiteral("Label17"), QStringLiteral("全ての座標で計算"), 450, 2730, 2700);
    Command4 = makeButton(Frame4, QStringLiteral("Command4"), QStringLiteral("？"), 4020, 2670, 540, 360);

    Label16 = makeLabel(this, QStringLiteral("Label16"), QStringLiteral("計算座標系なし"), 5640, 3660, 2700);
    setTextColour(Label16, Qt::red);
    setBold(Label16, true);
    Label16->hide();
    Label16->installEventFilter(this);

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("決定"), 5640, 4620, 1500, 450);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("標準値"), 7260, 4620, 1500, 450);
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("ｷｬﾝｾﾙ"), 8880, 4620, 1500, 450);

    Text4 = makeNoteField(this, QStringLiteral("Text4"), kHelpText, 1290, 195, 7800, 1500);
    Text4->installEventFilter(this);

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 12000);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 1000);
    Text2->installEventFilter(this);
    Text1->installEventFilter(this);
    Text3->installEventFilter(this);
}

void Form29::connectControls() {
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        if (!settingScroll_)
            scrolled(value);
    });
    connect(Text2, &QLineEdit::textChanged, this, &Form29::cutoffTyped);
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const std::optional<qint16> mode = Conditions::errorModeFromText(text)) {
            state_.ErrorMode = *mode;
            Label3->setText(numtext::plainInteger(state_.ErrorMode));
        }
    });
    connect(Text3, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const std::optional<qint16> divisions = Conditions::maxDivisionsFromText(text))
            state_.MaxDivisions = *divisions;
    });
    for (int i = 0; i < 3; ++i) {
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            state_.ErrorMode = static_cast<qint16>(i);
            Text1->setText(QString::number(i));
        });
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            Text3->setText(QString::number(i + 1));
            state_.MaxDivisions = static_cast<qint16>(i + 1);
        });
    }
    for (int j = 0; j < 7; ++j)
        connect(Check1[j], &QCheckBox::toggled, this, [this, j] { systemBoxClicked(j); });
    connect(Check2, &QCheckBox::toggled, this, &Form29::allSystemsClicked);
    connect(Command4, &QPushButton::clicked, this, &Form29::showHelp);
    connect(Command1, &QPushButton::clicked, this, &Form29::decide);
    connect(Command2, &QPushButton::clicked, this, &Form29::standardValues);
    connect(Command3, &QPushButton::clicked, this, &Form29::cancel);
    connect(Timer1, &QTimer::timeout, this, &Form29::hideHelpAndWarning);
    connect(Timer2, &QTimer::timeout, this, &Form29::keepScrollWithCutoff);
}

// ---- Opening ------------------------------------------------------------------

void Form29::open() {
    if (!loaded_)
        load();
    if (rememberedPosition_)
        move(*rememberedPosition_);
    showWindow(this);
}

void Form29::includeAllSystemsUnseen() {
    if (!loaded_)
        load();
    Check2->setChecked(true);
    Conditions::includeAllSystems(state_); // also when the box was ticked already
}

void Form29::load() {
    loaded_ = true;
    saved_ = Conditions::saveOnOpening(state_);
    Label5->hide();
    Label12->hide();
    Label7->hide();
    Label9->setText(Conditions::cutoffText(state_.CutoffError));
    Label11->setText(numtext::plainInteger(state_.MaxDivisions));
    Text2->setText(Conditions::cutoffText(state_.CutoffError));
    Text3->setText(numtext::plainInteger(state_.MaxDivisions));
    if (state_.MaxDivisions >= 1 && state_.MaxDivisions <= 3)
        Option2[state_.MaxDivisions - 1]->setChecked(true);
    Label3->setText(numtext::plainInteger(state_.ErrorMode));
    Text1->setText(numtext::plainInteger(state_.ErrorMode));
    if (state_.ErrorMode >= 0 && state_.ErrorMode <= 2)
        Option1[state_.ErrorMode]->setChecked(true);
    for (int j = 0; j < 7; ++j)
        Check1[j]->setChecked(state_.ExcludedSystems[j + 1] == 1);
    Check2->setChecked(state_.AllSystemsFlag);
    Timer1->stop();
    if (const std::optional<float> cutoff = Conditions::cutoffFromText(Text2->text()))
        state_.CutoffError = *cutoff;
    // The Gr text of the opening, with two decimals: written last, as the
    // change of Text2 above (a first opening) writes the typing's one.
    Label6->setText(Conditions::grLabelOnOpening(state_.CutoffError));
    setScroll(Conditions::scrollFromCutoff(state_.CutoffError));
}

// ---- The cutoff: scroll bar and text --------------------------------------------

void Form29::setScroll(int value) {
    settingScroll_ = true;
    HScroll1->setValue(value);
    settingScroll_ = false;
}

void Form29::scrolled(int value) {
    state_.CutoffError = Conditions::cutoffFromScroll(value);
    setScroll(Conditions::scrollAfterScrolling(state_.CutoffError));
    Text2->setText(Conditions::cutoffTextFromScroll(state_.CutoffError));
}

void Form29::cutoffTyped() {
    const std::optional<float> cutoff = Conditions::cutoffFromText(Text2->text());
    if (!cutoff)
        return; // not a number: ignored until it is one
    state_.CutoffError = *cutoff;
    Label6->setText(Conditions::grLabelWhileTyping(state_.CutoffError));
    Label9->setText(Conditions::cutoffText(state_.CutoffError));
}

void Form29::keepScrollWithCutoff() {
    setScroll(Conditions::scrollFromCutoff(state_.CutoffError));
}

// ---- Excluded systems ------------------------------------------------------------

void Form29::systemBoxClicked(int box) {
    if (Check1[box]->isChecked())
        Check2->setChecked(false);
}

void Form29::allSystemsClicked(bool checked) {
    state_.AllSystemsFlag = checked;
    if (!checked)
        return;
    for (QCheckBox* box : Check1)
        box->setChecked(false);
    Conditions::includeAllSystems(state_);
}

// ---- Help and warning --------------------------------------------------------------

void Form29::showHelp() {
    Text4->show();
    Text4->raise();
    Timer1->start();
}

void Form29::hideHelpAndWarning() {
    Text4->hide();
    Label16->hide();
    Timer1->stop();
}

bool Form29::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress && watched == Text4) {
        Text4->hide();
        Timer1->stop();
    } else if (type == QEvent::MouseButtonPress && watched == Label16) {
        Label16->hide();
    } else if (watched == Text2 && type == QEvent::Enter) {
        Timer2->start();
    } else if (watched == Text2 && type == QEvent::Leave) {
        if (numtext::allCharsIn(Text2->text(), Conditions::kCutoffChars))
            Label7->hide();
        Timer2->stop();
    } else if (watched == Text1 && type == QEvent::FocusOut) {
        Label5->hide();
        Label7->hide();
    } else if (watched == Text3 && type == QEvent::FocusOut) {
        if (numtext::allCharsIn(Text3->text(), Conditions::kDivisionChars))
            Label12->hide();
        Timer2->stop();
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Buttons ------------------------------------------------------------------------

void Form29::standardValues() {
    state_.CutoffError = Conditions::kStandardCutoffError;
    Label6->setText(Conditions::grLabelStandard(state_.CutoffError));
    Text2->setText(Conditions::cutoffText(state_.CutoffError));
    Text3->setText(QStringLiteral("3"));
    Conditions::setStandardSystems(state_);
    for (int j = 0; j < 7; ++j)
        Check1[j]->setChecked(j != 0);
    setScroll(Conditions::scrollFromCutoff(state_.CutoffError));
    state_.ErrorMode = Conditions::kStandardErrorMode;
    Option1[Conditions::kStandardErrorMode]->setChecked(true);
    Text1->setText(QString::number(Conditions::kStandardErrorMode));
}

void Form29::decide() {
    windows_.computation().restartColourAnimation();
    Timer1->stop();
    Timer2->stop();
    std::array<bool, 7> excluded{};
    for (int j = 0; j < 7; ++j)
        excluded[j] = Check1[j]->isChecked();
    const Conditions::DecideResult result =
        Conditions::decide(state_, excluded, Text1->text(), Text2->text(), Text3->text());
    if (result.noSystemIncluded) {
        Timer1->start();
        Label16->setText(QStringLiteral("計算座標系なし"));
        Label16->show();
        Label16->raise();
        return;
    }
    Check2->setChecked(state_.AllSystemsFlag);
    Label7->setVisible(result.cutoffError);
    Label5->setVisible(result.modeError);
    Label12->setVisible(result.divisionsError);
    if (!result.accepted())
        return;
    rememberedPosition_ = pos();
    leave();
}

void Form29::cancel() {
    windows_.computation().restartColourAnimation();
    Timer1->stop();
    Timer2->stop();
    Conditions::restore(state_, saved_);
    Text2->setText(Conditions::cutoffText(state_.CutoffError));
    Text1->setText(numtext::plainInteger(state_.ErrorMode));
    Text3->setText(numtext::plainInteger(state_.MaxDivisions));
    Label7->hide();
    leave();
}

void Form29::leave() {
    loaded_ = false;
    windows_.computation().comeBack();
    hide();
}

void Form29::closeEvent(QCloseEvent* event) {
    // Closing through the frame is "ｷｬﾝｾﾙ": the screen behind must not stay disabled.
    event->ignore();
    cancel();
}

} // namespace tracol
