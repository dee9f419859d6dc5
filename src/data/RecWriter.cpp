#include "data/RecWriter.h"

#include <limits>

#include "data/Substitution.h"

namespace halvena {
namespace {

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void AppendSubstituted(std::string& out, const std::string& text) {
  const std::size_t at = out.size();
  out.resize(at + text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    out[at + i] = static_cast<char>(SubstituteByte(static_cast<std::uint8_t>(text[i])));
  }
}

}  // namespace

bool EncodeRecFile(std::span<const TRecImage> recs, std::string& out) {
  out.clear();
  if (recs.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    return false;
  }
  std::size_t total = 4;
  for (const TRecImage& rec : recs) {
    if (rec.Key.size() > 0xFFFF || rec.Text.size() > 0xFFFF) return false;
    total += 8 + rec.Key.size() + rec.Text.size();
  }
  out.reserve(total);
  AppendLittleEndian(out, static_cast<std::uint32_t>(recs.size()), 4);
  for (const TRecImage& rec : recs) {
    AppendLittleEndian(out, rec.Id, 4);
    AppendLittleEndian(out, static_cast<std::uint32_t>(rec.Key.size()), 2);
    AppendLittleEndian(out, static_cast<std::uint32_t>(rec.Text.size()), 2);
    AppendSubstituted(out, rec.Key);
    AppendSubstituted(out, rec.Text);
  }
  return true;
}

}  // namespace halvena
