// The dictionary file format, pinned by bytes: the stored form of every byte value, and a
// committed file that must load to the records written out below. Stored dictionaries depend
// on both; a change to the substitution or the record layout fails here.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/IDbRecs.h"
#include "data/RecWriter.h"
#include "data/Substitution.h"

namespace halvena {
namespace {

// kStored[b] is the stored form of the plain byte b, as dictionaries in the field hold it.
constexpr std::array<std::uint8_t, 256> kStored = {
    0x7E, 0x46, 0x4E, 0x56, 0x5E, 0xA5, 0xAD, 0xB5,
    0xBD, 0x85, 0x8D, 0x95, 0x9D, 0xE5, 0xED, 0xF5,  // 00..0F
    0xFD, 0xC5, 0xCD, 0xD5, 0xDD, 0x25, 0x2D, 0x35,
    0x3D, 0x05, 0x0D, 0x15, 0x1D, 0x65, 0x6D, 0x75,  // 10..1F
    0x7D, 0x45, 0x4D, 0x55, 0x5D, 0xA4, 0xAC, 0xB4,
    0xBC, 0x84, 0x8C, 0x94, 0x9C, 0xE4, 0xEC, 0xF4,  // 20..2F
    0xFC, 0xC4, 0xCC, 0xD4, 0xDC, 0x24, 0x2C, 0x34,
    0x3C, 0x04, 0x0C, 0x14, 0x1C, 0x64, 0x6C, 0x74,  // 30..3F
    0x7C, 0x44, 0x4C, 0x54, 0x5C, 0xA3, 0xAB, 0xB3,
    0xBB, 0x83, 0x8B, 0x93, 0x9B, 0xE3, 0xEB, 0xF3,  // 40..4F
    0xFB, 0xC3, 0xCB, 0xD3, 0xDB, 0x23, 0x2B, 0x33,
    0x3B, 0x03, 0x0B, 0x13, 0x1B, 0x63, 0x6B, 0x73,  // 50..5F
    0x7B, 0x43, 0x4B, 0x53, 0x5B, 0xA2, 0xAA, 0xB2,
    0xBA, 0x82, 0x8A, 0x92, 0x9A, 0xE2, 0xEA, 0xF2,  // 60..6F
    0xFA, 0xC2, 0xCA, 0xD2, 0xDA, 0x22, 0x2A, 0x32,
    0x3A, 0x02, 0x0A, 0x12, 0x1A, 0x62, 0x6A, 0x72,  // 70..7F
    0x7A, 0x42, 0x4A, 0x52, 0x5A, 0xA1, 0xA9, 0xB1,
    0xB9, 0x81, 0x89, 0x91, 0x99, 0xE1, 0xE9, 0xF1,  // 80..8F
    0xF9, 0xC1, 0xC9, 0xD1, 0xD9, 0x21, 0x29, 0x31,
    0x39, 0x01, 0x09, 0x11, 0x19, 0x61, 0x69, 0x71,  // 90..9F
    0x79, 0x41, 0x49, 0x51, 0x59, 0xA0, 0xA8, 0xB0,
    0xB8, 0x80, 0x88, 0x90, 0x98, 0xE0, 0xE8, 0xF0,  // A0..AF
    0xF8, 0xC0, 0xC8, 0xD0, 0xD8, 0x20, 0x28, 0x30,
    0x38, 0x00, 0x08, 0x10, 0x18, 0x60, 0x68, 0x70,  // B0..BF
    0x78, 0x40, 0x48, 0x50, 0x58, 0xA7, 0xAF, 0xB7,
    0xBF, 0x87, 0x8F, 0x97, 0x9F, 0xE7, 0xEF, 0xF7,  // C0..CF
    0xFF, 0xC7, 0xCF, 0xD7, 0xDF, 0x27, 0x2F, 0x37,
    0x3F, 0x07, 0x0F, 0x17, 0x1F, 0x67, 0x6F, 0x77,  // D0..DF
    0x7F, 0x47, 0x4F, 0x57, 0x5F, 0xA6, 0xAE, 0xB6,
    0xBE, 0x86, 0x8E, 0x96, 0x9E, 0xE6, 0xEE, 0xF6,  // E0..EF
    0xFE, 0xC6, 0xCE, 0xD6, 0xDE, 0x26, 0x2E, 0x36,
    0x3E, 0x06, 0x0E, 0x16, 0x1E, 0x66, 0x6E, 0x76,  // F0..FF
};

TEST(FileFormat, EveryByteValueHasItsFixedStoredForm) {
  for (int plain = 0; plain < 256; ++plain) {
    SCOPED_TRACE(plain);
    EXPECT_EQ(SubstituteByte(static_cast<std::uint8_t>(plain)), kStored[plain]);
    EXPECT_EQ(RestoreByte(kStored[plain]), plain);
  }
}

// The bulk restore takes sixteen bytes at a time; the whole table covers both of its paths.
TEST(FileFormat, BulkRestoreTurnsTheStoredTableIntoEveryByteValue) {
  std::string stored(kStored.begin(), kStored.end());
  std::string plain(stored.size(), '\0');
  RestoreBytes(plain.data(), stored.data(), stored.size());
  for (int b = 0; b < 256; ++b) EXPECT_EQ(static_cast<std::uint8_t>(plain[b]), b) << b;
}

// Windows-1252 accents, CR LF, braces, an empty record and the largest Id, in file order.
const std::vector<TRecImage> kFixtureRecords = {
    {101, "Acn\xE9|Acne vulgaris", "Puistjes op het gezicht.\r\nZie {Huid} en {Talgklier}."},
    {102, "Caf\xE9\xEFne", "stimulerend middel in koffie en thee; \xAB{Koffie}\xBB"},
    {0, "", ""},
    {65535, "Z\xFCrich-koorts|{Z}", "\xC9\xE9n \x80 per dag.\r\n\r\n{}"},
};

std::string FixtureBytes() {
  std::ifstream in(HALVENA_TEST_FIXTURES "/four-records.dat", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FileFormat, CommittedFileLoadsToItsRecords) {
  TIDbRecFile store;
  ASSERT_TRUE(store.LoadFromFile(HALVENA_TEST_FIXTURES "/four-records.dat", nullptr));
  ASSERT_EQ(store.Recs.Count(), 4);
  struct TExpected {
    std::uint32_t Id;
    std::string Key, Text;
  };
  // The loader capitalises a lower-case ASCII first letter of a body.
  const TExpected expected[] = {
      {101, "Acn\xE9|Acne vulgaris", "Puistjes op het gezicht.\r\nZie {Huid} en {Talgklier}."},
      {102, "Caf\xE9\xEFne", "Stimulerend middel in koffie en thee; \xAB{Koffie}\xBB"},
      {0, "", ""},
      {65535, "Z\xFCrich-koorts|{Z}", "\xC9\xE9n \x80 per dag.\r\n\r\n{}"},
  };
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i + 1);
    const TIDbRec* rec = store.RecAt(i + 1);
    EXPECT_EQ(rec->Id, expected[i].Id);
    EXPECT_EQ(rec->Key ? std::string(rec->Key, rec->KeyLen) : "", expected[i].Key);
    EXPECT_EQ(rec->Text ? std::string(rec->Text, rec->TextLen) : "", expected[i].Text);
  }
}

TEST(FileFormat, WriterReproducesTheCommittedFile) {
  const std::string committed = FixtureBytes();
  ASSERT_EQ(committed.size(), 198u);
  // The head of the file: count 4, then Id 101, key length 18, body length 52, "Acn".
  const std::string head("\x04\x00\x00\x00\x65\x00\x00\x00\x12\x00\x34\x00\x44\x53\xEA", 15);
  EXPECT_EQ(committed.substr(0, head.size()), head);
  std::string written;
  ASSERT_TRUE(EncodeRecFile(kFixtureRecords, written));
  EXPECT_EQ(written, committed);
}

}  // namespace
}  // namespace halvena
