#include "settings/SettingsFile.h"

#include <algorithm>

#include "nctext/ProfileFile.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr char16_t kData[] = u"Quorvalen_Data";
constexpr char16_t kFilter[] = u"Filter";
constexpr char16_t kForwarding[] = u"Forwarding";
constexpr char16_t kInputTables[] = u"MHenkan";
constexpr char16_t kStringTable[] = u"MojiretuHenkan";
constexpr char16_t kDialog[] = u"Dialog";

// The platform's profile reader keeps only one pair of quotes, so the input conversion table
// stores its double quotes as "$".
std::u16string FromStored(std::u16string value) {
  std::replace(value.begin(), value.end(), u'$', u'"');
  return value;
}

std::u16string ToStored(std::u16string value) {
  std::replace(value.begin(), value.end(), u'"', u'$');
  return value;
}

std::u16string StringTableKey(char16_t column, int32_t row) {
  return Sprintf("%c%03d", static_cast<char>(column), static_cast<int>(kConversionRows + row + 1));
}

void ReadSelectionAndFolders(const ProfileFile& file, Settings& s, std::u16string_view folder) {
  const std::u16string post = file.GetString(kData, u"SavePost", u"");
  const std::u16string material = CutName(file.GetString(kData, u"SaveMater", u""));
  const std::u16string thickness = CutName(file.GetString(kData, u"SaveThick", u""));
  s.post = {post, post};
  s.material = {material, material};
  s.thickness = {thickness, thickness};
  s.loadFilePath = file.GetString(kData, u"LoadFilePath", folder);
  s.saveFilePath = file.GetString(kData, u"SaveFilePath", folder);
  s.versionRead = file.GetString(kData, u"Version", kSettingsVersion);
  s.version = kSettingsVersion;
}

void ReadOptions(const ProfileFile& file, Settings& s) {
  s.seqTyp = file.GetInt(kData, u"SeqTyp", 0);
  s.seqCode = file.GetString(kData, u"SeqCode", u"N");
  s.seqNo = file.GetInt(kData, u"SeqNo", 1000);
  s.exstop = file.GetInt(kData, u"Exstop", 0);
  s.decimal = file.GetInt(kData, u"Decimal", 0);
  s.debug = file.GetInt(kData, u"Debug", 0);
  s.extRNo = file.GetInt(kData, u"ExtRNo", 1);
  s.extWNo = file.GetInt(kData, u"ExtWNo", 1);
  s.comment = file.GetInt(kData, u"Comment", 1);
  s.loadFilter = file.GetString(kFilter, u"Loadname", DefaultFileFilter(), kFilterBufferSize);
  s.saveFilter = file.GetString(kFilter, u"Savename", DefaultFileFilter(), kFilterBufferSize);
  s.m30m02 = file.GetInt(kData, u"M30M02", 0);
  s.modal = file.GetInt(kData, u"MODAL", 0);
  s.g93Mode = file.GetInt(kData, u"G93CangeMode", 0);
  s.g93Code = file.GetString(kData, u"G93CangeCode", u"");
}

void ReadTables(const ProfileFile& file, Settings& s) {
  s.oldInputConversionA.clear();
  s.oldInputConversionB.clear();
  if (VersionTimes100(s.versionRead) < 123) {
    for (int row = 1; row <= kOldConversionRows; ++row) {
      s.oldInputConversionB.push_back(
          FromStored(file.GetString(kInputTables, Sprintf("b%02d", row), u"")));
    }
    for (int row = 1; row <= kOldConversionRows; ++row) {
      s.oldInputConversionA.push_back(
          FromStored(file.GetString(kInputTables, Sprintf("a%02d", row), u"")));
    }
  }
  s.stringConversionA.assign(kConversionRows, u"");
  s.stringConversionB.assign(kConversionRows, u"");
  for (int row = 0; row < kConversionRows; ++row) {
    s.stringConversionB[row] = file.GetString(kStringTable, StringTableKey(u'b', row), u"");
  }
  for (int row = 0; row < kConversionRows; ++row) {
    s.stringConversionA[row] = file.GetString(kStringTable, StringTableKey(u'a', row), u"");
  }
}

void ReadWindow(const ProfileFile& file, Settings& s) {
  s.conversionType = file.GetInt(u"HenkanType", u"type", 0);
  s.inName = file.GetString(kData, u"InName", u"");
  s.outName = file.GetString(kData, u"OutName", u"");
  s.crtSize = file.GetInt(u"Parameter", u"crt_size", 0);
  s.dialog.top = file.GetInt(kDialog, u"top", 0);
  s.dialog.left = file.GetInt(kDialog, u"left", 0);
  s.dialog.right = file.GetInt(kDialog, u"right", 1024);
  s.dialog.bottom = file.GetInt(kDialog, u"bottom", 768);
  s.dialog.boundary = file.GetInt(kDialog, u"boundary", 300);
  s.dialog.isZoomed = file.GetInt(kDialog, u"isZoomed", 0) != 0 ? 1 : 0;
}

void WriteTables(ProfileFile& file, const Settings& s) {
  for (const char16_t column : {u'b', u'a'}) {
    const auto& values = column == u'a' ? s.inputConversionA : s.inputConversionB;
    for (int32_t set = 0; set < kInputConversionSets; ++set) {
      for (int32_t row = 0; row < kConversionRows; ++row) {
        const size_t index = static_cast<size_t>(set * kConversionRows + row);
        const std::u16string value = index < values.size() ? ToStored(values[index]) : u"";
        file.SetString(kInputTables, InputConversionKey(column, set, row), value);
      }
    }
  }
  for (const char16_t column : {u'b', u'a'}) {
    const auto& values = column == u'a' ? s.stringConversionA : s.stringConversionB;
    const size_t rows = std::min(values.size(), static_cast<size_t>(kConversionRows));
    for (size_t row = 0; row < rows; ++row) {
      file.SetString(kStringTable, StringTableKey(column, static_cast<int32_t>(row)), values[row]);
    }
  }
}

void WriteAll(ProfileFile& file, const Settings& s) {
  file.SetString(kData, u"Version", kSettingsVersion);
  file.SetString(kData, u"SavePost", s.post.oldName);
  file.SetString(kData, u"SaveMater", s.material.oldName);
  file.SetString(kData, u"SaveThick", s.thickness.oldName);
  file.SetString(kData, u"LoadFilePath", s.loadFilePath);
  file.SetString(kData, u"SaveFilePath", s.saveFilePath);
  file.SetString(kForwarding, u"Name", u"");
  file.SetString(kForwarding, u"CmdName", u"");
  file.SetInt(kData, u"ExtRNo", s.extRNo);
  file.SetInt(kData, u"ExtWNo", s.extWNo);
  file.SetString(kFilter, u"Loadname", s.loadFilter);
  file.SetString(kFilter, u"Savename", s.saveFilter);
  file.SetInt(kData, u"G93CangeMode", s.g93Mode);
  file.SetString(kData, u"G93CangeCode", s.g93Code);
  WriteTables(file, s);
  file.SetInt(u"Parameter", u"crt_size", s.crtSize);
  file.SetInt(kDialog, u"top", s.dialog.top);
  file.SetInt(kDialog, u"left", s.dialog.left);
  file.SetInt(kDialog, u"right", s.dialog.right);
  file.SetInt(kDialog, u"bottom", s.dialog.bottom);
  file.SetInt(kDialog, u"boundary", s.dialog.boundary);
  file.SetInt(kDialog, u"isZoomed", s.dialog.isZoomed != 0 ? 1 : 0);
}

}  // namespace

std::u16string DefaultFileFilter() {
  return u"全てのﾌｧｲﾙ(*.*)|*.*|*.001|*.001|*.009|*.009|*.DAT|*.DAT|*.DNC|*.DNC|*.ISO|*.ISO|"
         u"*.NC|*.NC|*.NCD|*.NCD|*.PTR|*.PTR|*.TAP|*.TAP|*.TAS|*.TAS||";
}

std::u16string SettingsPath(const SystemFiles& files) { return files.System(u"Quorvalen.ini"); }

std::u16string InputConversionKey(char16_t column, int32_t set, int32_t row) {
  return Sprintf("%c%d%02d", static_cast<char>(column), static_cast<int>((set + 1) % 10),
                 static_cast<int>(row + 1));
}

int32_t LoadSettings(Settings& settings, const SystemFiles& files) {
  settings.profilePath = SettingsPath(files);
  ProfileFile file(settings.profilePath);
  const int32_t status = file.Load();
  ReadSelectionAndFolders(file, settings, files.Folder());
  ReadOptions(file, settings);
  ReadTables(file, settings);
  ReadWindow(file, settings);
  return status;
}

void LoadInputConversionTables(Settings& settings, int32_t postCount, int32_t postVersion100) {
  ProfileFile file(settings.profilePath);
  file.Load();
  const size_t cells = static_cast<size_t>(kInputConversionSets * kConversionRows);
  settings.inputConversionA.assign(cells, u"");
  settings.inputConversionB.assign(cells, u"");
  for (int32_t set = 0; set < kInputConversionSets; ++set) {
    for (int32_t row = 0; row < kConversionRows; ++row) {
      const size_t index = static_cast<size_t>(set * kConversionRows + row);
      settings.inputConversionB[index] =
          FromStored(file.GetString(kInputTables, InputConversionKey(u'b', set, row), u""));
      settings.inputConversionA[index] =
          FromStored(file.GetString(kInputTables, InputConversionKey(u'a', set, row), u""));
    }
  }
  // Settings older than 1.23 hold only the single table: carry it into the per-post sets even
  // when the post file was already upgraded, or the first save would drop it.
  const bool oldTableRead = !settings.oldInputConversionA.empty();
  if (postVersion100 >= 123 && !oldTableRead) return;
  const int32_t sets = std::clamp(postCount, 0, kInputConversionSets);
  for (int32_t set = 0; set < sets; ++set) {
    for (size_t row = 0; row < settings.oldInputConversionA.size(); ++row) {
      const size_t index = static_cast<size_t>(set * kConversionRows) + row;
      settings.inputConversionA[index] = settings.oldInputConversionA[row];
      settings.inputConversionB[index] = settings.oldInputConversionB[row];
    }
  }
}

int32_t SaveSettings(const Settings& settings) {
  return UpdateProfile(settings.profilePath, [&](ProfileFile& file) { WriteAll(file, settings); });
}

}  // namespace qv
