// Golden files: a text listing (a report's page model dump, a sheet) checked
// against the file of that name under tests/data. With TJ_UPDATE_GOLDEN set
// the file is written from the text first, after a deliberate change.
//
//   EXPECT_TRUE(tj::test::MatchesGolden(doc.dump(), "print/settlement_sheet.txt"));
#pragma once

#include <QString>
#include <gtest/gtest.h>

namespace tj::test {

::testing::AssertionResult MatchesGolden(const QString& text, const QString& name);

}  // namespace tj::test
