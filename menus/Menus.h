// Setup menus.
#pragma once
#include "menus/FlightSetup.h"
#include "menus/GForceSetup.h"
#include "menus/MainMenu.h"
#include "menus/MenuList.h"
#include "menus/MiscPages.h"
#include "menus/TimeSetup.h"
#include "pages/PageHandlers.h"
