// The help documents are written by hand in RTF; the build only places them beside the binary.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "assetgen.h"
#include "image_files.h"

namespace assetgen {

namespace {

// The seven documents of the help window, in the order of its pages.
const char* const HelpDocuments[] = {"pelmar", "whatsnew", "whatsold", "rules",
                                     "menu",   "trouble",  "francais"};

[[noreturn]] void FailToRead(const fs::path& path, const std::string& why) {
  std::cerr << "assetgen: cannot read help document " << path.string() << ": " << why << "\n";
  std::exit(1);
}

std::string ReadWhole(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) FailToRead(path, "missing");
  std::ifstream in(path, std::ios::binary);
  if (!in) FailToRead(path, "cannot open");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) FailToRead(path, "read error");
  return bytes;
}

} // namespace

void CopyHelpDocuments(const fs::path& assets, const fs::path& out) {
  // Read all seven before writing any, so that a missing one leaves no half-copied set behind.
  std::string contents[std::size(HelpDocuments)];
  for (std::size_t i = 0; i < std::size(HelpDocuments); ++i)
    contents[i] = ReadWhole(assets / "help" / (std::string(HelpDocuments[i]) + ".rtf"));
  for (std::size_t i = 0; i < std::size(HelpDocuments); ++i)
    SaveBytes(contents[i], out / (std::string(HelpDocuments[i]) + ".rtf"));
}

} // namespace assetgen
