// Sets the decimal mark for one test and puts the usual comma back after it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "calc/decimal_mark.h"

namespace parcyl::testing {

inline void UseMark(char mark) {
  ReadDecimalMark([mark] { return std::optional<std::string>(std::string(1, mark)); });
}

class CommaMark : public ::testing::Test {
 protected:
  void SetUp() override { UseMark(','); }
  void TearDown() override { UseMark(','); }
};

}  // namespace parcyl::testing
