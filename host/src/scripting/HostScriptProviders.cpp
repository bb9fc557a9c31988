// The providers of the host's own elements (HostScriptElements): the application's documents,
// a document's page items and its saving, and a page item's name, ID and text.
#include <boost/make_shared.hpp>
#include <unordered_map>

#include "CScriptProvider.h"
#include "CmdUtils.h"
#include "IDFile.h"
#include "IPageItemName.h"
#include "IScriptRequestData.h"
#include "ISpread.h"
#include "ISpreadList.h"
#include "ITextModelCmds.h"
#include "ScriptData.h"
#include "ScriptManager.h"
#include "database/Database.h"
#include "document/LayoutCommands.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"
#include "persist/DocumentFile.h"
#include "text/FrameStory.h"

namespace {

// The string a put or a call gives for id, or the request's error code.
ErrorCode ExtractString(IScriptRequestData* data, ScriptID id, PMString& text) {
  ScriptData value;
  const ErrorCode extracted = data->ExtractRequestData(id, value);
  return extracted == kSuccess ? value.GetPMString(text) : extracted;
}

ErrorCode AnswerString(IScriptRequestData* data, IScript* object, ScriptID id,
                       const PMString& text) {
  ScriptData value;
  value.SetPMString(text);
  return data->AppendReturnData(object, id, value);
}

ScriptData ObjectValue(IDataBase* db, UID uid) {
  InterfacePtr<IScript> object(db, uid, IID_ISCRIPT);
  ScriptData value;
  value.SetObject(object);
  return value;
}

// Every page item of the document: spread by spread, each page's items back to front with the
// members of groups after their group, then the items on the spread's pasteboard.
UIDList AllPageItems(IDataBase* db) {
  UIDList items(db);
  InterfacePtr<ISpreadList> spreads(db, db->GetRootUID(), IID_ISPREADLIST);
  for (int32 s = 0; spreads && s < spreads->GetSpreadCount(); ++s) {
    InterfacePtr<ISpread> spread(db, spreads->GetNthSpreadUID(s), IID_ISPREAD);
    const int32 pages = spread ? spread->GetNumPages() : 0;
    for (int32 p = 0; p < pages; ++p) {
      spread->GetItemsOnPage(p, &items, kFalse, p == pages - 1, kFalse);
    }
  }
  return items;
}

class ApplicationScriptProvider : public CScriptProvider {
 public:
  using CScriptProvider::CScriptProvider;

  ErrorCode AccessProperty(ScriptID property, IScriptRequestData* data, IScript* object) override {
    const std::vector<ScriptDocument>& documents = ScriptManager::OfSession()->RunDocuments();
    ScriptData value;
    if (property == kActiveDocumentScriptID) {
      if (!documents.empty()) value = DocumentValue(documents.back());
    } else if (property == kDocumentsScriptID) {
      std::vector<ScriptData> values;
      for (const ScriptDocument& d : documents) values.push_back(DocumentValue(d));
      value.SetList(std::move(values));
    } else {
      return CScriptProvider::AccessProperty(property, data, object);
    }
    return data->IsPropertyGet() ? data->AppendReturnData(object, property, value) : kFailure;
  }

 private:
  static ScriptData DocumentValue(const ScriptDocument& d) {
    return ObjectValue(d.document, d.document->GetRootUID());
  }
};

class DocumentScriptProvider : public CScriptProvider {
 public:
  using CScriptProvider::CScriptProvider;

  ErrorCode AccessProperty(ScriptID property, IScriptRequestData* data, IScript* object) override {
    if (property != kPageItemsScriptID) {
      return CScriptProvider::AccessProperty(property, data, object);
    }
    IDataBase* db = ::GetDataBase(object);
    if (!db || !data->IsPropertyGet()) return kFailure;
    const UIDList items = AllPageItems(db);
    std::vector<ScriptData> values;
    for (int32 i = 0; i < items.Length(); ++i) values.push_back(ObjectValue(db, items[i]));
    ScriptData value;
    value.SetList(std::move(values));
    return data->AppendReturnData(object, property, value);
  }

  // save([path]): to the path, which the document then keeps as its file, or to its file.
  ErrorCode HandleMethod(ScriptID method, IScriptRequestData* data, IScript* object) override {
    if (method != kSaveScriptID) return CScriptProvider::HandleMethod(method, data, object);
    ScriptDocument* document = RunDocumentOf(object);
    if (!document) return kFailure;
    PMString path;
    std::string file = document->file;
    const ErrorCode given = ExtractString(data, kSavePathScriptID, path);
    if (given == kSuccess) {
      file = path.GetUTF8String();
    } else if (given != kScriptNoValueError) {
      return given;
    }
    if (file.empty()) {
      data->SetErrorString(PMString("the document has no file yet: give save a path"));
      return kScriptNoValueError;
    }
    std::string error;
    if (!DocumentFile::Save(*document->document, IDFile::FromUTF8(file), &error)) {
      PMString text;
      text.SetUTF8String(error);
      data->SetErrorString(text);
      return kFailure;
    }
    document->file = file;
    return kSuccess;
  }

 private:
  static ScriptDocument* RunDocumentOf(IScript* object) {
    for (ScriptDocument& d : ScriptManager::OfSession()->RunDocuments()) {
      if (d.document == ::GetDataBase(object)) return &d;
    }
    return nullptr;
  }
};

class PageItemScriptProvider : public CScriptProvider {
 public:
  using CScriptProvider::CScriptProvider;

  ErrorCode AccessProperty(ScriptID property, IScriptRequestData* data, IScript* object) override {
    const UIDRef item = GetUIDRef(object);
    switch (property) {
      case kNameScriptID:
        return data->IsPropertyGet() ? GetName(item, data, object) : SetName(item, data);
      case kIDScriptID: {
        ScriptData value;
        value.SetInt32(static_cast<int32>(item.GetUID()));
        return data->AppendReturnData(object, property, value);
      }
      case kContentsScriptID:
        return data->IsPropertyGet() ? GetContents(item, data, object) : SetContents(item, data);
      default:
        return CScriptProvider::AccessProperty(property, data, object);
    }
  }

 private:
  static ErrorCode GetName(const UIDRef& item, IScriptRequestData* data, IScript* object) {
    InterfacePtr<IPageItemName> name(item, IID_IPAGEITEMNAME);
    return name ? AnswerString(data, object, kNameScriptID, name->GetName()) : kFailure;
  }

  // Names are unique in a document, and not empty.
  ErrorCode SetName(const UIDRef& item, IScriptRequestData* data) {
    PMString name;
    const ErrorCode extracted = ExtractString(data, kNameScriptID, name);
    if (extracted != kSuccess) return extracted;
    InterfacePtr<IPageItemName> itemName(item, IID_IPAGEITEMNAME);
    if (!itemName) return kFailure;
    if (name.IsEmpty()) {
      data->SetErrorString(PMString("a page item's name cannot be empty"));
      return kFailure;
    }
    const PMString old = itemName->GetName();
    std::unordered_map<std::u16string, int32>& counts = NameCounts(item.GetDataBase());
    if (name != old && counts[name.GetUTF16()] > 0) {
      data->SetErrorString(PMString("another page item has that name"));
      return kFailure;
    }
    const ErrorCode renamed = LayoutCommands::SetItemName(item, name);
    if (renamed == kSuccess) {
      --counts[old.GetUTF16()];
      ++counts[name.GetUTF16()];
    }
    return renamed;
  }

  // How many page items of the document bear each name. Counted once in a run, and kept up to
  // date by the renames of the run (nothing else renames while a script runs), so that renaming
  // every item of a document takes time linear in its items.
  std::unordered_map<std::u16string, int32>& NameCounts(IDataBase* db) {
    const uint64 run = ScriptManager::OfSession()->RunNumber();
    if (db == fNamesOf && run == fNamesRun) return fNameCounts;
    fNameCounts.clear();
    const UIDList items = AllPageItems(db);
    for (int32 i = 0; i < items.Length(); ++i) {
      InterfacePtr<IPageItemName> name(items.GetRef(i), IID_IPAGEITEMNAME);
      if (name) ++fNameCounts[name->GetName().GetUTF16()];
    }
    fNamesOf = db;
    fNamesRun = run;
    return fNameCounts;
  }

  static ErrorCode GetContents(const UIDRef& item, IScriptRequestData* data, IScript* object) {
    InterfacePtr<ITextModel> story = FrameStory::Query(item);
    if (!story) return kFailure;
    WideString text;
    story->CopyRange(0, story->TotalLength() - 1, text);
    return AnswerString(data, object, kContentsScriptID, PMString(text));
  }

  // Replaces the story's text (all but its final character) through the text commands.
  static ErrorCode SetContents(const UIDRef& item, IScriptRequestData* data) {
    PMString text;
    const ErrorCode extracted = ExtractString(data, kContentsScriptID, text);
    if (extracted != kSuccess) return extracted;
    InterfacePtr<ITextModel> story = FrameStory::Query(item);
    InterfacePtr<ITextModelCmds> commands(story.get(), IID_ITEXTMODELCMDS);
    if (!commands) return kFailure;
    if (story->TotalLength() > 1) {
      InterfacePtr<ICommand> remove(commands->DeleteCmd(0, story->TotalLength() - 1, nullptr));
      const ErrorCode removed = CmdUtils::ProcessCommand(remove);
      if (removed != kSuccess) return removed;
    }
    if (text.IsEmpty()) return kSuccess;
    InterfacePtr<ICommand> insert(
        commands->InsertCmd(0, boost::make_shared<WideString>(text), nullptr));
    return CmdUtils::ProcessCommand(insert);
  }

  IDataBase* fNamesOf = nullptr;
  uint64 fNamesRun = 0;
  std::unordered_map<std::u16string, int32> fNameCounts;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(
      MakeHostFactory<ApplicationScriptProvider>(kApplicationScriptProviderImpl));
  model.RegisterImplementation(
      MakeHostFactory<DocumentScriptProvider>(kDocumentScriptProviderImpl));
  model.RegisterImplementation(
      MakeHostFactory<PageItemScriptProvider>(kPageItemScriptProviderImpl));
  model.DefineClass(kApplicationScriptProviderBoss, kInvalidClass,
                    {{IID_ISCRIPTPROVIDER, kApplicationScriptProviderImpl}});
  model.DefineClass(kDocumentScriptProviderBoss, kInvalidClass,
                    {{IID_ISCRIPTPROVIDER, kDocumentScriptProviderImpl}});
  model.DefineClass(kPageItemScriptProviderBoss, kInvalidClass,
                    {{IID_ISCRIPTPROVIDER, kPageItemScriptProviderImpl}});
});

}  // namespace
