#include "platform/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <string>
#include <unordered_map>

#include "platform/text.h"

namespace {

// One conversion direction, opened on first use and kept for the run.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts what can be converted; a sequence the converter rejects is dropped a byte at a time.
  std::string Convert(const std::string& in) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      const size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (r == static_cast<size_t>(-1) && errno != E2BIG) {
        ++src;  // EILSEQ or an incomplete sequence at the end: skip a byte and go on
        --srcLeft;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
    out.append(buffer, dst - buffer);
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& ToUtf8() {
  static Converter c("UTF-8", "CP932");
  return c;
}

Converter& FromUtf8() {
  static Converter c("CP932", "UTF-8");
  return c;
}

Converter& ToUtf32() {
  static Converter c("UTF-32LE", "CP932");
  return c;
}

bool IsLeadByte(uint8_t b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace

int ShiftJisCharLength(const char* text, int remaining) {
  if (remaining >= 2 && IsLeadByte(static_cast<uint8_t>(text[0]))) return 2;
  return 1;
}

uint32_t CodePointOfShiftJis(const char* text, int length) {
  // Texts are redrawn every frame: remember each character once converted.
  static std::unordered_map<uint32_t, uint32_t> known;
  uint32_t code = static_cast<uint8_t>(text[0]);
  if (length == 2) code = (code << 8) | static_cast<uint8_t>(text[1]);
  if (code < 0x80) return code;
  auto it = known.find(code);
  if (it != known.end()) return it->second;
  const std::string utf32 = ToUtf32().Convert(std::string(text, length));
  uint32_t cp = 0;
  if (utf32.size() == 4) {
    for (int i = 3; i >= 0; --i) cp = (cp << 8) | static_cast<uint8_t>(utf32[i]);
  }
  known.emplace(code, cp);
  return cp;
}

std::string ShiftJisFromUtf8(const std::string& utf8) {
  return FromUtf8().Convert(utf8);
}

std::string Utf8FromShiftJis(const std::string& sjis) {
  return ToUtf8().Convert(sjis);
}

std::u32string TextFromShiftJis(std::string_view sjis) {
  std::u32string text;
  const int size = static_cast<int>(sjis.size());
  for (int i = 0; i < size;) {
    const int n = ShiftJisCharLength(sjis.data() + i, size - i);
    const uint32_t cp = CodePointOfShiftJis(sjis.data() + i, n);
    const bool known = cp != 0 && CellsOf(cp) == n;
    text.push_back(known ? cp : n == 2 ? U'\u3000' : U' ');
    i += n;
  }
  return text;
}
