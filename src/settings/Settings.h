#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "nctext/NamePair.h"

namespace qv {

// The settings version this program writes; a file of any version reads into it.
inline constexpr char16_t kSettingsVersion[] = u"1.69";
// The input conversion sets: one per post position, 40 rows each.
inline constexpr int kInputConversionSets = 10;
inline constexpr int kConversionRows = 40;
// The older single input conversion table of settings before version 1.23.
inline constexpr int kOldConversionRows = 20;
// Characters of the file filter buffers, the terminator included.
inline constexpr size_t kFilterBufferSize = 500;

// The main window placement of section "Dialog".
struct DialogPlacement {
  int32_t top = 0;
  int32_t left = 0;
  int32_t right = 1024;
  int32_t bottom = 768;
  int32_t boundary = 300;
  int32_t isZoomed = 0;  // 0 or 1
  bool operator==(const DialogPlacement&) const = default;
};

// Everything the program keeps in "System\Quorvalen.ini", with the defaults of a missing file.
struct Settings {
  std::u16string profilePath;  // the file the values came from and go back to

  NamePair post;
  NamePair material;
  NamePair thickness;
  std::u16string loadFilePath;
  std::u16string saveFilePath;
  std::u16string versionRead = kSettingsVersion;  // as the file gave it
  std::u16string version = kSettingsVersion;      // the program's own, always "1.69"

  int32_t seqTyp = 0;
  std::u16string seqCode = u"N";
  int32_t seqNo = 1000;
  int32_t exstop = 0;
  int32_t decimal = 0;
  int32_t debug = 0;
  int32_t extRNo = 1;
  int32_t extWNo = 1;
  int32_t comment = 1;
  std::u16string loadFilter;
  std::u16string saveFilter;
  int32_t m30m02 = 0;
  int32_t modal = 0;
  int32_t g93Mode = 0;
  std::u16string g93Code;

  // Columns "a" and "b" of the input conversion sets: set 1 rows 1 to 40, then set 2, ...
  std::vector<std::u16string> inputConversionA = std::vector<std::u16string>(400);
  std::vector<std::u16string> inputConversionB = std::vector<std::u16string>(400);
  // The working copy of one set, used by the input conversion table dialog.
  std::vector<std::u16string> inputConversionWork = std::vector<std::u16string>(40);
  // The older single table, read only from settings before version 1.23 (else empty).
  std::vector<std::u16string> oldInputConversionA;
  std::vector<std::u16string> oldInputConversionB;
  // Columns "a" and "b" of the string conversion table.
  std::vector<std::u16string> stringConversionA;
  std::vector<std::u16string> stringConversionB;

  int32_t conversionType = 0;  // section "HenkanType", key "type"
  std::u16string inName;
  std::u16string outName;
  int32_t crtSize = 0;
  DialogPlacement dialog;

  bool operator==(const Settings&) const = default;
};

// The default file filter of both file dialogs.
std::u16string DefaultFileFilter();

}  // namespace qv
