#include "layout/Files.h"

#include <cstdio>

namespace halvena::layout {

std::string_view SkinSuffix(std::uint8_t screenClass) {
  switch (screenClass) {
    case 1:
      return "8x6";
    case 2:
      return "10x7";
    default:
      return "6x4";
  }
}

std::string SkinPath(std::string_view stem, std::uint8_t screenClass) {
  std::string path = "I\\B\\";
  path += stem;
  path += SkinSuffix(screenClass);
  return path;
}

std::string FigurePath(bool male, std::uint8_t screenClass, int view) {
  std::string stem = male ? "m" : "f";
  stem += SkinSuffix(screenClass);
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d", view);
  return "I\\B\\" + stem + "\\" + stem + "_" + digits;
}

std::string PortablePath(std::string_view windowsPath) {
  std::string path(windowsPath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

}  // namespace halvena::layout
