// quarvo-report run as a program on small trees made in a temporary folder.

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>

namespace quarvo {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readAll(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

// The program where the user nobody can start it: a copy in a folder of its
// own, since the build may lie where only its owner gets in (a home folder of
// mode 700). Made once, removed when the tests end.
const std::string& programForNobody() {
    struct Copy {
        fs::path folder;
        std::string program;
        Copy() {
            char pattern[] = "/tmp/quarvo-report-program-XXXXXX";
            folder = mkdtemp(pattern);
            program = folder / "quarvo-report";
            fs::copy_file(QUARVO_REPORT_PROGRAM, program);
            const auto everyoneRuns = fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec;
            fs::permissions(folder, everyoneRuns);
            fs::permissions(program, everyoneRuns);
        }
        ~Copy() { fs::remove_all(folder); }
    };
    static const Copy copy;
    return copy.program;
}

// Runs the program with the environment settings given (NAME=value), in UTC,
// optionally as the unprivileged user nobody so that permissions hold.
ProgramRun runReport(std::vector<std::string> args, std::vector<std::string> env = {},
                     bool asNobody = false) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    args.insert(args.begin(), asNobody ? programForNobody() : QUARVO_REPORT_PROGRAM);
    env.push_back("TZ=UTC");
    const pid_t child = fork();
    if (child == 0) {
        for (std::string& setting : env) putenv(setting.data());
        dup2(fileno(out), STDOUT_FILENO);
        dup2(fileno(err), STDERR_FILENO);
        // Nor need the working folder be one that nobody may enter.
        if (asNobody && geteuid() == 0 &&
            (chdir("/") != 0 || setgroups(0, nullptr) != 0 || setgid(65534) != 0 ||
             setuid(65534) != 0))
            _exit(99);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(98);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(out), readAll(err)};
}

QJsonObject parsed(const ProgramRun& run) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return doc.object();
}

std::int64_t number(const QJsonValue& value) {
    return static_cast<std::int64_t>(value.toDouble(-1));
}

// A tree whose every figure is known: regular files of several sizes and
// types, a hidden file, a hidden folder, a read-only file, a symbolic link
// and a named pipe.
class ReportTree : public ::testing::Test {
protected:
    fs::path root;
    // Sizes of the files the scan should count, hidden folder left out.
    const std::vector<std::int64_t> countedSizes = {5, 20000, 70000, 0, 1, 5, 10, 0};
    // The half-hour slot (in UTC) of a.txt's old write time.
    const int oldSlot = static_cast<int>((std::time(nullptr) / 1800 + 24) % 48);

    void SetUp() override {
        char pattern[] = "/tmp/quarvo-report-XXXXXX";
        root = mkdtemp(pattern);
        fs::permissions(root, fs::perms::owner_all | fs::perms::group_exec | fs::perms::group_read |
                                  fs::perms::others_exec | fs::perms::others_read);
        file("a.txt", 5);
        file("sub/b.doc", 20000);
        file("sub/deep/c.DOC", 70000);
        file(".h.txt", 0);
        file(".hid/x.txt", 100);
        file("noext", 1);
        fs::create_symlink("a.txt", root / "ln.txt");
        file("ro.txt", 10);
        chmod((root / "ro.txt").c_str(), 0444);
        mkfifo((root / "pipe").c_str(), 0644);
        // 1 January 2010 in UTC, over four years old, ten minutes into the
        // half-hour slot twelve hours away from now: the files made just now
        // share no slot with it.
        const std::time_t slotStart = 1262304000 + oldSlot * 1800 + 600;
        const timespec old[2] = {{slotStart, 0}, {slotStart, 0}};
        utimensat(AT_FDCWD, (root / "a.txt").c_str(), old, 0);
    }
    void TearDown() override {
        fs::permissions(root / "sub", fs::perms::owner_all);
        fs::remove_all(root);
    }

    void file(const std::string& name, std::int64_t size) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name).close();
        fs::resize_file(root / name, size);
    }
};

TEST_F(ReportTree, JsonCountsEveryFileOnceOutsideHiddenFolders) {
    const ProgramRun run = runReport({"--json", root});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject r = parsed(run);
    EXPECT_EQ(number(r["filesProcessed"]), 8);
    EXPECT_EQ(number(r["filesSelected"]), 8);
    EXPECT_GT(number(r["clusterSize"]), 0);
    EXPECT_TRUE(r["leftOut"].isArray());

    const QJsonArray types = r["types"].toArray();
    ASSERT_EQ(types.size(), 3);
    EXPECT_EQ(types[0].toObject()["extension"].toString(), "");
    EXPECT_EQ(types[0].toObject()["description"].toString(), "No extension");
    EXPECT_EQ(number(types[0].toObject()["files"]), 2);
    EXPECT_EQ(types[1].toObject()["extension"].toString(), ".DOC");
    EXPECT_EQ(number(types[1].toObject()["bytes"]), 90000);
    EXPECT_EQ(types[2].toObject()["extension"].toString(), ".TXT");
    EXPECT_EQ(number(types[2].toObject()["files"]), 4);
    EXPECT_FALSE(types[2].toObject()["description"].toString().isEmpty());

    const QJsonArray sizes = r["sizes"].toArray();
    ASSERT_EQ(sizes.size(), 12);
    EXPECT_EQ(sizes[0].toObject()["band"].toString(), "0 - 16K");
    EXPECT_EQ(number(sizes[0].toObject()["files"]), 6);
    EXPECT_EQ(number(sizes[0].toObject()["bytes"]), 21);
    EXPECT_EQ(number(sizes[1].toObject()["bytes"]), 20000);
    EXPECT_EQ(number(sizes[3].toObject()["bytes"]), 70000);
    EXPECT_EQ(sizes[11].toObject()["band"].toString(), "Over 16MB");

    const QJsonArray modified = r["modified"].toArray();
    ASSERT_EQ(modified.size(), 10);
    EXPECT_EQ(modified[0].toObject()["bucket"].toString(), "Not recorded");
    EXPECT_EQ(modified[9].toObject()["bucket"].toString(), "Over 4 years");
    EXPECT_EQ(number(modified[9].toObject()["files"]), 1);
    EXPECT_EQ(number(modified[9].toObject()["bytes"]), 5);
    EXPECT_EQ(r["accessed"].toArray().size(), 10);
    EXPECT_EQ(r["created"].toArray().size(), 10);
    const QJsonObject times = r["timeOfDay"].toObject();
    ASSERT_EQ(times["modified"].toArray().size(), 48);
    EXPECT_EQ(number(times["modified"].toArray()[oldSlot]), 1);
    EXPECT_EQ(times["accessed"].toArray().size(), 48);
    EXPECT_EQ(times["created"].toArray().size(), 48);

    const QJsonObject attributes = r["attributes"].toObject();
    EXPECT_EQ(number(attributes["hidden"].toObject()["files"]), 1);
    EXPECT_EQ(number(attributes["readOnly"].toObject()["bytes"]), 10);
    EXPECT_EQ(number(attributes["system"].toObject()["files"]), 1);
    EXPECT_EQ(number(attributes["archive"].toObject()["files"]), 6);
    EXPECT_EQ(number(attributes["archive"].toObject()["bytes"]), 90016);

    std::int64_t overhang4K = 0;
    for (std::int64_t size : countedSizes) overhang4K += (4096 - size % 4096) % 4096;
    EXPECT_EQ(number(r["overhang"].toObject()["4K"]), overhang4K);
    EXPECT_EQ(r["overhang"].toObject().size(), 6);
}

// Names as a Linux system has them, in files whose data is written out, so
// that the volume allocates for each what it allocates for any file.
TEST_F(ReportTree, LinuxNamesAllHaveTheirTypeAndTheSpaceUsedIsWhatTheVolumeAllocates) {
    const fs::path folder = root / "lib";
    const std::pair<const char*, std::size_t> files[] = {
        {"libc.so.6", 5000},  {"libfoo.so.1.2.3", 1},  {"plain.so", 4096},
        {"app.desktop", 300}, {"x.properties", 70000}, {"notes.abcdefghijklmnopq", 10},
        {"README", 1},        {"Makefile", 0}};
    fs::create_directories(folder);
    std::int64_t bytes = 0;
    std::int64_t allocated = 0;
    for (const auto& [name, size] : files) {
        const int fd = ::open((folder / name).c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_EQ(::write(fd, std::string(size, 'q').data(), size), static_cast<ssize_t>(size));
        ::fsync(fd);
        struct stat st {};
        ::fstat(fd, &st);
        ::close(fd);
        if (size > 0 && st.st_blocks == 0) GTEST_SKIP() << "this file system keeps data inline";
        bytes += static_cast<std::int64_t>(size);
        allocated += static_cast<std::int64_t>(st.st_blocks) * 512;
    }
    const QJsonObject r = parsed(runReport({"--json", folder}));
    const QJsonArray types = r["types"].toArray();
    ASSERT_EQ(types.size(), 4);
    const auto row = [&](int i, const char* key) {
        const QJsonObject type = types[i].toObject();
        EXPECT_EQ(type["extension"].toString(), key);
        return std::make_pair(number(type["files"]), number(type["bytes"]));
    };
    EXPECT_EQ(row(0, ""), std::make_pair(std::int64_t{3}, std::int64_t{11}));
    EXPECT_EQ(row(1, ".DESKTOP"), std::make_pair(std::int64_t{1}, std::int64_t{300}));
    EXPECT_EQ(row(2, ".PROPERTIES"), std::make_pair(std::int64_t{1}, std::int64_t{70000}));
    EXPECT_EQ(row(3, ".SO"), std::make_pair(std::int64_t{3}, std::int64_t{9097}));
    EXPECT_EQ(number(r["filesSelected"]), 8);

    struct stat oneByte {};
    ASSERT_EQ(::stat((folder / "README").c_str(), &oneByte), 0);
    EXPECT_EQ(number(r["clusterSize"]), oneByte.st_blocks * 512);
    EXPECT_EQ(bytes + number(r["overhang"].toObject()["actual"]), allocated);
    EXPECT_THAT(runReport({folder}).out, HasSubstr("No extension"));
}

TEST_F(ReportTree, SeveralTargetsAddUpWithoutOverhang) {
    const QJsonObject r = parsed(runReport({"--json", root, root / "sub"}));
    EXPECT_EQ(number(r["filesProcessed"]), 10);
    EXPECT_EQ(number(r["types"].toArray()[1].toObject()["files"]), 4);
    EXPECT_FALSE(r.contains("overhang"));
}

TEST_F(ReportTree, RulesFromPatternsAndSavedLists) {
    const QJsonObject include = parsed(runReport({"--json", "--include", "*.doc,*.qq", root}));
    EXPECT_EQ(number(include["filesProcessed"]), 8);
    EXPECT_EQ(number(include["filesSelected"]), 2);
    const QJsonArray types = include["types"].toArray();
    ASSERT_EQ(types.size(), 2);
    EXPECT_EQ(types[1].toObject()["extension"].toString(), ".QQ");
    EXPECT_EQ(number(types[1].toObject()["files"]), 0);

    EXPECT_EQ(number(parsed(runReport({"--json", "--exclude", "*.TXT", root}))["filesSelected"]),
              4);

    const fs::path config = root / ".hid";
    std::ofstream(config / "quarvo.ini")
        << "[Include]\nNumber=1\nFile1=*.txt\n[Exclude]\nNumber=0\n";
    const std::string xdg = "XDG_CONFIG_HOME=" + config.string();
    EXPECT_EQ(number(parsed(runReport({"--json", "--include-list", root}, {xdg}))["filesSelected"]),
              4);
    const ProgramRun emptyList = runReport({"--exclude-list", root}, {xdg});
    EXPECT_EQ(emptyList.status, 1);
    EXPECT_THAT(emptyList.err, HasSubstr("\"Exclude\" list holds no file types"));
}

TEST_F(ReportTree, TextShowsThePagesWithTheLocalesSeparators) {
    const ProgramRun run = runReport({root}, {"LC_ALL=de_DE.UTF-8"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* line :
         {"Extension  Type", "Totals", "File size    Total file size",
          "16K - 32K             20.000", "Accessed Date", "Created Date", "Modified Date",
          "Combined dates", "Archive          6      90.016", "Number of files scanned: 8"})
        EXPECT_THAT(run.out, HasSubstr(line));
    EXPECT_THAT(run.out, ::testing::EndsWith("Finished - 8 files processed\n"));
    EXPECT_THAT(runReport({"--include", "*.doc", root}).out,
                ::testing::EndsWith("Finished - 8 files processed 2 files found\n"));
}

TEST_F(ReportTree, BadTargetsStopBeforeAnyScan) {
    const ProgramRun missing = runReport({"--json", root, root / "nothing"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_THAT(missing.err, HasSubstr((root / "nothing").string()));
    EXPECT_THAT(runReport({root / "a.txt"}).err, HasSubstr("is not a folder"));
    EXPECT_EQ(runReport({"--json", "--include", "doc", root}).status, 1);
}

TEST_F(ReportTree, UnreadableFoldersInsideAreLeftOut) {
    chmod((root / "sub").c_str(), 0);
    const ProgramRun run = runReport({"--json", root}, {}, true);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(number(parsed(run)["filesProcessed"]), 6);
    const QJsonArray leftOut = parsed(run)["leftOut"].toArray();
    ASSERT_EQ(leftOut.size(), 1);
    EXPECT_EQ(leftOut[0].toObject()["path"].toString().toStdString(), (root / "sub").string());
    EXPECT_EQ(leftOut[0].toObject()["reason"].toString(), "no permission");
    // The text goes to standard output, what was left out to standard error.
    EXPECT_THAT(runReport({root}, {}, true).err, HasSubstr("left out " + (root / "sub").string()));
    EXPECT_EQ(runReport({"--json", root / "sub"}, {}, true).status, 2);
}

// Large folders among many small ones, so that several threads share the
// metadata of a folder, and chains of subfolders with side folders, which
// threads list ahead of the walk; one folder can't be entered and one can't
// be read.
TEST_F(ReportTree, TheFiguresAreTheSameForAnyNumberOfThreads) {
    for (int folder = 0; folder < 40; ++folder) {
        std::string name = "many/f" + std::to_string(folder) + "/";
        const int files = folder % 8 == 0 ? 3000 : folder % 5;
        for (int i = 0; i < files; ++i)
            file(name + "n" + std::to_string(i) +
                     (i % 3 == 0 ? ".doc" : ".t" + std::to_string(i % 7)),
                 (i * 7919 + folder) % 100000);
        for (int level = 0; level < folder % 6; ++level) {
            name += "s/";
            file(name + "x" + std::to_string(level) + ".c", level);
            if (folder % 3 == 0) file(name + "side/y.h" + std::to_string(level), folder);
        }
    }
    chmod((root / "sub").c_str(), 0);
    chmod((root / "many/f3").c_str(), 0111);
    const ProgramRun one = runReport({"--json", "--threads", "1", root}, {}, true);
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(parsed(one)["leftOut"].toArray().size(), 2);
    for (const char* threads : {"2", "4", "9"}) {
        const ProgramRun several = runReport({"--json", "--threads", threads, root}, {}, true);
        EXPECT_EQ(several.status, 0) << several.err;
        EXPECT_EQ(several.out, one.out) << threads << " threads";
    }
    chmod((root / "many/f3").c_str(), 0755);
}

TEST_F(ReportTree, AFolderThatCanBeListedButNotEnteredIsRefused) {
    chmod((root / "sub").c_str(), 0444);
    const ProgramRun run = runReport({"--json", root / "sub"}, {}, true);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr("cannot enter " + (root / "sub").string()));
}

TEST_F(ReportTree, NamesThatAreNotUtf8GiveValidJson) {
    file("odd.\xE9", 3);
    const ProgramRun run = runReport({"--json", root});
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArray::fromStdString(run.out));
    EXPECT_FALSE(utf8.hasError());
    const QJsonArray types = parsed(run)["types"].toArray();
    ASSERT_EQ(types.size(), 4);
    EXPECT_EQ(types[3].toObject()["extension"].toString(), QString::fromUtf8(".\xEF\xBF\xBD"));
    EXPECT_EQ(number(types[3].toObject()["bytes"]), 3);
}

// The changes since an earlier scan: a large sparse file counts with its
// apparent size, and a type whose last file went keeps its row.
TEST_F(ReportTree, CompareGivesTheChangeOfEveryRowSinceAnEarlierScan) {
    file("gone.txt", 3000);
    const fs::path old = root.string() + ".old.json";
    std::ofstream(old) << runReport({"--json", root}).out;
    fs::remove(root / "gone.txt");
    file("disc.iso", std::int64_t{1} << 30);
    const ProgramRun run = runReport({"--compare", old, "--json", root});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject r = parsed(run);
    std::map<QString, std::pair<std::int64_t, std::int64_t>> typeChanges;
    for (const QJsonValue& type : r["types"].toArray()) {
        const QJsonObject row = type.toObject();
        typeChanges[row["extension"].toString()] = {number(row["filesDelta"]),
                                                    number(row["bytesDelta"])};
    }
    EXPECT_EQ(typeChanges[".ISO"], std::pair(std::int64_t{1}, std::int64_t{1073741824}));
    EXPECT_EQ(typeChanges[".TXT"], std::pair(std::int64_t{-1}, std::int64_t{-3000}));
    EXPECT_EQ(typeChanges[".DOC"], std::pair(std::int64_t{0}, std::int64_t{0}));
    std::vector<std::pair<QString, std::int64_t>> bandsChanged;
    for (const QJsonValue& band : r["sizes"].toArray()) {
        if (number(band.toObject()["filesDelta"]) != 0)
            bandsChanged.emplace_back(band.toObject()["band"].toString(),
                                      number(band.toObject()["filesDelta"]));
    }
    ASSERT_EQ(bandsChanged.size(), 2u);
    EXPECT_EQ(bandsChanged[0], std::pair(QString("0 - 16K"), std::int64_t{-1}));
    EXPECT_EQ(bandsChanged[1].second, 1);
    EXPECT_EQ(number(r["filesProcessedDelta"]), 0);
    EXPECT_EQ(number(r["attributes"].toObject()["archive"].toObject()["bytesDelta"]),
              1073741824 - 3000);
    EXPECT_TRUE(r["overhangDelta"].isObject());
    EXPECT_EQ(r["comparedWith"].toObject()["file"].toString(), QString::fromStdString(old));

    const ProgramRun text = runReport({"--compare", old, root});
    EXPECT_THAT(text.out, HasSubstr("Change in files"));
    EXPECT_THAT(text.out, HasSubstr("+1,073,741,824"));
    EXPECT_THAT(text.out, HasSubstr("\xE2\x88\x92"
                                    "3,000"));
    fs::remove(old);
}

TEST_F(ReportTree, CompareRefusesABadEarlierScanBeforeScanning) {
    const std::string report = runReport({"--json", root}).out;
    const fs::path old = root.string() + ".old.json";
    const auto compare = [&](const std::string& text, const std::string& target) {
        std::ofstream(old) << text;
        return runReport({"--compare", old, "--json", target});
    };
    const auto savedRun = [&](const std::string& version, const std::string& target) {
        return "{\"schemaVersion\": " + version + ", \"time\": \"2026-01-01T00:00:00Z\", " +
               "\"targets\": [\"" + target + "\"], \"rule\": \"All files\"," + report.substr(1);
    };
    // The same folder, however the command line writes it.
    EXPECT_EQ(compare(savedRun("1", root), root.string() + "/./").status, 0);
    for (const std::string& bad : {report.substr(0, report.size() / 2), savedRun("2", root),
                                   savedRun("1", "/elsewhere"), std::string("[]")}) {
        const ProgramRun run = compare(bad, root);
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_EQ(run.out, "");
        EXPECT_THAT(run.err, HasSubstr("Can't compare with " + old.string() + ": "));
    }
    fs::remove(old);
    EXPECT_THAT(runReport({"--compare", old, root}).err, HasSubstr("no such file"));
    EXPECT_EQ(runReport({"--compare"}).status, 1);
}

TEST(ReportCommand, HelpAndVersionOnStandardOutputUsageErrorsOnStandardError) {
    const ProgramRun version = runReport({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("quarvo-report ") + QUARVO_VERSION + "\n");
    const ProgramRun help = runReport({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("--version"));
    const ProgramRun unknown = runReport({"--frobnicate"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_THAT(unknown.err, HasSubstr("unknown option --frobnicate\n\nusage: quarvo-report"));
}

}  // namespace
}  // namespace quarvo
