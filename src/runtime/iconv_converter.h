#pragma once
#include <optional>
#include <string>
#include <string_view>

enum class GbkDirection { kFromUtf8, kToUtf8 };

// The whole text converted, or nullopt at the first character the target cannot hold
// or the first byte sequence that is not valid in the source.
std::optional<std::string> ConvertGbk(GbkDirection direction, std::string_view text);
