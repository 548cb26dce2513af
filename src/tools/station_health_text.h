#pragma once
#include <optional>
#include <string>
#include <vector>

#include "json.h"
#include "store/station_health.h"

namespace zw::tool {

// How a station's recorded health reads in the tool's lists and the report.

// A station checked longer ago than this is listed with the broken ones: its result may be stale.
inline constexpr long long StaleAfterSeconds = 7LL * 24 * 60 * 60;

// The seconds from one UTC time as the history writes it ("2026-12-06T09:14:02.113Z") to another; nothing
// when either is not such a time.
std::optional<long long> SecondsBetween(const std::string& from, const std::string& to);

// "just now", "12 min ago", "5 h ago", "3 days ago"; empty for nothing.
std::string AgeText(std::optional<long long> seconds);

// "ok", "broken: DEXIS, SCHICK" or "never checked" (health is nullptr).
std::string HealthText(const StationHealth* health);

// Broken, never checked, or checked longer ago than StaleAfterSeconds before now.
bool NeedsLooking(const StationHealth* health, const std::string& now);

// The stations list's two cells: the health text and how long ago the station was checked.
std::vector<std::string> HealthCells(const StationHealth* health, const std::string& now);
// The stations list's JSON member value: null, or {"state": "ok"|"broken", "broken": [codes], "checked": time,
// "user": name, "secondsAgo": n}.
Json HealthJson(const StationHealth* health, const std::string& now);

} // namespace zw::tool
