#include "support/EventStream.h"

#include "support/Instrument.h"

namespace test {

uint8_t TByteSource::Byte() { return Position < Size ? Data[Position++] : 0; }

uint16_t TByteSource::Word() {
  const uint16_t low = Byte();
  return static_cast<uint16_t>(low | (Byte() << 8));
}

namespace {

bool CalibrateBox = true;

// Scroll-bar positions: often the extremes, otherwise anywhere in range.
int16_t Position(TByteSource& source, int16_t minimum, int16_t maximum) {
  const uint8_t pick = source.Byte();
  const uint16_t raw = source.Word();
  if (pick < 40) return minimum;
  if (pick < 80) return maximum;
  const int span = maximum - minimum + 1;
  return static_cast<int16_t>(minimum + raw % span);
}

}  // namespace

bool ApplyEvent(TByteSource& source) {
  switch (source.Byte() % 12) {
    case 0:
    case 1:
    case 2:
      DepositKey(static_cast<uint8_t>(1 + source.Byte() % 5));
      return false;
    case 3:
      VoltsInput = static_cast<uint16_t>(Position(source, 0, 4096));
      return false;
    case 4:
      CurrentInput = static_cast<uint16_t>(Position(source, 0, 4096));
      return false;
    case 5:
      OatInput = static_cast<uint16_t>(Position(source, 0, 4096));
      return false;
    case 6:
      WriteAxisInput(source.Byte() % 3, Position(source, -300, 300));
      return false;
    case 7:
      CalibrateBox = !CalibrateBox;
      SetCalibrate(CalibrateBox);
      return false;
    case 8:
      Tick(1 + source.Byte() % 40);
      return false;
    case 9: {
      // A clock anywhere from 1970 to the end of 2099, or a nearby second.
      const uint8_t pick = source.Byte();
      const uint32_t raw = static_cast<uint32_t>(source.Word()) << 16 | source.Word();
      std::time_t utc = pick < 20 ? 0 : pick < 40 ? 4102444799 : raw % 4102444800u;
      SetClock(utc);
      return false;
    }
    case 10:
      if (source.Byte() < 16) {
        PowerOn();
        return false;
      }
      [[fallthrough]];
    default:
      Pass();
      return true;
  }
}

}  // namespace test
