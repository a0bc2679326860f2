// The exported exception base: a host derives from it and reads its text through operator*.

#include <gtest/gtest.h>

#include <string>

#include "pages/TvBaseException.h"

namespace {

class HostException : public CTvBaseException {
 public:
  explicit HostException(std::string text) : m_text(std::move(text)) {}
  char* GetText() override { return m_text.data(); }
  std::string m_text;
};

TEST(TvBaseException, DereferenceGivesTheTextOfTheDerivedClass) {
  HostException error("disk full");
  CTvBaseException& base = error;
  EXPECT_STREQ(*base, "disk full");
  (*base)[0] = 'D';
  EXPECT_EQ(error.m_text, "Disk full");
}

TEST(TvBaseException, CopyAndAssignmentCarryOnlyTheType) {
  HostException first("first");
  HostException second("second");
  static_cast<CTvBaseException&>(second) = first;  // the base's assignment copies nothing
  EXPECT_EQ(second.m_text, "second");
  HostException copy(first);
  EXPECT_STREQ(*copy, "first");
}

}  // namespace
