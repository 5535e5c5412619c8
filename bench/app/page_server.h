// A loopback server for benchmarks: serves the synthetic search page with
// the number of rows the query's k names (/db/so.html?a=&k=1000).
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

class PageServer {
 public:
  explicit PageServer(std::initializer_list<int> rowCounts);
  ~PageServer();

  std::string base() const;  // "http://127.0.0.1:<port>"
  std::string url(int rows) const;
  const std::string& page(int rows) const { return pages_.at(rows); }

 private:
  std::map<int, std::string> pages_;
  std::unique_ptr<httplib::Server> server_;
  int port_ = 0;
  std::thread thread_;
};
