-- The database of the stand-in sites. Text columns hold UTF-8.
CREATE TABLE servers (
  number INTEGER PRIMARY KEY,          -- 1..27, the hidden-score site's server number
  name   TEXT NOT NULL UNIQUE          -- as the statistics site shows it
);
CREATE TABLE avatars (
  file TEXT PRIMARY KEY,               -- the name under /avatars/; the only files served
  mime TEXT NOT NULL,
  data BLOB NOT NULL
);
CREATE TABLE players (
  id           INTEGER PRIMARY KEY,    -- page id in /db/summoner/<id>.html
  name         TEXT NOT NULL,
  server       INTEGER NOT NULL REFERENCES servers(number),
  avatar       TEXT NOT NULL REFERENCES avatars(file),
  tier         TEXT,                   -- NULL: unranked; else e.g. '黄金&nbsp;III'
  points       INTEGER NOT NULL,
  combat_power INTEGER NOT NULL,
  birthday     TEXT NOT NULL,          -- YYYY-MM-DD
  hidden_score INTEGER NOT NULL,
  UNIQUE (server, name)
);
CREATE TABLE mode_stats (
  player INTEGER NOT NULL REFERENCES players(id),
  mode   INTEGER NOT NULL CHECK (mode BETWEEN 1 AND 4),  -- classic, all random, ranked S6, ranked S5
  games  INTEGER NOT NULL,
  wins   INTEGER NOT NULL,
  losses INTEGER NOT NULL,
  tier   TEXT,                         -- ranked modes only; NULL: unranked that season
  points INTEGER,
  PRIMARY KEY (player, mode)
);
