// The plain text that copying an entry puts on the clipboard: the name, a blank line, the body
// without the cross-reference braces, and the publisher's two-line notice. Plain functions;
// safe from any thread.
#pragma once

#include <string>
#include <string_view>

namespace halvena {

// The two notice lines (Windows-1252): the publisher, then its dictionary as the source.
inline constexpr std::string_view kClipboardNotice1 = "Overgenomen uit Halvena, uitgeverij Zenta.";
inline constexpr std::string_view kClipboardNotice2 =
    "Bron: Halvena, medisch woordenboek van uitgeverij Zenta.";

// `name`, CR LF CR LF, `text` byte for byte without "{" and "}", then CR LF, the first notice
// line, CR LF and the second; the text never ends in a line end.
std::string ClipboardText(std::string_view name, std::string_view text);

}  // namespace halvena
