#include <QStringList>

#include <cstdlib>

#include "app/system_look.h"

namespace {

constexpr int kDefaultGuiPixelSize = 12;

const QStringList& cjkFamilies() {
  static const QStringList families{QString::fromUtf8("宋体"), "SimSun", "WenQuanYi Zen Hei",
                                    "Noto Sans CJK SC"};
  return families;
}

}  // namespace

QFont Font_FromSpec(const FontSpec& spec) {
  QFont font;
  if (spec.defaultGuiFont) {
    QStringList families{"Tahoma"};
    families << cjkFamilies();
    font.setFamilies(families);
    font.setPixelSize(kDefaultGuiPixelSize);
    return font;
  }
  QStringList families;
  if (spec.face != nullptr) families << QString::fromUtf8(spec.face);
  families << cjkFamilies();
  families.removeDuplicates();
  font.setFamilies(families);
  int pixels = std::abs(spec.height);
  font.setPixelSize(pixels > 0 ? pixels : kDefaultGuiPixelSize);
  font.setBold(spec.bold);
  return font;
}
