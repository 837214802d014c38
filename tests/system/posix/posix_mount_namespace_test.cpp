// The drives on this machine while real volumes are mounted, bound and
// unmounted: each test works in a child process with a mount namespace of
// its own, so nothing it mounts is seen outside, and everything it mounts
// goes when the child ends. Where the machine does not permit that (no root,
// no loop devices, no btrfs tools) the tests are skipped.

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "system/drive_space.h"
#include "system/posix/posix_volume_api.h"

namespace quarvo {
namespace {

namespace fs = std::filesystem;

using Findings = std::map<std::string, std::string>;

// Findings come back as "name value" lines; a "skip" line tells why the
// machine did not permit the test.
std::string lines(const Findings& findings) {
    std::string out;
    for (const auto& [name, value] : findings) out += name + " " + value + "\n";
    return out;
}

Findings parsed(const std::string& text) {
    Findings findings;
    std::istringstream in(text);
    for (std::string name, value; in >> name && std::getline(in >> std::ws, value);)
        findings[name] = value;
    return findings;
}

std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    return text;
}

// Runs body in a child with private mounts, in a fresh folder under /tmp.
Findings inPrivateMounts(const std::function<Findings(const fs::path&)>& body) {
    char pattern[] = "/tmp/quarvo-mounts-XXXXXX";
    const fs::path folder = ::mkdtemp(pattern);
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return {{"skip", "no pipe"}};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        Findings findings;
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            findings = {{"skip", std::string("no mount namespace: ") + std::strerror(errno)}};
        else
            findings = body(folder);
        const std::string text = lines(findings);
        [[maybe_unused]] const auto written = ::write(pipeEnds[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    const std::string text = readAll(pipeEnds[0]);
    ::close(pipeEnds[0]);
    ::waitpid(child, nullptr, 0);
    std::error_code error;
    fs::remove_all(folder, error);
    return parsed(text);
}

// The letter of the drive whose root is folder, "none" when it is no drive.
std::string letterOf(VolumeApi& api, const fs::path& folder) {
    const std::uint32_t mask = api.logicalDrives();
    for (char letter = 'c'; letter <= 'z'; ++letter) {
        if ((mask & (1u << (letter - 'a'))) && api.rootFolder(driveRoot(letter)) == folder)
            return std::string(1, letter);
    }
    return "none";
}

bool mountTmpfs(const fs::path& at) {
    fs::create_directories(at);
    return ::mount("quarvo-test", at.c_str(), "tmpfs", 0, nullptr) == 0;
}

bool bind(const fs::path& from, const fs::path& to) {
    return ::mount(from.c_str(), to.c_str(), nullptr, MS_BIND, nullptr) == 0;
}

std::string yesNo(bool value) {
    return value ? "yes" : "no";
}

TEST(PrivateMounts, VolumesKeepTheirLettersAndVanishedOnesAreNotReady) {
    const Findings found = inPrivateMounts([](const fs::path& dir) -> Findings {
        if (!mountTmpfs(dir / "x")) return {{"skip", "cannot mount"}};
        PosixVolumeApi api;
        Findings f;
        const std::string x = letterOf(api, dir / "x");
        f["x"] = x;
        f["x-ready"] = yesNo(driveReady(api, x[0]));
        // /a sorts before /x but comes later; /x goes; a folder of /a and a
        // single file are bound elsewhere.
        mountTmpfs(dir / "a");
        fs::create_directories(dir / "a" / "sub");
        std::ofstream(dir / "a" / "file").close();
        fs::create_directories(dir / "b");
        std::ofstream(dir / "f").close();
        bind(dir / "a" / "sub", dir / "b");
        bind(dir / "a" / "file", dir / "f");
        ::umount(fs::path(dir / "x").c_str());
        f["a"] = letterOf(api, dir / "a");
        f["b"] = letterOf(api, dir / "b");
        f["f"] = letterOf(api, dir / "f");
        f["x-gone"] = letterOf(api, dir / "x");
        f["x-gone-ready"] = yesNo(driveReady(api, x[0]));
        f["x-gone-root"] = "[" + api.rootFolder(driveRoot(x[0])) + "]";
        mountTmpfs(dir / "x");
        f["x-back"] = letterOf(api, dir / "x");
        f["x-back-ready"] = yesNo(driveReady(api, x[0]));
        return f;
    });
    if (found.contains("skip")) GTEST_SKIP() << found.at("skip");
    ASSERT_NE(found.at("x"), "none");
    EXPECT_EQ(found.at("x-ready"), "yes");
    EXPECT_GT(found.at("a"), found.at("x"));
    EXPECT_EQ(found.at("b"), "none");
    EXPECT_EQ(found.at("f"), "none");
    EXPECT_EQ(found.at("x-gone"), "none");
    EXPECT_EQ(found.at("x-gone-ready"), "no");
    EXPECT_EQ(found.at("x-gone-root"), "[]");
    EXPECT_EQ(found.at("x-back"), found.at("x"));
    EXPECT_EQ(found.at("x-back-ready"), "yes");
}

// A btrfs image with the subvolumes root and home, mounted the way several
// distributions lay out a disk.
bool mountBtrfsImage(const fs::path& dir) {
    const std::string d = dir.string();
    const std::string script =
        "command -v mkfs.btrfs && command -v btrfs || exit 1; cd " + d +
        " && truncate -s 256M img && mkfs.btrfs -q img && mkdir top vol alice again"
        " && mount -o loop img top && btrfs -q subvolume create top/root"
        " && btrfs -q subvolume create top/home && umount top"
        " && mount -o loop,subvol=root img vol && mkdir vol/home"
        " && mount -o loop,subvol=home img vol/home && mkdir -p vol/home/alice/docs"
        " && mount --bind vol/home/alice alice && mount --bind vol/home again";
    return std::system(("(" + script + ") >/dev/null 2>&1").c_str()) == 0;
}

TEST(PrivateMounts, BtrfsSubvolumesAreDrivesAndBoundFoldersAreNot) {
    const Findings found = inPrivateMounts([](const fs::path& dir) -> Findings {
        if (!mountBtrfsImage(dir)) return {{"skip", "no loop devices or btrfs tools"}};
        PosixVolumeApi api;
        Findings f;
        f["vol"] = letterOf(api, dir / "vol");
        f["home"] = letterOf(api, dir / "vol" / "home");
        f["alice"] = letterOf(api, dir / "alice");
        f["again"] = letterOf(api, dir / "again");
        if (::chdir((dir / "alice" / "docs").c_str()) == 0) f["cwd"] = api.currentDirectory();
        f["home-ready"] = yesNo(f["home"] != "none" && driveReady(api, f["home"][0]));
        return f;
    });
    if (found.contains("skip")) GTEST_SKIP() << found.at("skip");
    EXPECT_NE(found.at("vol"), "none");
    EXPECT_NE(found.at("home"), "none");
    EXPECT_NE(found.at("home"), found.at("vol"));
    // The second mount of home and the bound folder of it are no drives.
    EXPECT_EQ(found.at("alice"), "none");
    EXPECT_EQ(found.at("again"), "none");
    EXPECT_EQ(found.at("cwd"), found.at("home") + ":\\alice\\docs");
    EXPECT_EQ(found.at("home-ready"), "yes");
}

}  // namespace
}  // namespace quarvo
