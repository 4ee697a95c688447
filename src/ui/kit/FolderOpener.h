#pragma once
// Opening a folder in the desktop's file manager, behind a seam so tests
// never start one.
#include <filesystem>

class FolderOpener {
 public:
  virtual ~FolderOpener() = default;
  // False when no file manager took the folder.
  virtual bool open(const std::filesystem::path& folder) = 0;
};

class DesktopFolderOpener final : public FolderOpener {
 public:
  bool open(const std::filesystem::path& folder) override;
};
