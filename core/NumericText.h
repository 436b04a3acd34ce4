#pragma once
// How Tracol reads numbers from text and writes them back: the accepted
// character sets, the reading of a text as a number, rounding to integers,
// the general number text and the two display forms of sampled values.

#include <QString>

#include <optional>

namespace tracol::numtext {

// Characters a calibration value box (Text3..Text6 of the main window) accepts.
inline const QString kCalibrationChars = QStringLiteral("-+1234567890EeDd.");
// Characters of a point's X or Y text when a computation starts.
inline const QString kDataChars = QStringLiteral("0123456789.-+EDde");
// Characters of a data file's first line, checked by the save dialogs.
inline const QString kSaveDialogChars = QStringLiteral("0123456789-+., EDed");

// True when every character of text occurs in set; the order is not checked and
// an empty text passes.
bool allCharsIn(const QString& text, const QString& set);

// The numeric value of a text: read from the left, blanks, tabs and line feeds
// skipped anywhere; sign, digits, one ".", an exponent introduced by E, e, D or
// d; stops at the first character that does not fit; no leading number gives 0.
// "&H" and "&O" read hexadecimal and octal integers.
double val(const QString& text);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Round half to even into a 16-bit Integer; no value when out of range or not finite.
std::optional<qint16> toInteger(double value);

// General number text: a leading blank for zero and positive values, "-" for
// negative ones, then the digits in the shortest form.
QString generalText(qint64 value); // Integer: all digits
QString generalText(float value);  // Single: at most 7 significant digits
QString generalText(double value); // Double: at most 15 significant digits

// The same without the leading blank ("trimmed number text").
QString trimmedText(float value);
QString trimmedText(double value);

// Plain integer text: the digits, "-" for negative numbers, no leading blank.
QString plainInteger(qint64 value);

// Exponent display form "#.###00E+00": one digit, the point, five digits
// (six significant digits), "E", the exponent's sign and at least two digits.
QString exponentForm(double value);

// Plain display form: the exponent form read back as a Single and written as
// general number text (leading blank for non-negative values).
QString plainForm(double value);

// The text of a sampled value in the display form chosen by Check5.
QString sampledValueText(double value, bool expDisplay);

// A whole text read as one number (surrounding blanks allowed, E or D
// exponent); no value when the text is not one complete number.
std::optional<double> parseNumber(const QString& text);

// Check5 switched: a sampled value text written again in the chosen form; a
// text that is not a number comes back unchanged.
QString redisplaySampledText(const QString& text, bool expDisplay);

} // namespace tracol::numtext
