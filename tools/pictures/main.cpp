// Draws every picture of the calculator's main window and writes them as JPEG
// (the icon as PNG) into the folder named on the command line. The pictures depend on nothing
// but this program and the DejaVu fonts, so every run gives the same files.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "jpeg.h"
#include "pictures.h"
#include "qt_jpeg.h"

namespace {

constexpr int kJpegQuality = 92;

bool WritePicture(const QDir& folder, const pictures::NamedPicture& picture) {
  // An icon keeps its clear ground, which JPEG has not.
  if (picture.FileName.endsWith(QLatin1String(".png"))) {
    if (picture.Image.save(folder.filePath(picture.FileName), "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(picture.FileName));
    return false;
  }
  const QImage opaque = picture.Image.convertToFormat(QImage::Format_RGB32);
  const std::vector<std::uint8_t> jpeg = ovalto::EncodeJpeg(ovalto::FromQImage(opaque), kJpegQuality);
  QFile file(folder.filePath(picture.FileName));
  if (jpeg.empty() || !file.open(QIODevice::WriteOnly) ||
      file.write(reinterpret_cast<const char*>(jpeg.data()), static_cast<qint64>(jpeg.size())) !=
          static_cast<qint64>(jpeg.size())) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    return false;
  }
  std::printf("%s %dx%d\n", qPrintable(picture.FileName), opaque.width(), opaque.height());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  // Fonts need a GUI application; no window is ever shown.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  QList<pictures::NamedPicture> all = pictures::DrawStartScreenPictures();
  all += pictures::DrawSystemPictures();
  all += pictures::DrawPagePictures();
  all += pictures::DrawGridMarks();
  all += pictures::DrawDialogButtons();
  all += pictures::DrawTreeImages();
  bool written = true;
  for (const auto& picture : all) written = WritePicture(folder, picture) && written;
  return written ? 0 : 1;
}
