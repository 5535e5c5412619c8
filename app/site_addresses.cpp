#include "app/site_addresses.h"

#ifndef PELLUMAR_STATS_SITE
#define PELLUMAR_STATS_SITE "http://127.0.0.1:18360"
#endif
#ifndef PELLUMAR_SCORE_SITE
#define PELLUMAR_SCORE_SITE "http://127.0.0.1:18361"
#endif

namespace {

Text& statsBase() {
  static Text base(PELLUMAR_STATS_SITE);
  return base;
}

Text& scoreBase() {
  static Text base(PELLUMAR_SCORE_SITE);
  return base;
}

}  // namespace

const Text& Site_StatsBase() {
  return statsBase();
}
const Text& Site_ScoreBase() {
  return scoreBase();
}

void Site_UseAddresses(const Text& stats, const Text& score) {
  statsBase() = stats;
  scoreBase() = score;
}
