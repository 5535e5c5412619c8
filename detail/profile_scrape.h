// Reading the summoner page: the combat power and the cells of one row of
// the statistics table (the page's first <tbody>, rows <tr>...</tr>, cells
// <td...</td>). Only fixed markers are used; no HTML is parsed.
#pragma once

#include <cstdint>

#include "text/text.h"

// The text between the first ">" and the next "<" of the piece that runs
// from "战斗力</strong><strong" to "/strong>"; empty when a marker is missing.
Text Profile_CombatPower(const Text& page);

// Replaces cells with the cells of table row rowNumber (1-based), each
// trimmed and with every ">" deleted. A row number outside the rows found
// leaves cells empty, so the caller writes nothing for that row.
void Profile_ModeRow(const Text& page, std::int64_t rowNumber, TextArray& cells);
