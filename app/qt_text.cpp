#include "app/qt_text.h"

#include "text/codec.h"

QString toQString(const Text& t) {
  if (t.empty()) return {};
  ByteSet units = Codec_AnsiToUtf16(t, kCodePageGbk);
  // The units end with one zero unit; an odd byte count cannot occur but is cut.
  qsizetype count = units.size() / 2;
  if (count > 0 && units.data()[2 * count - 2] == 0 && units.data()[2 * count - 1] == 0) --count;
  return QString(reinterpret_cast<const QChar*>(units.data()), count);
}

Text fromQString(const QString& s) {
  if (s.isEmpty()) return {};
  ByteSet units(std::string_view(reinterpret_cast<const char*>(s.utf16()),
                                 static_cast<std::size_t>(s.size()) * 2));
  return Codec_Utf16ToAnsi(units, kCodePageGbk);
}
