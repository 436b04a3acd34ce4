#pragma once
// The frame the two save dialogs share (Form24 for data sets and result
// files, Form84 for graph-data CSV and keyboard data): drive, folder and file
// lists, the name box and its checks, the confirmation with "了解" / "ＮＧ",
// the writing with "保存中", and the hand-back to the window that asked. Each
// dialog says what it writes, under which title, and where control returns.

#include "core/SharedState.h"
#include "data/DataSetFile.h"
#include "ui/Windows.h"

#include <QPoint>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tracol {

class DirListBox;
class DriveListBox;
class FileListBox;
class MessageField;

class SaveDialog : public QWidget {
    Q_OBJECT
  public:
    ~SaveDialog() override;

  protected:
    SaveDialog(SharedState& state, Windows& windows, const QString& objectName, QWidget* parent);

    // What a dialog adds to the frame.
    virtual QString titleText() const = 0;         // Label2
    virtual QString saveButtonCaption() const = 0; // Command4 on opening
    virtual QString& rememberedPattern() = 0;      // the file pattern, kept between openings
    virtual QString initialPattern() const = 0;    // the pattern "ｷｬﾝｾﾙ" goes back to
    // A question of the dialog's own before "了解" (empty: none).
    virtual QString nameWarning(const QString& path) const;
    // The dialog writes data sets and so never replaces a file that is not a
    // data file; by default a save of SaveKind 0 or 1.
    virtual bool writesDataSets() const;
    virtual FileOutcome write(const QString& path) = 0;
    virtual void returnToCaller() = 0;

    void showMessage(const QString& message, const QColor& color);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    SharedState& state_;
    Windows& windows_;

    DriveListBox* Drive1 = nullptr;   // drives
    DirListBox* Dir1 = nullptr;       // folders
    FileListBox* File1 = nullptr;     // files matching the pattern
    QLineEdit* Text1 = nullptr;       // full path of the file to write
    QLineEdit* Text2 = nullptr;       // message field
    QLineEdit* Text3 = nullptr;       // file-name pattern
    QLabel* Label2 = nullptr;         // title: the kind of save
    QPushButton* Command4 = nullptr;  // save button, caption varies
    QPushButton* Command5 = nullptr;  // 了解
    QPushButton* Command6 = nullptr;  // ＮＧ
    QPushButton* Command2 = nullptr;  // 戻る
    QPushButton* Command1 = nullptr;  // ｷｬﾝｾﾙ
    QTimer* Timer1 = nullptr;         // hides the message field, 3000 ms
    MessageField* message_ = nullptr; // Text2 with Timer1

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

    // A clicked file is taken only when it looks like a data file, while
    // the SaveKind last set is 0 or 1 (in Form84 too).
    bool clickChecksFirstLine() const;
    void showConfirmButtons(bool confirming);
    QString typedPath() const;
    bool wouldReplaceFileThatIsNotData(const QString& path) const;

    QString rememberedDirectory_; // folder of the last directory change
    QPoint rememberedPosition_;
    bool positionRemembered_ = false;
};

} // namespace tracol
