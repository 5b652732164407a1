// Flight timer setup, flight log viewer and erase confirmation.
#pragma once
#include "pages/PageHandlers.h"
