#include <gtest/gtest.h>

#include "sim/sim_platform.h"

namespace qv {
namespace {

TEST(SimSettings, AWriteTheMachineRefusesGoesToTheUser) {
    SimSettings settings;
    settings.machine_refused = true;
    EXPECT_TRUE(settings.Write("SaveGreetMessage\\Message", "hi"));
    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(settings.Read("savegreetmessage\\message"), "hi");
}

TEST(SimSettings, TheUsersValueShadowsTheMachinesUntilAMachineWriteRemovesIt) {
    SimSettings settings;
    settings.values["A\\B"] = "machine";
    settings.user_values["A\\b"] = "mine";
    EXPECT_EQ(settings.Read("A\\B"), "mine");
    EXPECT_TRUE(settings.Write("A\\B", "newer"));
    EXPECT_TRUE(settings.user_values.empty());
    EXPECT_EQ(settings.Read("A\\B"), "newer");
}

TEST(SimSettings, NothingWritableLosesTheWrite) {
    SimSettings settings;
    settings.writable = false;
    EXPECT_FALSE(settings.Write("A\\B", "x"));
    EXPECT_EQ(settings.Read("A\\B"), std::nullopt);
}

}  // namespace
}  // namespace qv
