#include "sites/site_database.h"

#include <sqlite3.h>

#include <string>

#include "sites/embedded_files.h"

namespace {

// One prepared statement, finalised when it goes out of scope.
class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
        SQLITE_OK)
      stmt_ = nullptr;
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool prepared() const { return stmt_ != nullptr; }
  void bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
  void bind(int index, std::string_view text) {
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }
  void bindBlob(int index, std::string_view bytes) {
    sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
  }
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_MISUSE; }

  std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
  bool isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
  std::string text(int column) const {
    const auto* bytes = sqlite3_column_blob(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
  }
  std::optional<std::string> optionalText(int column) const {
    if (isNull(column)) return std::nullopt;
    return text(column);
  }
  std::string error() const { return sqlite3_errmsg(db_); }

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

template <class T>
DbResult<T> failed(const Statement& statement) {
  return {DbStatus::queryFailed, {}, statement.error()};
}

constexpr std::string_view kSummaryColumns =
    "SELECT p.id, p.name, p.server, s.name, p.avatar, p.tier, p.points, "
    "p.combat_power, p.birthday, p.hidden_score "
    "FROM players p JOIN servers s ON s.number = p.server ";

PlayerProfile readProfileColumns(const Statement& row) {
  PlayerProfile profile;
  PlayerSummary& summary = profile.summary;
  summary.id = row.integer(0);
  summary.name = row.text(1);
  summary.serverNumber = static_cast<int>(row.integer(2));
  summary.serverName = row.text(3);
  summary.avatar = row.text(4);
  summary.tier = row.optionalText(5);
  summary.points = static_cast<int>(row.integer(6));
  profile.combatPower = static_cast<int>(row.integer(7));
  profile.birthday = row.text(8);
  profile.hiddenScore = static_cast<int>(row.integer(9));
  return profile;
}

std::string_view mimeOf(std::string_view file) {
  if (file.ends_with(".png")) return "image/png";
  if (file.ends_with(".jpg")) return "image/jpeg";
  if (file.ends_with(".gif")) return "image/gif";
  if (file.ends_with(".bmp")) return "image/bmp";
  return {};
}

std::string_view embedded(std::string_view name) {
  for (const EmbeddedFile& file : embeddedFiles())
    if (file.name == name) return file.bytes;
  return {};
}

}  // namespace

const char* to_string(DbStatus status) {
  switch (status) {
    case DbStatus::ok:
      return "ok";
    case DbStatus::notFound:
      return "not found";
    case DbStatus::openFailed:
      return "cannot open the database";
    case DbStatus::seedFailed:
      return "cannot load the seed data";
    case DbStatus::queryFailed:
      return "query failed";
  }
  return "unknown";
}

DbResult<std::unique_ptr<SiteDatabase>> SiteDatabase::open(const std::string& path) {
  sqlite3* connection = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
  const int rc =
      sqlite3_open_v2(path.empty() ? ":memory:" : path.c_str(), &connection, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string error = connection ? sqlite3_errmsg(connection) : sqlite3_errstr(rc);
    sqlite3_close(connection);
    return {DbStatus::openFailed, nullptr, error};
  }
  std::unique_ptr<SiteDatabase> db(new SiteDatabase(connection));
  sqlite3_busy_timeout(connection, 5000);
  DbResult<bool> seeded = db->seed();
  if (!seeded.ok()) return {seeded.status, nullptr, seeded.error};
  return {DbStatus::ok, std::move(db), {}};
}

SiteDatabase::~SiteDatabase() {
  sqlite3_close(db_);
}

DbResult<bool> SiteDatabase::seed() {
  Statement existing(
      db_, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'players'");
  if (existing.step() != SQLITE_ROW) return {DbStatus::openFailed, false, existing.error()};
  if (existing.integer(0) > 0) return {DbStatus::ok, true, {}};

  for (std::string_view script : {embedded("schema.sql"), embedded("seed.sql")}) {
    char* message = nullptr;
    const std::string sql(script);
    if (sql.empty() || sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      std::string error = message ? message : "seed script missing";
      sqlite3_free(message);
      return {DbStatus::seedFailed, false, error};
    }
  }
  for (const EmbeddedFile& file : embeddedFiles()) {
    const std::string_view mime = mimeOf(file.name);
    if (mime.empty()) continue;
    Statement insert(db_, "INSERT INTO avatars(file, mime, data) VALUES (?1, ?2, ?3)");
    insert.bind(1, file.name);
    insert.bind(2, mime);
    insert.bindBlob(3, file.bytes);
    if (insert.step() != SQLITE_DONE) return {DbStatus::seedFailed, false, insert.error()};
  }
  return {DbStatus::ok, true, {}};
}

DbResult<std::vector<PlayerSummary>> SiteDatabase::findPlayers(std::string_view part) const {
  // lower() folds only ASCII letters, which is the matching rule wanted here.
  Statement query(db_,
                  std::string(kSummaryColumns) +
                      "WHERE instr(lower(p.name), lower(?1)) > 0 ORDER BY p.server, p.name, p.id");
  query.bind(1, part);
  std::vector<PlayerSummary> players;
  int rc;
  while ((rc = query.step()) == SQLITE_ROW) players.push_back(readProfileColumns(query).summary);
  if (rc != SQLITE_DONE) return failed<std::vector<PlayerSummary>>(query);
  return {DbStatus::ok, std::move(players), {}};
}

DbResult<PlayerProfile> SiteDatabase::player(std::int64_t id) const {
  Statement query(db_, std::string(kSummaryColumns) + "WHERE p.id = ?1");
  query.bind(1, id);
  const int rc = query.step();
  if (rc == SQLITE_DONE) return {DbStatus::notFound, {}, {}};
  if (rc != SQLITE_ROW) return failed<PlayerProfile>(query);
  PlayerProfile profile = readProfileColumns(query);

  Statement modes(
      db_, "SELECT mode, games, wins, losses, tier, points FROM mode_stats WHERE player = ?1");
  modes.bind(1, id);
  int modeRc;
  while ((modeRc = modes.step()) == SQLITE_ROW) {
    const std::int64_t mode = modes.integer(0);
    if (mode < 1 || mode > 4) continue;
    profile.modes[mode - 1] = {static_cast<int>(modes.integer(1)),
                               static_cast<int>(modes.integer(2)),
                               static_cast<int>(modes.integer(3)), modes.optionalText(4),
                               static_cast<int>(modes.integer(5))};
  }
  if (modeRc != SQLITE_DONE) return failed<PlayerProfile>(modes);
  return {DbStatus::ok, std::move(profile), {}};
}

DbResult<int> SiteDatabase::hiddenScore(int serverNumber, std::string_view name) const {
  Statement query(db_, "SELECT hidden_score FROM players WHERE server = ?1 AND name = ?2");
  query.bind(1, serverNumber);
  query.bind(2, name);
  const int rc = query.step();
  if (rc == SQLITE_DONE) return {DbStatus::notFound, 0, {}};
  if (rc != SQLITE_ROW) return failed<int>(query);
  return {DbStatus::ok, static_cast<int>(query.integer(0)), {}};
}

DbResult<AvatarPicture> SiteDatabase::avatar(std::string_view file) const {
  Statement query(db_, "SELECT mime, data FROM avatars WHERE file = ?1");
  query.bind(1, file);
  const int rc = query.step();
  if (rc == SQLITE_DONE) return {DbStatus::notFound, {}, {}};
  if (rc != SQLITE_ROW) return failed<AvatarPicture>(query);
  return {DbStatus::ok, {query.text(0), query.text(1)}, {}};
}

DbResult<std::vector<ServerEntry>> SiteDatabase::servers() const {
  Statement query(db_, "SELECT number, name FROM servers ORDER BY number");
  std::vector<ServerEntry> servers;
  int rc;
  while ((rc = query.step()) == SQLITE_ROW)
    servers.push_back({static_cast<int>(query.integer(0)), query.text(1)});
  if (rc != SQLITE_DONE) return failed<std::vector<ServerEntry>>(query);
  return {DbStatus::ok, std::move(servers), {}};
}

DbResult<std::vector<PlayerProfile>> SiteDatabase::allPlayers() const {
  Statement query(db_, std::string(kSummaryColumns) + "ORDER BY p.id");
  std::vector<PlayerProfile> players;
  int rc;
  while ((rc = query.step()) == SQLITE_ROW) players.push_back(readProfileColumns(query));
  if (rc != SQLITE_DONE) return failed<std::vector<PlayerProfile>>(query);
  for (PlayerProfile& profile : players) {
    DbResult<PlayerProfile> full = player(profile.summary.id);
    if (!full.ok()) return {full.status, {}, full.error};
    profile = std::move(full.value);
  }
  return {DbStatus::ok, std::move(players), {}};
}
