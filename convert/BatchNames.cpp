#include "convert/BatchNames.h"

#include "platform/paths/PathIdentity.h"

namespace {

std::string FolderOf(const std::string& target) {
  const std::string::size_type slash = target.rfind('/');
  return slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
}

}  // namespace

std::string BatchNames::Key(const std::string& target) const {
  const std::string folder = FolderOf(target);
  const auto found = folderIgnoresCase_.find(folder);
  if (found == folderIgnoresCase_.end()) return std::string();
  const std::string name = target.substr(folder.size());
  return folder + (found->second ? CaseFoldedName(name) : name);
}

size_t BatchNames::Claim(const std::string& target, size_t index) {
  const std::string folder = FolderOf(target);
  // The folder is asked once, when it holds a file of the batch.
  if (folderIgnoresCase_.count(folder) == 0)
    folderIgnoresCase_[folder] = FolderIgnoresCase(folder.empty() ? "." : folder);
  const auto [claim, isNew] = claims_.emplace(Key(target), index);
  if (isNew) return kNone;
  const size_t earlier = claim->second;
  claim->second = index;
  return earlier == index ? kNone : earlier;
}

bool BatchNames::IsClaimed(const std::string& target) const {
  const std::string key = Key(target);
  return !key.empty() && claims_.count(key) != 0;
}
