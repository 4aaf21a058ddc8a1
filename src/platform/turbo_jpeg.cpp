#include "platform/turbo_jpeg.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "core/pictures/area_scale.h"

namespace Platform {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back to
// the call that failed. Each call into libjpeg is made from a function of its own whose locals
// need no destructor, so the jump skips nothing that owns memory.
struct Error_Manager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void Error_Exit(j_common_ptr info) { std::longjmp(reinterpret_cast<Error_Manager*>(info->err)->jump, 1); }
void Quiet(j_common_ptr) {}  // warnings (a file cut short, a stray byte) are not printed

bool Read_Header(jpeg_decompress_struct* info) {
  if (setjmp(reinterpret_cast<Error_Manager*>(info->err)->jump)) return false;
  return jpeg_read_header(info, TRUE) == JPEG_HEADER_OK;
}

bool Start(jpeg_decompress_struct* info) {
  if (setjmp(reinterpret_cast<Error_Manager*>(info->err)->jump)) return false;
  return jpeg_start_decompress(info) == TRUE;
}

bool Read_Row(jpeg_decompress_struct* info, JSAMPROW row) {
  if (setjmp(reinterpret_cast<Error_Manager*>(info->err)->jump)) return false;
  return jpeg_read_scanlines(info, &row, 1) == 1;
}

// The number of rows skipped, -1 on an error.
long Skip_Rows(jpeg_decompress_struct* info, JDIMENSION rows) {
  if (setjmp(reinterpret_cast<Error_Manager*>(info->err)->jump)) return -1;
  return long(jpeg_skip_scanlines(info, rows));
}

struct Closer {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

QImage Jpeg_Decode_Scaled(const QString& path, int eighths, QSize scaled, QRect clip) {
  if (eighths < 1 || eighths > 8 || scaled.isEmpty()) return {};
  // Read through the C library in small pieces: the file's bytes are never all in memory.
  const std::unique_ptr<std::FILE, Closer> file(std::fopen(QFile::encodeName(path).constData(), "rb"));
  if (!file) return {};

  jpeg_decompress_struct info{};
  Error_Manager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = Error_Exit;
  errors.base.output_message = Quiet;
  jpeg_create_decompress(&info);
  const std::unique_ptr<jpeg_decompress_struct, void (*)(jpeg_decompress_struct*)> owner(
      &info, [](jpeg_decompress_struct* i) { jpeg_destroy_decompress(i); });
  jpeg_stdio_src(&info, file.get());
  if (!Read_Header(&info)) return {};
  if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) return {};  // no RGB
  info.scale_num = unsigned(eighths);
  info.scale_denom = 8;
  info.out_color_space = JCS_RGB;
  info.dct_method = JDCT_ISLOW;
  if (!Start(&info)) return {};
  if (info.output_components != 3) return {};
  const QSize decoded(int(info.output_width), int(info.output_height));

  std::vector<JSAMPLE> row(size_t(decoded.width()) * 3);
  int next = 0;  // the next row libjpeg gives
  bool failed = false;
  QImage image = Pictures::Area_Scaled_Rows(
      decoded,
      [&](int y) -> const uchar* {
        // Rows above the part shown are skipped without their colours being computed.
        if (y > next) {
          const long skipped = Skip_Rows(&info, JDIMENSION(y - next));
          if (skipped < 0) {
            failed = true;
            return nullptr;
          }
          next += int(skipped);
        }
        while (next <= y) {
          if (!Read_Row(&info, row.data())) {
            failed = true;
            return nullptr;
          }
          ++next;
        }
        return row.data();
      },
      scaled, clip);
  if (failed) return {};
  return image;
}

}  // namespace Platform
