// The figure pictures and anatomy query files that the build wrote into the program folder,
// read back the way the program reads them.
#include <gtest/gtest.h>
#include <QImage>
#include <QImageReader>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "anatomy/QueryFiles.h"
#include "assets/figures/BodyModel.h"
#include "assets/figures/FigureFiles.h"
#include "assets/figures/FigureRender.h"
#include "assets/figures/FigureScene.h"
#include "data/IDbRecs.h"
#include "support/Pictures.h"

namespace halvena::figures {
namespace {

const QString kFolder = QStringLiteral(HALVENA_PROGRAM_DIR);
constexpr TGender kGenders[] = {TGender::Female, TGender::Male};

std::string ReadBytes(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The four numbers of a region line "left,top,right,bottom=Name|", each plain decimal
// digits; false when the line has any other form or an empty name.
bool SplitRegionLine(const std::string& line, int (&n)[4]) {
  std::size_t pos = 0;
  for (int k = 0; k < 4; ++k) {
    const std::size_t start = pos;
    while (pos < line.size() && std::isdigit(static_cast<unsigned char>(line[pos]))) ++pos;
    if (pos == start || pos - start > 4 || pos == line.size() || line[pos] != ",,,="[k]) {
      return false;
    }
    n[k] = std::stoi(line.substr(start, pos - start));
    ++pos;
  }
  const auto bar = line.find('|', pos);
  return bar == line.size() - 1 && bar > pos && line.find_first_of("=[", pos) == std::string::npos;
}

const char* GenderName(TGender g) {
  return g == TGender::Female ? "female" : "male";
}

class FigureOutput : public ::testing::TestWithParam<TGender> {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ReadBodyModel(HALVENA_BODY_MODEL, FModel, error)) << error;
    FBytes = ReadBytes(QueryFilePath(kFolder, GetParam()));
    FLines = SplitQueryLines(FBytes);
    ASSERT_FALSE(FLines.empty()) << "no query file in " << kFolder.toStdString();
  }

  // The lines of one view's section and of "[Queries]", so that a lookup need not walk the
  // sections before it.
  std::vector<std::string> ViewLines(int view) const {
    std::vector<std::string> lines;
    bool keep = false;
    for (const std::string& line : FLines) {
      if (!line.empty() && line.front() == '[') {
        keep = line == "[" + std::to_string(view) + "]" || line == "[Queries]";
      }
      if (keep) lines.push_back(line);
    }
    return lines;
  }

  // The names of the regions of the view sections and the queries of "[Queries]".
  void Sections(std::set<std::string>& shown, std::map<std::string, std::string>& queries) const {
    bool inQueries = false;
    for (const std::string& line : FLines) {
      if (line == "[Queries]") {
        inQueries = true;
      } else if (inQueries) {
        const auto eq = line.find('=');
        queries[line.substr(0, eq)] = line.substr(eq + 1);
      } else if (line.front() != '[') {
        const auto eq = line.find('=');
        shown.insert(line.substr(eq + 1, line.find('|') - eq - 1));
      }
    }
  }

  TBodyModel FModel;
  std::string FBytes;
  std::vector<std::string> FLines;
};

TEST_P(FigureOutput, PicturesAreBmpFilesOfTheFigureControlsSize) {
  const QSize sizes[kScreenClassCount] = {{74, 215}, {93, 268}, {119, 344}};
  for (int c = 0; c < kScreenClassCount; ++c) {
    ASSERT_EQ(FigureSize(c), sizes[c]) << "class " << c;
    for (int view = 0; view < kViewCount; ++view) {
      const QString path = FigurePath(kFolder, GetParam(), c, view);
      QImageReader reader(path);
      EXPECT_EQ(reader.format(), "bmp") << path.toStdString();
      const QImage picture = reader.read();
      ASSERT_EQ(picture.size(), sizes[c]) << path.toStdString();
      // The corners show the background; the chest, half-way across, shows the body.
      const int w = picture.width();
      const int h = picture.height();
      EXPECT_EQ(picture.pixel(0, 0), FigureBackground(0, h)) << path.toStdString();
      EXPECT_EQ(picture.pixel(w - 1, h - 1), FigureBackground(h - 1, h)) << path.toStdString();
      const int chestY = 450 * h / 1476;
      EXPECT_NE(picture.pixel(w / 2, chestY), FigureBackground(chestY, h)) << path.toStdString();
    }
  }
}

// The finer copy of a view is exactly twice its size, and the same drawing: shrunk back it lies
// close to the view, so that a region is hit where the finer picture shows it.
TEST_P(FigureOutput, FinerPicturesAreTheViewsAtTwiceTheSize) {
  for (int c = 0; c < kScreenClassCount; ++c) {
    for (int view = 0; view < kViewCount; ++view) {
      const QString path = FigurePath(kFolder, GetParam(), c, view, kHiDpiRatio);
      const QImage usual(FigurePath(kFolder, GetParam(), c, view), "bmp");
      const QImage fine(path, "bmp");
      ASSERT_EQ(fine.size(), FigureSize(c) * 2) << path.toStdString();
      const QImage shrunk =
          fine.scaled(usual.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      // Outlines fall a little differently; a picture moved by one pixel is off by about 7.
      EXPECT_LT(test::MeanChannelDifference(usual, shrunk), 3.0) << path.toStdString();
    }
  }
}

TEST_P(FigureOutput, QueryFileFollowsTheGrammarWithCrLfLineEnds) {
  for (std::size_t i = 0; i < FBytes.size(); ++i) {
    if (FBytes[i] == '\r') {
      ASSERT_TRUE(i + 1 < FBytes.size() && FBytes[i + 1] == '\n') << i;
    }
    if (FBytes[i] == '\n') {
      ASSERT_TRUE(i > 0 && FBytes[i - 1] == '\r') << i;
    }
    ASSERT_NE(FBytes[i], '\0');
  }
  ASSERT_EQ(FBytes.substr(FBytes.size() - 2), "\r\n");

  std::size_t i = 0;
  for (int view = 0; view < kViewCount; ++view) {
    ASSERT_LT(i, FLines.size());
    ASSERT_EQ(FLines[i++], "[" + std::to_string(view) + "]");
    int count = 0;
    for (; i < FLines.size() && FLines[i].front() != '['; ++i, ++count) {
      int n[4];
      ASSERT_TRUE(SplitRegionLine(FLines[i], n)) << FLines[i];
      EXPECT_TRUE(n[0] < n[2] && n[1] < n[3] && n[2] <= kFrameWidth && n[3] <= kFrameHeight)
          << FLines[i];
    }
    EXPECT_GT(count, 0) << "view " << view;
  }
  ASSERT_LT(i, FLines.size());
  ASSERT_EQ(FLines[i++], "[Queries]");
  for (; i < FLines.size(); ++i) {
    const auto eq = FLines[i].find('=');
    EXPECT_TRUE(eq != std::string::npos && eq > 0 && eq + 1 < FLines[i].size() &&
                FLines[i].front() != '[')
        << FLines[i];
  }
}

TEST_P(FigureOutput, EveryPointLooksUpTheRegionDrawnThere) {
  // Rectangles follow the drawing cell by cell; a point may name the region next to it within
  // this reach of a region's edge.
  constexpr int kBorder = 8;
  int points = 0;
  int exact = 0;
  for (int view = 0; view < kViewCount; ++view) {
    const TFigureScene scene(FModel, GetParam(), view);
    const std::vector<std::string> lines = ViewLines(view);
    auto drawn = [&](int x, int y) {
      const int r = scene.RegionAt(x + 0.5, y + 0.5);
      return r < 0 ? std::string() : FModel.Regions[r].Name;
    };
    int faults = 0;
    for (int y = 3; y < kFrameHeight; y += 7) {
      for (int x = 1; x < kFrameWidth; x += 7) {
        const TRegionHit hit = LookUpRegion(lines, view, x, y);
        ++points;
        if (hit.Name == drawn(x, y)) {
          ++exact;
          continue;
        }
        bool near = false;
        for (int d = 1; d <= kBorder && !near; ++d) {
          for (int i = -d; i <= d && !near; ++i) {
            near = drawn(x + i, y - d) == hit.Name || drawn(x + i, y + d) == hit.Name ||
                   drawn(x - d, y + i) == hit.Name || drawn(x + d, y + i) == hit.Name;
          }
        }
        if (!near && ++faults <= 5) {
          ADD_FAILURE() << GenderName(GetParam()) << " view " << view << " (" << x << ", " << y
                        << ") looks up \"" << hit.Name << "\" where \"" << drawn(x, y)
                        << "\" is drawn";
        }
      }
    }
  }
  // The border allowance must not hide a shift of the rectangles against the drawing.
  EXPECT_GT(exact, points * 95 / 100) << exact << " of " << points;
}

TEST_P(FigureOutput, EveryRegionIsShownAndHasAQueryThatFindsEntries) {
  std::set<std::string> shown;
  std::map<std::string, std::string> queries;
  Sections(shown, queries);

  std::set<std::string> expected;
  for (int r : FModel.RegionsOf(GetParam())) expected.insert(FModel.Regions[r].Name);
  EXPECT_EQ(shown, expected) << "every region is seen in some view";
  std::set<std::string> named;
  for (const auto& [name, query] : queries) named.insert(name);
  EXPECT_EQ(named, expected) << "every region has one query";

  const bool female = GetParam() == TGender::Female;
  for (const char* name :
       {"Hersenen",    "Ogen",         "Oren",  "Neus",        "Mond",       "Keel",
        "Schildklier", "Longen",       "Hart",  "Aorta",       "Lever",      "Galblaas",
        "Maag",        "Alvleesklier", "Milt",  "Nieren",      "Bijnieren",  "Dunne darm",
        "Dikke darm",  "Blindedarm",   "Blaas", "Wervelkolom", "Ruggenmerg", "Schouder",
        "Elleboog",    "Pols",         "Hand",  "Heup",        "Knie",       "Enkel",
        "Voet",        "Huid"}) {
    EXPECT_EQ(shown.count(name), 1u) << name;
  }
  for (const char* name : {"Baarmoeder", "Eierstokken", "Borsten"}) {
    EXPECT_EQ(shown.count(name), female ? 1u : 0u) << name;
  }
  for (const char* name : {"Prostaat", "Zaadballen"}) {
    EXPECT_EQ(shown.count(name), female ? 0u : 1u) << name;
  }

  TIDbRecFile store;
  ASSERT_TRUE(store.LoadFromFile((kFolder + "/D/IDbRecs.dat").toStdString(), nullptr));
  for (const auto& [name, text] : queries) {
    std::string buffer = text;
    TIDbQuery query;
    query.Query = buffer.data();
    query.QueryLen = buffer.size();
    store.Filter(query, nullptr);
    EXPECT_GT(store.VisCount, 0) << name << ": " << text;
  }
}

INSTANTIATE_TEST_SUITE_P(BothGenders, FigureOutput, ::testing::ValuesIn(kGenders),
                         [](const auto& info) { return std::string(GenderName(info.param)); });

}  // namespace
}  // namespace halvena::figures
