#pragma once
// Multi-line boxes of the toolkit hold LF line ends, while the Lines, the
// pages of keyboard entry and the data files use CR LF. These two turn one
// form into the other so that no line break is lost or doubled.

#include <QPlainTextEdit>
#include <QString>

namespace tracol {

// CR LF (or a lone CR) to LF, for showing a text in a multi-line box.
inline QString toBoxText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// LF to CR LF, for taking a multi-line box's text into the data.
inline QString fromBoxText(QString text) {
    text = toBoxText(std::move(text));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

// The text of a multi-line box in CR LF form.
inline QString boxText(const QPlainTextEdit* box) {
    return box ? fromBoxText(box->toPlainText()) : QString();
}

// Shows a CR LF text in a multi-line box unless it already shows it, keeping
// the cursor where it was as far as the new text allows.
inline void setBoxText(QPlainTextEdit* box, const QString& text) {
    if (!box)
        return;
    const QString shown = toBoxText(text);
    if (box->toPlainText() == shown)
        return;
    const int position = box->textCursor().position();
    box->setPlainText(shown);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(qMin(position, static_cast<int>(shown.size())));
    box->setTextCursor(cursor);
}

} // namespace tracol
