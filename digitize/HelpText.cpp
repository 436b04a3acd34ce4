#include "digitize/HelpText.h"

#include <QStringList>

namespace tracol {

QString mainWindowHelpText() {
    static const QStringList pieces = {
        QStringLiteral("先ず画像データを呼込みます。ファイルから呼込むときは｢画像ﾌｧｲﾙの読み｣、COPYした画像を"
                       "貼付ける場合は"),
        QStringLiteral("｢画像のPaste｣キーを操作し、画面に展開します。画像はスキャナー等で得られた画像データで"
                       "す｡画像の大きさ"),
        QStringLiteral("には少し注意が必要です｡画面の広さををマウスで調整します。 "
                       "Xmax､Ymax等にチェックした後、画像の中に位置指定をします。これらの座標値も入力します。"
                       "この操作の後、"),
        QStringLiteral("「基本座標の確定」を指示（自動確定される）します。また、対数座標で有ればそれを指定し"
                       "た後､先ず､テストサンプリングします｡原本"),
        QStringLiteral("の歪み等でうまく数値変換できない場合は中間座標値（中間座標補正処理）でＸ、Ｙ座標を指"
                       "定（ともに１カ所）します。"),
        QStringLiteral(
            "その後、「データ採取開始」の指定を行います。ここからデータ採取が始まります。画像をマウスにて、"
            "クリック指定するとそのＸ、Ｙ座標値と"),
        QStringLiteral(
            "採取データ数が表示されます。読取ったデータの修正は「Line削除」キーや直接表示値を修正します。"),
        QStringLiteral("Xmax､Ymax､座標系の訂正や中間座標補正等は任意な場面で修正は可能です｡このプログラムで作"
                       "成したデータ"),
        QStringLiteral(
            "を展開するには「数値データの呼込み」、手入力の場合は「キーボード入力」をメニューから選びます。"),
        QStringLiteral("この表示を消す場合はこの領域を左マウスでクリックします。        "),
    };
    return pieces.join(QString());
}

} // namespace tracol
