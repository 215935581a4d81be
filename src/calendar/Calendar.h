#pragma once
// The calendar engine (历法) in one include: lunar year table, conversion, pillars and the two display texts.

#include "calendar/GregorianDate.h"
#include "calendar/LunarConversion.h"
#include "calendar/LunarDate.h"
#include "calendar/LunarTexts.h"
#include "calendar/LunarYearTable.h"
#include "calendar/Pillars.h"
#include "calendar/YearWarning.h"
