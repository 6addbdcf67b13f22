// The host's command bus and the C table that forwards to it.
#include "host/CommandBus.h"
#include "host/HostApiBridge.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> heard;  // what the handlers below were called with, in order
CommandBus* busOfHandlers = nullptr;
int32_t lateSubscription = 0;

int32_t First(intptr_t argument) {
    heard.push_back("first " + std::to_string(argument));
    return 0;
}

int32_t Second(intptr_t argument) {
    heard.push_back("second " + std::to_string(argument));
    return 0;
}

// Subscribes Second while the event is being fired.
int32_t SubscribesSecond(intptr_t) {
    heard.push_back("subscriber");
    lateSubscription = busOfHandlers->Subscribe("Test/Event", Second);
    return 0;
}

// Drops the subscription whose id is lateSubscription while the event is being fired.
int32_t DropsLate(intptr_t) {
    heard.push_back("dropper");
    busOfHandlers->Unsubscribe(lateSubscription);
    return 0;
}

class CommandBusTest : public testing::Test {
protected:
    void SetUp() override {
        heard.clear();
        busOfHandlers = &bus;
    }
    CommandBus bus;
};

TEST_F(CommandBusTest, UnknownCommandsAreNotServed) {
    EXPECT_EQ(bus.Exists("No/Such"), 0);
    EXPECT_EQ(bus.Call("No/Such", 1, 2), 0);
    EXPECT_EQ(bus.Exists(nullptr), 0);
    EXPECT_EQ(bus.Call(nullptr, 1, 2), 0);
}

TEST_F(CommandBusTest, ServedCommandGetsBothArguments) {
    bus.Serve("Host/Add", [](intptr_t a, intptr_t b) { return a + b; });
    EXPECT_EQ(bus.Exists("Host/Add"), 1);
    EXPECT_EQ(bus.Call("Host/Add", 40, 2), 42);
    bus.StopServing("Host/Add");
    EXPECT_EQ(bus.Exists("Host/Add"), 0);
}

TEST_F(CommandBusTest, RegisteredCommandRunsUntilUnregistered) {
    const int32_t id = bus.RegisterCommand("Plugin/Do", First);
    ASSERT_GT(id, 0);
    EXPECT_EQ(bus.Exists("Plugin/Do"), 1);
    EXPECT_EQ(bus.Call("Plugin/Do", 7, 99), 0);
    bus.UnregisterCommand(id);
    EXPECT_EQ(bus.Exists("Plugin/Do"), 0);
    bus.Call("Plugin/Do", 8, 0);
    EXPECT_EQ(heard, std::vector<std::string>{"first 7"});
}

TEST_F(CommandBusTest, LatestRegistrationAnswersAndDroppingItRevealsTheEarlier) {
    const int32_t early = bus.RegisterCommand("Plugin/Do", First);
    const int32_t late = bus.RegisterCommand("Plugin/Do", Second);
    EXPECT_NE(early, late);
    bus.Call("Plugin/Do", 1, 0);
    bus.UnregisterCommand(late);
    bus.Call("Plugin/Do", 2, 0);
    EXPECT_EQ(heard, (std::vector<std::string>{"second 1", "first 2"}));
}

TEST_F(CommandBusTest, RefusesBadRegistrations) {
    std::vector<std::string> faults;
    bus.SetFaultReporter([&](const std::string& text) { faults.push_back(text); });
    bus.Serve("Host/Own", [](intptr_t, intptr_t) { return intptr_t{5}; });
    EXPECT_EQ(bus.RegisterCommand("Host/Own", First), 0);
    EXPECT_EQ(bus.Call("Host/Own", 0, 0), 5);
    EXPECT_EQ(faults.size(), 1u);
    EXPECT_EQ(bus.RegisterCommand(nullptr, First), 0);
    EXPECT_EQ(bus.RegisterCommand("Plugin/Null", nullptr), 0);
    EXPECT_EQ(bus.Subscribe(nullptr, First), 0);
    EXPECT_EQ(bus.Subscribe("Test/Event", nullptr), 0);
    bus.Unsubscribe(12345);
    bus.UnregisterCommand(12345);
    EXPECT_EQ(bus.Fire("Test/Event", 0), 0);
}

TEST_F(CommandBusTest, ThrowingCommandIsReportedAndAnswersZero) {
    std::vector<std::string> faults;
    bus.SetFaultReporter([&](const std::string& text) { faults.push_back(text); });
    bus.Serve("Host/Throw", [](intptr_t, intptr_t) -> intptr_t { throw std::runtime_error("boom"); });
    EXPECT_EQ(bus.Call("Host/Throw", 0, 0), 0);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find("boom"), std::string::npos);
}

TEST_F(CommandBusTest, EventReachesEverySubscriberInOrder) {
    bus.Subscribe("Test/Event", First);
    bus.Subscribe("Other/Event", First);
    bus.Subscribe("Test/Event", Second);
    EXPECT_EQ(bus.Fire("Test/Event", 3), 2);
    EXPECT_EQ(heard, (std::vector<std::string>{"first 3", "second 3"}));
}

TEST_F(CommandBusTest, UnsubscribedHandlerIsNotCalled) {
    const int32_t first = bus.Subscribe("Test/Event", First);
    bus.Subscribe("Test/Event", Second);
    bus.Unsubscribe(first);
    EXPECT_EQ(bus.Fire("Test/Event", 4), 1);
    EXPECT_EQ(heard, std::vector<std::string>{"second 4"});
}

TEST_F(CommandBusTest, SubscriberAddedWhileFiringWaitsForTheNextFiring) {
    bus.Subscribe("Test/Event", SubscribesSecond);
    bus.Fire("Test/Event", 5);
    EXPECT_EQ(heard, std::vector<std::string>{"subscriber"});
}

TEST_F(CommandBusTest, SubscriberDroppedWhileFiringIsSkipped) {
    bus.Subscribe("Test/Event", DropsLate);
    lateSubscription = bus.Subscribe("Test/Event", Second);
    EXPECT_EQ(bus.Fire("Test/Event", 6), 1);
    EXPECT_EQ(heard, std::vector<std::string>{"dropper"});
}

TEST_F(CommandBusTest, TableForwardsToTheBoundBusOnly) {
    const HostApi* table = BindHostApi(bus);
    bus.Serve("Host/Answer", [](intptr_t, intptr_t) { return intptr_t{42}; });
    EXPECT_EQ(table->Exists("Host/Answer"), 1);
    EXPECT_EQ(table->Call("Host/Answer", 0, 0), 42);
    const int32_t id = table->Subscribe("Test/Event", First);
    EXPECT_GT(id, 0);
    const int32_t command = table->RegisterCommand("Plugin/Do", Second);
    EXPECT_EQ(bus.Exists("Plugin/Do"), 1);
    table->UnregisterCommand(command);
    EXPECT_EQ(bus.Exists("Plugin/Do"), 0);
    table->Unsubscribe(id);
    EXPECT_EQ(bus.Fire("Test/Event", 0), 0);
    UnbindHostApi();
    EXPECT_EQ(table->Exists("Host/Answer"), 0);
    EXPECT_EQ(table->Call("Host/Answer", 0, 0), 0);
    EXPECT_EQ(table->Subscribe("Test/Event", First), 0);
}

}  // namespace
