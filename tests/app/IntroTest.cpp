#include "app/Intro.h"

#include <gtest/gtest.h>

#include "AppTesting.h"
#include "imaging/ResourceBitmap.h"
#include "platform/Resources.h"

namespace halvena {
namespace {

// The pixels of a picture as opaque colour, whatever its format; null stays null.
QImage Opaque(const QImage& image) {
  return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

class IntroTest : public test::TProgramFolderTest {
 protected:
  void TearDown() override {
    delete IntroForm;
    IntroForm = nullptr;
    TProgramFolderTest::TearDown();
  }
};

TEST_F(IntroTest, PictureFollowsTheDisplayDepth) {
  const struct {
    int Bits;
    const char* Resource;
  } cases[] = {{4, "Intro"}, {8, "Intro256"}, {16, "Intro"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Bits);
    SetDisplay(1024, 768, c.Bits);
    TIntroForm intro;
    QImage expected;
    LoadBitmapResource(QString::fromLatin1(c.Resource), expected);
    EXPECT_EQ(Opaque(intro.IntroFormImg->Background().Image().Image()), Opaque(expected));
  }
  SetDisplay(1024, 768, 24);
  TIntroForm intro;
  EXPECT_EQ(Opaque(intro.IntroFormImg->Background().Image().Image()),
            Opaque(PictureResource(QStringLiteral("IntroFormImg"))));
}

TEST_F(IntroTest, LayoutAndLifetime) {
  SetDisplay(1024, 768, 32);
  EXPECT_FALSE(IntroActive);
  ShowIntro();
  ASSERT_NE(IntroForm, nullptr);
  EXPECT_TRUE(IntroActive);
  TIntroForm* first = IntroForm;
  ShowIntro();  // a second call shows the same window
  EXPECT_EQ(IntroForm, first);
  EXPECT_EQ(IntroForm->geometry(), QRect(371, 243, 282, 282));
  EXPECT_EQ(IntroForm->Text->text(), QStringLiteral("Een ogenblik geduld, bezig met laden..."));
  EXPECT_EQ(IntroForm->Gauge->geometry(), QRect(5, 270, 270, 4));
  EXPECT_EQ(IntroForm->Gauge->Progress(), 0);
  EXPECT_TRUE(IntroForm->windowFlags() & Qt::WindowStaysOnTopHint);
  delete IntroForm;
  IntroForm = nullptr;
  EXPECT_FALSE(IntroActive);
}

}  // namespace
}  // namespace halvena
