// The view's options on the command line: this run's view, or one line saying what is wrong.
// The whole command line is tested on the real program (tests/dist/command_line_test.sh).

#include "frontend/native/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace verminadia::frontend {
namespace {

TEST(ViewOptions, ChooseThisRunsViewOrSayWhatIsWrong) {
    std::ostringstream err;
    const auto read = [&err](std::vector<std::string> args, ViewChoice& v) {
        args.insert(args.begin(), "verminadia");
        const GivenOptions given = readOptions(args);
        EXPECT_TRUE(given.ok());
        return readViewOptions(given, v, err);
    };
    ViewChoice v{2, true};
    EXPECT_TRUE(read({"--scale", "3"}, v));
    EXPECT_EQ(v, (ViewChoice{3, false}));
    EXPECT_TRUE(read({"--fullscreen"}, v));
    EXPECT_EQ(v, (ViewChoice{3, true}));
    for (const char* bad : {"0", "5", "x", "2.5", ""}) {
        err.str({});
        EXPECT_FALSE(read({"--scale", bad}, v));
        const std::string said = err.str();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(v, (ViewChoice{3, true})) << "a bad option changed the view";
    }
    EXPECT_TRUE(err.str().starts_with("verminadia: --scale takes a whole number from 1 to 4, not ''")) << err.str();
}

}  // namespace
}  // namespace verminadia::frontend
