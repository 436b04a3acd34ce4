#pragma once
// The checks the save dialogs make on a file name before writing: the shape
// of the name, and whether an existing file picked for a data-set save is a
// data file at all.

#include <QString>

namespace tracol {

// A save name needs a dot with at least two characters after it and at least
// four characters in all ("a.bc" passes, "ab.c" does not). Only the file name
// is examined, so a dot in a folder name does not count.
bool isAcceptableSaveName(const QString& path);

// An existing file whose extension without its last character is "TX", "DA"
// or "DO" (compared exactly) is examined before a data-set save replaces it.
bool needsFirstLineCheck(const QString& fileName);

// True when the first line of the file (code page 932) is a block header of a
// data-set file (any parameter text, kind 1, a count), or holds only tabs,
// line breaks and "0123456789-+., EDed": a data-set file, safe to replace. A
// file that cannot be opened passes (there is nothing of the user's to protect).
bool firstLineLooksLikeData(const QString& path);

// The file name of a path: the text after the last separator ("/" or the
// platform's own), blanks removed.
QString fileNameOfPath(const QString& path);
// The folder of a path: the text before the last separator; a root keeps its
// separator ("/", "C:\").
QString folderOfPath(const QString& path);

} // namespace tracol
