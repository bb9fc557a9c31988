#include "CreateObject.h"

#include "Boss.h"

IPMUnknown* CreateObject(ClassID classID, PMIID interfaceID) {
  Boss* boss = Boss::Create(classID);
  if (!boss) return nullptr;
  IPMUnknown* object = boss->QueryInterface(interfaceID);
  boss->Release();  // the caller's reference keeps the boss alive; without one it goes now
  return object;
}
