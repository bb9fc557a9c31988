#include "HeaderText.h"

#include "text/OutputText.h"

std::string HeaderText(DataFrameType type, DataFrameScope scope, const PMString& name) {
  return "type=" + std::to_string(type) + " scope=" + std::to_string(scope) +
         " name=" + JsonQuote(name.GetUTF8String());
}
