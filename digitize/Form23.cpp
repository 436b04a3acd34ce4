#include "digitize/Form23.h"

#include "ui/PictureBox.h"
#include "ui/Windows.h"

namespace tracol {

Form23::Form23(Windows& windows, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form23"));
    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    windows.form23 = this;
    windows.cleanImageLink = this;
}

} // namespace tracol
