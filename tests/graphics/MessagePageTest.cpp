// The shared message pages as a pilot meets them: shown after an action,
// left with any key back to the page that asked for them.
#include "ScreenCheck.h"
#include "pages/HomePage.h"

namespace test {
namespace {

int ReturnPageCalls = 0;

// Stands for the page that showed the message; marks the screen it draws.
void ResumedPage() {
  ++ReturnPageCalls;
  PutPixel(0, 119, 77);
}

class MessagePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PowerOnAt();
    ReturnPageCalls = 0;
    MenuState.ReturnPage = ResumedPage;
  }
  void Show(TPageHandler page) {
    PageHandler = page;
    Pass();
  }
};

TEST_F(MessagePageTest, DonePageShowsTitleTextAndIcon) {
  Show(MessagePage);
  EXPECT_EQ(CountColour(0, 25, 159, 25, 15), 160);
  EXPECT_TRUE(ShowsText(158, 0, "MESSAGE", 8, AlignRight, ColourRed));
  EXPECT_TRUE(ShowsText(110, 55, "DONE", 16, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(0, 0, "O", 12, AlignLeft, ColourRed));
  // The icon is drawn at (10, 45) and nothing spills past its square.
  const uint16_t width = IconAttention[0] | IconAttention[1] << 8;
  const uint16_t height = IconAttention[2] | IconAttention[3] << 8;
  EXPECT_EQ(InkIn(0, 26, 9, 119).Count, 0);
  EXPECT_EQ(InkIn(10, 45 + height, 70, 119).Count, 0);
  EXPECT_EQ(InkIn(10 + width, 26, 65, 101).Count, 0);
  EXPECT_EQ(PageHandler, MessagePage);
  EXPECT_EQ(ReturnPageCalls, 0);
}

TEST_F(MessagePageTest, StaysUntilAKeyArrives) {
  Show(MessagePage);
  Pass(5);
  EXPECT_EQ(PageHandler, MessagePage);
  EXPECT_EQ(ReturnPageCalls, 0);
}

TEST_F(MessagePageTest, AnyKeyReturnsAndIsConsumed) {
  for (uint8_t key : {KeyLeft, KeyRight, KeyKnobPress, KeyKnobPlus, KeyKnobMinus}) {
    for (TPageHandler page : {MessagePage, CodeMessagePage}) {
      ReturnPageCalls = 0;
      Show(page);
      Press(key);
      EXPECT_EQ(KeySlot, KeyNone) << int{key};
      EXPECT_EQ(PageHandler, ResumedPage) << int{key};
      // The returning pass still showed the message; the next draws the page.
      EXPECT_EQ(ReturnPageCalls, 0);
      EXPECT_NE(PixelAt(0, 119), 77);
      Pass();
      EXPECT_EQ(ReturnPageCalls, 1);
      EXPECT_EQ(PixelAt(0, 119), 77);
    }
  }
}

TEST_F(MessagePageTest, MissingReturnPageFallsBackToHome) {
  MenuState.ReturnPage = nullptr;
  Show(MessagePage);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, HomePage);
  Show(CodeMessagePage);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(KeySlot, KeyNone);
}

TEST_F(MessagePageTest, CodePageReportsChangedOrError) {
  MenuState.PendingCode = 1;
  Show(CodeMessagePage);
  EXPECT_TRUE(ShowsText(158, 0, "MESSAGE", 8, AlignRight, ColourRed));
  EXPECT_TRUE(ShowsText(110, 45, "CODE", 10, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(110, 63, "CHANGED", 10, AlignCentre, ColourWhite));
  EXPECT_FALSE(ShowsText(110, 63, "ERROR", 10, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(26, 104, "BACK", 8, AlignCentre, ColourWhite));
  EXPECT_EQ(PixelAt(80, 104), 15);  // knob icon
  for (uint16_t code : {0, 2, 7318}) {
    MenuState.PendingCode = code;
    Pass();
    EXPECT_TRUE(ShowsText(110, 63, "ERROR", 10, AlignCentre, ColourWhite)) << code;
    EXPECT_FALSE(ShowsText(110, 63, "CHANGED", 10, AlignCentre, ColourWhite)) << code;
  }
}

TEST_F(MessagePageTest, CodePageIconSitsAtItsCorner) {
  Show(CodeMessagePage);
  const uint16_t width = IconAttention[0] | IconAttention[1] << 8;
  const uint16_t height = IconAttention[2] | IconAttention[3] << 8;
  EXPECT_EQ(InkIn(0, 26, 4, 101).Count, 0);
  EXPECT_EQ(InkIn(5, 40 + height, 52, 101).Count, 0);
  EXPECT_EQ(InkIn(5, 26, 5 + width - 1, 39).Count, 0);
}

}  // namespace
}  // namespace test
