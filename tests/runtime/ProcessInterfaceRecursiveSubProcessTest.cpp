#include "LProcessInterfaceRecursiveSubProcess.h"
#include "LProcessInterfaceSilent.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ProgressLog : public LProcessInterfaceSilent {
public:
    std::vector<double> progress;
    int indeterminate = 0;
    void SetProgress(double fraction) override { progress.push_back(fraction); }
    void SetProgressIndeterminateOn() override { ++indeterminate; }
};

// Reports its items through the interface, descending into items that hold sub-items the way
// the file-list run does.
void Walk(LProcessInterface& process, const std::vector<int>& subItems) {
    const double n = static_cast<double>(subItems.size());
    double done = 0;
    for (size_t k = 0; k < subItems.size(); ++k) {
        if (subItems[k] > 0) {
            LProcessInterfaceRecursiveSubProcess nested(process, done, 1 / n);
            nested.SetProgressIndeterminateOn();
            Walk(nested, std::vector<int>(static_cast<size_t>(subItems[k]), 0));
        }
        done += 1 / n;
        process.SetProgress(done);
    }
}

}  // namespace

TEST(ProcessInterfaceRecursiveSubProcess, NestedProgressFillsTheItemsShare) {
    ProgressLog log;
    Walk(log, {0, 2, 0});
    const std::vector<double> expected = {1.0 / 3, 0.5, 2.0 / 3, 2.0 / 3, 1.0};
    ASSERT_EQ(log.progress.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(log.progress[i], expected[i], 1e-12) << i;
    }
    EXPECT_EQ(log.indeterminate, 0);
}
