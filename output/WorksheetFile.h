#pragma once
// The worksheet file "Rrr.csv" written line by line. The lines go to a
// temporary file beside it; only a complete worksheet replaces the old one, so
// a failed write never leaves half a sheet behind, and the failure is reported.

#include <QSaveFile>
#include <QString>

namespace tracol {

class WorksheetFile {
  public:
    explicit WorksheetFile(const QString& path);

    // Writes `text` as one line (CR LF, code page 932); the first call opens the
    // file. False once the file could not be opened or written.
    bool AppendWorksheetLine(const QString& text);

    // Closes the file: the new worksheet takes the place of the old one. False
    // (and the old worksheet kept) when any step failed.
    bool finish();

    // Why the worksheet could not be written (empty while all went well).
    QString errorString() const { return error_; }

    // The message naming the character that code page 932 cannot hold, when
    // that stopped the worksheet (empty otherwise).
    QString unwritableMessage() const { return unwritableMessage_; }

  private:
    bool fail(const QString& why);

    QSaveFile file_;
    bool opened_ = false;
    bool failed_ = false;
    QString error_;
    QString unwritableMessage_;
};

} // namespace tracol
