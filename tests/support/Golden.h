// Golden screens: the frame buffer compared byte for byte with a committed
// reference (tests/golden/ref/NAME.pgm, one palette index per pixel). On a
// mismatch the failure says how many pixels differ and where the first is,
// and the build folder's golden/ gets NAME.actual.pgm, NAME.actual.png and
// NAME.diff.png (differing pixels in magenta over the dimmed reference).
// With AXIM_UPDATE_GOLDEN=1 a missing or changed reference is rewritten from
// the actual screen; the test still fails, so the change is looked at.
#pragma once

namespace test {
void ExpectGolden(const char* name);
}
