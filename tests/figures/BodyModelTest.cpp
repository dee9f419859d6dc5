#include "assets/figures/BodyModel.h"

#include <gtest/gtest.h>

namespace halvena::figures {
namespace {

TEST(BodyModel, FaultsNameTheFileAndTheLine) {
  const std::string head = "[regions]\nHart = +\"hart\"\n[both]\n";  // three lines
  struct Case {
    std::string text;
    const char* message;
  } cases[] = {
      {"Hart: organ ellipsoid #ffffff 0 0 0 1 1 1\n", "m.txt:1: line before the first section"},
      {head + "Hart: organ blob #ffffff 0 0 0 1 1 1\n", "m.txt:4: unknown shape \"blob\""},
      {head + "Hart: tissue ellipsoid #ffffff 0 0 0 1 1 1\n", "m.txt:4: unknown layer"},
      {head + "Lever: organ ellipsoid #ffffff 0 0 0 1 1 1\n", "m.txt:4: region \"Lever\" is not"},
      {head + "Hart: organ ellipsoid ffffff 0 0 0 1 1 1\n", "m.txt:4: a colour #rrggbb"},
      {head + "Hart: organ ellipsoid #ffffff 0 0 0 1 1\n", "m.txt:4: too few numbers"},
      {head + "Hart: organ ellipsoid #ffffff 0 0 0 1 x 1\n", "m.txt:4: \"x\" is not a number"},
      {head + "Hart: organ ellipsoid #ffffff 0 0 0 1 0 1\n", "m.txt:4: sizes must be positive"},
      {head + "Hart: organ ellipsoid #ffffff 0 0 0 1 1 1 spin\n", "m.txt:4: unexpected \"spin\""},
      {head + "Hart: organ cone #ffffff 0 0 0 1 0 1 0 1 turn 1 2 3\n",
       "m.txt:4: unexpected \"turn\""},
      {head + "Hart: organ cone #ffffff 0 0 0 9 0 2 0 1\n", "m.txt:4: the ends of a cone"},
      {head + "Hart: organ tube #ffffff 0 0 0 1\n", "m.txt:4: a tube needs at least two"},
      {head + "Hart: bone cone #ffffff 0 0 0 1 0 9 0 1\n", "m.txt:4: a bone names no region"},
      {head + "Hart: zone ellipsoid #ffffff 0 0 0 1 1 1\n", "m.txt:4: \"#ffffff\" is not a number"},
      {head + "[spleen]\n", "m.txt:4: unknown section [spleen]"},
      {"[regions]\nHart = +\"hart\"\nHart = +\"cor\"\n", "m.txt:3: region \"Hart\" declared twice"},
      {"[regions]\nHart|x = +\"hart\"\n", "m.txt:2: a region name holds no"},
      {"[regions]\nHart =\n", "m.txt:2: a region needs a name and a query"},
      {"[regions]\nHart = +\"hart\"\nMilt = +\"milt\"\n[male]\n"
       "Hart: organ ellipsoid #ffffff 0 0 0 1 1 1\n",
       "m.txt:3: region \"Milt\" is named by no solid"},
  };
  for (const Case& c : cases) {
    TBodyModel model;
    std::string error;
    EXPECT_FALSE(ParseBodyModel(c.text, "m.txt", model, error)) << c.text;
    EXPECT_EQ(error.rfind(c.message, 0), 0u) << error;
  }
  TBodyModel model;
  std::string error;
  EXPECT_FALSE(ReadBodyModel("/nonexistent/body.txt", model, error));
  EXPECT_EQ(error, "/nonexistent/body.txt: cannot be read");
}

TEST(BodyModel, SectionsMirrorsAndTubesPlaceTheSolids) {
  const char* text =
      "# a comment\n"
      "[regions]\n"
      "Dunne darm = +\"dunne darm\"\n"
      "Baarmoeder = +\"baarmoeder\"\n"
      "Prostaat = +\"prostaat\"\n"
      "\n"
      "[both]\n"
      "  Dunne darm: organ ellipsoid #102030  10 20 30  4 5 6  turn 1 2 3  mirror \r\n"
      "-: bone tube #ffffff  0 0 0 2,  0 10 0 2,  5 20 0 1\n"
      "[female]\n"
      "Baarmoeder: organ box #ffffff 0 0 0 1 1 1\n"
      "[male]\n"
      "Prostaat: organ cone #ffffff 0 0 0 2 0 9 0 1\n";
  TBodyModel model;
  std::string error;
  ASSERT_TRUE(ParseBodyModel(text, "m.txt", model, error)) << error;
  ASSERT_EQ(model.Regions.size(), 3u);
  EXPECT_EQ(model.Regions[0].Name, "Dunne darm");
  EXPECT_EQ(model.Regions[0].Query, "+\"dunne darm\"");

  // Two mirrored ellipsoids, two cones of the tube, and the gender's own solid.
  ASSERT_EQ(model.Female.size(), 5u);
  ASSERT_EQ(model.Male.size(), 5u);
  const TSolid& right = model.Female[0];
  const TSolid& left = model.Female[1];
  EXPECT_EQ(right.Colour, qRgb(0x10, 0x20, 0x30));
  EXPECT_EQ(right.Centre.X, 10);
  EXPECT_EQ(left.Centre.X, -10);
  EXPECT_EQ(left.Centre.Y, 20);
  EXPECT_EQ(left.Turn.X, 1);
  EXPECT_EQ(left.Turn.Y, -2);
  EXPECT_EQ(left.Turn.Z, -3);
  EXPECT_EQ(model.Female[3].Layer, TLayer::Bone);
  EXPECT_EQ(model.Female[3].Centre.Y, 10);
  EXPECT_EQ(model.Female[3].End.Y, 20);
  EXPECT_EQ(model.Female[3].R2, 1);
  EXPECT_EQ(model.Female[4].Shape, TShape::Box);
  EXPECT_EQ(model.Male[4].Shape, TShape::Cone);

  EXPECT_EQ(model.RegionsOf(TGender::Female), (std::vector<int>{0, 1}));
  EXPECT_EQ(model.RegionsOf(TGender::Male), (std::vector<int>{0, 2}));
}

}  // namespace
}  // namespace halvena::figures
