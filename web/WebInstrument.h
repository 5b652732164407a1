// What the page's glue files share.
#pragma once
#include <cstdint>

// The frame the page shows now (the last one presented), 160 x 120 colour
// indices; all black before the first.
const uint8_t* ShownFrame();
