#pragma once
#include <string>

namespace zw {

// The run time's string functions on UTF-8 texts. Lengths and positions count UTF-16 code units, as
// the run time's own strings do. Inside a control's or the form's member functions, write zw::Left and
// zw::Right: the controls' Left property hides them there.

// LF and CR, the separators of stored settings, and CR LF, the line break of messages.
inline const std::string LF = "\n";
inline const std::string CR = "\r";
inline const std::string CRLF = "\r\n";

// Leading and trailing spaces removed (spaces only, as the run time's Trim does).
std::string Trim(const std::string& text);
// Upper case, for the letters that have one (ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic).
std::string UCase(const std::string& text);
int Len(const std::string& text);
std::string Left(const std::string& text, int length);
std::string Right(const std::string& text, int length);

} // namespace zw
