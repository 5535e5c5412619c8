// The players, servers and avatar pictures behind both stand-in sites, in
// SQLite. One connection opened in serialized mode serves every request
// thread; each query prepares its own statement, so calls from several
// threads at once are safe.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

struct ServerEntry {
  int number = 0;  // 1..27
  std::string name;
};

// What a search row shows.
struct PlayerSummary {
  std::int64_t id = 0;
  std::string name;
  int serverNumber = 0;
  std::string serverName;
  std::string avatar;               // file name under /avatars/
  std::optional<std::string> tier;  // absent: unranked
  int points = 0;
};

struct ModeStats {
  int games = 0;
  int wins = 0;
  int losses = 0;
  std::optional<std::string> tier;  // ranked modes only; absent: unranked that season
  int points = 0;
};

struct PlayerProfile {
  PlayerSummary summary;
  int combatPower = 0;
  std::string birthday;  // YYYY-MM-DD
  int hiddenScore = 0;
  std::array<ModeStats, 4> modes;  // classic, all random, ranked S6, ranked S5
};

struct AvatarPicture {
  std::string mime;
  std::string bytes;
};

enum class DbStatus { ok, notFound, openFailed, seedFailed, queryFailed };

const char* to_string(DbStatus status);

template <class T>
struct [[nodiscard]] DbResult {
  DbStatus status = DbStatus::ok;
  T value{};
  std::string error;  // SQLite's message when status is a failure
  bool ok() const { return status == DbStatus::ok; }
};

class SiteDatabase {
 public:
  // An empty path gives a database in memory; otherwise the file at path is
  // used, created and seeded when it holds no players table yet.
  static DbResult<std::unique_ptr<SiteDatabase>> open(const std::string& path);
  ~SiteDatabase();
  SiteDatabase(const SiteDatabase&) = delete;
  SiteDatabase& operator=(const SiteDatabase&) = delete;

  // Every player whose name contains part; ASCII letters match in either case.
  DbResult<std::vector<PlayerSummary>> findPlayers(std::string_view part) const;
  DbResult<PlayerProfile> player(std::int64_t id) const;
  // The hidden score of the player called exactly name on the server.
  DbResult<int> hiddenScore(int serverNumber, std::string_view name) const;
  // Only files listed in the avatars table exist; nothing touches the disk.
  DbResult<AvatarPicture> avatar(std::string_view file) const;
  DbResult<std::vector<ServerEntry>> servers() const;
  DbResult<std::vector<PlayerProfile>> allPlayers() const;

 private:
  explicit SiteDatabase(sqlite3* connection) : db_(connection) {}
  DbResult<bool> seed();

  sqlite3* db_;
};
