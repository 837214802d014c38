#pragma once
// The file-type registry on systems without one: the shared MIME database.
// An extension key such as ".doc" exists when a MIME type has the plain glob
// "*.doc"; its default value is the type whose glob weighs most (the class
// name). A class key is a MIME type's name; its default value is the type's
// comment in the user's language (the description). Names ignore case. Each
// key is looked up in the database when it is first asked for, and at most
// once; extensions that no type has a plain glob for are told apart by the
// database's globs2 files, read at the first look-up. Only listing all keys,
// or asking for very many where those files can't be read, reads the whole
// database.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "system/classes_root.h"
#include "system/posix/mime/plain_globs.h"

namespace quarvo {

class MimeClassesRoot : public ClassesRoot {
public:
    // The database's folders, whose globs2 files are read; none given, the
    // database is asked about every extension.
    using MimeFolders = std::function<std::vector<std::string>()>;

    explicit MimeClassesRoot(MimeFolders mimeFolders = sharedMimeFolders);

    std::unique_ptr<Key> openKey(const std::string& name) override;
    std::vector<std::string> subkeyNames() override;

private:
    static void addSpelling(const std::string& ext,
                            std::unordered_map<std::string, std::string>& spellings);
    const std::string* className(const std::string& lowerExt);
    [[nodiscard]] bool mayHaveGlob(const std::string& lowerExt);
    static std::optional<std::string> classWithGlob(const QString& ext);
    const std::string* description(const std::string& className);

    // What was looked up so far, by lower-case name; empty for no such key.
    std::unordered_map<std::string, std::optional<std::string>> classOfExt_;
    std::unordered_map<std::string, std::optional<std::string>> descriptions_;
    MimeFolders mimeFolders_;
    bool globFilesRead_ = false;
    // Extensions looked up one by one in the database so far.
    int extensionsLookedUp_ = 0;
    // Every extension with a plain glob, in lower case: from the globs2
    // files, or once so many have been looked up that one pass over the
    // database costs less.
    std::optional<std::unordered_set<std::string>> plainGlobs_;
};

}  // namespace quarvo
