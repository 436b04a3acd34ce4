#pragma once
// Form24 "ﾃﾞｰﾀ書込み": the save dialog for data sets and result files. The
// window that needs a file sets SaveKind and SaveCaller and shows it; the
// dialog asks for the name, confirms, writes and hands control back.

#include "core/SharedState.h"
#include "ui/Windows.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tracol {

class DirListBox;
class DriveListBox;
class FileListBox;

class Form24 : public QWidget {
    Q_OBJECT
  public:
    Form24(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~Form24() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectControls();
    void activate();

    void driveChanged(const QString& drive);
    void directoryChanged(const QString& path);
    void fileClicked(const QString& name);
    void nameTyped(const QString& text);
    void nameClicked();
    void applyPattern();

    void confirmName(); // Command4, the save button
    void writeFile();   // Command5 了解
    void refuse();      // Command6 ＮＧ
    void back();        // Command2 戻る
    void cancel();      // Command1 ｷｬﾝｾﾙ
    void returnToCaller();

    void showMessage(const QString& message, const QColor& color);
    void showConfirmButtons(bool confirming);
    QString typedPath() const;

    SharedState& state_;
    Windows& windows_;

    DriveListBox* Drive1 = nullptr;  // drives
    DirListBox* Dir1 = nullptr;      // folders
    FileListBox* File1 = nullptr;    // files matching the pattern
    QLineEdit* Text1 = nullptr;      // full path of the file to write
    QLineEdit* Text2 = nullptr;      // message field
    QLineEdit* Text3 = nullptr;      // file-name pattern
    QLabel* Label2 = nullptr;        // title: the kind of save
    QPushButton* Command4 = nullptr; // save button, caption varies
    QPushButton* Command5 = nullptr; // 了解
    QPushButton* Command6 = nullptr; // ＮＧ
    QPushButton* Command2 = nullptr; // 戻る
    QPushButton* Command1 = nullptr; // ｷｬﾝｾﾙ
    QTimer* Timer1 = nullptr;        // hides the message field, 3000 ms

    QString rememberedDirectory_; // folder of the last directory change
    QPoint rememberedPosition_;
    bool positionRemembered_ = false;
};

} // namespace tracol
