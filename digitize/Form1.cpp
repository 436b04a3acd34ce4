#include "digitize/Form1.h"

#include "ui/Windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace tracol {

Form1::Form1(Windows& windows, QWidget* parent) : QWidget(parent, Qt::Window), windows_(windows) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("終了画面"));
    setFixedSize(260, 110);
    auto* label = new QLabel(QStringLiteral("Ｔｒａｃｏｌを終了しますか"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(10, 14, 240, 24);
    label->setAlignment(Qt::AlignCenter);
    auto* quit = new QPushButton(QStringLiteral("終了"), this);
    quit->setObjectName(QStringLiteral("Command1"));
    quit->setGeometry(30, 60, 90, 28);
    auto* cancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton->setObjectName(QStringLiteral("Command2"));
    cancelButton->setGeometry(140, 60, 90, 28);
    connect(quit, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
    connect(cancelButton, &QPushButton::clicked, this, &Form1::cancel);
    windows_.form1 = this;
    windows_.exitQuestionLink = this;
}

void Form1::ask() {
    QWidget& main = windows_.mainWindow().window();
    QWidget& image = windows_.imageWindow().window();
    if (!isVisible())
        before_ = {Held{&main, main.isVisible(), main.isEnabled()},
                   Held{&image, image.isVisible(), image.isEnabled()}};
    show();
    main.setEnabled(false);
    image.setEnabled(false);
}

void Form1::cancel() {
    // The windows go back to how they were when the question came: one that
    // waited for a dialog or for sampling waits on. A window that another one
    // has shown, hidden or enabled meanwhile (a dialog giving control back,
    // keyboard entry taking over) stays as that one left it. The question goes
    // only once the windows it returns to are back.
    for (const Held& held : before_)
        if (held.window && held.window->isVisible() == held.shown && !held.window->isEnabled())
            held.window->setEnabled(held.enabled);
    hide();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the question is answering it with "キャンセル".
    event->accept();
    cancel();
}

} // namespace tracol
