// The real SRTM tiles and site files the tests read when they are there (the Lake District tiles
// and sites of the shared data folder). A test that needs them skips cleanly when they are absent,
// so the suite runs anywhere.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace realdata {

// The data folder: the TORMARK_TEST_DATA environment variable when set, else the folder the
// build was configured with (CMake's TORMARK_TEST_DATA_DIR).
std::filesystem::path Folder();

// A file or folder of the data folder, e.g. Path("srtm3/N54W004.hgt").
std::filesystem::path Path(std::string_view relative);

// The first of `relative` that does not exist in the data folder, nullopt when all are there.
std::optional<std::filesystem::path> FirstMissing(std::initializer_list<std::string_view> relative);

}  // namespace realdata

// Skips the current test unless every named file of the data folder exists:
//   TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt", "sites/Sites.dat");
#define TORMARK_SKIP_WITHOUT_REAL_DATA(...)                           \
    if (const std::optional<std::filesystem::path> tormark_missing_ = \
            ::realdata::FirstMissing({__VA_ARGS__});                  \
        tormark_missing_)                                             \
    GTEST_SKIP() << "no real data: " << tormark_missing_->string() << " is absent"
