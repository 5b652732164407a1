// Byte counts of the generated font blocks, for checks of the tables.
#pragma once
#include <cstdint>

extern const uint32_t Font8Bytes;
extern const uint32_t Font9Bytes;
extern const uint32_t Font10Bytes;
extern const uint32_t Font12Bytes;
extern const uint32_t Font16Bytes;
extern const uint32_t Font20Bytes;
extern const uint32_t Font24Bytes;
extern const uint32_t Font30Bytes;
extern const uint32_t Font34Bytes;
