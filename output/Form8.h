#pragma once
// Form8 "印刷" (title "印刷設定"): the print settings - paper size,
// orientation, font and size - for every printed output. Opened from the
// computation screen ("プリンタ設定") or the plot screen ("用紙設定"), which
// gets control back. Paper and orientation apply at once; the font and the
// size apply with "決　定", and "戻　る" leaves them as they were.
//
// The window also builds the program's print output (ui/PrintOutput.h), the
// printer that the settings are for.

#include "core/SharedState.h"
#include "ui/Windows.h"

#include <QPoint>
#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace tracol {

class MessageField;
class PrintOutput;

class Form8 : public QWidget, public PrintSettingsLink {
    Q_OBJECT
  public:
    static const QString kProportionalWarning;
    static const QString kBadPaperMessage;
    static const QString kBadOrientationMessage;

    Form8(SharedState& state, Windows& windows, QWidget* parent = nullptr);
    ~Form8() override;

    // PrintSettingsLink
    QWidget& window() override { return *this; }
    void openFrom(qint16 caller) override;

    // A size entry of List2: the size right-aligned in 3 characters and " ﾎﾟｲﾝﾄ".
    static QString sizeEntry(int pointSize);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void connectControls();
    void load(); // the window's opening steps

    void fontChosen(int row);                   // List1
    void sizeChosen(int row);                   // List2
    void paperTyped(const QString& text);       // Combo1 typed or chosen
    void orientationTyped(const QString& text); // Combo2 typed or chosen
    void checkPaperOnLeaving();
    void checkOrientationOnLeaving();
    void showSummary(); // MSKS
    void decide();      // Command1 決　定
    void back();        // Command2 戻　る
    void leave();

    SharedState& state_;
    Windows& windows_;
    PrintOutput* printOutput_ = nullptr;
    qint16 caller_ = kCallerComputation;
    std::optional<QPoint> rememberedPosition_;
    bool loading_ = false;

    QLabel* Label1 = nullptr;        // title 印刷設定
    QComboBox* Combo1 = nullptr;     // paper size: A3, A4, B4, B5
    QComboBox* Combo2 = nullptr;     // orientation: 縦, 横
    QListWidget* List1 = nullptr;    // fonts
    QLineEdit* Text1 = nullptr;      // the chosen font
    QLabel* printFontNote = nullptr; // the installed font the chosen one prints in
    QListWidget* List2 = nullptr;    // sizes 4..18 points
    QLineEdit* Text2 = nullptr;      // the chosen size
    QListWidget* List3 = nullptr;    // summary of the printer settings (MSKS)
    QLabel* Text4 = nullptr;         // message field
    QPushButton* Command1 = nullptr; // 決　定
    QPushButton* Command2 = nullptr; // 戻　る
    QTimer* Timer2 = nullptr;        // hides the message, 5000 ms
    MessageField* message_ = nullptr;
};

} // namespace tracol
