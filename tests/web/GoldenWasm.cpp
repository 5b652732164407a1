// The firmware compiled to WebAssembly, run in node: every golden scene
// compared byte for byte with its committed reference, and the front panel's
// reading texts checked. Arguments: the reference folder and a folder for
// the actual screens of the scenes that differ.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "golden/GoldenScenes.h"
#include "graphics/FrameBuffer.h"
#include "host/FrontPanel.h"

namespace {

const char Header[] = "P5\n160 120\n255\n";
constexpr size_t HeaderSize = sizeof Header - 1;

bool ReadPgm(const std::string& path, std::vector<uint8_t>& pixels) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  char head[HeaderSize];
  const bool ok = std::fread(head, 1, HeaderSize, file) == HeaderSize &&
                  std::memcmp(head, Header, HeaderSize) == 0 &&
                  std::fread(pixels.data(), 1, pixels.size(), file) == pixels.size();
  std::fclose(file);
  return ok;
}

void WriteActual(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(Header, 1, HeaderSize, file);
  std::fwrite(FrameBuffer, 1, FrameBufferSize, file);
  std::fclose(file);
}

// Empty when the screen matches, else what differs.
std::string CompareScene(const test::TScene& scene, const std::string& refs,
                         const std::string& out) {
  scene.Body();
  std::vector<uint8_t> expected(FrameBufferSize);
  const std::string reference = refs + "/" + scene.Name + ".pgm";
  if (!ReadPgm(reference, expected)) return "cannot read the reference " + reference;
  int differing = 0, first = -1;
  for (int i = 0; i < FrameBufferSize; ++i)
    if (expected[i] != FrameBuffer[i]) {
      if (first < 0) first = i;
      ++differing;
    }
  if (differing == 0) return "";
  const std::string actual = out + "/" + scene.Name + ".actual.pgm";
  WriteActual(actual);
  return std::to_string(differing) + " pixels differ, first at (" +
         std::to_string(first % ScreenWidth) + ", " + std::to_string(first / ScreenWidth) +
         "); actual screen in " + actual;
}

struct TReadingCase {
  TPanelInput Input;
  int Position;
  uint8_t OatUnit;
  const char* Expected;
};

// Under the default calibration, as the native build reads them; the OAT also
// in Fahrenheit (the instrument running with that unit); nothing for a
// position out of range or for the box.
const TReadingCase ReadingCases[] = {
    {TPanelInput::Volts, 1648, 0, "1648 counts: 15.5 V"},
    {TPanelInput::Volts, 0, 0, "0 counts: 0.9 V"},
    {TPanelInput::Volts, 4096, 0, "4096 counts: 37.1 V"},
    {TPanelInput::Volts, 4097, 0, ""},
    {TPanelInput::Volts, -1, 0, ""},
    {TPanelInput::Current, 2048, 0, "2048 counts: 0.0 A"},
    {TPanelInput::Current, 0, 0, "0 counts: -20.4 A"},
    {TPanelInput::Oat, 2260, 0, "2260 counts: 0 \u00B0C"},
    {TPanelInput::Oat, 2260, 1, "2260 counts: 32 \u00B0F"},
    {TPanelInput::X, 300, 0, "300: 0.99 g"},
    {TPanelInput::Y, -300, 0, "-300: -0.99 g"},
    {TPanelInput::Z, 0, 0, "0: 0.00 g"},
    {TPanelInput::Z, 301, 0, ""},
    {TPanelInput::Calibrate, 0, 0, ""},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: web_golden REFERENCE_DIR OUT_DIR\n");
    return 2;
  }
  const std::string refs = argv[1], out = argv[2];
  std::error_code error;
  std::filesystem::create_directories(out, error);
  int passed = 0, failed = 0;
  for (const test::TScene& scene : test::GoldenScenes()) {
    const std::string problem = CompareScene(scene, refs, out);
    if (problem.empty()) {
      ++passed;
    } else {
      ++failed;
      std::printf("FAIL golden %s: %s\n", scene.Name, problem.c_str());
    }
  }
  for (const TReadingCase& c : ReadingCases) {
    PanelProgramStart();
    Calibration = GetDefaultCalibration();
    Settings = GetDefaultSettings();
    Settings.OatUnit = c.OatUnit;
    FrontPanel.Running = c.OatUnit;  // the running instrument's own unit
    char text[64];
    PanelReading(c.Input, c.Position, text, sizeof text);
    if (std::strcmp(text, c.Expected) == 0) {
      ++passed;
    } else {
      ++failed;
      std::printf("FAIL reading of %s at %d: \"%s\", expected \"%s\"\n", PanelRow(c.Input).Name,
                  c.Position, text, c.Expected);
    }
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
