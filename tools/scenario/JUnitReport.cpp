#include "JUnitReport.h"

#include <filesystem>

namespace {

// The length of the UTF-8 sequence at text[i], 0 when it is not one.
size_t Utf8Length(const std::string& text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = byte(i);
  const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (n == 0 || i + n > text.size() || (n == 2 && c < 0xC2)) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  return n;
}

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", seconds);
  return text;
}

// The folder as a dotted class name: "tests/scenarios/a.yaml" -> "tests.scenarios".
std::string ClassName(const std::string& file) {
  std::string folder = std::filesystem::path(file).parent_path().lexically_normal().string();
  while (!folder.empty() && (folder[0] == '/' || folder[0] == '.')) folder.erase(0, 1);
  for (char& c : folder)
    if (c == '/') c = '.';
  return folder.empty() ? "scenarios" : folder;
}

}  // namespace

std::string Markup(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const size_t n = Utf8Length(text, i);
    const char c = text[i];
    if (n == 0 || (n == 1 && static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t')) {
      out += '?', ++i;
      continue;
    }
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else
      out.append(text, i, n);
    i += n;
  }
  return out;
}

std::string JUnitXml(const std::vector<TFileReport>& reports) {
  int failures = 0, errors = 0;
  double total = 0;
  for (const TFileReport& r : reports) {
    failures += r.Verdict == TFileReport::Fail;
    errors += r.Verdict == TFileReport::Error;
    total += r.Seconds;
  }
  const std::string counts = " tests=\"" + std::to_string(reports.size()) + "\" failures=\"" +
                             std::to_string(failures) + "\" errors=\"" + std::to_string(errors) +
                             "\" time=\"" + Seconds(total) + "\"";
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites name=\"axim7-scenario\"" + counts +
      ">\n  <testsuite name=\"axim7-scenario\"" + counts + " skipped=\"0\">\n";
  for (const TFileReport& r : reports) {
    xml += "    <testcase classname=\"" + Markup(ClassName(r.File)) + "\" name=\"" +
           Markup(r.Name) + "\" file=\"" + Markup(r.File) + "\" time=\"" + Seconds(r.Seconds) +
           "\">\n";
    if (r.Verdict != TFileReport::Pass) {
      const char* tag = r.Verdict == TFileReport::Fail ? "failure" : "error";
      xml += std::string("      <") + tag + " message=\"" + Markup(r.Message) + "\" type=\"" +
             (r.Verdict == TFileReport::Fail ? "FAIL" : "ERROR") + "\">" + Markup(r.Message) +
             "</" + tag + ">\n";
    }
    std::string out;
    for (const std::string& note : r.Notes) out += Markup(note) + "\n";
    for (const TReportStep& s : r.Steps)
      for (const std::string* picture : {&s.Actual, &s.Diff})
        if (!picture->empty()) out += "[[ATTACHMENT|" + Markup(*picture) + "]]\n";
    if (!out.empty()) xml += "      <system-out>" + out + "</system-out>\n";
    xml += "    </testcase>\n";
  }
  return xml + "  </testsuite>\n</testsuites>\n";
}
