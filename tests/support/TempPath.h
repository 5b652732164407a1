// Paths in a temporary folder that belongs to this process alone and goes
// when it ends: ctest runs each case as its own process, several at once, so
// two cases of one file never share a file or a folder.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// Kept for the whole run (never destroyed), so that the removal at exit
// still finds it.
inline const std::filesystem::path& OwnTempFolder() {
  static const std::filesystem::path* folder = [] {
    auto* made = new std::filesystem::path(std::filesystem::path(testing::TempDir()) /
                                           ("axim7-test-" + std::to_string(getpid())));
    std::filesystem::create_directories(*made);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(OwnTempFolder(), ignored);
    });
    return made;
  }();
  return *folder;
}

inline std::filesystem::path OwnTempPath(const std::string& name) { return OwnTempFolder() / name; }
