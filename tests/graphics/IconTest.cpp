// The packed icons: their tables against their sources, the calibration
// marks' exact spans, the sizes, and the packer's handling of sources.
#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ScreenCheck.h"
#include "tools/iconpack/IconPack.h"

namespace test {
namespace {

struct TIconCase {
  const char* Name;
  const char* File;
  const uint8_t* Table;
  bool Menu;
  std::set<uint8_t> Colours;  // colours the picture must show
};

const std::vector<TIconCase>& Icons() {
  static const std::vector<TIconCase> icons = {
      {"IconAttention", "Attention.icon", IconAttention, false, {9, 15}},
      {"IconQuestion", "Question.icon", IconQuestion, false, {9, 15}},
      {"IconTick", "Tick.icon", IconTick, false, {10}},
      {"IconCross", "Cross.icon", IconCross, false, {9}},
      {"IconFlightTimer", "FlightTimer.icon", IconFlightTimer, true, {15}},
      {"IconGForce", "GForce.icon", IconGForce, true, {12, 11, 10, 13}},
      {"IconTime", "Time.icon", IconTime, true, {15, 11}},
      {"IconVolts", "Volts.icon", IconVolts, true, {15, 12}},
      {"IconCurrent", "Current.icon", IconCurrent, true, {10, 11}},
      {"IconOat", "Oat.icon", IconOat, true, {15, 9}},
      {"IconSlip", "Slip.icon", IconSlip, true, {11}},
      {"IconMisc", "Misc.icon", IconMisc, true, {9, 11, 10}},
      {"IconAdc", "Adc.icon", IconAdc, true, {11, 9, 10}},
  };
  return icons;
}

struct TDecoded {
  int Width = 0, Height = 0;
  size_t Bytes = 0;
  std::vector<uint8_t> Pixels;
};

// Strict decode: fails the test on an empty packet, a packet crossing a
// row's end, or any other damage the drawing routine would only contain.
TDecoded Decode(const uint8_t* table) {
  TDecoded d;
  d.Bytes = 1 << 20;  // the tables carry no length; a sound one stops in time
  std::string error;
  EXPECT_TRUE(iconpack::UnpackIcon(table, d.Bytes, d.Width, d.Height, d.Pixels, error)) << error;
  return d;
}

iconpack::TIconSource ReadSource(const std::string& file) {
  std::ifstream in(std::string(AXIM_ICON_DIR) + "/" + file);
  iconpack::TIconSource icon;
  std::string error;
  EXPECT_TRUE(in.good()) << file;
  EXPECT_TRUE(iconpack::ParseIconSource(file, in, icon, error)) << error;
  return icon;
}

class IconTest : public ScreenTest {};

TEST_F(IconTest, EveryTableIsA50By50PictureOfWellFormedPackets) {
  for (const TIconCase& icon : Icons()) {
    SCOPED_TRACE(icon.Name);
    const TDecoded d = Decode(icon.Table);
    EXPECT_EQ(d.Width, 50);
    EXPECT_EQ(d.Height, 50);
    EXPECT_EQ(d.Pixels.size(), 2500u);
    if (icon.Menu) {
      EXPECT_GE(d.Bytes, 299u);
      EXPECT_LE(d.Bytes, 735u);
    }
  }
}

TEST_F(IconTest, DrawnIconsMatchTheirSourcesPixelForPixel) {
  for (const TIconCase& icon : Icons()) {
    SCOPED_TRACE(icon.Name);
    const iconpack::TIconSource source = ReadSource(icon.File);
    EXPECT_EQ(source.Name, icon.Name);
    ASSERT_EQ(source.Pixels.size(), 2500u);
    // A lit ground shows that black pixels are written and nothing spills.
    FillScreen(14);
    DrawImage(10, 45, icon.Table);
    for (int y = 0; y < ScreenHeight; ++y)
      for (int x = 0; x < ScreenWidth; ++x) {
        const bool inside = x >= 10 && x < 60 && y >= 45 && y < 95;
        const uint8_t expected = inside ? source.Pixels[(y - 45) * 50 + x - 10] : 14;
        ASSERT_EQ(PixelAt(x, y), expected) << x << "," << y;
      }
  }
}

TEST_F(IconTest, IconsUseOnlyTheIconColoursAndShowWhatTheyDescribe) {
  const std::set<uint8_t> palette = {0, 3, 7, 8, 9, 10, 11, 12, 13, 15, 229};
  for (const TIconCase& icon : Icons()) {
    SCOPED_TRACE(icon.Name);
    const TDecoded d = Decode(icon.Table);
    const std::set<uint8_t> used(d.Pixels.begin(), d.Pixels.end());
    for (uint8_t c : used) EXPECT_TRUE(palette.count(c)) << "colour " << int(c);
    for (uint8_t c : icon.Colours) EXPECT_TRUE(used.count(c)) << "missing colour " << int(c);
    // On a black ground: the corners are black.
    EXPECT_EQ(d.Pixels[0], 0);
    EXPECT_EQ(d.Pixels[49], 0);
    EXPECT_EQ(d.Pixels[49 * 50], 0);
    EXPECT_EQ(d.Pixels[2499], 0);
  }
}

// Spans of the calibration marks: row, first and last column.
struct TSpan {
  int Row, First, Last;
};

void ExpectOnlySpans(const uint8_t* table, uint8_t colour, const std::vector<TSpan>& spans) {
  const TDecoded d = Decode(table);
  ASSERT_EQ(d.Pixels.size(), 2500u);
  std::vector<uint8_t> expected(2500, 0);
  for (const TSpan& s : spans)
    for (int x = s.First; x <= s.Last; ++x) expected[s.Row * 50 + x] = colour;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x)
      EXPECT_EQ(d.Pixels[y * 50 + x], expected[y * 50 + x]) << "row " << y << " column " << x;
}

TEST_F(IconTest, TickIsExactlyItsGreenSpans) {
  ExpectOnlySpans(
      IconTick, 10,
      {{8, 38, 40},  {9, 37, 41},  {10, 36, 41}, {11, 36, 41}, {12, 35, 41}, {13, 35, 40},
       {14, 34, 40}, {15, 33, 39}, {16, 33, 39}, {17, 32, 38}, {18, 32, 37}, {19, 31, 37},
       {20, 31, 36}, {21, 30, 36}, {22, 30, 35}, {23, 29, 35}, {24, 28, 34}, {25, 28, 34},
       {26, 27, 33}, {27, 11, 14}, {27, 27, 32}, {28, 10, 15}, {28, 26, 32}, {29, 10, 16},
       {29, 26, 31}, {30, 10, 17}, {30, 25, 31}, {31, 11, 18}, {31, 25, 30}, {32, 12, 19},
       {32, 24, 30}, {33, 13, 20}, {33, 23, 29}, {34, 14, 21}, {34, 23, 29}, {35, 15, 28},
       {36, 16, 27}, {37, 17, 27}, {38, 18, 26}, {39, 19, 26}, {40, 20, 25}, {41, 21, 24}});
}

TEST_F(IconTest, CrossIsExactlyItsRedSpans) {
  ExpectOnlySpans(
      IconCross, 9,
      {{8, 8, 11},   {8, 37, 41},  {9, 8, 12},   {9, 36, 41},  {10, 8, 13},  {10, 35, 41},
       {11, 8, 14},  {11, 34, 41}, {12, 8, 15},  {12, 33, 40}, {13, 9, 16},  {13, 32, 39},
       {14, 10, 17}, {14, 31, 38}, {15, 11, 18}, {15, 30, 37}, {16, 12, 19}, {16, 29, 36},
       {17, 13, 20}, {17, 28, 35}, {18, 14, 21}, {18, 27, 34}, {19, 15, 22}, {19, 26, 33},
       {20, 16, 23}, {20, 25, 32}, {21, 17, 31}, {22, 18, 30}, {23, 19, 29}, {24, 20, 28},
       {25, 21, 28}, {26, 20, 29}, {27, 19, 30}, {28, 18, 31}, {29, 17, 32}, {30, 16, 23},
       {30, 26, 33}, {31, 15, 22}, {31, 27, 34}, {32, 14, 21}, {32, 28, 35}, {33, 13, 20},
       {33, 29, 36}, {34, 12, 19}, {34, 30, 37}, {35, 11, 18}, {35, 31, 38}, {36, 10, 17},
       {36, 32, 39}, {37, 9, 16},  {37, 33, 40}, {38, 8, 15},  {38, 34, 41}, {39, 8, 14},
       {39, 35, 41}, {40, 8, 13},  {40, 36, 41}, {41, 8, 12},  {41, 37, 41}});
}

TEST_F(IconTest, CalibrationMarkDrawnAtItsPlaceCoversTheWholeSquare) {
  FillScreen(15);
  DrawImage(5, 27, IconTick);
  EXPECT_EQ(PixelAt(5 + 38, 27 + 8), 10);
  EXPECT_EQ(PixelAt(5 + 37, 27 + 8), 0);
  EXPECT_EQ(PixelAt(5, 27), 0);
  EXPECT_EQ(PixelAt(54, 76), 0);
  EXPECT_EQ(PixelAt(4, 27), 15);
  EXPECT_EQ(PixelAt(55, 76), 15);
  EXPECT_EQ(PixelAt(54, 77), 15);
}

// --- The packer --------------------------------------------------------

std::string Source(int width, const std::vector<std::string>& rows) {
  std::ostringstream s;
  s << "# test picture\nicon IconSample " << width << " " << 3 << "\n"
    << "colour . 0\ncolour W 15\ncolour R 9\npixels\n";
  for (const std::string& r : rows) s << r << "\n";
  return s.str();
}

bool Parse(const std::string& text, iconpack::TIconSource& icon, std::string& error) {
  std::istringstream in(text);
  return iconpack::ParseIconSource("Sample.icon", in, icon, error);
}

TEST(IconPacker, RejectsMalformedSourcesNamingFileAndRow) {
  struct TCase {
    std::vector<std::string> Rows;
    std::string Expect;
  };
  const TCase cases[] = {
      {{"..WW..", "..WW.", "..WW.."}, "IconSample row 2: 5 pixels, expected 6"},
      {{"..WW..", "..WW..", "..WW..."}, "IconSample row 3: 7 pixels, expected 6"},
      {{"..WW..", "..WW.."}, "IconSample row 3: missing"},
      {{"..WW..", "..WW..", "..WW..", "..WW.."}, "IconSample row 4: more than 3 rows"},
      {{"..WW..", "..WQ..", "..WW.."}, "IconSample row 2, column 4: unknown character 'Q'"},
      {{"..WW..", "", "..WW.."}, "IconSample row 2: 0 pixels, expected 6"},
  };
  for (const TCase& c : cases) {
    iconpack::TIconSource icon;
    std::string error;
    EXPECT_FALSE(Parse(Source(6, c.Rows), icon, error)) << c.Expect;
    EXPECT_EQ(error.rfind("Sample.icon:", 0), 0u) << error;
    EXPECT_NE(error.find(c.Expect), std::string::npos) << error;
  }
  iconpack::TIconSource icon;
  std::string error;
  EXPECT_FALSE(Parse("icon IconSample 6 3\ncolour W 15\ncolour W 9\npixels\n", icon, error));
  EXPECT_NE(error.find("two colours"), std::string::npos) << error;
  EXPECT_FALSE(Parse("icon IconSample 6 3\ncolour W 15\n", icon, error));
  EXPECT_NE(error.find("no 'pixels'"), std::string::npos) << error;
  EXPECT_FALSE(Parse("colour W 300\n", icon, error));
  EXPECT_NE(error.find("Sample.icon:1:"), std::string::npos) << error;
}

TEST(IconPacker, AcceptsWindowsLineEndsAndReadsEveryPixel) {
  iconpack::TIconSource icon;
  std::string error;
  ASSERT_TRUE(
      Parse("icon IconSample 3 3\r\ncolour . 0\r\ncolour R 9\r\npixels\r\nR..\r\n.R.\r\n..R\r\n",
            icon, error))
      << error;
  EXPECT_EQ(icon.Pixels, (std::vector<uint8_t>{9, 0, 0, 0, 9, 0, 0, 0, 9}));
}

std::vector<uint8_t> PackRowOf(const std::vector<uint8_t>& row) {
  std::vector<uint8_t> out;
  iconpack::PackRow(row.data(), static_cast<int>(row.size()), out);
  return out;
}

TEST(IconPacker, SplitsLongRunsAndLiteralsAt127AndPicksTheShorterPacket) {
  // 300 pixels of one colour: 127 + 127 + 46.
  EXPECT_EQ(PackRowOf(std::vector<uint8_t>(300, 9)),
            (std::vector<uint8_t>{0xFF, 9, 0xFF, 9, 0x80 | 46, 9}));
  // Exactly 127 and 128.
  EXPECT_EQ(PackRowOf(std::vector<uint8_t>(127, 3)), (std::vector<uint8_t>{0xFF, 3}));
  // 128: a full run and one pixel (run or literal, both two bytes).
  const std::vector<uint8_t> over = PackRowOf(std::vector<uint8_t>(128, 3));
  ASSERT_EQ(over.size(), 4u);
  EXPECT_EQ(over[0], 0xFF);
  EXPECT_EQ(over[2] & 0x7F, 1);
  EXPECT_EQ(over[3], 3);
  // Alternating pixels: literals, the first one full.
  std::vector<uint8_t> alternating(130);
  for (size_t i = 0; i < alternating.size(); ++i) alternating[i] = i % 2 ? 15 : 0;
  const std::vector<uint8_t> packed = PackRowOf(alternating);
  ASSERT_EQ(packed.size(), 2u + 130u);
  EXPECT_EQ(packed[0], 127);
  EXPECT_EQ(packed[128], 3);
  // One odd pixel between runs stays a two-byte packet, not merged literals.
  EXPECT_EQ(PackRowOf({0, 0, 0, 0, 9, 0, 0, 0, 0}).size(), 6u);
  EXPECT_EQ(PackRowOf({0, 0, 0, 0, 9, 0, 0, 0, 0})[3], 9);
  // Two different pixels: one literal of 2 beats two runs.
  EXPECT_EQ(PackRowOf({9, 15}), (std::vector<uint8_t>{2, 9, 15}));
}

TEST(IconPacker, RandomPicturesSurviveAPackAndTheDrawingRoutine) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 40; ++trial) {
    iconpack::TIconSource icon;
    icon.Width = 1 + random() % 300;
    icon.Height = 1 + random() % 60;
    // Mix of runs and noise so both packet kinds and the 127 limits occur.
    uint8_t colour = 0;
    for (int i = 0; i < icon.Width * icon.Height; ++i) {
      if (random() % (trial % 4 == 0 ? 2 : 40) == 0) colour = random() % 4 ? random() % 16 : 229;
      icon.Pixels.push_back(colour);
    }
    const std::vector<uint8_t> packed = iconpack::PackIcon(icon);
    TDecoded d;
    d.Bytes = packed.size();
    std::string error;
    ASSERT_TRUE(iconpack::UnpackIcon(packed.data(), d.Bytes, d.Width, d.Height, d.Pixels, error))
        << error;
    EXPECT_EQ(d.Bytes, packed.size());
    EXPECT_EQ(d.Pixels, icon.Pixels);
    ClearFrameBuffer();
    DrawImage(0, 0, packed.data());
    for (int y = 0; y < std::min(icon.Height, int(ScreenHeight)); ++y)
      for (int x = 0; x < std::min(icon.Width, int(ScreenWidth)); ++x)
        ASSERT_EQ(PixelAt(x, y), icon.Pixels[y * icon.Width + x]) << x << "," << y;
  }
}

// The packer as the build runs it: a broken source or a menu icon out of its
// size range fails with a message and leaves no table behind.
class IconPackerProgram : public ::testing::Test {
 protected:
  std::string Dir = ::testing::TempDir();
  std::string Run(const std::string& args, int& status) {
    const std::string log = Dir + "iconpack.log";
    status = std::system((std::string(AXIM_ICONPACK) + " " + args + " >" + log + " 2>&1").c_str());
    std::ifstream in(log);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = Dir + name;
    std::ofstream(path) << text;
    return path;
  }
  bool Exists(const std::string& path) { return std::ifstream(path).good(); }
};

TEST_F(IconPackerProgram, FailsOnABrokenSourceAndWritesNothing) {
  const std::string good = Write("Good.icon", Source(6, {"..WW..", "..WW..", "..WW.."}));
  const std::string bad = Write("Broken.icon", Source(6, {"..WW..", "..WW..", "..WW."}));
  const std::string out = Dir + "BrokenTables.cpp";
  std::remove(out.c_str());
  int status = 0;
  const std::string log = Run("--output " + out + " " + good + " " + bad, status);
  EXPECT_NE(status, 0);
  EXPECT_NE(log.find("Broken.icon"), std::string::npos) << log;
  EXPECT_NE(log.find("row 3"), std::string::npos) << log;
  EXPECT_FALSE(Exists(out));
}

TEST_F(IconPackerProgram, EnforcesTheSizeRangeOnlyWhereAsked) {
  const std::string tiny = Write("Tiny.icon", Source(6, {"......", "..WW..", "......"}));
  const std::string out = Dir + "SizedTables.cpp";
  int status = 0;
  std::string log = Run("--output " + out + " --bytes 299 735 " + tiny, status);
  EXPECT_NE(status, 0);
  EXPECT_NE(log.find("Tiny.icon"), std::string::npos) << log;
  EXPECT_NE(log.find("outside 299..735"), std::string::npos) << log;
  log = Run("--output " + out + " --bytes 299 735 --any-size " + tiny, status);
  EXPECT_EQ(status, 0) << log;
  std::ifstream in(out);
  const std::string table(std::istreambuf_iterator<char>(in), {});
  EXPECT_NE(table.find("const uint8_t IconSample[] = {"), std::string::npos) << table;
}

}  // namespace
}  // namespace test
