#include "app/Schedule.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "app/ReportRender.h"

namespace as4100 {

namespace {

const char* VerdictWord(Verdict v) {
    switch (v) {
        case Verdict::Pass:
            return "PASS";
        case Verdict::Fail:
            return "FAIL";
        case Verdict::Refused:
            break;
    }
    return "REFUSED";
}

std::string Fixed(double v, int decimals) {
    if (std::isinf(v)) return "inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : separator) + p;
    return out;
}

bool Sized(const std::vector<ScheduleRow>& rows) {
    for (const ScheduleRow& r : rows) {
        if (r.sizing) return true;
    }
    return false;
}

// The sizing columns: the section of the members table, and the member that governs the
// group's section with its utilisation.
std::vector<std::string> SizingCells(const ScheduleRow& r) {
    if (!r.sizing) return {"", "", ""};
    return {r.sizing->inputSection, r.sizing->governingMember, Fixed(r.sizing->groupUtil, 3)};
}

}  // namespace

ScheduleRow ScheduleRowOf(const ModelMember& member, const MemberResult* result) {
    ScheduleRow row;
    row.member = member.row.name;
    row.group = member.row.group;
    row.section = member.row.section;
    row.grade = member.row.grade;
    row.length = member.row.length;
    if (!result) {
        row.note = member.refusal;
        return row;
    }
    row.note = Join(member.notes, "; ");
    row.util = -1.0;
    for (const CaseResult& c : result->cases) {
        const double util = c.ran ? c.governing : std::numeric_limits<double>::infinity();
        if (util > row.util) {
            row.util = util;
            row.governingCase = c.name;
            row.check = c.ran ? c.governs : "check did not run";
        }
    }
    row.verdict = result->AllPass() ? Verdict::Pass : Verdict::Fail;
    return row;
}

std::string ScheduleSummary(const std::vector<ScheduleRow>& rows) {
    std::size_t fail = 0, refused = 0;
    const ScheduleRow* heaviest = nullptr;
    for (const ScheduleRow& r : rows) {
        fail += r.verdict == Verdict::Fail;
        refused += r.verdict == Verdict::Refused;
        if (r.verdict != Verdict::Refused && (!heaviest || r.util > heaviest->util)) heaviest = &r;
    }
    std::string text = std::to_string(rows.size()) + " members, " + std::to_string(fail) + " fail";
    if (heaviest)
        text += ", heaviest utilisation " + Fixed(heaviest->util, 2) + " at " + heaviest->member;
    if (refused) text += ", " + std::to_string(refused) + " refused";
    return text;
}

std::string ScheduleCsv(const std::vector<ScheduleRow>& rows) {
    const bool sized = Sized(rows);
    std::string out = "member,group,section,grade,length [m],case,util,check,result,note";
    out += sized ? ",input section,governing member,group util\n" : "\n";
    for (const ScheduleRow& r : rows) {
        const bool checked = r.verdict != Verdict::Refused;
        std::vector<std::string> cells = {CsvField(r.member),
                                          CsvField(r.group),
                                          CsvField(r.section),
                                          CsvField(r.grade),
                                          Fixed(r.length, 3),
                                          CsvField(r.governingCase),
                                          checked ? Fixed(r.util, 3) : "",
                                          CsvField(r.check),
                                          VerdictWord(r.verdict),
                                          CsvField(r.note)};
        if (sized) {
            for (const std::string& cell : SizingCells(r)) cells.push_back(CsvField(cell));
        }
        out += Join(cells, ",") + "\n";
    }
    return out;
}

namespace {

constexpr const char* kStyle = R"(body{font-family:sans-serif;margin:2em}
table{border-collapse:collapse}th,td{border:1px solid #bbb;padding:3px 8px;text-align:left}
th{background:#eee;cursor:pointer;user-select:none}td.num{text-align:right}
tr.fail td{background:#f8c8c8;color:#800}p.summary{font-weight:bold})";

// Sorts by the clicked column: numbers as numbers (the data-v attribute), text as text;
// a second click reverses.
constexpr const char* kScript = R"(document.querySelectorAll('th').forEach(function(th,i){
th.addEventListener('click',function(){var tb=th.closest('table').tBodies[0];
var asc=th.dataset.dir!=='asc';th.dataset.dir=asc?'asc':'desc';
var rows=Array.prototype.slice.call(tb.rows);rows.sort(function(a,b){
var x=a.cells[i].dataset.v,y=b.cells[i].dataset.v,c;
if(x!==undefined&&y!==undefined){c=parseFloat(x)-parseFloat(y);}
else{c=a.cells[i].textContent.localeCompare(b.cells[i].textContent,undefined,{numeric:true});}
return asc?c:-c;});rows.forEach(function(r){tb.appendChild(r);});});});)";

std::string Td(const std::string& text) {
    return "<td>" + HtmlEscape(text) + "</td>";
}

std::string NumberTd(double v, const std::string& text) {
    const std::string sortKey = std::isinf(v) ? "1e308" : Fixed(v, 6);
    return "<td class=\"num\" data-v=\"" + sortKey + "\">" + text + "</td>";
}

}  // namespace

std::string ScheduleHtml(const std::vector<ScheduleRow>& rows, const std::string& title) {
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n<title>" +
        HtmlEscape(title) + "</title>\n<style>" + kStyle + "</style></head>\n<body>\n";
    html += "<h1>" + HtmlEscape(title) + "</h1>\n<p class=\"summary\">" +
            HtmlEscape(ScheduleSummary(rows)) + "</p>\n";
    html +=
        "<table><thead><tr><th>Member</th><th>Group</th><th>Section</th><th>Grade</th>"
        "<th>Length [m]</th><th>Case</th><th>Utilisation</th><th>Check</th><th>Result</th>"
        "<th>Note</th>";
    const bool sized = Sized(rows);
    if (sized) html += "<th>Input section</th><th>Governing member</th><th>Group util</th>";
    html += "</tr></thead>\n<tbody>\n";
    for (const ScheduleRow& r : rows) {
        const bool checked = r.verdict != Verdict::Refused;
        html += std::string(r.verdict == Verdict::Pass ? "<tr>" : "<tr class=\"fail\">") +
                Td(r.member) + Td(r.group) + Td(r.section) + Td(r.grade) +
                NumberTd(r.length, Fixed(r.length, 3)) + Td(r.governingCase) +
                (checked ? NumberTd(r.util, Fixed(r.util, 2)) : NumberTd(-1.0, "")) + Td(r.check) +
                Td(VerdictWord(r.verdict)) + Td(r.note);
        if (sized) {
            const auto cells = SizingCells(r);
            html += Td(cells[0]) + Td(cells[1]) +
                    (r.sizing ? NumberTd(r.sizing->groupUtil, Fixed(r.sizing->groupUtil, 2))
                              : NumberTd(-1.0, ""));
        }
        html += "</tr>\n";
    }
    html += "</tbody></table>\n<script>" + std::string(kScript) + "</script>\n</body></html>\n";
    return html;
}

}  // namespace as4100
