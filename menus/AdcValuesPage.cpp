// A read-only list of the live converter counts and accelerations.
#include <cstdio>

#include "core/Sensors.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

void VoltsText(char* text, std::size_t size) { std::snprintf(text, size, "VOLTS: %d", VoltsRaw); }
void CurrentText(char* text, std::size_t size) {
  std::snprintf(text, size, "CURRENT: %d", CurrentRaw);
}
void OatText(char* text, std::size_t size) { std::snprintf(text, size, "OAT: %d", OatRaw); }
void FtText(char* text, std::size_t size) { std::snprintf(text, size, "FT: %d", FtInput); }

template <int Axis>
void AxisText(char* text, std::size_t size) {
  static const char* const names[3] = {"X", "Y", "Z"};
  std::snprintf(text, size, "%s: %d %0.2fg", names[Axis], AxisCount[Axis],
                static_cast<double>(AxisG[Axis]));
}

void GForceText(char* text, std::size_t size) {
  std::snprintf(text, size, "GF: %.1fg", static_cast<double>(GForce));
}

// clang-format off
const TMenuItem AdcItems[] = {
    {.Label = "", .Show = ShowCustom, .Text = VoltsText},
    {.Label = "", .Show = ShowCustom, .Text = CurrentText},
    {.Label = "", .Show = ShowCustom, .Text = OatText},
    {.Label = "", .Show = ShowCustom, .Text = FtText},
    {.Label = "", .Show = ShowCustom, .Text = AxisText<0>},
    {.Label = "", .Show = ShowCustom, .Text = AxisText<1>},
    {.Label = "", .Show = ShowCustom, .Text = AxisText<2>},
    {.Label = "", .Show = ShowCustom, .Text = GForceText},
};
// clang-format on

// clang-format off
const TMenuList AdcList = {.Page = AdcValuesPage, .Title = "ADC", .Subtitle = "VALUES",
                           .Items = AdcItems, .Count = CountOf(AdcItems), .Parent = MainMenuPage};
// clang-format on

}  // namespace

void AdcValuesPage() { RunMenuList(AdcList); }
