#include "http/download.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "http/client.h"
#include "http/url_crack.h"

const char* const kDownloadAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

namespace {

constexpr std::uint32_t kChunkWithoutLength = 10240;
constexpr std::uint32_t kMaxChunk = 102400;
constexpr std::int64_t kMaxReservation = 64 * 1024 * 1024;

// The one session of all downloads. No system proxy settings are consulted.
const inet::Session& downloadSession() {
  static const inet::Session session(kDownloadAgent, inet::AccessType::Direct);
  return session;
}

}  // namespace

ByteSet Download_Bytes(const Text& url) {
  if (url.empty()) return ByteSet();
  CrackResult cracked = crackUrl(url.view());
  if (cracked.status != CrackStatus::Ok) return ByteSet();
  const UrlPieces& u = cracked.pieces;

  const inet::Connection connection(&downloadSession(), u.host, u.port, u.user, u.password);
  std::uint32_t flags = inet::kFlagReload | inet::kFlagNoCacheWrite;
  if (u.scheme == "https") flags |= inet::kFlagSecure;
  inet::Request request(connection, "GET", u.object, "HTTP/1.0", flags, {"*/*"});
  if (request.send("Accept: */*\r\n\r\n", "") != inet::SendStatus::Ok) return ByteSet();

  // No length, or one of 0 or less: chunks of a fixed size.
  std::optional<std::int64_t> declared = request.contentLength();
  if (declared && *declared <= 0) declared.reset();
  const std::uint32_t chunkSize =
      declared ? static_cast<std::uint32_t>(std::min<std::int64_t>(*declared + 1, kMaxChunk))
               : kChunkWithoutLength;
  ByteSet body;
  if (declared) body.reserve(static_cast<std::size_t>(std::min(*declared, kMaxReservation)));
  std::vector<char> chunk(chunkSize);
  std::uint32_t count = 0;
  while (request.read(chunk.data(), chunkSize, count) && count > 0)
    body.append(std::string_view(chunk.data(), count));
  return body;
}
