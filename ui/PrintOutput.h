#pragma once
// Where the windows' printed documents go: the system's default printer,
// through Qt's print support and CUPS. Where no printer is configured the
// user is told so and may write the same pages to a PDF file named in the
// save dialog (Form24), which then hands control back to the window that
// printed. A document that a printer cannot take is reported, never lost in
// silence.
//
// The print settings window (Form8) builds the one PrintOutput of the
// program; it registers with the hub. The questions and messages are
// windows of their own (not modal to the program), so that nothing waits on
// them: "noPrinterQuestion" with the buttons "saveAsPdf" and "cancelPrint",
// "printFailedMessage".

#include "ui/PrintedDocument.h"
#include "ui/Windows.h"

#include <QObject>
#include <QPrinter>

#include <functional>
#include <memory>

namespace tracol {

// What the user is told when a printer could not print a document.
struct PrintFailureMessage {
    QString title;
    QString text;
};

class PrintOutput : public QObject {
    Q_OBJECT
  public:
    static const QString kNoPrinterTitle;
    static const QString kNoPrinterMessage;
    static const QString kPrintFailedTitle;
    static const QString kPrintFailedMessage;

    // The printer the next document goes to; null when none is configured.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    // The system's default printer (QPrinterInfo::defaultPrinter).
    static std::unique_ptr<QPrinter> systemDefaultPrinter();

    explicit PrintOutput(Windows& windows, QObject* parent = nullptr);
    ~PrintOutput() override;

    // Tests print to PDF files or to a queue of their own.
    void setPrinterSource(PrinterSource source) { printerSource_ = std::move(source); }

    enum class Outcome {
        Printed,   // the printer took the document
        Failed,    // the printer could not print it; the user was told
        NoPrinter, // none configured; the user was offered a PDF file
    };

    // Prints the document for the window `from`, which the save dialog hands
    // control back to as `caller` when the pages go to a PDF file instead.
    Outcome print(const PrintedDocument& document, QWidget& from, qint16 caller,
                  const PrintFailureMessage& onFailure = {kPrintFailedTitle, kPrintFailedMessage});

  private:
    void offerPdf(const PrintedDocument& document, QWidget& from, qint16 caller);

    Windows& windows_;
    PrinterSource printerSource_ = &PrintOutput::systemDefaultPrinter;
};

// A message of its own window over `parent`, with one "OK" button: shown
// and not waited for.
void showPrinterMessage(QWidget& parent, const QString& objectName, const QString& title,
                        const QString& text);

} // namespace tracol
