// Display graphics: frame buffer, primitives, text, icons, furniture.
#pragma once
#include "graphics/FrameBuffer.h"
#include "graphics/Furniture.h"
#include "graphics/Image.h"
#include "graphics/ShownTexts.h"
#include "graphics/Text.h"
