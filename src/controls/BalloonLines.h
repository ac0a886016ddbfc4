#pragma once
#include <string>
#include <vector>

// The lines of a balloon text: broken at CR LF and at a lone LF; an empty text is one
// empty line, and a break at the end leaves an empty last line.
std::vector<std::string> BalloonLines(const std::string& text);
