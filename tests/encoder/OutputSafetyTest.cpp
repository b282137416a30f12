// SPDX-License-Identifier: GPL-3.0-or-later
// Files and names that cannot be turned against the user: the output is a
// new file of the encoder's own wherever others may plant links or files,
// and the input is a local file unless the command line allows more.
#include "Clips.h"
#include "EncoderProcess.h"
#include "encoder/Fault.h"
#include "encoder/OutputFile.h"
#include "support/MediaFixtures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace encodertest {
namespace {

namespace fs = std::filesystem;
using ridod2e::HiddenPathFor;

std::string Contents(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A folder others may write to: sticky like /tmp, or setgid like a team's.
fs::path SharedFolder(const std::string& name, bool sticky)
{
    const fs::path folder = OutputFolder(name + (sticky ? "-sticky" : "-setgid"));
    fs::permissions(folder, sticky ? fs::perms(01777) : fs::perms(02775));
    return folder;
}

// What someone else plants: a link to the victim's file, or a file anyone
// may write, with a second name of its own that shows whether it was written.
struct Planted {
    fs::path victim;
    fs::path file;
    fs::path fileKept;

    explicit Planted(const fs::path& folder)
        : victim(folder.parent_path() / (folder.filename().string() + "-thesis.txt")),
          file(folder.parent_path() / (folder.filename().string() + "-planted")),
          fileKept(file.string() + "-kept")
    {
        std::ofstream(victim) << "thesis";
        std::ofstream(file) << "planted";
        fs::permissions(file, fs::perms(0666));
        fs::remove(fileKept);
        fs::create_hard_link(file, fileKept);
    }
    void linkAt(const fs::path& name) const { fs::create_symlink(victim, name); }
    void fileAt(const fs::path& name) const { fs::create_hard_link(file, name); }
    bool untouched() const { return Contents(victim) == "thesis" && Contents(fileKept) == "planted"; }
};

TEST(OutputFile, PassesOverEveryPlantedNameAndWritesOnlyItsOwnFile)
{
    for (const bool sticky : {true, false}) {
        const fs::path folder = SharedFolder("planted-hidden", sticky);
        const Planted planted(folder);
        const fs::path output = folder / "clip.mp4";
        planted.linkAt(HiddenPathFor(output.string(), "link"));
        planted.fileAt(HiddenPathFor(output.string(), "file"));
        const std::vector<std::string> parts = {"link", "file", "ours"};
        std::size_t next = 0;
        {
            ridod2e::OutputFile file(output.string(), false, [&] { return parts.at(next++); });
            EXPECT_EQ(file.hiddenPath(), HiddenPathFor(output.string(), "ours"));
            ASSERT_EQ(write(file.descriptor(), "ours", 4), 4);
            file.place();
        }
        EXPECT_TRUE(planted.untouched()) << sticky;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(output))) << sticky;
        EXPECT_EQ(Contents(output), "ours");
        EXPECT_TRUE(fs::is_symlink(HiddenPathFor(output.string(), "link")));
        EXPECT_FALSE(fs::exists(HiddenPathFor(output.string(), "ours")));
    }
}

TEST(OutputFile, AHiddenNameFitsTheFileSystemAndTheOutputKeepsItsName)
{
    const std::string stem = std::string(230, 'x') + "\xc3\xa9" + std::string(19, 'y');
    const fs::path hidden = HiddenPathFor("/out/" + stem + ".mp4", "abcdefghij");
    EXPECT_EQ(hidden.filename().string(), "." + std::string(230, 'x') + ".partial-abcdefghij.mp4");
    EXPECT_EQ(HiddenPathFor("/out/a.b.mp4", "Z"), "/out/.a.b.partial-Z.mp4");

    const fs::path folder = OutputFolder("long-stem");
    {
        ridod2e::OutputFile file((folder / (stem + ".mp4")).string(), false);
        file.place();
    }
    EXPECT_TRUE(fs::is_regular_file(folder / (stem + ".mp4")));
}

// The real encoder, with a link and a file planted at the output's name and
// at the hidden name it once took (the caller's process id in it).
TEST(OutputSafety, PlantedLinksAndFilesKeepTheirTargetsAndTheOutputIsOurs)
{
    for (const bool sticky : {true, false}) {
        for (const bool replace : {false, true}) {
            for (const bool plantLink : {true, false}) {
                const std::string name = std::string("planted-") + (replace ? "y-" : "") + (plantLink ? "link" : "file");
                const fs::path folder = SharedFolder(name, sticky);
                const Planted planted(folder);
                const fs::path output = folder / "clip.mp4";
                const fs::path oldName = folder / (".clip.partial-" + std::to_string(getpid()) + ".mp4");
                plantLink ? planted.linkAt(output) : planted.fileAt(output);
                plantLink ? planted.linkAt(oldName) : planted.fileAt(oldName);
                std::vector<std::string> arguments = {"-@", "-i", Clip("avi").string(), "-vcodec", "mpeg4",
                                                      "-acodec", "mpeg4aac", output.string()};
                if (replace)
                    arguments.insert(arguments.begin(), "-y");
                const EncoderRun run = RunEncoder(arguments);
                const std::string situation = name + (sticky ? " sticky" : " setgid");

                EXPECT_TRUE(planted.untouched()) << situation;
                EXPECT_EQ(fs::is_symlink(oldName), plantLink) << situation;
                EXPECT_TRUE(fs::exists(fs::symlink_status(oldName))) << situation;
                EXPECT_EQ(run.exitCode, replace ? 0 : 1) << situation << "\n" << run.output;
                if (replace) {
                    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(output))) << situation;
                    EXPECT_EQ(fixtures::ReadMedia(output).video()->codec, "mpeg4") << situation;
                } else {
                    EXPECT_EQ(run.lines.back(), "error: the output file '" + output.string()
                                                    + "' exists; give -y to replace it") << situation;
                    EXPECT_EQ(fs::is_symlink(output), plantLink) << situation;
                }
                for (const auto& entry : fs::directory_iterator(folder))
                    EXPECT_TRUE(entry.path() == output || entry.path() == oldName) << entry.path();
            }
        }
    }
}

// A listening socket that tells afterwards whether anyone connected.
class LocalServer {
public:
    LocalServer() : socket_(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0))
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(socket_, 8) != 0
            || getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("no local server");
        port_ = ntohs(address.sin_port);
    }
    ~LocalServer() { close(socket_); }
    int port() const { return port_; }
    bool reached() const
    {
        const int connection = accept(socket_, nullptr, nullptr);
        if (connection >= 0)
            close(connection);
        return connection >= 0;
    }

private:
    int socket_;
    int port_ = 0;
};

TEST(LocalInputs, AddressesAreRefusedUnlessAllowedAndNoRequestIsMade)
{
    const LocalServer server;
    const std::string clip = Clip("avi").string();
    const fs::path folder = OutputFolder("addresses");
    const std::string addresses[] = {
        "http://127.0.0.1:" + std::to_string(server.port()) + "/x.avi",
        "pipe:0",
        "concat:" + clip + "|" + clip,
        "subfile,,start,0,end,1000,,:" + clip,
        "data:video/x-msvideo;base64,UklGRg==",
        "file:" + clip,
    };
    for (const std::string& address : addresses) {
        const EncoderRun run = RunEncoder({"-@", "-y", "-i", address, (folder / "out.mp4").string()});
        EXPECT_EQ(run.exitCode, 1) << address;
        ASSERT_FALSE(run.lines.empty()) << address;
        EXPECT_EQ(run.lines.front(), "error: " + address + " is not a local file");
    }
    EXPECT_FALSE(server.reached());
    EXPECT_TRUE(fs::is_empty(folder));

    const EncoderRun allowed = RunEncoder({"-@", "-y", "-allow-protocols", "-i", "file:" + clip, "-vcodec", "mpeg4",
                                           (folder / "out.mp4").string()});
    EXPECT_EQ(allowed.exitCode, 0) << allowed.output;
    EXPECT_TRUE(fs::is_regular_file(folder / "out.mp4"));
}

} // namespace
} // namespace encodertest
