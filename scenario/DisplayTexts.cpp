#include "scenario/DisplayTexts.h"

#include "graphics/ShownTexts.h"
#include "scenario/Scenario.h"

namespace {

// The fonts' single bytes are the Western character set: the degree sign
// 0xB0 is U+00B0.
std::string Utf8(const char* text) {
  std::string out;
  for (; *text != 0; ++text) {
    const auto byte = static_cast<unsigned char>(*text);
    if (byte < 0x80) {
      out += static_cast<char>(byte);
    } else {
      out += static_cast<char>(0xC0 | byte >> 6);
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<TDisplayText> DisplayTexts() {
  std::vector<TDisplayText> texts;
  for (uint8_t i = 0; i < ShownTexts.Count && i < ShownTextSlots; ++i) {
    const TShownText& shown = ShownTexts.Texts[i];
    std::string text = Trimmed(Utf8(shown.Text));
    if (text.empty()) continue;
    texts.push_back({std::move(text), shown.X, shown.Y, shown.Height, shown.Cut != 0});
  }
  return texts;
}

bool DisplayShows(const std::string& text, int row) {
  const std::vector<TDisplayText> texts = DisplayTexts();
  for (size_t first = 0; first < texts.size(); ++first) {
    std::string joined;
    bool covers = row < 0;
    for (size_t last = first; last < texts.size() && joined.size() < text.size(); ++last) {
      joined += (last == first ? "" : " ") + texts[last].Text;
      covers = covers || (texts[last].Y <= row && row < texts[last].Y + texts[last].Height);
      if (joined == text && covers) return true;
    }
  }
  return false;
}

std::string DisplayTextList(size_t longest) {
  const std::vector<TDisplayText> texts = DisplayTexts();
  std::string list;
  size_t listed = 0;
  for (const TDisplayText& t : texts) {
    std::string one = "\"";
    one += Printable(t.Text);
    one += t.Cut ? "...\" at (" : "\" at (";
    one += std::to_string(t.X) + ", " + std::to_string(t.Y) + ")";
    if (list.size() + one.size() > longest) break;
    list += (list.empty() ? "" : ", ") + one;
    ++listed;
  }
  if (listed < texts.size()) list += ", and " + std::to_string(texts.size() - listed) + " more";
  if (ShownTexts.Dropped > 0)
    list += (list.empty() ? "" : ", ") + std::string("and ") + std::to_string(ShownTexts.Dropped) +
            " not kept (more than " + std::to_string(ShownTextSlots) + " texts)";
  return list.empty() ? "nothing" : list;
}
