#pragma once
// Form22 "データ呼込み": the open dialog. A window that needs a file sets
// OpenPurpose (3 image, 4 PDF page, 2 data set from the main window, 1 data
// set from the DataSet window), disables itself and shows this dialog; the
// dialog loads the file and hands control back (a PDF file's page is chosen
// in FormPdfPage first).

#include "core/SharedState.h"
#include "ui/Windows.h"

#include <QPoint>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tracol {

class DriveListBox;
class DirListBox;
class FileListBox;
class MessageField;

class Form22 : public QWidget, public OpenDialogLink {
    Q_OBJECT
  public:
    Form22(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~Form22() override;

    // OpenDialogLink
    QWidget& window() override { return *this; }
    void open(qint16 openPurpose) override;
    bool openPath(const QString& path) override; // Form22_Path.cpp
    bool takeImage(QWidget& asking, const QImage& image, const QString& path,
                   const QString& source) override; // Form22_Image.cpp

    static inline const QString kBadFileName = QStringLiteral("ファイル名が不正");
    static inline const QString kDriveNotReady = QStringLiteral("ドライブの準備が出来ていません");

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void activate();
    QString& rememberedPattern();
    void driveChosen(const QString& drive);
    void directoryChanged(const QString& path);
    void patternEntered();
    void fileClicked(const QString& name);
    void pathEdited();
    void pathLeft();
    void decide(); // Command1 "決定"
    void back();   // Command2 "戻 る"
    void cancel(); // Command3 "ｷｬﾝｾﾙ"
    void returnToCaller(int purpose);
    void showFileMessage(const QString& message);
    // The drive and directory lists, CurrentFileName, LastFileName and
    // LastDirectory follow a chosen path; the current directory becomes its folder.
    void followChosenPath(const QString& path);

    // Purpose 3 (Form22_Image.cpp): loads the image; false keeps the dialog open.
    bool loadImage();
    // Purpose 4 (Form22_Image.cpp): the page window takes the PDF file;
    // false (a file that cannot be read) keeps the dialog open.
    bool openPdf();
    // Purposes 1 and 2 (Form22_DataSet.cpp): reads the data-set file; false
    // keeps the dialog open.
    bool openDataSet();

    SharedState& state_;
    Windows& windows_;
    DriveListBox* Drive1 = nullptr;   // drive list
    DirListBox* Dir1 = nullptr;       // directory list
    FileListBox* File1 = nullptr;     // file list
    QLineEdit* Text1 = nullptr;       // full path of the chosen file
    QLabel* Text3 = nullptr;          // message field
    QLineEdit* Text4 = nullptr;       // file-name pattern
    QLabel* Label1 = nullptr;         // title
    QLabel* Label2 = nullptr;         // purpose
    QPushButton* Command1 = nullptr;  // 決定
    QPushButton* Command2 = nullptr;  // 戻 る
    QPushButton* Command3 = nullptr;  // ｷｬﾝｾﾙ
    QTimer* Timer1 = nullptr;         // hides the message field, 5000 ms
    MessageField* message_ = nullptr; // Text3 with Timer1
    std::optional<QPoint> rememberedPosition_;
};

} // namespace tracol
