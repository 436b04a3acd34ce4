#pragma once
// Form20 "Tracol_R2.2": the main window, the hub of digitizing. It loads or
// pastes the graph image, holds the calibration controls, selects the Line
// that receives points, starts sampling, shows the live readout and the help.

#include "core/SharedState.h"
#include "digitize/CalibrationPanel.h"
#include "ui/HintTable.h"
#include "ui/Windows.h"

#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;
class QToolBar;

namespace tracol {
class MessageField;
class PictureBox;
} // namespace tracol

namespace tracol {

class Form20 : public QMainWindow, public MainWindowLink, public CalibrationPanel {
    Q_OBJECT
  public:
    Form20(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~Form20() override;

    // Start of the program: the start values, the empty clipboard, Line 1, the
    // empty Line boxes and the image window shown.
    void load();

    // ConversionView
    AxisKind axisKind(Axis axis) const override;
    void setSampledText(Axis axis, const QString& text) override;
    void setReadoutText(Axis axis, const QString& text) override;
    void setDataSetSampledText(Axis axis, const QString& text) override;
    void showMessage(const QString& message) override;

    // CalibrationPanel: what the image window asks while the user clicks.
    CalibrationInputs calibrationInputs() const override;
    void runCheckLogInputs() override;
    int checkedBaseBoxCount() const override;
    void setBaseBoxChecked(int box, bool checked) override;
    void clearBaseMarks() override;
    void showPosition(qint32 x, qint32 y) override;
    void copyReadoutToSampled() override;
    QString sampledText(Axis axis) const override;
    void enableLiveReadout() override;
    void hideHint() override;
    void focusValueBox(int box) override;
    void setWorkPointer(int kind) override;

    // MainWindowLink: what the data windows and dialogs ask.
    QWidget& window() override { return *this; }
    int selectedLine() const override;
    void selectLine(int line) override;
    void startLiveReadout() override;
    void stopLiveReadout() override;
    void startFollowingDataSet() override;
    void enableSamplingButton() override;
    AxisKind chosenAxisKind(Axis axis) const override { return axisKind(axis); }
    void takeNewImage() override;
    void comeBackFromKeyboardEntry() override;
    void comeBack() override;
    void requestExit() override;

    bool isBaseBoxChecked(int box) const;

    // The marks on the image drawn again from the calibration.
    void RedrawBaseMarks();
    void RedrawAllMarks();

    // Enabled when the image window should be drawn with the pointer of the
    // marks (the first base box click of the run has happened).
    bool baseBoxClickedOnce() const { return baseBoxClickedOnce_; }

  signals:
    // The window beeped (the calibration became ready).
    void beeped();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building the window (Form20_Controls.cpp).
    void buildMenus();
    void buildAdditionMenus(QMenu* fileMenu); // Form20_Additions.cpp
    void connectAdditionMenus();              // (needs the other windows: at load)
    void openPdfFile();                       // PDFOPEN
    // TRACE enabled while the calibration is ready and sampling is active,
    // and switched off otherwise.
    void updateTraceCommand();
    // The window's height: the graph's own controls and the toolbar above them.
    int windowHeight() const;
    void buildControls();
    void connectControls();

    ImageWindowLink& imageWindow() const { return windows_.imageWindow(); }
    PictureBox& cleanPicture() const { return windows_.cleanImage().cleanPicture(); }
    // Text1..Text6 get black text (a new image).
    void resetValueColours();

    // Calibration controls.
    void baseBoxClicked(int box);
    void valueBoxChanged(int box);
    void valueBoxCommitted(int box);
    void option2Clicked();
    void option3Clicked(int axis);
    void confirmClicked(); // Command4 "基本座標の確定"
    void midBoxClicked(int axis);
    void applyReadiness(bool ready);
    // Check6, Check7, Text10 and Text11 together.
    void setMidControlsEnabled(bool enabled);
    void setNotReadyControls();
    void autoConfirmOver(bool baseFrame);

    // Workflow.
    void openImageFile(); // BITMAP, Command2
    // The open dialog for an image (kOpenImage, kOpenPdf); this window and
    // the image window wait disabled.
    void openImageDialog(OpenPurposeValue purpose);
    void pasteImage();              // PAST, Command1
    void openDataFile();            // FFRD
    void keyboardEntry();           // HENKOU1
    void startSampling();           // Command5, kaisi, hyouji1
    void resetCalibrationClicked(); // Command6
    void lineOptionClicked(int index);
    void displayFormClicked();  // Check5
    void liveTick();            // Timer1
    void followDataSetWindow(); // Timer4
    void toggleHelp();          // HELP01
    void messageAreaClicked();  // click on Text7
    // Beside `control`, inside the window, at the size of its text; nothing
    // for an empty hint.
    void showHint(const QString& hint, const QWidget* control);
    // Command4's hint: the calibration is complete and has never been confirmed.
    bool confirmationHintDue() const;
    void backgroundMouseMove();
    void doBeep();

    SharedState& state_;
    Windows& windows_;

    // Menus
    QAction* BITMAP = nullptr;  // 画像ファイルの読み
    QAction* PAST = nullptr;    // 画像のPaste
    QAction* FFRD = nullptr;    // 数値ﾃﾞｰﾀの呼込み
    QAction* HENKOU1 = nullptr; // ｷｰﾎﾞｰﾄﾞ入力
    QAction* EEND = nullptr;    // ﾌﾟﾛｸﾞﾗﾑ終了
    QAction* kihon = nullptr;   // 基本座標の確定
    QAction* kaisi = nullptr;   // データ採取開始
    QAction* hyouji1 = nullptr; // 採取データの表示
    QAction* HELP01 = nullptr;  // HELP: help text shown or hidden
    // Beyond the graph's own steps (Form20_Additions.cpp)
    QAction* PDFOPEN = nullptr;      // PDFページの呼込み: a page of a PDF file as the image
    QAction* UNDO = nullptr;         // 元に戻す: the last change of the Lines taken back
    QAction* REDO = nullptr;         // やり直し
    QAction* POINTMARKS = nullptr;   // 採取点の表示: the Lines' points over the image (on)
    QAction* MAGNIFIER = nullptr;    // 拡大表示: the pane that enlarges the image round the pointer
    QAction* ZOOMFIT = nullptr;      // the picture fitted to the window
    QAction* ZOOM1 = nullptr;        // 1:1
    QAction* ZOOM2 = nullptr;        // 2x
    QAction* ZOOM4 = nullptr;        // 4x
    QAction* TRACE = nullptr;        // 曲線自動追跡: the next click on the picture traces a curve
    QToolBar* traceTools_ = nullptr; // TraceToolBar: TRACE as a button

    QGroupBox* Frame1 = nullptr;             // 基本座標
    QGroupBox* Frame2 = nullptr;             // 設定確認
    QGroupBox* Frame3 = nullptr;             // 画像の呼込み
    QGroupBox* Frame4 = nullptr;             // データ読取り: Line selection
    std::array<QCheckBox*, 5> baseBox_{};    // Check1..Check4: Xmin, Xmax, Ymin, Ymax (index 1..4)
    QCheckBox* Check5 = nullptr;             // display form of sampled values
    QCheckBox* Check6 = nullptr;             // Ｘｍid: X intermediate point
    QCheckBox* Check7 = nullptr;             // Ｙｍid: Y intermediate point
    QLineEdit* Text1 = nullptr;              // live readout X
    QLineEdit* Text2 = nullptr;              // live readout Y
    std::array<QLineEdit*, 7> valueBox_{};   // Text3..Text6: Xmin, Xmax, Ymin, Ymax values (index 3..6)
    QTextEdit* Text7 = nullptr;              // message area and help
    QLineEdit* Text8 = nullptr;              // sampled X value
    QLineEdit* Text9 = nullptr;              // sampled Y value
    QLineEdit* Text10 = nullptr;             // Xmid value
    QLineEdit* Text11 = nullptr;             // Ymid value
    QLabel* Text12 = nullptr;                // hint box
    QPushButton* Command1 = nullptr;         // 画像Paste
    QPushButton* Command2 = nullptr;         // 画像ﾌｧｲﾙの読み
    QPushButton* Command3 = nullptr;         // 終了: end at once
    QPushButton* Command4 = nullptr;         // 基本座標の確定
    QPushButton* Command5 = nullptr;         // データ採取開始
    QPushButton* Command6 = nullptr;         // Reset
    QPushButton* Command7 = nullptr;         // □: never acts
    QPushButton* Command8 = nullptr;         // 保 存
    std::array<QRadioButton*, 10> Option1{}; // Line  1 .. Line 10
    std::array<QRadioButton*, 2> Option2{};  // X / Y linear
    std::array<QRadioButton*, 2> Option3{};  // Log(X) / Log(Y)
    QLabel* Label8 = nullptr;                // 中間座標補正処理
    QLabel* Label9 = nullptr;                // X/Yサンプリング値
    QLabel* Label11 = nullptr;               // グラフデータ自動読取り
    QTimer* Timer1 = nullptr;                // live readout, 50 ms
    QTimer* Timer2 = nullptr;                // hides the message area and the hint, 5000 ms one shot
    QTimer* Timer4 = nullptr;                // keeps the DataSet window at this window's place, 200 ms
    MessageField* message_ = nullptr;        // Text7 showing a message, hidden by Timer2
    const HintTable hints_;                  // Text12's texts by control

    bool firstActivationDone_ = false;
    bool helpShown_ = false;
    bool hintsOff_ = false;      // Check5 has been clicked: no more hints
    bool confirmedOnce_ = false; // "基本座標の確定" has succeeded once
    bool baseBoxClickedOnce_ = false;
    bool givingUpUnmarked_ = false; // a base box click is unchecking the unmarked others
};

} // namespace tracol
