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

std::string ScaledPath(std::string_view path, int ratio) {
  std::string scaled(path);
  if (ratio == 1) return scaled;
  const std::size_t name = scaled.find_last_of('\\');
  const std::size_t dot = scaled.rfind('.');
  const bool hasExtension = dot != std::string::npos && (name == std::string::npos || dot > name);
  scaled.insert(hasExtension ? dot : scaled.size(), "@" + std::to_string(ratio) + "x");
  return scaled;
}

std::string PortablePath(std::string_view windowsPath) {
  std::string path(windowsPath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

}  // namespace halvena::layout
