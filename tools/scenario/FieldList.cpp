#include "FieldList.h"

#include <cstdio>

#include "menus/FieldTable.h"

namespace {

const char* TypeName(TFieldType type) {
  switch (type) {
    case FieldU8:
      return "u8";
    case FieldI8:
      return "i8";
    case FieldU16:
      return "u16";
    case FieldI16:
      return "i16";
    case FieldU32:
      return "u32";
    case FieldI32:
      return "i32";
    case FieldF32:
      return "f32";
    case FieldPage:
      return "page";
  }
  return "?";
}

std::string Unit(const TField& f) {
  switch (f.Show) {
    case ShowNumber:
      return "";
    case ShowVolts:
      return "0.1 V";
    case ShowTenthsG:
      return "0.1 g";
    case ShowG:
    case ShowAxisG:
      return "g";
    case ShowAmperes:
      return "A";
    case ShowTenthsAmps:
      return "0.1 A";
    case ShowPercent:
      return "%";
    case ShowOatDegrees:
      return "degrees of Settings.OatUnit";
    case ShowCelsius:
      return "°C";
    case ShowChoice:
      return f.Texts && f.Settable && f.Max == 1 ? std::string(f.Texts[0]) + " or " + f.Texts[1]
                                                 : "choice";
    case ShowCode:
      return "code of four digits";
    case ShowOffset:
      return "minutes";
    case ShowTenthsSecond:
      return "0.1 s";
    case ShowHex:
      return "bits";
    case ShowPageName:
      return "page name";
  }
  return "";
}

}  // namespace

std::string FieldListText() {
  std::string text;
  for (uint16_t i = 0; i < FieldCount; ++i) {
    const TField& f = Fields[i];
    char line[256];
    if (f.Settable)
      std::snprintf(line, sizeof line, "%-36s %-4s %g..%g step %u", f.Name, TypeName(f.Type), f.Min,
                    f.Max, static_cast<unsigned>(f.Step));
    else
      std::snprintf(line, sizeof line, "%-36s %-4s read-only", f.Name, TypeName(f.Type));
    std::string row = line;
    const std::string unit = Unit(f);
    if (!unit.empty()) row += "  " + unit;
    text += row + "\n";
  }
  return text;
}
