#include "HtmlReport.h"

#include <cctype>
#include <filesystem>

#include "Coverage.h"
#include "JUnitReport.h"
#include "pictures/ConfinedFiles.h"
#include "pictures/Pictures.h"

namespace {

const char Style[] = R"(<style>
body { font: 14px sans-serif; margin: 1em 2em; color: #222; }
section { border-left: 6px solid #2a2; padding: 0 1em; margin: 1.5em 0; }
section.Fail { border-color: #d22; } section.Error { border-color: #e80; }
.verdict { font-weight: bold; } .message { white-space: pre-wrap; font-family: monospace; }
li.failed { color: #d22; font-weight: bold; } li.notrun { color: #999; }
.screens { display: flex; gap: 1em; flex-wrap: wrap; align-items: flex-start; }
figure { margin: 0; } figcaption { font-size: 12px; color: #555; }
img { image-rendering: pixelated; max-width: 480px; border: 1px solid #ccc; display: block; }
.slider { position: relative; display: inline-block; }
.slider img.over { position: absolute; top: 0; left: 0; clip-path: inset(0 50% 0 0); }
table { border-collapse: collapse; } td, th { border: 1px solid #ccc; padding: 2px 6px; }
</style>)";

const char Script[] = R"(<script>
for (const input of document.querySelectorAll('input.between')) {
  const over = input.parentElement.querySelector('img.over');
  input.addEventListener('input', () => {
    over.style.clipPath = 'inset(0 ' + (100 - input.value) + '% 0 0)';
  });
}
</script>)";

struct TCopier {
  std::string Dir;
  int Count = 0;
  std::string Error;
  // The picture copied into files/, as the page names it; "" when it cannot be read.
  std::string Copy(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string reason;
    if (path.empty() || !ReadRegularFile(path, size_t{256} << 20, bytes, reason)) return "";
    // A name that needs no escaping in a URL.
    std::string base = std::filesystem::path(path).filename().string();
    for (char& c : base)
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
    const std::string name = "files/" + std::to_string(++Count) + "-" + base;
    if (!WriteConfinedFile({Dir, name}, bytes.data(), bytes.size(), reason)) {
      if (Error.empty()) Error = WriteFailure(Dir + "/" + name, reason);
      return "";
    }
    return name;
  }
};

std::string Figure(const std::string& src, const std::string& caption) {
  if (src.empty()) return "";
  return "<figure><img src=\"" + Markup(src) + "\" alt=\"" + Markup(caption) + "\"><figcaption>" +
         Markup(caption) + "</figcaption></figure>";
}

std::string Screens(const TReportStep& s, TCopier& copier) {
  const std::string reference = copier.Copy(s.Reference);
  std::string html = "<div class=\"screens\">" + Figure(reference, "reference " + s.Reference);
  if (!s.Actual.empty()) {
    const std::string actual = copier.Copy(s.Actual);
    html +=
        Figure(actual, "actual " + s.Actual) + Figure(copier.Copy(s.Diff), "difference " + s.Diff);
    if (!reference.empty() && !actual.empty())
      html += "<figure><div class=\"slider\"><img src=\"" + Markup(reference) +
              "\" alt=\"reference\"><img class=\"over\" src=\"" + Markup(actual) +
              "\" alt=\"actual\"><br><input class=\"between\" type=\"range\" min=\"0\" "
              "max=\"100\" value=\"50\" aria-label=\"actual (left) against reference\"></div>"
              "<figcaption>actual on the left of the line, reference on the right</figcaption>"
              "</figure>";
  } else if (!reference.empty()) {
    html += "<p>the display matched</p>";
  }
  return html + "</div>";
}

std::string CoverageTable(const TCoverage& c) {
  std::string html =
      "<h2>Coverage</h2><table><tr><th>page</th><th>passes shown</th><th>keys "
      "taken</th></tr>";
  for (uint16_t i = 0; i < PageNameCount; ++i) {
    const std::string page = PageNames[i].Name;
    const auto shown = c.Pages.find(page);
    std::string keys;
    const auto taken = c.Keys.find(page);
    if (taken != c.Keys.end())
      for (const auto& [key, count] : taken->second)
        keys += (keys.empty() ? "" : ", ") + key + " " + std::to_string(count);
    html += "<tr><td>" + Markup(page) + "</td><td>" +
            (shown == c.Pages.end() ? "not shown" : std::to_string(shown->second)) + "</td><td>" +
            Markup(keys) + "</td></tr>";
  }
  html += "</table><table><tr><th>setup row</th><th>passes selected</th></tr>";
  for (const std::string& row : AllSetupRows()) {
    const auto selected = c.Rows.find(row);
    html += "<tr><td>" + Markup(row) + "</td><td>" +
            (selected == c.Rows.end() ? "never" : std::to_string(selected->second)) + "</td></tr>";
  }
  return html + "</table>";
}

}  // namespace

bool WriteHtmlReport(const std::string& dir, const std::vector<TFileReport>& reports,
                     const TCoverage* coverage, std::string& error) {
  static const char* const Verdicts[] = {"PASS", "FAIL", "ERROR"};
  static const char* const Classes[] = {"Pass", "Fail", "Error"};
  TCopier copier{dir, 0, {}};
  int counts[3] = {};
  for (const TFileReport& r : reports) ++counts[r.Verdict];
  std::string body;
  for (const TFileReport& r : reports) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f s", r.Seconds);
    body += std::string("<section class=\"") + Classes[r.Verdict] +
            "\"><h2><span class=\"verdict\">" + Verdicts[r.Verdict] + "</span> " + Markup(r.Name) +
            "</h2><p>" + Markup(r.File) + ", " + seconds + "</p>";
    if (!r.Message.empty()) body += "<p class=\"message\">" + Markup(r.Message) + "</p>";
    body += "<ol>";
    for (size_t i = 0; i < r.Steps.size(); ++i) {
      const TReportStep& s = r.Steps[i];
      const char* state = static_cast<int>(i) < r.Reached ? "done"
                          : static_cast<int>(i) == r.Reached && r.Verdict != TFileReport::Pass
                              ? "failed"
                              : "notrun";
      body += std::string("<li class=\"") + state + "\">line " + std::to_string(s.Line) + ": " +
              Markup(s.Text);
      if (!s.Reference.empty()) body += Screens(s, copier);
      if (!s.Saved.empty())
        body += "<div class=\"screens\">" + Figure(copier.Copy(s.Saved), s.Saved) + "</div>";
      body += "</li>";
    }
    body += "</ol></section>\n";
  }
  if (coverage) body += CoverageTable(*coverage);
  const std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>axim7-scenario "
      "report</title>" +
      std::string(Style) + "</head><body><h1>axim7-scenario report</h1><p>" +
      std::to_string(counts[0]) + " passed, " + std::to_string(counts[1]) + " failed, " +
      std::to_string(counts[2]) + " could not be used</p>\n" + body + Script + "</body></html>\n";
  if (!copier.Error.empty()) {
    error = copier.Error;
    return false;
  }
  std::string reason;
  if (!WriteConfinedFile({dir, "index.html"}, page.data(), page.size(), reason)) {
    error = WriteFailure(dir + "/index.html", reason);
    return false;
  }
  return true;
}
