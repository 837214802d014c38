#pragma once
// The directory services over the Windows find functions. The position is a
// path in the "\\?\" form, which has no length limit and is never made the
// process's current directory; the handles held are those of one listing.
// Junctions and symbolic links are not entered, and NTFS allows no other
// link to a directory, so a walk can't loop; a volume mounted in a folder
// is reached only through such a junction and so is not entered either.

#include <cstddef>
#include <string>
#include <vector>

#include "collect/directory_api.h"
#include "collect/dos_time_converter.h"

namespace quarvo {

class Win32DirectoryApi : public DirectoryApi {
public:
    [[nodiscard]] bool openRoot(const std::string& folder) override;
    [[nodiscard]] bool enter(const std::string& name) override;
    [[nodiscard]] std::size_t leave() override;
    [[nodiscard]] bool list(FolderEntries& entries) override;
    void describe(const FolderEntries& entries, const Visitor& visit) override;
    void close() override;
    [[nodiscard]] char separator() const override { return '\\'; }
    [[nodiscard]] std::string refusal() const override { return refusal_; }

private:
    // The current directory's path, without a closing backslash.
    std::wstring path_;
    // The length of path_ at each parent, to cut it back on the way up.
    std::vector<std::size_t> parentLengths_;
    DosTimeConverter times_;
    std::string refusal_;
};

}  // namespace quarvo
