#pragma once

// Names parameterised tests after the `name` field of their case.

#include <gtest/gtest.h>

#include <string>

namespace tessaly::test {

struct CaseName {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& tested) const {
    return tested.param.name;
  }
};

}  // namespace tessaly::test
