#include "system/timerhost.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tc {
namespace {

TEST(Datetime, CountsDaysFromTheStampOriginAndSplitsTheDay) {
    EXPECT_EQ(Datetime::Make(1899, 12, 30).Day, 0);
    EXPECT_EQ(Datetime::Make(1900, 3, 1).Day, 61); // 1900 was no leap year
    EXPECT_EQ(Datetime::Make(2000, 1, 1).Day, 36526);
    EXPECT_EQ(Datetime::Make(2024, 2, 29).Day, 45351);

    const Datetime t = Datetime::Make(2024, 5, 6, 13, 45, 7, 250);
    EXPECT_EQ(t.Hour(), 13);
    EXPECT_EQ(t.Minute(), 45);
    EXPECT_EQ(t.Second(), 7);
    EXPECT_EQ(t.Secondofday(), 13 * 3600 + 45 * 60 + 7);
    EXPECT_DOUBLE_EQ(Datetime::Make(2000, 1, 1, 18).Serial(), 36526.75);

    EXPECT_EQ(Datetime::Fromtotalms(t.Totalms()), t);
    EXPECT_EQ(Datetime::Fromtotalms(-1), (Datetime{-1, Msperday - 1}));
}

TEST(Systemclock, GivesAPlausibleLocalDateAndSteadyTicks) {
    Systemclock c;
    const Datetime now = c.Now();
    EXPECT_GT(now.Day, Datetime::Make(2023, 1, 1).Day);
    EXPECT_GE(now.Millisecond, 0);
    EXPECT_LT(now.Millisecond, Msperday);
    const int64_t a = c.Ticks();
    EXPECT_GE(c.Ticks(), a);
    EXPECT_EQ(Wholeseconds(1000, 3999), 2);
}

// Timers whose ticks write the virtual time into a log.
struct Timerbench : ::testing::Test {
    Timerhost host;
    Virtualclock clock{host, Datetime::Make(2024, 5, 6, 23, 59, 59)};
    Timer a{250}, b{1000}, c{100};
    std::vector<std::string> log;
    std::function<void()> ona, onb;

    void SetUp() override {
        host.Add("a", a, [this] {
            log.push_back("a" + std::to_string(clock.Ticks()));
            if (ona) ona();
        });
        host.Add("b", b, [this] {
            log.push_back("b" + std::to_string(clock.Ticks()));
            if (onb) onb();
        });
        host.Add("c", c, [this] { log.push_back("c" + std::to_string(clock.Ticks())); });
    }
};

using Log = std::vector<std::string>;

TEST_F(Timerbench, FiresEachEnabledTimerEveryIntervalInTimeOrder) {
    a.Enabled = b.Enabled = true;
    clock.advance(1000);
    // At 1000 both are due: registration order decides.
    EXPECT_EQ(log, (Log{"a250", "a500", "a750", "a1000", "b1000"}));
    EXPECT_EQ(clock.Ticks(), 1000);
    // The time of day moved with it, over midnight into the next day.
    EXPECT_EQ(clock.Now(), Datetime::Make(2024, 5, 7, 0, 0, 0));

    log.clear();
    clock.advance(300); // the phase is kept across calls
    EXPECT_EQ(log, (Log{"a1250"}));
}

TEST_F(Timerbench, HandlersMayStartStopAndRetimeTimersIncludingTheirOwn) {
    a.Enabled = true;
    ona = [this] {
        a.Enabled = false; // one-shot
        c.Enabled = true;  // counts from this tick
    };
    onb = [this] { b.Interval = 400; };
    b.Enabled = true;
    clock.advance(2000);
    EXPECT_EQ(log, (Log{"a250",  "c350",  "c450",  "c550",  "c650",  "c750",  "c850",
                        "c950",  "b1000", "c1050", "c1150", "c1250", "c1350", "b1400",
                        "c1450", "c1550", "c1650", "c1750", "b1800", "c1850", "c1950"}));
}

TEST_F(Timerbench, ATimerStoppedByAnEarlierTickOfTheSameMomentDoesNotFire) {
    a.Interval = 1000;
    a.Enabled = b.Enabled = true;
    ona = [this] { b.Enabled = false; };
    clock.advance(5000);
    EXPECT_EQ(log, (Log{"a1000", "a2000", "a3000", "a4000", "a5000"}));
}

TEST_F(Timerbench, ReenablingOrRetimingFromOutsideRestartsTheInterval) {
    b.Enabled = true;
    clock.advance(700);
    b.Interval = 500; // a handler the test called changed it at 700
    clock.advance(600);
    EXPECT_EQ(log, (Log{"b1200"}));
    b.Enabled = false;
    clock.advance(1000);
    b.Enabled = true;
    clock.advance(499);
    EXPECT_EQ(log, (Log{"b1200"}));
    clock.advance(1);
    EXPECT_EQ(log, (Log{"b1200", "b2800"}));
    b.Interval = 0; // interval 0 never fires
    clock.advance(5000);
    EXPECT_EQ(log, (Log{"b1200", "b2800"}));
}

TEST_F(Timerbench, AnHourOfSecondTicksRunsAtOnce) {
    b.Enabled = true;
    clock.advance(3'600'000);
    EXPECT_EQ(log.size(), 3600u);
    EXPECT_EQ(log.back(), "b3600000");
}

TEST(Timerhost, SyncTellsADriverWhatToStartAndStop) {
    Timerhost host;
    Timer t{1000}, u{50};
    int ticks = 0;
    host.Add("Tmrwait", t, [&] { ++ticks; });
    host.Add("Tmrani", u, {});
    using O = Timerhost::Order;
    using C = Timerhost::Change;
    EXPECT_EQ(host.Find("Tmrani"), 1u);
    EXPECT_FALSE(host.Find("Tmrx"));
    EXPECT_TRUE(host.Sync().empty());

    t.Enabled = u.Enabled = true;
    EXPECT_EQ(host.Sync(), (std::vector<O>{{0, C::Start, 1000}, {1, C::Start, 50}}));
    EXPECT_TRUE(host.Sync().empty()); // nothing changed
    u.Interval = 20;
    EXPECT_EQ(host.Sync(), (std::vector<O>{{1, C::Start, 20}}));

    host.Fire(0);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(host.Sync(), (std::vector<O>{{0, C::Start, 1000}})); // the next interval

    t.Enabled = false;
    host.Fire(0); // a late tick of a stopped timer does nothing
    EXPECT_EQ(ticks, 1);
    u.Enabled = false;
    EXPECT_EQ(host.Sync(), (std::vector<O>{{1, C::Stop, 0}}));
}

} // namespace
} // namespace tc
