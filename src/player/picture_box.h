// Image1, the player's picture control. It holds the pixels decoded for part of the picture and
// paints them where that part lies in the control, scaled to the control's size: the control keeps
// the geometry of the fitting rules while only the pixels that are seen were decoded.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/services.h"

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent);

  // The pixels of `request.clip` of the picture scaled to `request.scaled`.
  void Set_Picture(const QImage& image, const Platform::Decode_Request& request);
  void Clear();  // the empty picture
  const Platform::Decode_Request& Decoded() const { return decoded_; }
  const QImage& Image() const { return image_; }
  // Where the held pixels are drawn, in the control's coordinates.
  QRectF Target() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
  Platform::Decode_Request decoded_;
};
