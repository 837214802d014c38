#pragma once
// The file-type registry on systems without one: the shared MIME database.
// An extension key such as ".doc" exists when a MIME type has the plain glob
// "*.doc"; its default value is the type whose glob weighs most (the class
// name). A class key is a MIME type's name; its default value is the type's
// comment in the user's language (the description). Names ignore case. The
// database is indexed on first use and looked up at most once per key.

#include <string>
#include <unordered_map>
#include <vector>

#include "system/classes_root.h"

namespace quarvo {

class MimeClassesRoot : public ClassesRoot {
public:
    std::unique_ptr<Key> openKey(const std::string& name) override;
    std::vector<std::string> subkeyNames() override;

private:
    struct Extension {
        std::string spelling;   // as the glob writes it, ".doc"
        std::string someClass;  // a type with that glob, should weights not decide
    };

    void indexDatabase();
    void addExtension(const std::string& ext, const std::string& typeName);
    const std::string& className(const std::string& lowerExt);
    const std::string& description(const std::string& lowerClass);

    bool indexed_ = false;
    std::unordered_map<std::string, Extension> extensions_;      // by lower-case ".ext"
    std::unordered_map<std::string, std::string> classNames_;    // lower-case name -> name
    std::unordered_map<std::string, std::string> classOfExt_;    // looked up so far
    std::unordered_map<std::string, std::string> descriptions_;  // looked up so far
};

}  // namespace quarvo
