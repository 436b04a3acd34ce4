#pragma once
// Form33 "数式算出処理画面": the computation screen. Its start button runs
// the fitting of the Lines that the DataSet window or keyboard entry
// prepared; four lists show the trace (List1), the details of the stored
// equations (List2), the equations per X interval (List3) and the report of
// conditions and relations (List4). Menus save the results, change the
// conditions, print and show the worksheet.

#include "core/SharedState.h"
#include "ui/Windows.h"

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace tracol {

class MessageField;
class TextListBox;

class Form33 : public QMainWindow, public ComputationScreenLink {
    Q_OBJECT
  public:
    static const QString kHelpText;

    Form33(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~Form33() override;

    // ComputationScreenLink
    QWidget& window() override { return *this; }
    void openFrom(qint16 caller) override;
    void comeBack() override;
    void restartColourAnimation() override;
    void computationAborted() override;
    void plotScreenClosed() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum ListIndex { kList1, kList2, kList3, kList4 };

    // Building (Form33.cpp).
    void buildMenus();
    void buildControls();
    void connectControls();
    void load(); // the screen's loading steps, at every opening

    // The computation (Form33_Computation.cpp).
    void startComputation();              // Command1
    void setButtonsEnabled(bool enabled); // start, 戻 る, 描 画, the worksheet button, Label1
    void showLists();
    void showStartPrompt(); // Label1 and Command1 as they wait for a start

    // Lists, layout and copying (Form33_Lists.cpp).
    void layOutControls();
    void listPressed(ListIndex list, Qt::MouseButton button);
    void copySelection(ListIndex list);
    void toggleEnlarged(ListIndex list);
    void dragDivider(int globalY);

    // Menus and buttons.
    bool refuseBeforeComputation(MessageField& box); // the lists hold no result yet
    void openSaveDialog(qint16 saveKind);
    void showWorksheet(MessageField& box); // Command5 / lexcel
    void openConditions();                 // SEIDO
    void openPlot(bool fromDrawButton);    // Command3 描 画 / GPP
    void openPrintSettings();              // PPSET
    void printReport();                    // PROUTX
    void back();                           // Command2 戻 る
    void showHelp();                       // Command4 ?
    void blinkPrompt();                    // Timer4
    void fadePromptColour();               // Timer2
    void hideHelpAndCaptions();            // Timer1

    SharedState& state_;
    Windows& windows_;

    // Menus
    QMenu* FILESV = nullptr;   // File
    QAction* XYDAT = nullptr;  // ＸＹデータ保存
    QAction* OUTRES = nullptr; // 関連式保存
    QAction* ALLRES = nullptr; // 全結果保存
    QAction* PPSET = nullptr;  // プリンタ設定
    QAction* PROUTX = nullptr; // 印刷
    QAction* SSEND1 = nullptr; // プログラム終了
    QMenu* OPT = nullptr;      // Option
    QAction* SEIDO = nullptr;  // 計算処理条件設定
    QAction* GPP = nullptr;    // 処理結果の描画
    QAction* lexcel = nullptr; // 図読取表（Excel）表示

    QPushButton* Command1 = nullptr;      // start: 計算開始, 再計算開始, 実行中, GO
    QPushButton* Command2 = nullptr;      // 戻 る
    QPushButton* Command3 = nullptr;      // 描 画
    QPushButton* Command4 = nullptr;      // ? help
    QPushButton* Command5 = nullptr;      // 図算出表(Excel)表示
    QLabel* Label1 = nullptr;             // status line
    QLabel* Label2 = nullptr;             // 計算履歴: a double click saves List1
    QLabel* Label3 = nullptr;             // divider between the upper and the lower lists
    std::array<TextListBox*, 4> lists_{}; // List1..List4
    std::array<QLabel*, 4> Text2{};       // caption boxes over List3, List2, List4, List1
    QLabel* Text1 = nullptr;              // message box: copies, the start hint
    QLabel* Text3 = nullptr;              // message box of the menu commands
    QLabel* Text4 = nullptr;              // help
    QLabel* Text5 = nullptr;              // message box of the worksheet button
    MessageField* text1_ = nullptr;
    MessageField* text3_ = nullptr;
    MessageField* text5_ = nullptr;
    QTimer* Timer1 = nullptr; // hides the help and the caption boxes, 20000 ms
    QTimer* Timer2 = nullptr; // colour animation of the prompt, 20 ms
    QTimer* Timer3 = nullptr; // hides the message boxes, 5000 ms
    QTimer* Timer4 = nullptr; // blinks the prompt, 300 ms

    qint16 opener_ = kCallerNone;
    bool loadedOnce_ = false;
    bool running_ = false;
    int activeList_ = -1;
    std::array<bool, 4> enlarged_{};
    int upperHeight_ = 4000; // twips: height of the upper lists, set with the divider
    std::optional<int> dragStartY_;
    int dragStartHeight_ = 0;
    int fadeStep_ = 0; // Timer2: 0..kFadeSteps and back
    bool fadingUp_ = true;
    std::optional<QPoint> rememberedPosition_;
};

} // namespace tracol
