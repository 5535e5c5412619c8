#include "text/literal.h"

#include "text/codec.h"

Text Literal_ToText(std::string_view utf8) {
  return Codec_Utf8ToAnsi(ByteSet(utf8));
}
