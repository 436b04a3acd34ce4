#pragma once
// Form21 "DataSet" (採取データの表示): shows and edits the ten Lines while
// points are sampled, saves and loads them, and starts a computation.

#include "core/SharedState.h"
#include "ui/HintTable.h"
#include "ui/Windows.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tracol {

class MessageField;

class Form21 : public QWidget, public DataSetWindowLink {
    Q_OBJECT
  public:
    Form21(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~Form21() override;

    // DataSetWindowLink
    QWidget& window() override { return *this; }
    int selectedLine() const override;
    QString parameterText() const override;
    void followMainWindowLine(int line) override;
    void beginSampling(const QPoint& position, int line) override;
    void setSampledText(Axis axis, const QString& text) override;
    void showPointCount(int line) override;
    void showLinesReset() override;
    // After a data-set file was read: Line 1 selected, its number, count and
    // parameter shown, and the caption naming the file.
    void showLoadedFile(const QString& fileName) override;
    void takeMainWindowsPlace() override;
    // Shows a message in Text3 (magenta), hides the comment field and starts
    // the timer that hides the message again.
    void showMessage(const QString& message) override;
    void comeBack() override;

    // The ten Line boxes at their common place and size (a load from the
    // main window puts them there).
    void placeLineBoxes();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildControls();
    void connectControls();
    void activate();

    void selectLine(int line);      // Option1(line - 1) clicked
    void showLineBox(int line);     // box of Line `line` on top, the others hidden
    void markLineLabels();          // the procedure HU
    void lineBoxEdited(int line);   // the user changed box `line`
    void showLineBoxText(int line); // LineBox[line] changed elsewhere
    void countPoints(int line);     // point counting after a change of box `line`
    void setLineBox(int line, const QString& text);
    void commitParameter();
    void toggleBoxHeight(int line);

    void saveAll();          // Command1 全保存
    void saveSelected();     // Command3 選択保存
    void deleteAllLines();   // Command2 全Line削除
    void deleteSelected();   // Command4 選択Line削除
    void loadDataFile();     // Command7 数値ﾃﾞｰﾀの呼込み
    bool startComputation(); // Command6 数式算出処理; false when a message was shown
    // The save buttons: the Lines are checked first (SingleLine alone when
    // it is not 0); the save dialog opens only when they pass.
    void validateThenSave(qint16 saveKind, int singleLine);
    void backToMainWindow(); // Command5 戻る（初期画面）

    void keepCurrentLineWithMainWindow(); // Timer1
    void moveMainWindowHere();            // Timer3
    void showHint(QObject* control);
    void showLineBoxes();     // every box from LineBox, without counting
    void showRestoredLines(); // undo or redo put the Lines back

    SharedState& state_;
    Windows& windows_;

    std::array<QRadioButton*, kLineCount> Option1{}; // Line selectors, k-1 for Line k
    std::array<QLabel*, kLineCount> Label3{};        // "Line 1" .. "Line10" beside them
    std::array<QPlainTextEdit*, kLineCount> Text1{}; // Line boxes, k-1 for Line k
    QLineEdit* Text2 = nullptr;                      // parameter of the selected Line
    QLabel* Text3 = nullptr;                         // message field
    QLabel* Text4 = nullptr;                         // comment field for hints
    QLineEdit* Text5 = nullptr;                      // number of the selected Line
    QLineEdit* Text6 = nullptr;                      // point count of the selected Line
    QLineEdit* Text8 = nullptr;                      // X value while sampling
    QLineEdit* Text9 = nullptr;                      // Y value while sampling
    QPushButton* Command1 = nullptr;                 // 全保存
    QPushButton* Command2 = nullptr;                 // 全Line削除
    QPushButton* Command3 = nullptr;                 // 選択保存
    QPushButton* Command4 = nullptr;                 // 選択Line削除
    QPushButton* Command5 = nullptr;                 // 戻る（初期画面）
    QPushButton* Command6 = nullptr;                 // 数式算出処理
    QPushButton* Command7 = nullptr;                 // 数値ﾃﾞｰﾀの呼込み
    QCheckBox* Check1 = nullptr;                     // comment mode
    QLabel* Label4 = nullptr;                        // "ｺﾒﾝﾄON/OFF"
    QTimer* Timer1 = nullptr;                        // Line follow, 1000 ms
    QTimer* Timer2 = nullptr;                        // message hide, 7000 ms
    QTimer* Timer3 = nullptr;                        // window follow, 200 ms
    MessageField* message_ = nullptr;                // Text3 with Timer2
    const HintTable hints_;

    int ParameterLine = 1;                    // Line whose parameter Text2 edits
    bool CommentMode = false;                 // hints are shown in Text4
    bool parameterEdited_ = false;            // a key was pressed in Text2
    bool showingLineBox_ = false;             // a box is being set from LineBox
    std::array<bool, kLineCount> enlarged_{}; // box k-1 is at its tall height
};

} // namespace tracol
