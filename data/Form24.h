#pragma once
// Form24 "ﾃﾞｰﾀ書込み": the save dialog for data sets and result files. The
// window that needs a file opens it with the save kind and itself as the
// caller; the dialog asks for the name, confirms, writes and hands control back.
//
// Pages that found no printer come here too (kSavePrintedPages): they are
// written as a PDF file. That save proposes a PDF name of its own and leaves
// the data file names the other saves follow as they were.

#include "data/SaveDialog.h"
#include "ui/PrintedDocument.h"

#include <optional>

namespace tracol {

class Form24 : public SaveDialog, public SaveDialogLink {
    Q_OBJECT
  public:
    Form24(SharedState& state, Windows& windows, QWidget* parent = nullptr);

    // SaveDialogLink
    QWidget& window() override { return *this; }
    void open(qint16 saveKind, qint16 caller) override;
    void openForPrintedPages(const PrintedDocument& document, qint16 caller) override;

  private:
    // The file names the data and result saves follow.
    struct FollowedNames {
        QString currentFilePath, currentFileName, lastDirectory, lastFileName;
    };

    bool savesPrintedPages() const { return state_.SaveKind == kSavePrintedPages; }
    QString titleText() const override;
    QString saveButtonCaption() const override;
    QString& rememberedPattern() override { return savesPrintedPages() ? pdfPattern_ : state_.DataPattern; }
    QString initialPattern() const override {
        return savesPrintedPages() ? kPdfPattern : kInitialDataPattern;
    }
    FileOutcome write(const QString& path) override;
    void returnToCaller() override;

    static inline const QString kPdfPattern = QStringLiteral("*.PDF");
    std::optional<PrintedDocument> printedPages_;
    FollowedNames namesBeforePdf_;
    QString pdfPattern_ = kPdfPattern;
    QString pdfFolder_; // where the last PDF file went
};

} // namespace tracol
