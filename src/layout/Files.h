// The names of the files the program reads, relative to its folder and written the Windows way
// (the program's path resolver finds them whatever the letter case on disk): the dictionary,
// the anatomy query files, the skins and the body figures of each screen-size class. The asset
// generators write their pictures under the same names. Plain functions; safe from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace halvena::layout {

inline constexpr std::string_view kDictionaryPath = "D\\IDbRecs.dat";
inline constexpr std::string_view kFemaleQueryPath = "D\\qf.dat";
inline constexpr std::string_view kMaleQueryPath = "D\\qm.dat";

// The skin-name suffix of a class: "6x4", "8x6" or "10x7".
std::string_view SkinSuffix(std::uint8_t screenClass);

// A skin image: "I\B\" + stem + suffix, e.g. "I\B\bk8x6".
std::string SkinPath(std::string_view stem, std::uint8_t screenClass);

// The stems of the skin images, one per role.
inline constexpr std::string_view kSkinStems[] = {"bk", "lpbk", "rpbk", "bil", "bol", "bir", "bor"};

// A view of the body figure: the folder of the gender and class, then the same name with "_"
// and the view as two digits, e.g. "I\B\m6x4\m6x4_03" for view 3 of the male figure.
std::string FigurePath(bool male, std::uint8_t screenClass, int view);

// The dialog buttons' pictures.
inline constexpr std::string_view kDialogButtonPaths[] = {"I\\butup.bmp", "I\\butdown.bmp",
                                                          "I\\butdisabled.bmp"};

// Every picture of the program folder also comes in a second set drawn at twice the size, for
// screens of twice the pixel density; the program shows it in the same place as the first.
inline constexpr int kHiDpiRatio = 2;

// The name of the picture `path` drawn at `ratio` times its size: `path` itself at 1, else the
// name with "@2x" (the ratio) before the extension of its last component, e.g. "I\B\bk8x6@2x" and
// "I\butup@2x.bmp".
std::string ScaledPath(std::string_view path, int ratio);

// A program-relative path with slashes for the generators that write it: "I\B\bk6x4" becomes
// "I/B/bk6x4".
std::string PortablePath(std::string_view windowsPath);

}  // namespace halvena::layout
