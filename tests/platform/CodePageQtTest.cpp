#include "platform/CodePageQt.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

TEST(CodePageQt, EveryByteRoundTripsThroughQString) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const QString text = Cp1252ToQString(all);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(text[0x80], QChar(0x20AC));
  EXPECT_EQ(QStringToCp1252(text), all);
}

TEST(CodePageQt, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(QStringToCp1252(QString::fromUtf8("caf\xC3\xA9 \xE2\x86\x92 \xF0\x9F\x98\x80!")),
            "caf\xE9 ? ?!");  // "café → 😀!": one mark per character, also outside the BMP
}

}  // namespace
}  // namespace halvena
