#include "windows/materials_settings.h"

#include <QSettings>

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

// ~/.config/columndesigner/column-designer.conf, whether or not the application has its names.
QSettings ProgramSettings() { return QSettings(u"columndesigner"_s, u"column-designer"_s); }

constexpr auto kConcreteStrength = "materials/fcu";
constexpr auto kSteelYield = "materials/fy";
constexpr auto kWidth = "materials/width_cm";
constexpr auto kBarDiameter = "materials/bar_diameter_mm";
constexpr auto kLoadFactor = "materials/load_factor";

}  // namespace

DesignMaterials RememberedMaterials() {
  const QSettings settings = ProgramSettings();
  const DesignMaterials defaults;
  const auto number = [&settings](const char* key, double fallback) {
    bool ok = false;
    const double value = settings.value(QLatin1StringView(key)).toDouble(&ok);
    return ok ? value : fallback;
  };
  const auto whole = [&settings](const char* key, int fallback) {
    bool ok = false;
    const int value = settings.value(QLatin1StringView(key)).toInt(&ok);
    return ok ? value : fallback;
  };
  const DesignMaterials kept{
      .concrete_strength_kg_per_cm2 =
          number(kConcreteStrength, defaults.concrete_strength_kg_per_cm2),
      .steel_yield_kg_per_cm2 = number(kSteelYield, defaults.steel_yield_kg_per_cm2),
      .width_cm = whole(kWidth, defaults.width_cm),
      .bar_diameter_mm = whole(kBarDiameter, defaults.bar_diameter_mm),
      .load_factor = number(kLoadFactor, defaults.load_factor)};
  return CheckMaterials(kept) ? defaults : kept;
}

void RememberMaterials(const DesignMaterials& materials) {
  QSettings settings = ProgramSettings();
  settings.setValue(QLatin1StringView(kConcreteStrength), materials.concrete_strength_kg_per_cm2);
  settings.setValue(QLatin1StringView(kSteelYield), materials.steel_yield_kg_per_cm2);
  settings.setValue(QLatin1StringView(kWidth), materials.width_cm);
  settings.setValue(QLatin1StringView(kBarDiameter), materials.bar_diameter_mm);
  settings.setValue(QLatin1StringView(kLoadFactor), materials.load_factor);
}

}  // namespace coldesign
