#include "digitize/FormTrace.h"

#include "data/LineEditing.h"
#include "digitize/CalibrationPanel.h"
#include "digitize/Module20.h"
#include "ui/ControlFactory.h"
#include "ui/LineHistory.h"
#include "ui/MessageField.h"
#include "ui/PictureBox.h"
#include "ui/TracingPicture.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tracol {

namespace {

constexpr double kMinTolerance = 1, kMaxTolerance = 255;

const QString kCountMessage = QStringLiteral("点数は2～100の整数で入力してください。");
const QString kToleranceMessage = QStringLiteral("色の許容差は1～255の数値で入力してください。");
const QString kNotSamplingMessage =
    QStringLiteral("基本座標を確定し、データ採取を開始してから曲線をクリックしてください。");
const QString kNoPointsMessage =
    QStringLiteral("追跡した曲線から点を求められません。基本座標を確認してください。");

// A number as typed, full-width digits included.
QString plainText(const QLineEdit* box) {
    return box->text().normalized(QString::NormalizationForm_KC).trimmed();
}

// The preview's colour: of three that read well over a scan, the one that
// differs most from the traced curve's own.
QColor previewColour(quint32 curve) {
    const Rgb traced = rgbOf(curve);
    const std::array<QColor, 3> candidates = {QColor(230, 0, 200), QColor(0, 150, 255), QColor(255, 120, 0)};
    return *std::max_element(candidates.begin(), candidates.end(), [&](const QColor& a, const QColor& b) {
        return colourDistance(rgbOf(a.rgb()), traced) < colourDistance(rgbOf(b.rgb()), traced);
    });
}

} // namespace

FormTrace::FormTrace(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Tool), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("FormTrace"));
    setWindowTitle(QStringLiteral("曲線自動追跡"));
    windows_.formTrace = this;
    windows_.tracePreviewLink = this;

    auto* values = new QGridLayout;
    values->addWidget(named(new QLabel(QStringLiteral("点数"), this), QStringLiteral("Label1")), 0, 0);
    Text1 = named(new QLineEdit(QString::number(kDefaultTracedPointCount), this), QStringLiteral("Text1"));
    values->addWidget(Text1, 0, 1);
    values->addWidget(named(new QLabel(QStringLiteral("(2～100)"), this), QStringLiteral("Label2")), 0, 2);
    values->addWidget(named(new QLabel(QStringLiteral("色の許容差"), this), QStringLiteral("Label3")), 1, 0);
    Text2 = named(new QLineEdit(QString::number(kDefaultColourTolerance), this), QStringLiteral("Text2"));
    values->addWidget(Text2, 1, 1);
    values->addWidget(named(new QLabel(QStringLiteral("(1～255)"), this), QStringLiteral("Label4")), 1, 2);
    for (QLineEdit* box : {Text1, Text2}) {
        box->setAlignment(Qt::AlignRight);
        box->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    }
    values->setColumnStretch(2, 1);

    auto* spacingFrame = named(new QGroupBox(QStringLiteral("点の間隔"), this), QStringLiteral("Frame1"));
    auto* spacingLayout = new QVBoxLayout(spacingFrame);
    auto* group = new QButtonGroup(this);
    const std::array<QString, 2> captions = {QStringLiteral("Ｘ方向に等間隔"),
                                             QStringLiteral("曲線に沿って等間隔")};
    for (int k = 0; k < 2; ++k) {
        Option1[k] =
            named(new QRadioButton(captions[k], spacingFrame), indexedName(QStringLiteral("Option1"), k));
        group->addButton(Option1[k]);
        spacingLayout->addWidget(Option1[k]);
    }
    Option1[0]->setChecked(true);

    Text3 = named(new QLabel(this), QStringLiteral("Text3"));
    Text3->setWordWrap(true);
    Text3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text3->setMinimumHeight(3 * fontMetrics().lineSpacing() + 4);
    Text3->setFrameShape(QFrame::StyledPanel);
    message_ = new MessageField(Text3, nullptr, this);

    Command1 = named(new QPushButton(QStringLiteral("追加"), this), QStringLiteral("Command1"));
    Command2 = named(new QPushButton(QStringLiteral("再追跡"), this), QStringLiteral("Command2"));
    Command3 = named(new QPushButton(QStringLiteral("キャンセル"), this), QStringLiteral("Command3"));
    Command1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {Command1, Command2, Command3})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addWidget(spacingFrame);
    layout->addWidget(Text3);
    layout->addLayout(buttons);
    setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("曲線に沿って等間隔")) * 2 + 40);

    connect(Command1, &QPushButton::clicked, this, &FormTrace::appendClicked);
    connect(Command2, &QPushButton::clicked, this, &FormTrace::retraceClicked);
    connect(Command3, &QPushButton::clicked, this, &FormTrace::cancelTrace);
    connect(Text1, &QLineEdit::textEdited, this, [this] {
        if (curve_.traced() && pointCount())
            respace();
    });
    for (QRadioButton* option : Option1)
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on && curve_.traced() && pointCount())
                respace();
        });
}

// ---- Values ---------------------------------------------------------------------

std::optional<int> FormTrace::pointCount() {
    bool ok = false;
    const int count = plainText(Text1).toInt(&ok);
    if (!ok || count < 2 || count > kMaxLinePoints) {
        message_->show(kCountMessage, Qt::red);
        return std::nullopt;
    }
    return count;
}

std::optional<double> FormTrace::tolerance() {
    bool ok = false;
    const double value = plainText(Text2).toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < kMinTolerance || value > kMaxTolerance) {
        message_->show(kToleranceMessage, Qt::red);
        return std::nullopt;
    }
    return value;
}

bool FormTrace::samplingIsReady() {
    if (state_.SamplingActive && !state_.NotReady && state_.ConversionOn)
        return true;
    message_->show(kNotSamplingMessage, Qt::red);
    return false;
}

PointSpacing FormTrace::spacing() const {
    return Option1[1]->isChecked() ? PointSpacing::AlongCurve : PointSpacing::EvenInX;
}

// ---- Tracing ----------------------------------------------------------------------

void FormTrace::traceAt(QPointF position) {
    const QPointF pixel = PictureBox::toPixels(position);
    click_ = QPoint(qRound(pixel.x()), qRound(pixel.y()));
    if (isHidden()) {
        // Beside the DataSet window, which stands at the image window's right edge.
        const QRect beside = windows_.dataSet().window().frameGeometry();
        QPoint at = beside.bottomLeft() + QPoint(0, 4);
        if (const QScreen* where = windows_.imageWindow().window().screen()) {
            const QRect free = where->availableGeometry();
            at.setY(std::min(at.y(), free.bottom() - sizeHint().height() - 40));
            at.setX(std::min(at.x(), free.right() - width()));
        }
        move(at);
    }
    show();
    raise();
    trace();
}

void FormTrace::trace() {
    clearPreview();
    curve_ = TracedCurve{};
    curve_.refusal = TracingRefusal::NoCurveAtClick;
    Command1->setEnabled(false);
    if (!samplingIsReady())
        return;
    const std::optional<double> chosen = tolerance();
    if (!chosen || !pointCount())
        return;
    // The clean copy, so that the marks drawn on the picture are no part of it.
    const PictureBox& clean = windows_.cleanImage().cleanPicture();
    const QImage& image =
        clean.hasPicture() ? clean.picture() : windows_.imageWindow().pictureBox().picture();
    const TracingPicture picture(image);
    TracingRequest request;
    request.click = click_;
    request.plotArea = plotAreaOf(state_);
    request.colourTolerance = *chosen;
    curve_ = traceCurve(picture.pixels(), request);
    tracedTolerance_ = *chosen;
    if (!curve_.traced()) {
        message_->show(tracingRefusalMessage(curve_.refusal), Qt::red);
        return;
    }
    respace();
}

void FormTrace::respace() {
    const std::optional<int> count = pointCount();
    if (!count)
        return;
    const AxisKind xKind = windows_.calibrationPanel().axisKind(Axis::X);
    points_ = tracedPointPositions(curve_, *count, spacing(), state_, xKind);
    if (points_.empty()) {
        clearPreview();
        Command1->setEnabled(false);
        message_->show(kNoPointsMessage, Qt::red);
        return;
    }
    std::vector<QPointF> pixels;
    pixels.reserve(points_.size());
    for (const QPointF& p : points_)
        pixels.push_back(PictureBox::toPixels(p));
    windows_.imageWindow().pictureBox().setTracePreview(curve_.centreline, std::move(pixels),
                                                        previewColour(curve_.colour));
    Command1->setEnabled(true);
    announcedLine_ = state_.CurrentLine;
    message_->show(QStringLiteral("%1点をLine %2に追加します。よろしければ「追加」を押してください。")
                       .arg(points_.size())
                       .arg(announcedLine_),
                   Qt::black);
}

void FormTrace::retraceClicked() {
    trace();
}

void FormTrace::appendClicked() {
    // Sampling may have ended while the preview was shown.
    if (!samplingIsReady())
        return;
    const std::optional<double> chosen = tolerance();
    if (!chosen || !pointCount())
        return;
    // Values changed since the preview are taken before anything is appended.
    const int announced = announcedLine_;
    if (*chosen != tracedTolerance_ || !curve_.traced())
        trace();
    else
        respace();
    if (!curve_.traced() || points_.empty())
        return;
    // Another Line was chosen while the preview was shown: the points go
    // only where the message says, so it names the new Line and waits.
    if (state_.CurrentLine != announced)
        return;

    SharedState& s = state_;
    const int line = s.CurrentLine;
    const int room = kMaxLinePoints - s.PointCount[line];
    if (room <= 0) {
        message_->show(QStringLiteral("Line %1は既に100点あります。別のLineを選んでください。").arg(line),
                       Qt::red);
        return;
    }
    CalibrationPanel& panel = windows_.calibrationPanel();
    // Every point must convert, or none is appended.
    for (const GraphValue& value : graphValuesOf(s, panel, points_)) {
        if ((panel.axisKind(Axis::X) != AxisKind::None && !value.x) ||
            (panel.axisKind(Axis::Y) != AxisKind::None && !value.y)) {
            message_->show(Module20::kConversionErrorMessage, Qt::red);
            return;
        }
    }
    const size_t taken = std::min(points_.size(), size_t(room));
    windows_.lineHistory().recordAround(
        LineHistory::Kind::TracedPoints,
        [&] {
            // Each point as a click converts and appends it.
            s.CheckedBaseCount = static_cast<qint16>(panel.checkedBaseBoxCount());
            for (size_t i = 0; i < taken; ++i) {
                s.ClickX = static_cast<float>(points_[i].x());
                s.ClickY = static_cast<float>(points_[i].y());
                s.ConversionPending = true;
                if (Module20::ConvertClick(s, panel) != Module20::ConversionResult::Converted)
                    break;
                appendSampledPoint(s, line, panel.sampledText(Axis::X), panel.sampledText(Axis::Y));
            }
            windows_.dataSet().showPointCount(line);
            emit windows_.lineBoxChanged(line);
        },
        line);
    if (taken < points_.size())
        windows_.dataSet().showMessage(
            QStringLiteral("Lineは100点までのため、%1点のうち先頭の%2点を追加しました。")
                .arg(points_.size())
                .arg(taken));
    clearPreview();
    hide();
}

void FormTrace::cancelTrace() {
    clearPreview();
    curve_ = TracedCurve{};
    hide();
}

void FormTrace::clearPreview() {
    points_.clear();
    windows_.imageWindow().pictureBox().clearTracePreview();
}

void FormTrace::closeEvent(QCloseEvent* event) {
    // The frame's close button is "キャンセル".
    cancelTrace();
    event->accept();
}

} // namespace tracol
