#include "http/curl_share.h"

#include <curl/curl.h>

#include <array>
#include <mutex>

namespace inet::detail {
namespace {

struct SharedState {
  CURLSH* share = nullptr;
  std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;
};

SharedState& sharedState() {
  // Leaked on purpose: easy handles may still point at the share while
  // static destructors run.
  static SharedState* state = [] {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    auto* s = new SharedState;
    s->share = curl_share_init();
    curl_share_setopt(s->share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    curl_share_setopt(s->share, CURLSHOPT_USERDATA, s);
    curl_share_setopt(
        s->share, CURLSHOPT_LOCKFUNC,
        +[](CURL*, curl_lock_data data, curl_lock_access, void* user) {
          static_cast<SharedState*>(user)->locks[data].lock();
        });
    curl_share_setopt(
        s->share, CURLSHOPT_UNLOCKFUNC, +[](CURL*, curl_lock_data data, void* user) {
          static_cast<SharedState*>(user)->locks[data].unlock();
        });
    return s;
  }();
  return *state;
}

}  // namespace

CURLSH* cookieShare() {
  return sharedState().share;
}

}  // namespace inet::detail
