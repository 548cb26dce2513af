#include "report_html.h"

#include <algorithm>
#include <sstream>

#include "base/strings.h"
#include "base/text_conversion.h"

namespace zw::tool {

namespace {

// Printed on A4, read on screen alike; a broken mark keeps its word and a heavy frame when printed
// without colour.
const char* const Style = R"(
@page { size: A4; margin: 14mm 12mm 16mm 12mm; }
* { box-sizing: border-box; }
body { font: 10pt/1.35 "DejaVu Sans", Arial, sans-serif; color: #111; margin: 0 auto; max-width: 190mm;
       padding: 8mm 0; }
header { border-bottom: 2px solid #111; margin-bottom: 5mm; padding-bottom: 2mm; }
h1 { font-size: 17pt; margin: 0 0 1mm 0; }
h2 { font-size: 12.5pt; margin: 7mm 0 2mm 0; border-bottom: 1px solid #888; padding-bottom: 1mm;
     break-after: avoid; }
p.made { margin: 0; color: #333; }
dl.summary { display: flex; gap: 8mm; margin: 3mm 0 0 0; }
dl.summary div { border: 1px solid #999; padding: 1.5mm 4mm; }
dl.summary dt { font-size: 8pt; text-transform: uppercase; letter-spacing: .04em; color: #444; }
dl.summary dd { margin: 0; font-size: 15pt; font-weight: bold; }
table { border-collapse: collapse; width: 100%; font-size: 8.5pt; }
thead { display: table-header-group; }
tr { break-inside: avoid; }
th, td { border: 1px solid #aaa; padding: 1mm 1.5mm; text-align: left; vertical-align: top; }
thead th { background: #e8e8e8; font-weight: bold; }
tbody th { font-weight: bold; }
tbody tr:nth-child(even) td, tbody tr:nth-child(even) th { background: #f6f6f6; }
table.grid td.mark { text-align: center; white-space: nowrap; }
.code { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 8pt; word-break: break-all; }
.broken { color: #a00000; font-weight: bold; border: 2px solid #a00000 !important; }
td.broken, span.broken { background: #fde2e2 !important; }
span.broken, span.ok, span.unchecked { padding: 0 1mm; white-space: nowrap; }
.ok { color: #14532d; }
.unchecked { font-style: italic; color: #555; }
ul.lines { margin: 0; padding-left: 4mm; }
footer { margin-top: 8mm; border-top: 1px solid #888; padding-top: 2mm; font-size: 8pt; color: #444; }
@media print {
  body { padding: 0; max-width: none; }
  tbody tr:nth-child(even) td, tbody tr:nth-child(even) th { background: none; }
  td.broken, span.broken { background: none !important; }
  a { color: inherit; text-decoration: none; }
}
)";

std::string HealthCell(const ReportStation& station) {
    if (!station.health)
        return "<span class=\"unchecked\">never checked</span>";
    std::string text;
    if (station.health->Broken()) {
        std::string codes;
        for (const ProgramHealth& p : station.health->programs)
            if (!p.ok)
                codes += (codes.empty() ? "" : ", ") + p.code;
        text = "<span class=\"broken\">&#x2717; BROKEN</span> " + Html(codes);
    } else {
        text = "<span class=\"ok\">&#x2713; ok</span>";
    }
    text += "<br>" + Html(station.checkedAgo);
    if (station.stale)
        text += " <span class=\"unchecked\">(older than a week)</span>";
    return text;
}

std::string MarkCell(Mark mark) {
    switch (mark) {
    case Mark::NotChosen:
        return "<td class=\"mark\"></td>";
    case Mark::Chosen:
        return "<td class=\"mark\">chosen</td>";
    case Mark::Ok:
        return "<td class=\"mark ok\">&#x2713; ok</td>";
    case Mark::Broken:
        return "<td class=\"mark broken\">&#x2717; BROKEN</td>";
    }
    return "<td></td>";
}

void Grid(std::ostream& out, const ReportData& data) {
    out << "<h2 id=\"grid\">Stations and programs</h2>\n<table class=\"grid\">\n<thead><tr>"
           "<th scope=\"col\">Station</th><th scope=\"col\">Health</th>";
    for (const std::string& code : data.codes)
        out << "<th scope=\"col\">" << Html(code) << "</th>";
    out << "</tr></thead>\n<tbody>\n";
    for (const ReportStation& station : data.stations) {
        out << "<tr><th scope=\"row\">" << Html(station.name) << "</th><td"
            << (station.health && station.health->Broken() ? " class=\"health broken\"" : " class=\"health\"") << ">"
            << HealthCell(station) << "</td>";
        for (const Mark mark : station.marks)
            out << MarkCell(mark);
        out << "</tr>\n";
    }
    out << "</tbody>\n</table>\n";
}

void Broken(std::ostream& out, const ReportData& data) {
    out << "<h2 id=\"broken\">Broken programs</h2>\n";
    std::ostringstream rows;
    for (const ReportStation& station : data.stations) {
        if (!station.health)
            continue;
        for (const ProgramHealth& p : station.health->programs) {
            if (p.ok)
                continue;
            std::string problem;
            size_t start = 0;
            while (start <= p.problem.size()) {
                const size_t end = std::min(p.problem.find('\n', start), p.problem.size());
                problem += (start ? "<br>" : "") + Html(p.problem.substr(start, end - start));
                start = end + 1;
            }
            rows << "<tr><th scope=\"row\">" << Html(station.name) << "</th><td class=\"broken\">" << Html(p.code)
                 << "</td><td>" << problem << "</td><td class=\"code\">"
                 << (p.found.empty() ? "<span class=\"unchecked\">nowhere</span>" : Html(p.found)) << "</td><td>"
                 << Html(station.health->time) << "<br>" << Html(station.health->user) << "</td></tr>\n";
        }
    }
    if (rows.str().empty()) {
        out << "<p>No program was found broken at the stations' last checks.</p>\n";
        return;
    }
    out << "<table>\n<thead><tr><th scope=\"col\">Station</th><th scope=\"col\">Program</th>"
           "<th scope=\"col\">What the dialog says</th><th scope=\"col\">Found on the station instead</th>"
           "<th scope=\"col\">Checked (UTC), by</th></tr></thead>\n<tbody>\n"
        << rows.str() << "</tbody>\n</table>\n";
}

void CommandLines(std::ostream& out, const ReportData& data) {
    out << "<h2 id=\"stations\">Each station's choice</h2>\n<table>\n<thead><tr><th scope=\"col\">Station</th>"
           "<th scope=\"col\">Bridges and command lines</th><th scope=\"col\">Devices</th>"
           "<th scope=\"col\">Probe</th><th scope=\"col\">Last change (UTC), by</th></tr></thead>\n<tbody>\n";
    for (const ReportStation& station : data.stations) {
        out << "<tr><th scope=\"row\">" << Html(station.name) << "</th><td>";
        if (station.commandLines.empty())
            out << "NONE";
        else
            out << "<ul class=\"lines\">";
        for (const auto& [code, line] : station.commandLines)
            out << "<li><b>" << Html(code) << "</b>"
                << (line.empty() ? "" : " <span class=\"code\">" + Html(line) + "</span>") << "</li>";
        if (!station.commandLines.empty())
            out << "</ul>";
        out << "</td><td>" << Html(station.devices) << "</td><td class=\"code\">" << Html(station.probe) << "</td><td>"
            << (station.lastChange.empty() ? "<span class=\"unchecked\">before the history</span>"
                                           : Html(station.lastChange) + "<br>" + Html(station.lastChangeBy))
            << "</td></tr>\n";
    }
    out << "</tbody>\n</table>\n";
}

void Changes(std::ostream& out, const ReportData& data) {
    out << "<h2 id=\"changes\">Most recent changes</h2>\n";
    if (data.changes.empty()) {
        out << "<p>The database holds no change history.</p>\n";
        return;
    }
    out << "<table>\n<thead><tr><th scope=\"col\">Time (UTC)</th><th scope=\"col\">Station</th>"
           "<th scope=\"col\">What</th><th scope=\"col\">Change</th><th scope=\"col\">User</th>"
           "<th scope=\"col\">Made with</th></tr></thead>\n<tbody>\n";
    for (const ReportChange& change : data.changes) {
        out << "<tr><td>" << Html(change.time) << "</td><th scope=\"row\">" << Html(change.station) << "</th><td>"
            << Html(change.what) << "</td><td class=\"code\">";
        for (size_t i = 0; i < change.lines.size(); ++i)
            out << (i ? "<br>" : "") << Html(change.lines[i]);
        out << "</td><td>" << Html(change.user) << "</td><td>" << Html(change.writer) << "</td></tr>\n";
    }
    out << "</tbody>\n</table>\n";
}

} // namespace

std::string Html(const std::string& text) {
    std::string result;
    for (const char c : ToUtf8(ToUtf16(text))) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        case '\'':
            result += "&#39;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string RenderReport(const ReportData& data) {
    size_t broken = 0, unchecked = 0;
    for (const ReportStation& station : data.stations) {
        broken += station.health && station.health->Broken() ? 1 : 0;
        unchecked += !station.health || station.stale ? 1 : 0;
    }
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>Imaging links of the practice, "
        << Html(data.made.substr(0, 10)) << "</title>\n<style>" << Style << "</style>\n</head>\n<body>\n"
        << "<header>\n<h1>Imaging links of the practice</h1>\n<p class=\"made\">Made " << Html(data.made)
        << " (UTC) on " << Html(data.madeOn) << " by " << Html(data.madeBy)
        << " from the database <span class=\"code\">" << Html(data.database) << "</span></p>\n"
        << "<dl class=\"summary\"><div><dt>Stations</dt><dd>" << data.stations.size()
        << "</dd></div><div><dt>Broken</dt><dd>" << broken << "</dd></div><div><dt>Not checked this week</dt><dd>"
        << unchecked << "</dd></div></dl>\n</header>\n"
        << "<main>\n";
    Broken(out, data); // first: what needs doing
    Grid(out, data);
    CommandLines(out, data);
    Changes(out, data);
    out << "</main>\n<footer>A station's health is what <span class=\"code\">zwsettings check-station --record"
           "</span> found on it when it last ran there: each chosen program checked as the dialog's OK checks it. "
           "A password is shown as ***.</footer>\n</body>\n</html>\n";
    return out.str();
}

} // namespace zw::tool
