#pragma once

#include "core/TTexts.h"

#include <cstdint>

// The texts from the program's own string tables, in the language ChooseLanguage picks for the
// given Windows language id; a text the table lacks comes from the English one.
TTexts ResourceTexts(std::uint16_t language);

// The same for the user's Windows display language.
TTexts UserResourceTexts();
