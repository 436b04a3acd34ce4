#include "ui/DiscardQuestion.h"

#include "data/SavedLines.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

namespace tracol {

QMessageBox* makeDiscardQuestion(QWidget* parent, const DiscardQuestion& question) {
    auto* box = new QMessageBox(QMessageBox::Question, question.title, question.text,
                                QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(question.objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QAbstractButton* discard = box->button(QMessageBox::Yes);
    discard->setText(question.discardCaption);
    discard->setObjectName(QStringLiteral("Discard"));
    QAbstractButton* keep = box->button(QMessageBox::No);
    keep->setText(question.keepCaption);
    keep->setObjectName(QStringLiteral("Keep"));
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

bool mayDiscardUnsavedPoints(QWidget* parent, const SharedState& state, const DiscardQuestion& question) {
    if (!hasUnsavedPoints(state))
        return true;
    // Kept after it closes so that its answer can be read; gone with its
    // parent should the parent go first.
    const QPointer<QMessageBox> box = makeDiscardQuestion(parent, question);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    const bool discard = box->exec() == QMessageBox::Yes;
    delete box.data();
    return discard;
}

bool mayEndProgram(QWidget* parent, const SharedState& state) {
    return mayDiscardUnsavedPoints(
        parent, state,
        {QStringLiteral("EndProgramQuestion"), QStringLiteral("終了画面"),
         QStringLiteral("保存していない採取データがあります。\n破棄してプログラムを終了しますか？"),
         QStringLiteral("終了"), QStringLiteral("キャンセル")});
}

void endProgram(QWidget* parent, const SharedState& state) {
    if (mayEndProgram(parent, state))
        QCoreApplication::exit(0);
}

} // namespace tracol
