#include "assets/figures/FigureScene.h"

#include <gtest/gtest.h>

namespace halvena::figures {
namespace {

// A body of one skin ellipsoid with a heart in front of a liver, a bone in front of the heart's
// middle, a knee zone, a cone and a turned box outside the skin.
const char* const kModel =
    "[regions]\n"
    "Huid = +\"huid\"\nHart = +\"hart\"\nLever = +\"lever\"\nKnie = +\"knie\"\n"
    "Aorta = +\"aorta\"\nMilt = +\"milt\"\n"
    "[both]\n"
    "Huid:  skin ellipsoid #e0c0a0  0 700 0   200 600 100\n"
    "Hart:  organ ellipsoid #b03030  0 400 60  30 30 30\n"
    "Lever: organ ellipsoid #803020  0 400 0   50 50 50\n"
    "-:     bone box #ffffff        0 400 95  8 8 4\n"
    "Knie:  zone ellipsoid          0 1000 0  60 60 200\n"
    "Aorta: organ cone #c03020      -150 150 0 10   -150 250 0 20\n"
    "Milt:  organ box #703060       150 1200 0  40 10 10  turn 0 0 90\n";

class FigureSceneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ParseBodyModel(kModel, "m.txt", FModel, error)) << error;
  }
  std::string NameAt(int view, double x, double y) const {
    const TFigureScene scene(FModel, TGender::Female, view);
    const int region = scene.RegionAt(x, y);
    return region < 0 ? "" : FModel.Regions[region].Name;
  }
  TBodyModel FModel;
};

TEST_F(FigureSceneTest, TheNearestOrganNamesThePointElseTheSkinOrItsZone) {
  struct Case {
    double x, y;
    const char* name;
  } cases[] = {
      {274, 400, "Hart"},                  // the heart lies in front of the liver
      {300, 400, "Lever"},                 // beside the heart
      {254, 400, "Huid"},                  // a bone in front: its points keep the skin's name
      {254, 1000, "Knie"},                 // the skin inside the zone
      {254, 200, "Huid"},  {40, 700, ""},  // beside the body
      {254, 1320, ""},                     // below it
  };
  for (const Case& c : cases) EXPECT_EQ(NameAt(0, c.x, c.y), c.name) << c.x << "," << c.y;
}

TEST_F(FigureSceneTest, ViewsTurnTheFrontTowardsTheViewersLeft) {
  // The heart sits 60 units in front of the axis. Turned a quarter, it shows 60 units left of
  // the axis (x = 194) and skin shows on the right; three quarters, the other way round; half a
  // turn, it is behind the liver.
  struct Case {
    int view;
    double x;
    const char* name;
  } cases[] = {
      {4, 194, "Hart"}, {4, 314, "Huid"},  {12, 314, "Hart"}, {12, 194, "Huid"},
      {2, 212, "Hart"}, {14, 296, "Hart"}, {8, 274, "Lever"}, {8, 254, "Lever"},
  };
  for (const Case& c : cases) EXPECT_EQ(NameAt(c.view, c.x, 400), c.name) << "view " << c.view;
}

TEST_F(FigureSceneTest, ConesAndTurnedBoxesHaveTheirShape) {
  struct Case {
    double x, y;
    bool inside;
  } cases[] = {
      {104, 200, true},  {117, 200, true}, {91, 200, true},    // mid-way the radius is about 15
      {121, 200, false}, {87, 200, false}, {104, 143, true},   // the narrow end's rounded cap
      {104, 138, false}, {104, 268, true}, {104, 272, false},  // the wide end's cap
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameAt(0, c.x, c.y), c.inside ? "Aorta" : "") << c.x << "," << c.y;
  }
  // The box is 80 x 20 before its quarter turn in the picture plane, 20 x 80 after it.
  EXPECT_EQ(NameAt(0, 404, 1236), "Milt");
  EXPECT_EQ(NameAt(0, 416, 1200), "");
  EXPECT_EQ(NameAt(0, 404, 1242), "");
}

}  // namespace
}  // namespace halvena::figures
