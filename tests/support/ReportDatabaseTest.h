#pragma once
// The GoogleTest fixture of the report tests: the database of ReportTestData.h, open.

#include "db/NamingDatabase.h"
#include "support/ReportTestData.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

namespace namewright::testing {

/// A test with the report database open: m_database reads what fillReportTestData wrote.
class ReportDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        fillReportTestData(m_file);
        m_database = m_file.open();
        ASSERT_TRUE(m_database.isOpen());
    }

    TempDatabase m_file;
    NamingDatabase m_database;
};

} // namespace namewright::testing
