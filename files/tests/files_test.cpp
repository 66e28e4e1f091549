// The case-blind lookup and the whole-or-nothing write, on small folders made here.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/atomic_write.h"
#include "files/find_ignoring_case.h"

namespace files {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "files_test.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string Touch(const std::string& name, const std::string& content = "x") {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return (dir_ / name).string();
    }
    std::string In(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    int EntryCount() const {
        return static_cast<int>(std::distance(fs::directory_iterator(dir_), {}));
    }
    fs::path dir_;
};

TEST(NativePath, EitherSeparatorBecomesThePlatformsOwn) {
#ifdef _WIN32
    EXPECT_EQ(NativePath("c:/fellside\\SITELIST.TXT"), "c:\\fellside\\SITELIST.TXT");
#else
    EXPECT_EQ(NativePath("fellside\\lists/SITELIST.TXT"), "fellside/lists/SITELIST.TXT");
    EXPECT_EQ(NativePath("/srv/u/SITELIST.TXT"), "/srv/u/SITELIST.TXT");
#endif
}

TEST_F(FilesTest, LookupTakesTheExactNameThenAnySpelling) {
    Touch("Sites.dat");
    EXPECT_EQ(FindFileIgnoringCase(In("Sites.dat")), In("Sites.dat"));
    EXPECT_EQ(FindFileIgnoringCase(In("SITES.DAT")), In("Sites.dat"));
    EXPECT_EQ(FindFileIgnoringCase(In("sites.dat")), In("Sites.dat"));
    EXPECT_EQ(FindFileIgnoringCase(In("sites.da")), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(In("nothere/SITES.DAT")), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(""), std::nullopt);
    EXPECT_TRUE(FileExistsIgnoringCase(In("SITES.DAT")));
}

TEST_F(FilesTest, LookupBetweenSeveralSpellingsDoesNotDependOnFolderOrder) {
    // Made in an order that is neither sorted nor reverse-sorted.
    Touch("sites.dat");
    Touch("SITES.DAT");
    Touch("Sites.dat");
    SCOPED_TRACE("an exact spelling is taken as it is");
    EXPECT_EQ(FindFileIgnoringCase(In("sites.dat")), In("sites.dat"));
    EXPECT_EQ(FindFileIgnoringCase(In("Sites.dat")), In("Sites.dat"));
    SCOPED_TRACE("otherwise the smallest name: capitals sort first");
    EXPECT_EQ(FindFileIgnoringCase(In("sItes.dat")), In("SITES.DAT"));
}

TEST_F(FilesTest, LookupTakesBackslashesAsSeparatorsAndKeepsARelativeFolderAsTyped) {
    fs::create_directory(dir_ / "srtm3");
    Touch("srtm3/N54W004.hgt");
    EXPECT_EQ(FindFileIgnoringCase(dir_.string() + "\\SRTM3\\n54w004.HGT"), std::nullopt)
        << "only the last component is matched ignoring case";
    EXPECT_EQ(FindFileIgnoringCase(dir_.string() + "\\srtm3\\n54w004.HGT"),
              In("srtm3/N54W004.hgt"));
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    EXPECT_EQ(FindFileIgnoringCase("srtm3\\N54W004.HGT"), "srtm3/N54W004.hgt");
    EXPECT_EQ(FindFileIgnoringCase("SRTM3"), "srtm3");
    EXPECT_FALSE(FileExistsIgnoringCase("SRTM3")) << "a folder is not a file";
    fs::current_path(before);
}

TEST_F(FilesTest, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
    Touch("Brelland.ini", "old contents that are longer than the new");
    ASSERT_TRUE(WriteFileAtomically(dir_ / "Brelland.ini", std::string_view("new\r\n")));
    EXPECT_EQ(Read(dir_ / "Brelland.ini"), "new\r\n");
    EXPECT_EQ(EntryCount(), 1);
}

TEST_F(FilesTest, AtomicWriteOfBytesKeepsEveryByte) {
    const std::array<std::byte, 6> png{std::byte{0x89}, std::byte{'P'},  std::byte{'N'},
                                       std::byte{'G'},  std::byte{0x00}, std::byte{0x1A}};
    ASSERT_TRUE(WriteFileAtomically(dir_ / "plot.png", png));
    EXPECT_EQ(Read(dir_ / "plot.png"), std::string("\x89PNG\0\x1A", 6));
    EXPECT_TRUE(WriteFileAtomically(dir_ / "empty", std::string_view()));
    EXPECT_TRUE(fs::exists(dir_ / "empty"));
    EXPECT_EQ(fs::file_size(dir_ / "empty"), 0u);
}

TEST_F(FilesTest, FailedAtomicWriteLeavesTheOldFileAndNoTemporary) {
    SCOPED_TRACE("the folder of the target does not exist");
    EXPECT_FALSE(WriteFileAtomically(dir_ / "missing" / "out.txt", std::string_view("text")));
    SCOPED_TRACE("the target is a folder: the rename fails after the write");
    fs::create_directory(dir_ / "taken");
    Touch("taken/inside");
    EXPECT_FALSE(WriteFileAtomically(dir_ / "taken", std::string_view("text")));
    EXPECT_TRUE(fs::is_directory(dir_ / "taken"));
    EXPECT_EQ(EntryCount(), 1) << "no temporary left beside the target";
}

// Renaming over a device or a FIFO would replace it with a regular file (as root, /dev/null
// itself); waiting for a FIFO's reader would hang a run that was given every answer.
TEST_F(FilesTest, ATargetThatIsNotARegularFileIsWrittenIntoOrRefusedNeverReplaced) {
    SCOPED_TRACE("a character device is written into in place");
    EXPECT_TRUE(WriteFileAtomically("/dev/null", std::string_view("discarded")));
    struct stat status {};
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode)) << "/dev/null is still the device";
    EXPECT_FALSE(IsRegularFile("/dev/null"));

    const fs::path fifo = dir_ / "listing.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    SCOPED_TRACE("a FIFO without a reader is refused at once");
    EXPECT_FALSE(WriteFileAtomically(fifo, std::string_view("nobody reads this")));
    EXPECT_TRUE(fs::is_fifo(fifo));

    SCOPED_TRACE("a FIFO with a reader gets the bytes and stays a FIFO");
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(WriteFileAtomically(fifo, std::string_view("through the pipe")));
    char received[32] = {};
    const ssize_t got = ::read(reader, received, sizeof received);
    ::close(reader);
    EXPECT_EQ(std::string(received, got > 0 ? static_cast<std::size_t>(got) : 0u),
              "through the pipe");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_FALSE(IsRegularFile(fifo));
    EXPECT_EQ(EntryCount(), 1) << "no temporary left beside the FIFO";
}

TEST_F(FilesTest, RegularFileFollowsLinksAndKnowsNoMissingFile) {
    Touch("Sites.dat");
    fs::create_symlink(dir_ / "Sites.dat", dir_ / "link.dat");
    EXPECT_TRUE(IsRegularFile(dir_ / "Sites.dat"));
    EXPECT_TRUE(IsRegularFile(dir_ / "link.dat"));
    EXPECT_FALSE(IsRegularFile(dir_ / "missing.dat"));
    EXPECT_FALSE(IsRegularFile(dir_));
}

}  // namespace
}  // namespace files
