#pragma once

#include <cstdint>
#include <vector>

// Which of the program's string tables serves a user, by Windows language ids (LANGID): the user's
// own language and region, else the language's neutral table (de-AT finds de), else a table of the
// same language for another region (pt-PT finds pt-BR), else English. Returns English (0x0009)
// when the tables have none of these.
std::uint16_t ChooseLanguage(std::uint16_t user, const std::vector<std::uint16_t>& available);
