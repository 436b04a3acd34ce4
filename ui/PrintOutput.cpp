#include "ui/PrintOutput.h"

#include "ui/ControlFactory.h"

#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace tracol {

const QString PrintOutput::kNoPrinterTitle = QStringLiteral("印刷");
const QString PrintOutput::kNoPrinterMessage =
    QStringLiteral("プリンターが設定されていません。\n印刷する内容をPDFファイルに保存しますか？");
const QString PrintOutput::kPrintFailedTitle = QStringLiteral("印刷エラー");
const QString PrintOutput::kPrintFailedMessage = QStringLiteral("プリンターに出力できませんでした。");

std::unique_ptr<QPrinter> PrintOutput::systemDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

PrintOutput::PrintOutput(Windows& windows, QObject* parent) : QObject(parent), windows_(windows) {
    windows_.printOutputService = this;
}

PrintOutput::~PrintOutput() {
    if (windows_.printOutputService == this)
        windows_.printOutputService = nullptr;
}

PrintOutput::Outcome PrintOutput::print(const PrintedDocument& document, QWidget& from, qint16 caller,
                                        const PrintFailureMessage& onFailure) {
    const std::unique_ptr<QPrinter> printer = printerSource_ ? printerSource_() : nullptr;
    if (!printer) {
        offerPdf(document, from, caller);
        return Outcome::NoPrinter;
    }
    if (!printDocument(document, *printer)) {
        showPrinterMessage(from, QStringLiteral("printFailedMessage"), onFailure.title, onFailure.text);
        return Outcome::Failed;
    }
    return Outcome::Printed;
}

void PrintOutput::offerPdf(const PrintedDocument& document, QWidget& from, qint16 caller) {
    auto* question = named(new QMessageBox(QMessageBox::Question, kNoPrinterTitle, kNoPrinterMessage,
                                           QMessageBox::NoButton, &from),
                           QStringLiteral("noPrinterQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* save = named(question->addButton(QStringLiteral("PDF保存"), QMessageBox::AcceptRole),
                              QStringLiteral("saveAsPdf"));
    named(question->addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole),
          QStringLiteral("cancelPrint"));
    question->setDefaultButton(save);
    connect(save, &QPushButton::clicked, this, [this, document, window = &from, caller] {
        window->setEnabled(false);
        windows_.saveDialog().openForPrintedPages(document, caller);
    });
    question->open();
}

void showPrinterMessage(QWidget& parent, const QString& objectName, const QString& title,
                        const QString& text) {
    auto* message =
        named(new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::NoButton, &parent), objectName);
    message->setAttribute(Qt::WA_DeleteOnClose);
    named(message->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole), QStringLiteral("okButton"));
    message->open();
}

} // namespace tracol
