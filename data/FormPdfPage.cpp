#include "data/FormPdfPage.h"

#include "ui/BusyCursor.h"
#include "ui/ControlFactory.h"
#include "ui/DetachChildren.h"
#include "ui/MessageField.h"
#include "ui/Timers.h"
#include "ui/WidgetLook.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tracol {

namespace {

// A whole number typed in a box, or 0.
int typedNumber(const QLineEdit* box) {
    bool ok = false;
    const int value = box->text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

FormPdfPage::FormPdfPage(SharedState& state, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("FormPdfPage"));
    setWindowTitle(QStringLiteral("PDFページの呼込み"));
    setFixedSize(340, 212);
    windows_.formPdfPage = this;
    windows_.pdfPageLink = this;

    Label1 = named(new QLabel(this), QStringLiteral("Label1"), {10, 8, 320, 20});
    Label2 =
        named(new QLabel(QStringLiteral("ページ番号"), this), QStringLiteral("Label2"), {10, 38, 100, 22});
    Text1 = named(new QLineEdit(this), QStringLiteral("Text1"), {110, 38, 70, 22});
    Label3 = named(new QLabel(this), QStringLiteral("Label3"), {188, 38, 142, 22});
    Label4 =
        named(new QLabel(QStringLiteral("解像度 (dpi)"), this), QStringLiteral("Label4"), {10, 66, 100, 22});
    Text2 = named(new QLineEdit(this), QStringLiteral("Text2"), {110, 66, 70, 22});
    Label5 =
        named(new QLabel(QStringLiteral("（%1～%2）").arg(PdfPages::kMinDpi).arg(PdfPages::kMaxDpi), this),
              QStringLiteral("Label5"), {188, 66, 142, 22});
    Label6 = named(new QLabel(this), QStringLiteral("Label6"), {10, 94, 320, 20});
    // The message wraps and grows down to the buttons, read whole.
    const QRect messagePlace(150, 1800, 4800, 345); // twips
    Text3 = makeNoteField(this, QStringLiteral("Text3"), QString(), messagePlace.x(), messagePlace.y(),
                          messagePlace.width(), messagePlace.height());
    Text3->setBackgroundRole(QPalette::Base);
    setTextColour(Text3, Qt::red);
    Command1 =
        named(new QPushButton(QStringLiteral("決 定"), this), QStringLiteral("Command1"), {10, 176, 150, 28});
    Command2 = named(new QPushButton(QStringLiteral("キャンセル"), this), QStringLiteral("Command2"),
                     {180, 176, 150, 28});
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 5000);
    message_ = new MessageField(Text3, Timer1, this);
    message_->setPlace(messagePlace, MessageField::Growth::Down);
    message_->setClearedOnHide(true);

    connect(Text1, &QLineEdit::textChanged, this, &FormPdfPage::showImageSize);
    connect(Text2, &QLineEdit::textChanged, this, &FormPdfPage::showImageSize);
    connect(Text1, &QLineEdit::returnPressed, this, &FormPdfPage::decide);
    connect(Text2, &QLineEdit::returnPressed, this, &FormPdfPage::decide);
    connect(Command1, &QPushButton::clicked, this, &FormPdfPage::decide);
    connect(Command2, &QPushButton::clicked, this, &FormPdfPage::cancel);
}

FormPdfPage::~FormPdfPage() {
    detachChildren(this);
}

QString FormPdfPage::choosePage(const QString& path) {
    if (QString message = pages_.open(path); !message.isEmpty())
        return message;
    path_ = path;
    Label1->setText(
        Label1->fontMetrics().elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, Label1->width()));
    Label1->setToolTip(path);
    Label3->setText(QStringLiteral("（全 %1 ページ）").arg(pages_.pageCount()));
    Text1->setText(QStringLiteral("1"));
    Text2->setText(QString::number(PdfPages::kDefaultDpi));
    message_->hide();
    showWindow(this);
    Text1->setFocus();
    Text1->selectAll();
    return {};
}

int FormPdfPage::typedPage() const {
    const int page = typedNumber(Text1);
    return page >= 1 && page <= pages_.pageCount() ? page : 0;
}

int FormPdfPage::typedDpi() const {
    const int dpi = typedNumber(Text2);
    return dpi >= PdfPages::kMinDpi && dpi <= PdfPages::kMaxDpi ? dpi : 0;
}

void FormPdfPage::showImageSize() {
    const int page = typedPage(), dpi = typedDpi();
    if (page == 0 || dpi == 0) {
        Label6->clear();
        return;
    }
    const QSize size = pages_.pixelSize(page, dpi);
    Label6->setText(QStringLiteral("画像の大きさ  %1 × %2 画素").arg(size.width()).arg(size.height()));
}

void FormPdfPage::decide() {
    const int page = typedPage();
    if (page == 0) {
        message_->show(
            QStringLiteral("ページ番号は 1 から %1 までの整数で入力してください。").arg(pages_.pageCount()));
        return;
    }
    const int dpi = typedDpi();
    if (dpi == 0) {
        message_->show(QStringLiteral("解像度は %1 から %2 dpi までの整数で入力してください。")
                           .arg(PdfPages::kMinDpi)
                           .arg(PdfPages::kMaxDpi));
        return;
    }
    if (const int largest = pages_.largestDpi(page); dpi > largest) {
        message_->show(
            QStringLiteral(
                "この解像度ではページの画像が大きすぎます。このページは %1 dpi 以下で呼び込んでください。")
                .arg(largest));
        return;
    }
    const QImage image = [&] {
        const BusyCursor busy; // a page at a high resolution takes seconds
        return pages_.render(page, dpi);
    }();
    if (image.isNull()) {
        message_->show(QStringLiteral("ページを画像にできませんでした。解像度を下げてください。"));
        return;
    }
    const QString source = QStringLiteral("%1  %2ページ").arg(path_).arg(page);
    if (!windows_.openDialog().takeImage(*this, image, path_, source))
        return; // the user keeps the unsaved points: the page can still be chosen again
    pages_.close();
    hide();
}

void FormPdfPage::cancel() {
    message_->hide();
    state_.OpenPurpose = kOpenNothing;
    // The main window and the image window waited disabled for the choice.
    QWidget& image = windows_.imageWindow().window();
    if (image.isVisible())
        image.setEnabled(true);
    windows_.mainWindow().comeBack();
    pages_.close();
    hide();
}

void FormPdfPage::closeEvent(QCloseEvent* event) {
    // Closing through the frame is "キャンセル".
    event->accept();
    cancel();
}

} // namespace tracol
