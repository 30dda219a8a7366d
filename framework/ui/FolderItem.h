#pragma once

#include <string>

#include "../runtime/Object.h"

namespace fw {

// A file on disk, named by its path.
class FolderItem : public Object {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  // A temporary item removes its file when the last reference to it goes.
  explicit FolderItem(std::string nativePath, bool temporary = false);
  ~FolderItem() override;

  const std::string& NativePath() const { return nativePath_; }
  // The file:// address of the file.
  std::string URLPath() const;
  bool Exists() const;

 private:
  std::string nativePath_;
  bool temporary_;
};

// A new, empty, private (owner-only) file of its own in the temporary folder.
// Raises RuntimeException when no such file can be made.
Ref<FolderItem> GetTemporaryFolderItem();

}  // namespace fw
