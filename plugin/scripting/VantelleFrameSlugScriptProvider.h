// The scripting property 'VLsd' of page items: an item's whole tag data as hexadecimal text
// (TagDataHex.h). Reading gives the record list's bytes; writing replaces the list through the
// set-data command and, when the new list holds a data frame marker, attaches the data frame
// adornments. A value whose digits do not pair up fails like an invalid character and changes
// nothing; a value without digits clears the item's tag data.
#pragma once

#include "CScriptProvider.h"

// The property's script ID ('VLsd').
constexpr ScriptID kVantelleTagDataScriptID = 0x564C7364;

class VantelleFrameSlugScriptProvider : public CScriptProvider {
 public:
  explicit VantelleFrameSlugScriptProvider(IPMUnknown* boss) : CScriptProvider(boss) {}
  ~VantelleFrameSlugScriptProvider() override = default;

  ErrorCode HandleMethod(ScriptID method, IScriptRequestData* data, IScript* object) override;
  ErrorCode AccessProperty(ScriptID property, IScriptRequestData* data, IScript* object) override;
};
