// Names one resource of a plug-in: the locale wanted, the plug-in, the resource's type (a
// four-character code) and its number.
#pragma once

#include "LocaleSetting.h"

typedef uint32 RsrcType;
typedef uint32 RsrcID;

// 'VIEW': a dialog's widgets.
constexpr RsrcType kViewRsrcType = 0x56494557;

class RsrcSpec {
 public:
  RsrcSpec(PMLocaleId locale, PluginID plugin, RsrcType type, RsrcID id, bool16 localised)
      : fLocale(locale), fPlugin(plugin), fType(type), fID(id), fLocalised(localised) {}

  PMLocaleId GetLocale() const { return fLocale; }
  PluginID GetPluginID() const { return fPlugin; }
  RsrcType GetType() const { return fType; }
  RsrcID GetID() const { return fID; }
  // Whether the resource's texts are translated for the locale.
  bool16 IsLocalised() const { return fLocalised; }

 private:
  PMLocaleId fLocale;
  PluginID fPlugin;
  RsrcType fType;
  RsrcID fID;
  bool16 fLocalised;
};
