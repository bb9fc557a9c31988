#include "HeaderText.h"

#include "JsonText.h"

std::string HeaderText(DataFrameType type, DataFrameScope scope, const PMString& name) {
  return "type=" + std::to_string(type) + " scope=" + std::to_string(scope) +
         " name=" + JsonQuoted(name.GetUTF8String());
}
