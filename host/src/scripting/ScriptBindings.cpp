#include "ScriptBindings.h"

#include <cstdlib>
#include <new>
#include <utility>

#include "ChangeSequence.h"
#include "IApplication.h"
#include "IScriptProvider.h"
#include "ISession.h"
#include "ScriptManager.h"
#include "ScriptText.h"
#include "app/Host.h"

namespace {

const char* const kBindingsKey = DUK_HIDDEN_SYMBOL("bindings");
const char* const kObjectsKey = DUK_HIDDEN_SYMBOL("objects");
const char* const kPrototypesKey = DUK_HIDDEN_SYMBOL("prototypes");
// The index into the run's objects that a JavaScript object standing for one holds.
const char* const kObjectIndexKey = DUK_HIDDEN_SYMBOL("object");

// "a string", "an integer".
std::string TypeName(ScriptData::Type type) {
  for (const ScriptValueTypeName& t : kScriptValueTypes) {
    if (t.type == type)
      return (t.name[0] == 'i' || t.name[0] == 'o' ? "an " : "a ") + std::string(t.name);
  }
  return "a list";
}

// What the author reads beside a provider's error code.
std::string Reason(ErrorCode code, const ScriptRequest& request, const ScriptElement& element) {
  if (!request.ErrorString().IsEmpty()) return " (" + request.ErrorString().GetUTF8String() + ")";
  switch (code) {
    case kScriptWrongTypeError:
      return element.kind == ScriptElement::kProperty
                 ? " (the value is not " + TypeName(element.type) + ")"
                 : " (an argument has the wrong type)";
    case kScriptNoValueError:
      return " (an argument is missing)";
    case kScriptUnknownElementError:
      return " (its provider does not serve it)";
    default:
      return std::string();
  }
}

}  // namespace

ScriptBindings::ScriptBindings(duk_context* ctx, ScriptManager& manager, PrintFunction print)
    : fContext(ctx), fManager(manager), fPrint(std::move(print)) {}

ScriptBindings::~ScriptBindings() = default;

void ScriptBindings::Install() {
  duk_push_global_stash(fContext);
  duk_push_pointer(fContext, this);
  duk_put_prop_string(fContext, -2, kBindingsKey);
  duk_push_array(fContext);
  duk_put_prop_string(fContext, -2, kObjectsKey);
  duk_push_object(fContext);
  duk_put_prop_string(fContext, -2, kPrototypesKey);
  duk_pop(fContext);

  duk_get_global_string(fContext, "Duktape");
  duk_push_c_function(fContext, ScriptBindings::RecordThrowLine, 1);
  duk_put_prop_string(fContext, -2, "errThrow");
  duk_pop(fContext);

  duk_push_c_function(fContext, Entry<&ScriptBindings::Print>, DUK_VARARGS);
  duk_put_global_string(fContext, "print");
  InterfacePtr<IApplication> application(GetExecutionContextSession()->QueryApplication());
  InterfacePtr<IScript> app(application, IID_ISCRIPT);
  PushObject(app);
  duk_put_global_string(fContext, "app");
}

ScriptBindings& ScriptBindings::Of(duk_context* ctx) {
  duk_push_global_stash(ctx);
  duk_get_prop_string(ctx, -1, kBindingsKey);
  auto* bindings = static_cast<ScriptBindings*>(duk_get_pointer(ctx, -1));
  duk_pop_2(ctx);
  return *bindings;
}

template <duk_ret_t (ScriptBindings::*Function)()>
duk_ret_t ScriptBindings::Entry(duk_context* ctx) {
  ScriptBindings& self = Of(ctx);
  if (self.fClosed) self.Throw(DUK_ERR_ERROR, "the script has ended");
  try {
    return (self.*Function)();
  } catch (const std::bad_alloc&) {
    self.Throw(DUK_ERR_RANGE_ERROR, "the host ran out of memory");
  }
}

void ScriptBindings::Throw(duk_errcode_t type, const std::string& message) {
  // Without a C file name the engine blames the script's line that called the host.
  duk_push_error_object_raw(fContext, type, nullptr, 0, "%s", message.c_str());
  duk_throw_raw(fContext);
  std::abort();  // not reached: the engine's header does not mark duk_throw_raw as not returning
}

const ScriptElement& ScriptBindings::CurrentElement() {
  return *fElements.at(static_cast<size_t>(duk_get_current_magic(fContext)));
}

IScript* ScriptBindings::ThisObject() {
  duk_push_this(fContext);
  IScript* object = ObjectAt(-1);
  duk_pop(fContext);
  if (!object) Throw(DUK_ERR_TYPE_ERROR, "not a scripting object");
  return object;
}

duk_ret_t ScriptBindings::GetProperty() {
  const ScriptElement& element = CurrentElement();
  Access(ScriptRequest::kGet, element, ThisObject(), {});
  return 1;
}

duk_ret_t ScriptBindings::SetProperty() {
  const ScriptElement& element = CurrentElement();
  IScript* object = ThisObject();
  if (element.readOnly) Throw(DUK_ERR_TYPE_ERROR, element.name + " is read-only");
  Access(ScriptRequest::kPut, element, object, {ValueAt(0)});
  return 0;
}

duk_ret_t ScriptBindings::CallMethod() {
  const ScriptElement& element = CurrentElement();
  IScript* object = ThisObject();
  // Arguments left out at the end, or given as undefined, are missing.
  duk_idx_t count = duk_get_top(fContext);
  while (count > 0 && duk_is_undefined(fContext, count - 1)) --count;
  std::vector<ScriptData> values;
  for (duk_idx_t i = 0; i < count; ++i) values.push_back(ValueAt(i));
  Access(ScriptRequest::kCall, element, object, std::move(values));
  return 1;
}

duk_ret_t ScriptBindings::ItemByName() {
  duk_push_this(fContext);
  const duk_size_t count = duk_get_length(fContext, -1);
  for (duk_size_t i = 0; i < count; ++i) {
    duk_get_prop_index(fContext, -1, static_cast<duk_uarridx_t>(i));
    if (ObjectAt(-1)) {
      duk_get_prop_string(fContext, -1, "name");
      const bool found = duk_strict_equals(fContext, -1, 0);
      duk_pop(fContext);
      if (found) return 1;
    }
    duk_pop(fContext);
  }
  duk_push_null(fContext);
  return 1;
}

duk_ret_t ScriptBindings::Print() {
  UnicodeSavvyString line;
  for (duk_idx_t i = 0; i < duk_get_top(fContext); ++i) {
    if (i > 0) line.GetUTF16Mutable().push_back(u' ');
    duk_to_string(fContext, i);
    line.GetUTF16Mutable() += GetText(fContext, i);
  }
  fPrint(line.GetUTF8String());
  return 0;
}

void ScriptBindings::Access(ScriptRequest::Kind kind, const ScriptElement& element, IScript* object,
                            std::vector<ScriptData> values) {
  const std::string verb = kind == ScriptRequest::kGet   ? "get"
                           : kind == ScriptRequest::kPut ? "set"
                                                         : "call";
  IScriptProvider* provider = fManager.Provider(element.provider);
  if (!provider) {
    Throw(DUK_ERR_ERROR, "cannot " + verb + " " + element.name + ": its provider cannot be made");
  }
  ScriptRequest request(kind, element, std::move(values));
  // A put or a call changes everything or, when its provider fails, nothing. Memory that ran out
  // on the way fails it too, even when the provider went on without what it could not have.
  ChangeSequence changes(kind != ScriptRequest::kGet);
  const uint64 refusals = Host::Get().Refusals();
  const ErrorCode code = kind == ScriptRequest::kCall
                             ? provider->HandleMethod(element.id, &request, object)
                             : provider->AccessProperty(element.id, &request, object);
  if (Host::Get().Refusals() != refusals) throw std::bad_alloc();
  if (code != kSuccess) {
    Throw(DUK_ERR_ERROR, "cannot " + verb + " " + element.name + ": error " + std::to_string(code) +
                             Reason(code, request, element));
  }
  changes.Commit();
  if (kind == ScriptRequest::kPut) return;
  const ScriptData* answer = request.AnswerFor(object);
  PushValue(answer ? *answer : ScriptData());
}

void ScriptBindings::PushObject(IScript* object) {
  if (!object) {
    duk_push_null(fContext);
    return;
  }
  duk_push_global_stash(fContext);
  duk_get_prop_string(fContext, -1, kObjectsKey);
  auto known = fObjectIndex.find(object);
  if (known != fObjectIndex.end()) {
    duk_get_prop_index(fContext, -1, known->second);
  } else {
    const auto index = static_cast<uint32>(fObjects.size());
    duk_push_object(fContext);
    PushPrototype(object->GetObjectType());
    duk_set_prototype(fContext, -2);
    duk_push_uint(fContext, index);
    duk_put_prop_string(fContext, -2, kObjectIndexKey);
    duk_dup_top(fContext);
    duk_put_prop_index(fContext, -3, index);
    // The engine's side is complete before the host's: a failure in between leaves an entry
    // that the next object simply takes over.
    object->AddRef();
    fObjects.push_back(InterfacePtr<IScript>(object));
    fObjectIndex.emplace(object, index);
  }
  duk_replace(fContext, -3);
  duk_pop(fContext);
}

void ScriptBindings::PushPrototype(ScriptID objectType) {
  duk_push_global_stash(fContext);
  duk_get_prop_string(fContext, -1, kPrototypesKey);
  if (!duk_get_prop_index(fContext, -1, objectType)) {
    duk_pop(fContext);
    duk_push_object(fContext);
    for (const ScriptElement* element : fManager.Registry().ElementsOf(objectType)) {
      fElements.push_back(element);
      const auto magic = static_cast<duk_int_t>(fElements.size() - 1);
      if (element->kind == ScriptElement::kProperty) {
        duk_push_string(fContext, element->name.c_str());
        duk_push_c_function(fContext, Entry<&ScriptBindings::GetProperty>, 0);
        duk_set_magic(fContext, -1, magic);
        duk_push_c_function(fContext, Entry<&ScriptBindings::SetProperty>, 1);
        duk_set_magic(fContext, -1, magic);
        duk_def_prop(
            fContext, -4,
            DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_HAVE_SETTER | DUK_DEFPROP_SET_ENUMERABLE);
      } else {
        duk_push_c_function(fContext, Entry<&ScriptBindings::CallMethod>, DUK_VARARGS);
        duk_set_magic(fContext, -1, magic);
        duk_put_prop_string(fContext, -2, element->name.c_str());
      }
    }
    duk_dup_top(fContext);
    duk_put_prop_index(fContext, -3, objectType);
  }
  duk_replace(fContext, -3);
  duk_pop(fContext);
}

void ScriptBindings::PushValue(const ScriptData& value) {
  PMString text;
  int32 integer = 0;
  PMReal real = 0;
  bool16 boolean = kFalse;
  IScript* object = nullptr;
  std::vector<ScriptData> list;
  if (value.GetPMString(text) == kSuccess) {
    PushText(fContext, text.GetUTF16());
  } else if (value.GetInt32(integer) == kSuccess) {
    duk_push_int(fContext, integer);
  } else if (value.GetPMReal(real) == kSuccess) {
    duk_push_number(fContext, real);
  } else if (value.GetBoolean(boolean) == kSuccess) {
    duk_push_boolean(fContext, boolean != kFalse);
  } else if (value.GetObject(object) == kSuccess) {
    PushObject(object);
  } else if (value.GetList(list) == kSuccess) {
    duk_push_array(fContext);
    for (size_t i = 0; i < list.size(); ++i) {
      PushValue(list[i]);
      duk_put_prop_index(fContext, -2, static_cast<duk_uarridx_t>(i));
    }
    duk_push_string(fContext, "itemByName");
    duk_push_c_function(fContext, Entry<&ScriptBindings::ItemByName>, 1);
    duk_def_prop(fContext, -3, DUK_DEFPROP_HAVE_VALUE);
  } else {
    duk_push_undefined(fContext);
  }
}

ScriptData ScriptBindings::ValueAt(duk_idx_t index) {
  ScriptData value;
  switch (duk_get_type(fContext, index)) {
    case DUK_TYPE_STRING:
      value.SetPMString(PMString(GetText(fContext, index)));
      break;
    case DUK_TYPE_NUMBER:
      value.SetPMReal(duk_get_number(fContext, index));
      break;
    case DUK_TYPE_BOOLEAN:
      value.SetBoolean(duk_get_boolean(fContext, index) ? kTrue : kFalse);
      break;
    case DUK_TYPE_OBJECT:
      if (IScript* object = ObjectAt(index)) value.SetObject(object);
      break;
    default:
      break;
  }
  return value;
}

IScript* ScriptBindings::ObjectAt(duk_idx_t index) {
  if (!duk_is_object(fContext, index)) return nullptr;
  duk_get_prop_string(fContext, index, kObjectIndexKey);
  const bool known = duk_is_number(fContext, -1) && duk_get_uint(fContext, -1) < fObjects.size();
  IScript* object = known ? fObjects[duk_get_uint(fContext, -1)].get() : nullptr;
  duk_pop(fContext);
  return object;
}

duk_ret_t ScriptBindings::RecordThrowLine(duk_context* ctx) {
  duk_inspect_callstack_entry(ctx, -2);
  if (duk_is_object(ctx, -1)) {
    duk_get_prop_string(ctx, -1, "lineNumber");
    Of(ctx).fLastThrowLine = duk_get_int(ctx, -1);
    duk_pop(ctx);
  }
  duk_pop(ctx);
  return 1;  // the thrown value, unchanged
}
