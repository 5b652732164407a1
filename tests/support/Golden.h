// Golden screens: the frame buffer compared byte for byte with a committed
// reference (tests/golden/ref/NAME.pgm, one palette index per pixel). On a
// mismatch the actual screen is written beside it as NAME.actual.pgm; a
// missing reference fails (AXIM_UPDATE_GOLDEN=1 writes it, and still fails).
#pragma once

namespace test {
void ExpectGolden(const char* name);
}
