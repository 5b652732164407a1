// Operating pages: home page, readout bands, timer pages, G and slip graphics.
#pragma once
#include "pages/Bands.h"
#include "pages/GSlipGraphics.h"
#include "pages/HomePage.h"
#include "pages/TimerPages.h"
