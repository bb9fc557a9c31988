// A started host with the plug-in and a document, for tests that make data frames and clear them:
// what a page item looks like, its story, its marker and the keys of its record list, each read
// back from the host as a short text.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "IGraphicAttributes.h"
#include "IPageItemAdornmentList.h"
#include "ISwatch.h"
#include "ISwatchList.h"
#include "IVantelleFrameTagData.h"
#include "dataframe/lookup/CatalogueFixture.h"
#include "dataframe/lookup/FrameStoryText.h"
#include "tagdata/AssignDataFrame.h"
#include "tagdata/FrameStoryEdits.h"
#include "tagdata/TagRecordLayout.h"

class AssignFixture : public CatalogueFixture {
 protected:
  // "fill=NAME/TINT stroke=NAME/TINT/WEIGHT class=HEX switch=N nonprinting=N opacity=N
  // adornments=HEX,HEX", a swatch as - when none is set.
  std::string LookOf(UID item) const {
    InterfacePtr<IGraphicAttributes> look(DB(), item, IID_IGRAPHICATTRIBUTES);
    InterfacePtr<IPageItemAdornmentList> adornments(DB(), item, IID_IPAGEITEMADORNMENTLIST);
    std::ostringstream out;
    out << "fill=" << SwatchName(look->GetFillSwatch()) << "/" << look->GetFillTint()
        << " stroke=" << SwatchName(look->GetStrokeSwatch()) << "/" << look->GetStrokeTint() << "/"
        << look->GetStrokeWeight() << std::hex << std::uppercase
        << " class=" << look->GetClassAttribute() << std::dec
        << " switch=" << look->GetSwitchAttribute() << " nonprinting=" << look->GetNonPrinting()
        << " opacity=" << look->GetOpacity() << " adornments=" << std::hex << std::uppercase;
    for (int32 i = 0; i < adornments->GetAdornmentCount(); ++i) {
      out << (i ? "," : "") << adornments->GetNthAdornment(i);
    }
    return out.str();
  }
  std::string SwatchName(UID uid) const {
    InterfacePtr<ISwatch> swatch(DB(), uid, IID_ISWATCH);
    return swatch ? swatch->GetName().GetUTF8String() : "-";
  }
  ProcessColor ColorOf(UID uid) const {
    InterfacePtr<ISwatch> swatch(DB(), uid, IID_ISWATCH);
    return swatch ? swatch->GetProcessColor() : ProcessColor{-1, -1, -1, -1};
  }

  // The story without its final character.
  std::string StoryOf(UID frame) const {
    PMString text;
    ReadFrameStoryText(Ref(frame), text, 0, 0);
    return text.GetUTF8String();
  }

  // The marker's frame ID, or "none" without a marker.
  std::string MarkerOf(UID item) const {
    MemBlock data = nullptr;
    uint32 length = 0;
    if (!ReadTagRecord(Ref(item), kTagRecordSourceItem, kDataFrameMarkerKey, &data, &length)) {
      return "none";
    }
    const DataFrameMarkerFields fields = ReadDataFrameMarker(data, length);
    FreeMemBlock(data);
    return fields.frameID.GetUTF8String();
  }

  // The four-character keys of the item's records in list order, blank-separated.
  std::string RecordKeysOf(UID item) const {
    InterfacePtr<IVantelleFrameTagData> tagData(Ref(item));
    const auto* list = static_cast<const uint8*>(tagData ? tagData->GetRecordList() : nullptr);
    uint32 area = 0;
    if (!list || !GetValidRecordAreaLength(const_cast<uint8*>(list), &area)) return "";
    std::string keys;
    for (uint32 at = 0; at + kTagRecordHeadSize <= area;) {
      const uint8* record = list + kTagRecordListHeadSize + at;
      const uint32 key = GetBigEndian32(record + 4);
      keys += (keys.empty() ? "" : " ") +
              std::string{char(key >> 24), char(key >> 16), char(key >> 8), char(key)};
      at += kTagRecordHeadSize + GetBigEndian32(record);
    }
    return keys;
  }

  // Takes the named swatch out of the document's list, as a user deleting it would.
  void RemoveSwatch(const char* name) const {
    InterfacePtr<ISwatchList> list(Workspace(), IID_ISWATCHLIST);
    for (int32 i = 0; i < list->GetSwatchCount(); ++i) {
      InterfacePtr<ISwatch> swatch(DB(), list->GetNthSwatchUID(i), IID_ISWATCH);
      if (swatch->GetName() == PMString(name)) return list->RemoveSwatch(list->GetNthSwatchUID(i));
    }
  }

  // Assigns with slug position 0.
  ErrorCode Assign(UID item, DataFrameType type, DataFrameScope scope, const std::string& frameID,
                   const std::string& name, bool16 matchFrameID = kFalse,
                   bool16 matchGroup = kFalse, bool16 matchName = kFalse,
                   bool16 hint = kFalse) const {
    return AssignDataFrame(Ref(item), type, scope, DataFrameTest::Text(frameID), 0,
                           DataFrameTest::Text(name), matchFrameID, matchGroup, matchName, hint);
  }
};
