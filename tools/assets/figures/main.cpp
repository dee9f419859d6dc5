// halvena-figures MODEL FOLDER [--sheet FILE]: draws the body figures of the model file MODEL
// (16 views of the female and the male body at the three screen-size classes, each also at twice
// the size under the larger set's names) into FOLDER/I/B/
// and writes the anatomy query files FOLDER/D/qf.dat and FOLDER/D/qm.dat from the same model.
// --sheet also writes a contact sheet of every view as a PNG picture.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "assets/figures/BodyModel.h"
#include "assets/figures/FigureFiles.h"
#include "assets/figures/FigureRender.h"
#include "assets/figures/FigureScene.h"
#include "assets/figures/RegionCover.h"

namespace {

using namespace halvena::figures;

constexpr TGender kGenders[2] = {TGender::Female, TGender::Male};

// What one view of one gender gives.
struct TViewResult {
  std::vector<TRegionRect> Rects;
  QImage Pictures[kScreenClassCount];
  QImage FinePictures[kScreenClassCount];  // the same at the larger ratio
};

bool WriteFile(const QString& path, const std::string& bytes, QString& error) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
    error = path + ": cannot be written";
    return false;
  }
  return true;
}

// A picture of the regions as the written rectangles name them, over a faint copy of the figure:
// each region in a colour of its own.
QImage RegionMap(const std::vector<TRegionRect>& rects, const QImage& figure) {
  QImage map = figure.copy();
  for (int y = 0; y < map.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(map.scanLine(y));
    for (int x = 0; x < map.width(); ++x) {
      const double fx = (x + 0.5) * kFrameWidth / map.width();
      const double fy = (y + 0.5) * kFrameHeight / map.height();
      const auto hit = std::find_if(rects.begin(), rects.end(), [&](const TRegionRect& r) {
        return fx >= r.Left && fx < r.Right && fy >= r.Top && fy < r.Bottom;
      });
      if (hit == rects.end()) continue;
      const QColor c = QColor::fromHsv((hit->Region * 67) % 360, 200, 230);
      const QRgb f = row[x];
      row[x] = qRgb((qRed(f) + c.red() * 2) / 3, (qGreen(f) + c.green() * 2) / 3,
                    (qBlue(f) + c.blue() * 2) / 3);
    }
  }
  return map;
}

// Every view side by side: per gender one row for each class, largest first, and a row with the
// regions of the query file over the largest pictures.
QImage ContactSheet(const std::vector<TViewResult>& results) {
  constexpr int kGap = 6;
  int width = 0;
  int height = kGap;
  for (int g = 0; g < 2; ++g) {
    for (int c = kScreenClassCount - 1; c >= 0; --c) height += FigureSize(c).height() + kGap;
    height += FigureSize(kScreenClassCount - 1).height() + kGap * 3;
  }
  width = kGap + kViewCount * (FigureSize(kScreenClassCount - 1).width() + kGap);
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(qRgb(140, 177, 156));
  QPainter painter(&sheet);
  int top = kGap;
  for (int g = 0; g < 2; ++g) {
    for (int row = 0; row <= kScreenClassCount; ++row) {
      const int c = row < kScreenClassCount ? kScreenClassCount - 1 - row : kScreenClassCount - 1;
      const QSize size = FigureSize(c);
      for (int v = 0; v < kViewCount; ++v) {
        const TViewResult& r = results[g * kViewCount + v];
        const QImage picture =
            row < kScreenClassCount ? r.Pictures[c] : RegionMap(r.Rects, r.Pictures[c]);
        painter.drawImage(kGap + v * (FigureSize(kScreenClassCount - 1).width() + kGap), top,
                          picture);
      }
      top += size.height() + (row == kScreenClassCount ? kGap * 3 : kGap);
    }
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  const bool sheetWanted = argc == 5 && std::strcmp(argv[3], "--sheet") == 0;
  if (argc != 3 && !sheetWanted) {
    std::fprintf(stderr, "usage: halvena-figures MODEL FOLDER [--sheet FILE]\n");
    return 2;
  }
  TBodyModel model;
  std::string modelError;
  if (!ReadBodyModel(argv[1], model, modelError)) {
    std::fprintf(stderr, "halvena-figures: %s\n", modelError.c_str());
    return 1;
  }
  const QString folder = QString::fromLocal8Bit(argv[2]);

  // The 32 views are independent: share them out over the processors.
  std::vector<TViewResult> results(2 * kViewCount);
  std::atomic<int> next{0};
  auto work = [&] {
    for (int job = next++; job < int(results.size()); job = next++) {
      const TFigureScene scene(model, kGenders[job / kViewCount], job % kViewCount);
      TViewResult& r = results[job];
      r.Rects = CoverRegions(scene);
      for (int c = 0; c < kScreenClassCount; ++c) {
        const QSize size = FigureSize(c);
        r.Pictures[c] = RenderFigure(scene, size.width(), size.height());
        r.FinePictures[c] = RenderFigure(scene, size.width(), size.height(), kHiDpiRatio);
      }
    }
  };
  std::vector<std::thread> threads;
  const unsigned threadCount = std::max(1u, std::thread::hardware_concurrency());
  for (unsigned i = 0; i < threadCount; ++i) threads.emplace_back(work);
  for (std::thread& t : threads) t.join();

  QString error;
  for (int g = 0; g < 2; ++g) {
    std::vector<std::vector<TRegionRect>> views;
    for (int v = 0; v < kViewCount; ++v) {
      const TViewResult& r = results[g * kViewCount + v];
      views.push_back(r.Rects);
      for (int c = 0; c < kScreenClassCount; ++c) {
        for (const int ratio : {1, kHiDpiRatio}) {
          const QString path = FigurePath(folder, kGenders[g], c, v, ratio);
          const QImage& picture = ratio == 1 ? r.Pictures[c] : r.FinePictures[c];
          QDir().mkpath(QFileInfo(path).path());
          if (!picture.save(path, "BMP")) {
            std::fprintf(stderr, "halvena-figures: %s: cannot be written\n", qPrintable(path));
            return 1;
          }
        }
      }
    }
    if (!WriteFile(QueryFilePath(folder, kGenders[g]), QueryFileText(model, kGenders[g], views),
                   error)) {
      std::fprintf(stderr, "halvena-figures: %s\n", qPrintable(error));
      return 1;
    }
  }
  if (sheetWanted && !ContactSheet(results).save(QString::fromLocal8Bit(argv[4]), "PNG")) {
    std::fprintf(stderr, "halvena-figures: %s: cannot be written\n", argv[4]);
    return 1;
  }
  return 0;
}
