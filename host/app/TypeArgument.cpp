#include "TypeArgument.h"

#include <cstdlib>

bool ReadTypeArgument(const std::string& word, DataFrameType& type) {
  for (int value = 0; value < kDataFrameTypeCount; ++value) {
    if (word == kDataFrameTypeKeywords[value]) {
      type = static_cast<DataFrameType>(value);
      return true;
    }
  }
  const size_t signLength = word[0] == '-' ? 1 : 0;
  if (word.size() == signLength || word.size() - signLength > 5) return false;
  for (size_t i = signLength; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return false;
  }
  const long number = std::strtol(word.c_str(), nullptr, 10);
  if (number < INT16_MIN || number > INT16_MAX) return false;
  type = static_cast<DataFrameType>(number);
  return true;
}
