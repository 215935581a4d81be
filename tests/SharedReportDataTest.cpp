#include "reports/SharedReportData.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace namewright {
namespace {

TEST(SharedReportData, ReadersSeeOnlyWholeValues) {
    ReportData first;
    first.name = "李明";
    first.score = "74";
    ReportData second;
    second.name = "欧阳明";
    second.score = "62";

    SharedReportData shared;
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 2000; ++i) {
            shared.replace(i % 2 == 0 ? first : second);
        }
        done = true;
    });
    int mixed = 0;
    const bool finished = testing::waitUntil(
        [&] {
            const ReportData seen = shared.current();
            if (!(seen == first || seen == second || seen == ReportData{})) {
                ++mixed;
            }
            return done.load();
        },
        testing::kWaitDeadline, {});
    writer.join();
    EXPECT_TRUE(finished);
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(shared.current(), second);
}

} // namespace
} // namespace namewright
