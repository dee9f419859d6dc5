#include "assets/figures/BodyModel.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>

namespace halvena::figures {
namespace {

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

std::vector<std::string_view> Tokens(std::string_view s) {
  std::vector<std::string_view> tokens;
  std::size_t pos = 0;
  while (pos < s.size()) {
    const auto start = s.find_first_not_of(" \t\r,", pos);
    if (start == std::string_view::npos) break;
    auto end = s.find_first_of(" \t\r,", start);
    if (end == std::string_view::npos) end = s.size();
    tokens.push_back(s.substr(start, end - start));
    pos = end;
  }
  return tokens;
}

std::optional<double> Number(std::string_view token) {
  double value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
  return value;
}

std::optional<QRgb> Colour(std::string_view token) {
  if (token.size() != 7 || token[0] != '#') return std::nullopt;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(token.data() + 1, token.data() + 7, value, 16);
  if (error != std::errc() || end != token.data() + 7) return std::nullopt;
  return qRgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// Reads one model file line by line; every fault stops it with the line's number.
class TModelParser {
 public:
  TModelParser(const std::string& fileName, TBodyModel& model) : FFile(fileName), FModel(model) {}

  bool Parse(std::string_view text, std::string& error);

 private:
  enum class TSection { None, Regions, Both, Female, Male };

  bool Fail(std::string reason) {
    FError = FFile + ":" + std::to_string(FLine) + ": " + reason;
    return false;
  }
  bool ParseLine(std::string_view line);
  bool ParseRegion(std::string_view line);
  bool ParseSolid(std::string_view line);
  bool ReadNumbers(const std::vector<std::string_view>& tokens, std::size_t& pos, std::size_t count,
                   std::vector<double>& out);
  void Add(const TSolid& solid, bool mirror);
  int FindRegion(std::string_view name) const;

  std::string FFile;
  TBodyModel& FModel;
  TSection FSection = TSection::None;
  int FLine = 0;
  std::vector<bool> FRegionUsed;
  std::vector<int> FRegionLine;
  std::string FError;
};

bool TModelParser::Parse(std::string_view text, std::string& error) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    ++FLine;
    if (!ParseLine(text.substr(pos, end - pos))) {
      error = FError;
      return false;
    }
    pos = end + 1;
  }
  for (std::size_t i = 0; i < FModel.Regions.size(); ++i) {
    if (!FRegionUsed[i]) {
      FLine = FRegionLine[i];
      Fail("region \"" + FModel.Regions[i].Name + "\" is named by no solid");
      error = FError;
      return false;
    }
  }
  return true;
}

bool TModelParser::ParseLine(std::string_view line) {
  line = Trimmed(line);
  if (line.empty() || line.front() == '#') return true;
  if (line.front() == '[') {
    if (line == "[regions]") {
      FSection = TSection::Regions;
    } else if (line == "[both]") {
      FSection = TSection::Both;
    } else if (line == "[female]") {
      FSection = TSection::Female;
    } else if (line == "[male]") {
      FSection = TSection::Male;
    } else {
      return Fail("unknown section " + std::string(line));
    }
    return true;
  }
  switch (FSection) {
    case TSection::None:
      return Fail("line before the first section");
    case TSection::Regions:
      return ParseRegion(line);
    default:
      return ParseSolid(line);
  }
}

bool TModelParser::ParseRegion(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return Fail("a region line is \"Name = query\"");
  const std::string_view name = Trimmed(line.substr(0, eq));
  const std::string_view query = Trimmed(line.substr(eq + 1));
  if (name.empty() || query.empty()) return Fail("a region needs a name and a query");
  if (name.find_first_of("=|[") != std::string_view::npos || name == "-") {
    return Fail("a region name holds no \"=\", \"|\" or \"[\" and is not \"-\"");
  }
  if (FindRegion(name) >= 0) return Fail("region \"" + std::string(name) + "\" declared twice");
  FModel.Regions.push_back({std::string(name), std::string(query)});
  FRegionUsed.push_back(false);
  FRegionLine.push_back(FLine);
  return true;
}

bool TModelParser::ReadNumbers(const std::vector<std::string_view>& tokens, std::size_t& pos,
                               std::size_t count, std::vector<double>& out) {
  for (std::size_t i = 0; i < count; ++i, ++pos) {
    if (pos >= tokens.size()) return Fail("too few numbers");
    const auto value = Number(tokens[pos]);
    if (!value) return Fail("\"" + std::string(tokens[pos]) + "\" is not a number");
    out.push_back(*value);
  }
  return true;
}

bool TModelParser::ParseSolid(std::string_view line) {
  const auto colon = line.find(':');
  if (colon == std::string_view::npos) return Fail("a solid line is \"Name: layer shape ...\"");
  const std::string_view name = Trimmed(line.substr(0, colon));
  const std::vector<std::string_view> tokens = Tokens(line.substr(colon + 1));
  if (tokens.size() < 2) return Fail("a solid needs a layer and a shape");

  TSolid solid;
  if (tokens[0] == "skin") {
    solid.Layer = TLayer::Skin;
  } else if (tokens[0] == "zone") {
    solid.Layer = TLayer::Zone;
  } else if (tokens[0] == "organ") {
    solid.Layer = TLayer::Organ;
  } else if (tokens[0] == "bone") {
    solid.Layer = TLayer::Bone;
  } else {
    return Fail("unknown layer \"" + std::string(tokens[0]) + "\"");
  }
  if (solid.Layer == TLayer::Bone) {
    if (name != "-") return Fail("a bone names no region: write \"-\"");
  } else {
    solid.Region = FindRegion(name);
    if (solid.Region < 0) return Fail("region \"" + std::string(name) + "\" is not declared");
  }

  const std::string_view shape = tokens[1];
  std::size_t pos = 2;
  if (solid.Layer != TLayer::Zone) {
    const auto colour = pos < tokens.size() ? Colour(tokens[pos]) : std::nullopt;
    if (!colour) return Fail("a colour #rrggbb follows the shape");
    solid.Colour = *colour;
    ++pos;
  }

  std::vector<double> n;
  std::vector<TSolid> cones;
  if (shape == "ellipsoid" || shape == "box") {
    solid.Shape = shape == "box" ? TShape::Box : TShape::Ellipsoid;
    if (!ReadNumbers(tokens, pos, 6, n)) return false;
    solid.Centre = {n[0], n[1], n[2]};
    solid.Size = {n[3], n[4], n[5]};
    if (n[3] <= 0 || n[4] <= 0 || n[5] <= 0) return Fail("sizes must be positive");
  } else if (shape == "cone" || shape == "tube") {
    solid.Shape = TShape::Cone;
    std::size_t points = 2;
    if (shape == "tube") {
      points = 0;
      while (pos + points * 4 < tokens.size() && Number(tokens[pos + points * 4])) ++points;
      if (points < 2) return Fail("a tube needs at least two points");
    }
    if (!ReadNumbers(tokens, pos, points * 4, n)) return false;
    for (std::size_t i = 0; i + 1 < points; ++i) {
      TSolid cone = solid;
      cone.Centre = {n[i * 4], n[i * 4 + 1], n[i * 4 + 2]};
      cone.R1 = n[i * 4 + 3];
      cone.End = {n[i * 4 + 4], n[i * 4 + 5], n[i * 4 + 6]};
      cone.R2 = n[i * 4 + 7];
      if (cone.R1 <= 0 || cone.R2 <= 0) return Fail("radii must be positive");
      const TVec3 axis = cone.End - cone.Centre;
      const double dr = cone.R1 - cone.R2;
      if (Dot(axis, axis) <= dr * dr) return Fail("the ends of a cone are too close together");
      cones.push_back(cone);
    }
  } else {
    return Fail("unknown shape \"" + std::string(shape) + "\"");
  }

  bool mirror = false;
  while (pos < tokens.size()) {
    if (tokens[pos] == "mirror") {
      mirror = true;
      ++pos;
    } else if (tokens[pos] == "turn" && solid.Shape != TShape::Cone) {
      ++pos;
      n.clear();
      if (!ReadNumbers(tokens, pos, 3, n)) return false;
      solid.Turn = {n[0], n[1], n[2]};
    } else {
      return Fail("unexpected \"" + std::string(tokens[pos]) + "\"");
    }
  }

  if (solid.Region >= 0) FRegionUsed[solid.Region] = true;
  if (cones.empty()) {
    Add(solid, mirror);
  } else {
    for (const TSolid& cone : cones) Add(cone, mirror);
  }
  return true;
}

void TModelParser::Add(const TSolid& solid, bool mirror) {
  std::vector<TSolid> copies{solid};
  if (mirror) {
    TSolid m = solid;
    m.Centre.X = -m.Centre.X;
    m.End.X = -m.End.X;
    m.Turn = {m.Turn.X, -m.Turn.Y, -m.Turn.Z};
    copies.push_back(m);
  }
  for (const TSolid& s : copies) {
    if (FSection != TSection::Male) FModel.Female.push_back(s);
    if (FSection != TSection::Female) FModel.Male.push_back(s);
  }
}

int TModelParser::FindRegion(std::string_view name) const {
  for (std::size_t i = 0; i < FModel.Regions.size(); ++i) {
    if (FModel.Regions[i].Name == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::vector<int> TBodyModel::RegionsOf(TGender gender) const {
  std::vector<bool> used(Regions.size(), false);
  for (const TSolid& s : Solids(gender)) {
    if (s.Region >= 0) used[s.Region] = true;
  }
  std::vector<int> result;
  for (std::size_t i = 0; i < used.size(); ++i) {
    if (used[i]) result.push_back(static_cast<int>(i));
  }
  return result;
}

bool ParseBodyModel(std::string_view text, const std::string& fileName, TBodyModel& model,
                    std::string& error) {
  return TModelParser(fileName, model).Parse(text, error);
}

bool ReadBodyModel(const std::string& path, TBodyModel& model, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot be read";
    return false;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ParseBodyModel(text, path, model, error);
}

}  // namespace halvena::figures
