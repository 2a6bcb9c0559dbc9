#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/SystemFiles.h"
#include "settings/Settings.h"

namespace qv {

// "System/Quorvalen.ini" of the program's files.
std::u16string SettingsPath(const SystemFiles& files);

// Reads every setting except the current input conversion keys from the settings file of
// files; a missing file, section or key reads as its default (the file folders default to the
// program folder). Returns 0, or the negative status of a file that exists but cannot be read
// (the defaults then stand).
int32_t LoadSettings(Settings& settings, const SystemFiles& files);

// Reads the 800 "MHenkan" keys into the two input conversion columns. The older 20-row table,
// when the settings held one, goes into rows 1 to 20 of the first postCount sets.
void LoadInputConversionTables(Settings& settings, int32_t postCount, int32_t postVersion100);

// Writes the settings back into their file, keeping every line it does not own. 0, or a
// negative status (a file that cannot be read is left untouched).
int32_t SaveSettings(const Settings& settings);

// The key of row (0 to 39) of input conversion set (0 to 9) in column 'a' or 'b' ("a101").
std::u16string InputConversionKey(char16_t column, int32_t set, int32_t row);

}  // namespace qv
