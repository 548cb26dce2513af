#include "station_health_text.h"

#include <chrono>
#include <cstdio>

#include "json.h"

namespace zw::tool {

namespace {

std::optional<long long> SecondsOf(const std::string& time) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char t = 0;
    if (std::sscanf(time.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d", &year, &month, &day, &t, &hour, &minute, &second) != 7 ||
        t != 'T')
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(unsigned(month)),
                                           std::chrono::day(unsigned(day))};
    if (!date.ok())
        return std::nullopt;
    const auto days = std::chrono::sys_days(date).time_since_epoch().count();
    return days * 86400LL + hour * 3600LL + minute * 60LL + second;
}

} // namespace

std::optional<long long> SecondsBetween(const std::string& from, const std::string& to) {
    const auto start = SecondsOf(from), end = SecondsOf(to);
    if (!start || !end)
        return std::nullopt;
    return *end - *start;
}

std::string AgeText(std::optional<long long> seconds) {
    if (!seconds)
        return "";
    const long long s = *seconds < 0 ? 0 : *seconds;
    if (s < 60)
        return "just now";
    if (s < 3600)
        return std::to_string(s / 60) + " min ago";
    if (s < 48 * 3600)
        return std::to_string(s / 3600) + " h ago";
    return std::to_string(s / 86400) + " days ago";
}

std::string HealthText(const StationHealth* health) {
    if (health == nullptr)
        return "never checked";
    std::string broken;
    for (const ProgramHealth& program : health->programs)
        if (!program.ok)
            broken += (broken.empty() ? "" : ", ") + program.code;
    return broken.empty() ? "ok" : "broken: " + broken;
}

bool NeedsLooking(const StationHealth* health, const std::string& now) {
    if (health == nullptr || health->Broken())
        return true;
    const auto age = SecondsBetween(health->time, now);
    return !age || *age > StaleAfterSeconds;
}

std::vector<std::string> HealthCells(const StationHealth* health, const std::string& now) {
    return {HealthText(health), health ? AgeText(SecondsBetween(health->time, now)) : ""};
}

Json HealthJson(const StationHealth* health, const std::string& now) {
    if (health == nullptr)
        return nullptr;
    Json broken = Json::array();
    for (const ProgramHealth& program : health->programs)
        if (!program.ok)
            broken.push_back(program.code);
    const auto age = SecondsBetween(health->time, now);
    return {{"state", health->Broken() ? "broken" : "ok"},
            {"broken", broken},
            {"checked", health->time},
            {"user", health->user},
            {"secondsAgo", age ? Json(*age) : Json(nullptr)}};
}

} // namespace zw::tool
