#pragma once
// Every window of Tracol, created once by the application and reached by the
// others through this hub. Windows are hidden and shown, never destroyed,
// until the program ends; a pointer is null while its window is not built.
//
// Windows address each other's controls by their names (see Controls.h), as
// in "Text6 of Form21"; a missing window or control is simply skipped.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tracol {

class Windows : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    QPointer<QWidget> form1;     // 終了画面: exit confirmation
    QPointer<QWidget> form20;    // Tracol_R2.2: main window
    QPointer<QWidget> form21;    // DataSet: the collected Lines
    QPointer<QWidget> form22;    // データ呼込み: open dialog
    QPointer<QWidget> form23;    // hidden holder of the clean image
    QPointer<QWidget> form24;    // ﾃﾞｰﾀ書込み: save dialog
    QPointer<QWidget> form29;    // 計算処理条件設定: calculation conditions
    QPointer<QWidget> form33;    // 数式算出処理画面: computation screen
    QPointer<QWidget> form50;    // ﾃﾞｰﾀ入力: keyboard entry
    QPointer<QWidget> form70;    // ＰＬＯＴ画面: plot screen
    QPointer<QWidget> form8;     // 印刷: print settings
    QPointer<QWidget> form84;    // ﾃﾞｰﾀ書込み: CSV and keyboard-data save dialog
    QPointer<QWidget> grForm35;  // 計算状況目安: progress window
    QPointer<QWidget> mdiForm20; // TracolGraph: image window

  signals:
    // The live text of Line `line` (SharedState::LineBox) was changed outside
    // the DataSet window (sampling, a file read); the window shows it again.
    void lineBoxChanged(int line);
};

} // namespace tracol
