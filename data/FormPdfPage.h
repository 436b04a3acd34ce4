#pragma once
// FormPdfPage "PDFページの呼込み": after the open dialog chose a PDF file, the
// page to digitize and the resolution it is rendered at. "決 定" hands the
// rendered page to the open dialog, which takes it as a loaded image;
// "キャンセル" (or the frame's close button) gives the main window back with
// nothing changed.

#include "core/SharedState.h"
#include "ui/PdfPages.h"
#include "ui/Windows.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tracol {

class MessageField;

class FormPdfPage : public QWidget, public PdfPageLink {
    Q_OBJECT
  public:
    FormPdfPage(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~FormPdfPage() override;

    // PdfPageLink
    QWidget& window() override { return *this; }
    QString choosePage(const QString& path) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The page and resolution as typed; 0 for one out of bounds.
    int typedPage() const;
    int typedDpi() const;
    void showImageSize(); // Label6 follows Text1 and Text2
    void decide();        // Command1 "決 定"
    void cancel();        // Command2 "キャンセル"

    SharedState& state_;
    Windows& windows_;
    PdfPages pages_;
    QString path_;                    // the PDF file chosen in the open dialog
    QLabel* Label1 = nullptr;         // the file's name
    QLabel* Label2 = nullptr;         // ページ番号
    QLineEdit* Text1 = nullptr;       // page number, 1..page count
    QLabel* Label3 = nullptr;         // the page count: （全 n ページ）
    QLabel* Label4 = nullptr;         // 解像度
    QLineEdit* Text2 = nullptr;       // resolution in dpi
    QLabel* Label5 = nullptr;         // the bounds of the resolution
    QLabel* Label6 = nullptr;         // the rendered image's size in pixels
    QLabel* Text3 = nullptr;          // message field
    QPushButton* Command1 = nullptr;  // 決 定
    QPushButton* Command2 = nullptr;  // キャンセル
    QTimer* Timer1 = nullptr;         // hides the message field, 5000 ms
    MessageField* message_ = nullptr; // Text3 with Timer1
};

} // namespace tracol
