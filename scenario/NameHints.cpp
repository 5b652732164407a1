#include "scenario/NameHints.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "menus/FieldTable.h"

namespace {

// Edits (insert, delete, replace; letters' case aside) from a to b.
size_t Distance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

bool NameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '[' ||
         c == ']';
}

}  // namespace

std::string NearestFieldNames(const std::string& name) {
  if (name.empty() || name.size() > 80) return "";
  std::vector<std::pair<size_t, const char*>> near;
  for (uint16_t i = 0; i < FieldCount; ++i)
    near.emplace_back(Distance(name, Fields[i].Name), Fields[i].Name);
  std::stable_sort(near.begin(), near.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string text = "; the nearest names are ";
  for (size_t i = 0; i < 3 && i < near.size(); ++i) {
    text += i == 0 ? "'" : i == 2 || i + 1 == near.size() ? " and '" : ", '";
    text += near[i].second;
    text += "'";
  }
  return text;
}

std::string FlowMapHint(const std::string& text, int line) {
  size_t start = 0;
  for (int l = 1; l < line && start != std::string::npos; ++l) {
    start = text.find('\n', start);
    if (start != std::string::npos) ++start;
  }
  if (start == std::string::npos) return "";
  const size_t end = std::min(text.find('\n', start), text.size());
  if (text.find('{', start) >= end) return "";
  // A name of letters, dots and [digits] starting after a space, { or , and
  // followed by a colon.
  for (size_t open = text.find('[', start); open < end; open = text.find('[', open + 1)) {
    size_t first = open, last = open;
    while (first > start && NameChar(text[first - 1])) --first;
    while (last < end && NameChar(text[last])) ++last;
    const char before = first > start ? text[first - 1] : ' ';
    if (first == open || (before != ' ' && before != '{' && before != ',')) continue;
    size_t colon = last;
    while (colon < end && text[colon] == ' ') ++colon;
    if (colon < end && text[colon] == ':' && text.find(']', open) < last)
      return " (quote a name holding [ ] inside { }: { \"" + text.substr(first, last - first) +
             "\": ... })";
  }
  return "";
}
