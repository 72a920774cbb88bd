#include "kit/base/Console.h"

#include <gtest/gtest.h>

using namespace kit;

namespace {

struct Streams {
    std::string out, err;
};

template <class F> Streams written(F&& f) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    f();
    Streams s;
    s.out = testing::internal::GetCapturedStdout();
    s.err = testing::internal::GetCapturedStderr();
    return s;
}

} // namespace

TEST(ConsoleTest, DiagnosticsPrintOnlyWhenVerboseAndFailuresAlwaysReachStandardError) {
    ASSERT_FALSE(isVerbose());
    auto quiet = written([] {
        print("DCW deinit");
        warn("Could not save /tmp/x.png: disk full");
    });
    EXPECT_EQ(quiet.out, "");
    EXPECT_EQ(quiet.err, "Could not save /tmp/x.png: disk full\n");

    setVerbose(true);
    auto verbose = written([] { print("DCW deinit"); });
    setVerbose(false);
    EXPECT_EQ(verbose.out, "DCW deinit\n");
    EXPECT_EQ(verbose.err, "");
}

TEST(ConsoleTest, ACaptureTakesBothKindsOfLineAndNothingReachesTheTerminal) {
    Streams streams;
    std::vector<std::string> lines;
    streams = written([&] {
        ConsoleCapture capture;
        print("not hex");
        warn("Camera could not start: busy");
        lines = capture.lines();
    });
    EXPECT_EQ(lines, (std::vector<std::string>{"not hex", "Camera could not start: busy"}));
    EXPECT_EQ(streams.out + streams.err, "");
}
