// libFuzzer target: the PNG reader of the reference screens.
#include "pictures/PngReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TPngImage image;
  std::string error;
  DecodePng(data, size, image, error);
  return 0;
}
