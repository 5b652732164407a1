// The colour table lives with the frame buffer it colours.
#pragma once
#include "graphics/ColourTable.h"
