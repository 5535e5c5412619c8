// Both sites served in-process on free loopback ports, with a client for each.
#pragma once

#include <gtest/gtest.h>
#include <httplib.h>

#include <memory>
#include <string>

#include "sites/site_database.h"
#include "sites/site_servers.h"

struct Fetched {
  int status = 0;  // 0: no answer
  std::string contentType;
  std::string body;
};

inline Fetched fetch(httplib::Client& client, const std::string& target,
                     const httplib::Headers& headers = {}) {
  auto result = client.Get(target, headers);
  if (!result) return {};
  return {result->status, result->get_header_value("Content-Type"), result->body};
}

class SitesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto opened = SiteDatabase::open("");
    ASSERT_TRUE(opened.ok()) << opened.error;
    db_ = std::move(opened.value).release();
    ServerOptions options;
    options.statsPort = 0;
    options.scorePort = 0;
    auto started = SiteServers::start(*db_, options);
    ASSERT_EQ(started.status, SiteServers::Status::ok);
    servers_ = started.servers.release();
  }
  static void TearDownTestSuite() {
    delete servers_;
    delete db_;
    servers_ = nullptr;
    db_ = nullptr;
  }

  const SiteDatabase& db() const { return *db_; }
  Fetched stats(const std::string& target, const httplib::Headers& headers = {}) {
    return fetch(statsClient_, target, headers);
  }
  Fetched score(const std::string& target) { return fetch(scoreClient_, target); }
  int statsPort() const { return servers_->statsPort(); }

  static std::string encode(const std::string& utf8) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : utf8) {
      if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
          c == '.') {
        out.push_back(static_cast<char>(c));
      } else {
        out += '%';
        out += hex[c >> 4];
        out += hex[c & 15];
      }
    }
    return out;
  }

 private:
  static inline SiteDatabase* db_ = nullptr;
  static inline SiteServers* servers_ = nullptr;
  httplib::Client statsClient_{"127.0.0.1", servers_ ? servers_->statsPort() : 0};
  httplib::Client scoreClient_{"127.0.0.1", servers_ ? servers_->scorePort() : 0};
};
