// Conformance of the code-page-936 conversions with the published tables in
// text/tests/data: cp936.txt (the round-trip mappings) and bestfit936.txt
// (its MBTABLE/DBCSTABLE for bytes to Unicode, its WCTABLE for Unicode to
// bytes, best-fit substitutes included).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "text/codec.h"

namespace {

struct Mapping {
  std::uint32_t code;  // one byte, or lead byte * 256 + trail byte
  char32_t unicode;
};

std::string DataPath(const char* file) {
  const char* root = std::getenv("PELLUMAR_SOURCE_DIR");
  return std::string(root ? root : ".") + "/text/tests/data/" + file;
}

std::vector<std::string> ReadLines(const char* file) {
  std::ifstream in(DataPath(file), std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// Two leading hexadecimal fields "0x.. 0x..", or false.
bool ParsePair(const std::string& line, std::uint32_t& first, std::uint32_t& second) {
  std::istringstream fields(line);
  std::string a, b;
  if (!(fields >> a >> b) || a.rfind("0x", 0) != 0 || b.rfind("0x", 0) != 0) return false;
  first = static_cast<std::uint32_t>(std::stoul(a, nullptr, 16));
  second = static_cast<std::uint32_t>(std::stoul(b, nullptr, 16));
  return true;
}

std::vector<Mapping> Cp936Mappings() {
  std::vector<Mapping> mappings;
  for (const std::string& line : ReadLines("cp936.txt")) {
    std::uint32_t code, unicode;
    if (ParsePair(line, code, unicode)) mappings.push_back({code, unicode});
  }
  return mappings;
}

struct BestFit {
  std::vector<Mapping> bytesToUnicode;  // MBTABLE and DBCSTABLEs
  std::vector<Mapping> unicodeToBytes;  // WCTABLE
};

BestFit BestFitTables() {
  BestFit tables;
  enum class Section { none, mb, dbcs, wc } section = Section::none;
  std::uint32_t lead = 0;
  for (const std::string& line : ReadLines("bestfit936.txt")) {
    if (line.rfind("MBTABLE", 0) == 0) {
      section = Section::mb;
    } else if (line.rfind("DBCSTABLE", 0) == 0) {
      section = Section::dbcs;
      lead = static_cast<std::uint32_t>(std::stoul(line.substr(line.find("0x")), nullptr, 16));
    } else if (line.rfind("WCTABLE", 0) == 0) {
      section = Section::wc;
    } else if (line.rfind("DBCSRANGE", 0) == 0 || line.rfind("ENDCODEPAGE", 0) == 0) {
      section = Section::none;
    }
    std::uint32_t first, second;
    if (section == Section::none || !ParsePair(line, first, second)) continue;
    if (section == Section::mb) tables.bytesToUnicode.push_back({first, second});
    if (section == Section::dbcs) tables.bytesToUnicode.push_back({lead * 256 + first, second});
    if (section == Section::wc) tables.unicodeToBytes.push_back({second, first});
  }
  return tables;
}

Text GbkBytes(std::uint32_t code) {
  std::string bytes;
  if (code > 0xFF) bytes += static_cast<char>(code >> 8);
  bytes += static_cast<char>(code & 0xFF);
  return Text(bytes);
}

std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | c >> 6);
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | c >> 12);
    s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

std::string Hex(std::uint32_t v) {
  std::ostringstream out;
  out << "0x" << std::hex << v;
  return out.str();
}

std::string HexBytes(const Text& t) {
  std::ostringstream out;
  out << std::hex;
  for (std::int64_t i = 0; i < t.size(); ++i) out << (i ? " " : "") << int{t.at(i)};
  return "[" + out.str() + "]";
}

// Checks every mapping that fits a zero-ended Text; returns the number
// skipped (those with a zero byte or U+0000 on either side).
class Conformance {
 public:
  void Check(bool ok, const std::string& what) {
    ++checked_;
    if (ok) return;
    if (mismatches_.size() < 10) mismatches_.push_back(what);
    ++failed_;
  }
  void Skip() { ++skipped_; }
  int checked() const { return checked_; }
  int skipped() const { return skipped_; }
  int failed() const { return failed_; }
  std::string Report() const {
    std::string report = std::to_string(failed_) + " mismatches; first ones:";
    for (const auto& m : mismatches_) report += "\n  " + m;
    return report;
  }

 private:
  int checked_ = 0, skipped_ = 0, failed_ = 0;
  std::vector<std::string> mismatches_;
};

bool Unrepresentable(const Mapping& m) {
  return m.code == 0 || m.unicode == 0;
}

TEST(CodecTables, Cp936BytesToUnicode) {
  const std::vector<Mapping> mappings = Cp936Mappings();
  ASSERT_EQ(mappings.size(), 21920u);
  Conformance result;
  for (const Mapping& m : mappings) {
    if (Unrepresentable(m)) {
      result.Skip();
      continue;
    }
    const Text utf8 = Codec_AnsiToUtf8(GbkBytes(m.code));
    result.Check(utf8 == Text(Utf8(m.unicode)), Hex(m.code) + " -> " + HexBytes(utf8));
  }
  EXPECT_EQ(result.failed(), 0) << result.Report();
  EXPECT_EQ(result.skipped(), 1);  // 0x00 <-> U+0000
  EXPECT_EQ(result.checked(), 21919);
}

TEST(CodecTables, Cp936UnicodeToBytes) {
  Conformance result;
  for (const Mapping& m : Cp936Mappings()) {
    if (Unrepresentable(m)) {
      result.Skip();
      continue;
    }
    const Text gbk = Codec_Utf8ToAnsi(ByteSet(Utf8(m.unicode)));
    result.Check(gbk == GbkBytes(m.code), "U+" + Hex(m.unicode) + " -> " + HexBytes(gbk));
  }
  EXPECT_EQ(result.failed(), 0) << result.Report();
  EXPECT_EQ(result.skipped(), 1);
  EXPECT_EQ(result.checked(), 21919);
}

// Every WCTABLE entry, best-fit substitutes included, gives its bytes; every
// other BMP character outside the surrogate range gives the default '?'.
TEST(CodecTables, BestFitUnicodeToBytes) {
  const BestFit tables = BestFitTables();
  ASSERT_EQ(tables.unicodeToBytes.size(), 24482u);
  Conformance listed;
  std::set<char32_t> inTable;
  for (const Mapping& m : tables.unicodeToBytes) {
    inTable.insert(m.unicode);
    if (Unrepresentable(m)) {
      listed.Skip();
      continue;
    }
    const Text gbk = Codec_Utf8ToAnsi(ByteSet(Utf8(m.unicode)));
    listed.Check(gbk == GbkBytes(m.code), "U+" + Hex(m.unicode) + " -> " + HexBytes(gbk));
  }
  EXPECT_EQ(listed.failed(), 0) << listed.Report();
  EXPECT_EQ(listed.skipped(), 1);  // U+0000 -> 0x00
  EXPECT_EQ(listed.checked(), 24481);

  Conformance unlisted;
  for (char32_t c = 1; c <= 0xFFFF; ++c) {
    if (inTable.count(c) || (c >= 0xD800 && c <= 0xDFFF)) continue;
    const Text gbk = Codec_Utf8ToAnsi(ByteSet(Utf8(c)));
    unlisted.Check(gbk == Text("?"), "U+" + Hex(c) + " -> " + HexBytes(gbk));
  }
  EXPECT_EQ(unlisted.failed(), 0) << unlisted.Report();
  EXPECT_EQ(unlisted.checked(), 0xFFFF - 2048 - 24481);
}

// The bytes-to-Unicode half of the best-fit description, which adds the
// user-defined area and the single bytes 0x80 and 0xFF to cp936.txt.
TEST(CodecTables, BestFitBytesToUnicode) {
  const BestFit tables = BestFitTables();
  ASSERT_EQ(tables.bytesToUnicode.size(), 24070u);
  Conformance result;
  for (const Mapping& m : tables.bytesToUnicode) {
    if (Unrepresentable(m)) {
      result.Skip();
      continue;
    }
    const Text utf8 = Codec_AnsiToUtf8(GbkBytes(m.code));
    result.Check(utf8 == Text(Utf8(m.unicode)), Hex(m.code) + " -> " + HexBytes(utf8));
  }
  EXPECT_EQ(result.failed(), 0) << result.Report();
  EXPECT_EQ(result.skipped(), 1);
  EXPECT_EQ(result.checked(), 24069);
}

}  // namespace
