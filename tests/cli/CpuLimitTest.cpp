// SPDX-License-Identifier: GPL-3.0-or-later
// "--jobs auto" counts the processors the program may use, not the machine's.
#include "CliRun.h"
#include "support/MediaClips.h"

#include <gtest/gtest.h>
#include <sched.h>

namespace {

using namespace scripts;

// Each stand-in fails when another one starts while it runs.
TEST(CpuLimit, AutoUnderOneCpuConvertsOneFileAtATime)
{
    cpu_set_t allowed;
    ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
    int cpu = 0;
    while (!CPU_ISSET(cpu, &allowed))
        ++cpu;

    CliRun cli;
    cli.launcher = {"taskset", "-c", QString::number(cpu)};
    for (const char* name : {"a.avi", "b.avi", "c.avi"})
        cli.encoder.input(name);
    cli.encoder.script(Header("00:00:02.00") + Progress(25, 100, "1.00") + "sleep 300\nalone\n" + Progress(1500, 200, "2.00")
                       + "copy " + clips::TwoSecondMp4() + "\n");
    cli.start({"--jobs", "auto", "--quiet", "--source-size", "640 x 352", "a.avi", "b.avi", "c.avi"});
    EXPECT_EQ(cli.finish(), 0) << cli.err;
    EXPECT_EQ(cli.outLines(), (std::vector<std::string>{cli.path("a.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500\t0",
                                                         cli.path("b.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500\t1",
                                                         cli.path("c.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500\t2"}));
    EXPECT_EQ(cli.encoder.calls().size(), 3u);
}

} // namespace
