// The shown entry's text as the window lays it out: the body broken into display lines by a
// pixel width, and the list of cross-references the body names. Plain functions; safe from any
// thread.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace halvena {

// The pixel width of a piece of text in the font the lines are drawn in.
using TTextWidth = std::function<int(std::string_view text)>;

// Breaks `body` (Windows-1252, ending at its first NUL) into display lines no wider than
// `wrapWidth` where the words allow it. CR LF ends a paragraph, a lone LF counts for nothing,
// the braces of cross-references vanish and their text stays. Only the blank separates words;
// the blank that ended a word stays at the end of its line and counts in the width. A word
// wider than `wrapWidth` stands on a line of its own, after an empty line when it starts a
// paragraph; an empty paragraph gives an empty line.
std::vector<std::string> LayOutLines(std::string_view body, const TTextWidth& width,
                                     double wrapWidth);

// Appends empty lines while `lines` rows of `rowHeight` pixels do not fill `height` pixels.
void PadLines(std::vector<std::string>& lines, int rowHeight, int height);

// The cross-references of `body` as the pop-up lists them: the text between each "{" and the
// next "}" (or the end), first character in ASCII upper case, each once with letter case
// ignored, in ascending order with letter case ignored. A "{" that is the last byte names
// nothing, and neither does an empty "{}".
std::vector<std::string> CrossRefList(std::string_view body);

}  // namespace halvena
