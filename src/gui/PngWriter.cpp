#include "gui/PngWriter.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include "gui/QPainterCanvas.h"
#include "preview/Cncdatadraw.h"

namespace qv {

bool WritePng(Cncdatadraw& draw, int32_t width, int32_t height, const std::string& path,
              std::string& error) {
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) {
    error = "an image of that size cannot be made";
    return false;
  }
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    draw.Draw(canvas, false, width, height);
  }
  if (image.save(QString::fromStdString(path), "PNG")) return true;
  error = "cannot write " + path;
  return false;
}

}  // namespace qv
