#pragma once
// Form70 "ＰＬＯＴ画面": the plot screen. It draws the points of every Line
// and the fitted curve of every section on linear or logarithmic axes, reads
// off clicked coordinates and picked points, shows the Parameters, copies the
// plot to the clipboard and writes its graph data as CSV.

#include "core/SharedState.h"
#include "output/PlotModel.h"
#include "output/PlotRange.h"
#include "ui/Windows.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tracol {

class PlotView;

class Form70 : public QWidget, public PlotScreenLink {
    Q_OBJECT
  public:
    static const QString kAdviceText;
    static const QString kHelpText;

    Form70(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~Form70() override;

    // PlotScreenLink
    QWidget& window() override { return *this; }
    void openFromComputation(bool fromDrawButton) override;
    void comeBack() override;

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectControls();
    void layOutControls();

    void openingSteps();  // the opening, again at every activation
    void resetLogBoxes(); // Check1 / Check2 from the main window's axis choices
    PlotRangeTexts rangeTexts() const;
    bool rangeUsable() const;
    PlotRequest plotRequest() const;
    void drawPlot();          // DrawPlot with the boxes and fields as they are
    void redraw();            // Command1 再 描 画, Check1, Check2
    void standardRange();     // Command3 標準座標
    void showParameters();    // Command4 Para表示
    void writeCsv();          // Command7 CSV_File
    void printGraphPage();    // Command5 ｸﾞﾗﾌ出力
    void printWindow();       // Command6 H Copy
    void openPrintSettings(); // Command8 用紙設定
    void back();              // Command2 戻 る
    void showHelp();          // Command10 ？
    void switchAutoHide();    // Command11 ！
    void hideReadouts();
    void hideAdviceAndHelp(); // Timer1
    void plotPressed(QPointF picture, bool leftButton);

    SharedState& state_;
    Windows& windows_;

    PlotView* Picture1 = nullptr;          // the plot
    std::array<QLineEdit*, 4> rangeBox_{}; // Text1..Text4: Xmin, Xmax, Ymin, Ymax
    std::array<QLabel*, 4> rangeLabel_{};  // Label1..Label4 beside them
    QCheckBox* Check1 = nullptr;           // logarithmic X axis
    QCheckBox* Check2 = nullptr;           // logarithmic Y axis
    QLabel* Label5 = nullptr;              // "Log" of X: a double click switches the readouts' hiding
    QLabel* Label6 = nullptr;              // "Log" of Y: a double click switches "ｸﾞﾗﾌ出力"
    QPushButton* Command1 = nullptr;       // 再 描 画
    QPushButton* Command2 = nullptr;       // 戻 る
    QPushButton* Command3 = nullptr;       // 標準座標
    QPushButton* Command4 = nullptr;       // Para表示
    QPushButton* Command5 = nullptr;       // ｸﾞﾗﾌ出力
    QPushButton* Command6 = nullptr;       // H Copy
    QPushButton* Command7 = nullptr;       // CSV_File
    QPushButton* Command8 = nullptr;       // 用紙設定
    QPushButton* Command9 = nullptr;       // 関連式出力
    QPushButton* Command10 = nullptr;      // ？ help
    QPushButton* Command11 = nullptr;      // ！ readouts hide by themselves
    QLabel* Text5 = nullptr;               // advice
    QLabel* Text6 = nullptr;               // readout of a click
    QLabel* Text7 = nullptr;               // readout of a picked data point
    QLabel* Text8 = nullptr;               // help
    QTimer* Timer1 = nullptr;              // hides the advice and the help, 30000 ms
    QTimer* Timer2 = nullptr;              // hides the readouts when ReadoutAutoHide is on, 2000 ms

    PlotRangeValues standard_;         // the range found on opening
    bool ParaShown = false;            // the Parameter labels are drawn
    int ReadoutAutoHide = 1;           // 1 off, -1 on
    int PlotOpenCount = 0;             // closings with "戻 る", 0..5
    bool adviceHiddenRequest_ = false; // opened with the computation screen's "描 画"
    bool autoHideSwitchArmed_ = false; // Label5 double-clicked since the window was loaded
    bool opening_ = false;             // the opening steps are running
    bool activationOfOpening_ = false; // the next activation comes from the opening
    std::optional<QPoint> rememberedPosition_;
};

} // namespace tracol
