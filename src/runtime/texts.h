#pragma once
// Text operations of the window runtime. Texts are UTF-8 inside the program; positions
// and lengths are counted as the shop's GBK code page counts them: an ASCII character
// is 1 byte, every other character 2. Positions are 1-based; "not found" is -1.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// GBK conversion at the program's edges (files, byte rules). nullopt when the text
// holds a character GBK cannot hold (or, for GbkToUtf8, bytes that are not GBK).
std::optional<std::string> Utf8ToGbk(std::string_view utf8);
std::optional<std::string> GbkToUtf8(std::string_view gbk);
bool FitsGbk(std::string_view utf8);

int TextLength(std::string_view text);
// The whole characters within the first (last) bytes of the text: a double-byte
// character cut by the limit is left out, so the result is never longer than asked.
std::string TextLeft(std::string_view text, int bytes);
std::string TextRight(std::string_view text, int bytes);
// The characters that start within bytes [start, start + bytes) of the text (a start
// below 1 counts as 1).
std::string TextMid(std::string_view text, int start, int bytes);
// Position of part in text at or after start (1-based; start <= 1 searches from the
// beginning); ignoreCase folds ASCII letters only. An empty part is not found.
int FindText(std::string_view text, std::string_view part, int start = 1, bool ignoreCase = false);
// Signed value of the GBK byte at the 1-based position: the byte itself for ASCII,
// a negative value for the lead byte of a double-byte character; 0 out of range;
// -1 at both positions of a character GBK cannot hold.
int CharCodeAt(std::string_view text, int position);
// Replaces every occurrence of part (an empty part replaces nothing).
std::string ReplaceText(std::string_view text, std::string_view part, std::string_view with);

// Leading blanks, an optional sign, digits and an optional fraction; the fraction is
// cut toward zero, anything after the number is ignored, "" or no number gives 0, and
// values beyond the 32-bit range are held at its ends.
int32_t ToInteger(std::string_view text);
// Decimal text of a number; whole numbers without a fraction ("120", "-20", "0").
std::string NumberToText(double number);
