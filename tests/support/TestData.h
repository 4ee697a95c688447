#pragma once
// A byte-exact expected file of tests/data.
#include <fstream>
#include <iterator>
#include <string>

inline std::string TestData(const std::string& name) {
  std::ifstream in(std::string(KMB_TESTS_DIR) + "/data/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
