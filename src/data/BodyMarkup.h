// The markup of a dictionary body: CR LF ends a paragraph and "{Title}" is a cross-reference.
// Plain functions; safe from any thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace halvena {

// The texts between "{" and "}" in body order, as they stand: a "{" that is the last byte
// starts nothing, and a reference without "}" runs to the end of the body. Another "{" inside
// a reference is part of its text. The body ends at its first NUL.
std::vector<std::string> CrossRefTexts(std::string_view body);

}  // namespace halvena
