// The seam to the desktop's shell, which opens web addresses in their default application.
#include <QDesktopServices>
#include <QUrl>

#include "platform/services.h"

namespace Platform {

namespace {

class Qt_Shell final : public ShellSeam {
 public:
  bool Open_Url(const QString& url) override {
    return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
  }
};

}  // namespace

std::unique_ptr<ShellSeam> Make_Qt_Shell() { return std::make_unique<Qt_Shell>(); }

}  // namespace Platform
