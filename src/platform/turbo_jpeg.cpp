#include "platform/turbo_jpeg.h"

#include <turbojpeg.h>

#include <memory>

namespace Platform {

QImage Turbo_Jpeg_Decode(const uchar* data, qint64 size, int eighths) {
  if (!data || size <= 0 || size > qint64(0xFFFFFFFFu) || eighths < 1 || eighths > 8) return {};
  const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitDecompress(), tjDestroy);
  if (!handle) return {};
  int width = 0, height = 0, subsampling = 0, colours = 0;
  if (tjDecompressHeader3(handle.get(), data, static_cast<unsigned long>(size), &width, &height,
                          &subsampling, &colours) != 0)
    return {};
  if (colours == TJCS_CMYK || colours == TJCS_YCCK) return {};  // no RGB from these
  const tjscalingfactor factor{eighths, 8};
  // Three bytes a pixel: the decoded picture is the largest buffer of a decode.
  QImage image(TJSCALED(width, factor), TJSCALED(height, factor), QImage::Format_RGB888);
  if (image.isNull()) return {};
  const int failed = tjDecompress2(handle.get(), data, static_cast<unsigned long>(size), image.bits(),
                                   image.width(), int(image.bytesPerLine()), image.height(),
                                   TJPF_RGB, 0);
  // A warning (a file cut short, a stray byte) still leaves a picture.
  if (failed != 0 && tjGetErrorCode(handle.get()) != TJERR_WARNING) return {};
  return image;
}

}  // namespace Platform
