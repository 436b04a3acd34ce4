#pragma once
// Form29 "計算処理条件設定": the calculation conditions — the cutoff error and
// its score Gr, the error evaluation mode, the highest number of sections and
// the excluded coordinate systems. Opened from the computation screen; "決定"
// keeps what passed its checks, "ｷｬﾝｾﾙ" restores what was set on opening.

#include "core/SharedState.h"
#include "fit/Conditions.h"
#include "ui/Windows.h"

#include <QPoint>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace tracol {

class Form29 : public QWidget, public ConditionsWindowLink {
    Q_OBJECT
  public:
    static const QString kHelpText;

    Form29(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~Form29() override;

    // ConditionsWindowLink
    QWidget& window() override { return *this; }
    void open() override;
    void includeAllSystemsUnseen() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void connectControls();
    void load(); // the window's opening steps

    void scrolled(int value);             // HScroll1 moved by the user
    void cutoffTyped();                   // Text2 changed
    void keepScrollWithCutoff();          // Timer2
    void setScroll(int value);            // HScroll1 set without its change handling
    void systemBoxClicked(int box);       // Check1(box)
    void allSystemsClicked(bool checked); // Check2
    void showHelp();                      // Command4 ？
    void hideHelpAndWarning();            // Timer1
    void decide();                        // Command1 決定
    void standardValues();                // Command2 標準値
    void cancel();                        // Command3 ｷｬﾝｾﾙ
    void leave();                         // back to the computation screen

    SharedState& state_;
    Windows& windows_;
    Conditions::SavedConditions saved_;
    std::optional<QPoint> rememberedPosition_; // where "決定" last closed the window
    bool loaded_ = false;
    bool settingScroll_ = false;

    std::array<QLabel*, 2> Label1{};        // "処理条件入力", "排他座標系の設定"
    QGroupBox* Frame1 = nullptr;            // 計算打切精度（相対誤差）の設定
    QScrollBar* HScroll1 = nullptr;         // Gr 0..120
    QLineEdit* Text2 = nullptr;             // cutoff error as text
    QLabel* Label9 = nullptr;               // current cutoff (beside "現在値")
    QLabel* Label6 = nullptr;               // "Gr = ..."
    QLabel* Label7 = nullptr;               // 入力ｴﾗｰ of Text2
    QGroupBox* Frame2 = nullptr;            // 計算誤差評価方法の設定
    std::array<QRadioButton*, 3> Option1{}; // error modes 0..2
    QLineEdit* Text1 = nullptr;             // error mode as text
    QLabel* Label3 = nullptr;               // current mode (beside "現在モード")
    QLabel* Label5 = nullptr;               // 入力ｴﾗｰ of Text1
    QGroupBox* Frame3 = nullptr;            // 最高分割数の設定
    std::array<QRadioButton*, 3> Option2{}; // 1, 2 or 3 sections
    QLineEdit* Text3 = nullptr;             // highest number of sections as text
    QLabel* Label11 = nullptr;              // current value (beside "現在値")
    QLabel* Label12 = nullptr;              // 入力ｴﾗｰ of Text3
    QGroupBox* Frame4 = nullptr;            // 排他座標系の設定
    std::array<QCheckBox*, 7> Check1{};     // systems A..G, checked = excluded
    QCheckBox* Check2 = nullptr;            // 全ての座標で計算
    QPushButton* Command4 = nullptr;        // ？ help
    QLabel* Text4 = nullptr;                // help text
    QLabel* Label16 = nullptr;              // 計算座標系なし
    QPushButton* Command1 = nullptr;        // 決定
    QPushButton* Command2 = nullptr;        // 標準値
    QPushButton* Command3 = nullptr;        // ｷｬﾝｾﾙ
    QTimer* Timer1 = nullptr;               // hides the help and the warning, 12000 ms
    QTimer* Timer2 = nullptr;               // keeps the scroll bar with the typed cutoff, 1000 ms
};

} // namespace tracol
