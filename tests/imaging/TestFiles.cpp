#include "TestFiles.h"

#include <QBuffer>
#include <QImageWriter>

namespace halvena::test {
namespace {

void PutLe16(QByteArray& b, int at, int v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void PutRgb(QByteArray& b, QRgb c) {
  b.append(static_cast<char>(qRed(c)));
  b.append(static_cast<char>(qGreen(c)));
  b.append(static_cast<char>(qBlue(c)));
}

// LZW codes of a growing width written least significant bit first into sub-blocks.
class TGifBits {
 public:
  void Put(int code, int width) {
    FAcc |= static_cast<std::uint32_t>(code) << FCount;
    FCount += width;
    while (FCount >= 8) {
      FBytes.append(static_cast<char>(FAcc & 0xFF));
      FAcc >>= 8;
      FCount -= 8;
    }
  }
  QByteArray Blocks() {
    if (FCount > 0) FBytes.append(static_cast<char>(FAcc & 0xFF));
    QByteArray out;
    for (qsizetype at = 0; at < FBytes.size(); at += 255) {
      const QByteArray block = FBytes.mid(at, 255);
      out.append(static_cast<char>(block.size()));
      out.append(block);
    }
    out.append('\0');
    return out;
  }

 private:
  QByteArray FBytes;
  std::uint32_t FAcc = 0;
  int FCount = 0;
};

}  // namespace

int PcxBytesPerLine(const TPcxSpec& spec) {
  if (spec.BytesPerLine != 0) return spec.BytesPerLine;
  const int bytes = (spec.Width * spec.Bits + 7) / 8;
  return bytes + bytes % 2;
}

QByteArray PcxHeader(const TPcxSpec& spec) {
  QByteArray h(128, '\0');
  h[0] = 0x0A;
  h[1] = static_cast<char>(spec.Version);
  h[2] = static_cast<char>(spec.Encoding);
  h[3] = static_cast<char>(spec.Bits);
  PutLe16(h, 4, 0);
  PutLe16(h, 6, 0);
  PutLe16(h, 8, spec.Width - 1);
  PutLe16(h, 10, spec.Height - 1);
  for (int i = 0; i < spec.HeaderPalette.size() && i < 16; ++i) {
    h[16 + 3 * i] = static_cast<char>(qRed(spec.HeaderPalette[i]));
    h[17 + 3 * i] = static_cast<char>(qGreen(spec.HeaderPalette[i]));
    h[18 + 3 * i] = static_cast<char>(qBlue(spec.HeaderPalette[i]));
  }
  h[65] = static_cast<char>(spec.Planes);
  PutLe16(h, 66, PcxBytesPerLine(spec));
  PutLe16(h, 68, 1);
  return h;
}

QByteArray PcxRle(const std::vector<std::uint8_t>& raw) {
  QByteArray out;
  for (std::size_t i = 0; i < raw.size();) {
    std::size_t run = 1;
    while (i + run < raw.size() && run < 63 && raw[i + run] == raw[i]) ++run;
    if (run > 1 || raw[i] >= 0xC0) out.append(static_cast<char>(0xC0 | run));
    out.append(static_cast<char>(raw[i]));
    i += run;
  }
  return out;
}

QByteArray PcxFile(const TPcxSpec& spec, const std::vector<std::uint8_t>& raw) {
  QByteArray file = PcxHeader(spec);
  if (spec.Encoding == 1) {
    file.append(PcxRle(raw));
  } else {
    file.append(reinterpret_cast<const char*>(raw.data()), static_cast<qsizetype>(raw.size()));
  }
  if (!spec.TrailingPalette.isEmpty()) {
    file.append('\x0C');
    for (const QRgb c : spec.TrailingPalette) PutRgb(file, c);
  }
  return file;
}

QByteArray GifFile(const QImage& indexed) {
  QByteArray gif("GIF89a");
  const auto put16 = [&gif](int v) {
    gif.append(static_cast<char>(v & 0xFF));
    gif.append(static_cast<char>(v >> 8));
  };
  put16(indexed.width());
  put16(indexed.height());
  gif.append('\xF7');  // global table of 256 colours
  gif.append('\0');
  gif.append('\0');
  for (int i = 0; i < 256; ++i) PutRgb(gif, i < indexed.colorCount() ? indexed.color(i) : 0);
  gif.append(',');
  put16(0);
  put16(0);
  put16(indexed.width());
  put16(indexed.height());
  gif.append('\0');
  gif.append('\x08');  // minimum code size
  // Every pixel as a literal; a clear code before the table would need 10-bit codes keeps the
  // code width at 9.
  TGifBits bits;
  constexpr int kClear = 256;
  constexpr int kEnd = 257;
  bits.Put(kClear, 9);
  int sinceClear = 0;
  for (int y = 0; y < indexed.height(); ++y) {
    for (int x = 0; x < indexed.width(); ++x) {
      if (sinceClear == 254) {
        bits.Put(kClear, 9);
        sinceClear = 0;
      }
      bits.Put(indexed.pixelIndex(x, y), 9);
      ++sinceClear;
    }
  }
  bits.Put(kEnd, 9);
  gif.append(bits.Blocks());
  gif.append(';');
  return gif;
}

QByteArray QtFile(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (qstrcmp(format, "jpeg") == 0) writer.setQuality(100);
  if (!writer.write(image)) return {};
  return bytes;
}

}  // namespace halvena::test
