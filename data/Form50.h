#pragma once
// Form50 "ﾃﾞｰﾀ入力" (キーボード入力): typed or pasted points for up to ten
// Lines, one page per Line, without an image.

#include "core/SharedState.h"
#include "data/KeyboardEntry.h"
#include "ui/HintTable.h"
#include "ui/Windows.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPlainTextEdit;
class QPushButton;

namespace tracol {

class MessageField;

class Form50 : public QWidget, public KeyboardEntryLink {
    Q_OBJECT
  public:
    Form50(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~Form50() override;

    // KeyboardEntryLink
    QWidget& window() override { return *this; }
    void openFromMainWindow(const QPoint& position) override;
    void comeBack() override;

    static const QString kHelpText;
    static const QString kReplaceQuestion;

    int displayedPage() const { return page_; } // 0..9, page k-1 for Line k

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void buildControls();
    void connectControls();

    void askBeforeReplacing();
    void keepLines();           // "キャンセル" to the question: back, nothing replaced
    void replaceLinesByPages(); // the activation: the pages become the Lines
    void showPage(int page);
    void dataBoxChanged(int page);
    void dataBoxEntered(int page); // Enter in a data box
    KeyboardPages pages() const;
    void setPages(const KeyboardPages& pages);

    bool prepare();          // the computation start without the hand-over
    void startComputation(); // Command3 数式算出処理
    void saveAllData();      // Command6 全データ保存
    void deletePage();       // Command7 選択Line削除
    void convertToCommas();  // Command8 ｶﾝﾏ区切り変換
    void back();             // Command4 戻る
    void showMessage(const QString& message);
    void showHint(QWidget* control);

    SharedState& state_;
    Windows& windows_;

    std::array<QLineEdit*, kLineCount> Text1{};      // parameter of page k
    std::array<QPlainTextEdit*, kLineCount> Text2{}; // point lines of page k
    std::array<QLineEdit*, kLineCount> Text3{};      // point count of page k
    QLabel* Label6 = nullptr;                        // number of the displayed page
    QPushButton* Command1 = nullptr;                 // ← previous page
    QPushButton* Command2 = nullptr;                 // → next page
    QPushButton* Command3 = nullptr;                 // 数式算出処理
    QPushButton* Command4 = nullptr;                 // 戻る
    QPushButton* Command5 = nullptr;                 // ？ help
    QPushButton* Command6 = nullptr;                 // 全データ保存
    QPushButton* Command7 = nullptr;                 // 選択Line削除
    QPushButton* Command8 = nullptr;                 // ｶﾝﾏ区切り変換
    QCheckBox* Check1 = nullptr;                     // hints on or off
    QLabel* Text4 = nullptr;                         // help text
    QLabel* Text5 = nullptr;                         // message field
    QLabel* Text6 = nullptr;                         // hint field
    QTimer* Timer1 = nullptr;                        // hides the message field, 4000 ms
    MessageField* message_ = nullptr;                // Text5 with Timer1
    const HintTable hints_;

    int page_ = 0;
    bool settingBox_ = false; // a data box is being given its cleaned text
    QPointer<QMessageBox> question_;
};

} // namespace tracol
