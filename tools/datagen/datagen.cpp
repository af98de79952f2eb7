#include "tools/datagen/datagen.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

// The message window is 370 pixels wide and 90 high with a 12 x 20 font.
constexpr int kMessageMaxWidth = 30;
constexpr int kMessageMaxLines = 4;

bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool ToCp932(const std::string& line, std::string& out) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::vector<char> in(line.begin(), line.end());
  std::vector<char> buf(line.size() * 2 + 8);
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char* outPtr = buf.data();
  size_t outLeft = buf.size();
  size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1) || inLeft != 0) return false;
  out.assign(buf.data(), outPtr);
  return true;
}

bool HasAtTrailByte(const std::string& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(s[i]))) {
      if (i + 1 < s.size() && s[i + 1] == '@') return true;
      ++i;
    }
  }
  return false;
}

// "@Mn,piece,piece,@": each piece is one line of the window.
std::string CheckMessage(const std::string& line) {
  size_t start = line.find(',');
  if (start == std::string::npos) return "message without text";
  if (line.size() < 2 || line.compare(line.size() - 2, 2, ",@") != 0)
    return "message must end with \",@\" on its own line";
  std::string body = line.substr(start + 1, line.size() - 2 - (start + 1));
  int lines = 0;
  size_t pos = 0;
  while (pos <= body.size()) {
    size_t comma = body.find(',', pos);
    if (comma == std::string::npos) comma = body.size();
    std::string piece = body.substr(pos, comma - pos);
    if (MessageLineWidth(piece) > kMessageMaxWidth) return "message line too wide: " + piece;
    ++lines;
    pos = comma + 1;
  }
  if (lines > kMessageMaxLines) return "message has more than four lines";
  return "";
}

}  // namespace

int MessageLineWidth(const std::string& cp932) {
  int width = 0;
  for (size_t i = 0; i < cp932.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(cp932[i])))
      ++i, width += 2;
    else
      ++width;
  }
  return width;
}

DataGenResult ConvertDataText(const std::string& utf8) {
  DataGenResult result;
  size_t pos = 0;
  int lineNo = 0;
  while (pos < utf8.size()) {
    ++lineNo;
    size_t end = utf8.find('\n', pos);
    if (end == std::string::npos) end = utf8.size();
    std::string line = utf8.substr(pos, end - pos);
    pos = end + 1;
    std::string where = "line " + std::to_string(lineNo) + ": ";
    if (line.find('\r') != std::string::npos) {
      result.error = where + "source must use LF line ends";
      return result;
    }
    std::string converted;
    if (!ToCp932(line, converted)) {
      result.error = where + "character not in code page 932 (or not UTF-8)";
      return result;
    }
    if (HasAtTrailByte(converted)) {
      result.error = where + "a character encodes with an \"@\" byte; choose another";
      return result;
    }
    if (converted.compare(0, 2, "@M") == 0) {
      std::string problem = CheckMessage(converted);
      if (!problem.empty()) {
        result.error = where + problem;
        return result;
      }
    }
    result.bytes += converted;
    result.bytes += "\r\n";
  }
  result.ok = true;
  return result;
}
