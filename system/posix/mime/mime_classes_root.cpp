#include "system/posix/mime/mime_classes_root.h"

#include <QMimeDatabase>
#include <algorithm>

#include "system/posix/mime/plain_globs.h"
#include "text/ascii_case.h"

namespace quarvo {
namespace {

// A key whose only value is its default value.
class DefaultValueKey : public ClassesRoot::Key {
public:
    explicit DefaultValueKey(std::string value) : value_(std::move(value)) {}
    std::string readString(const std::string& valueName) const override {
        return valueName.empty() ? value_ : std::string();
    }

private:
    std::string value_;
};

// A look-up of one name matches it against every glob of the database; one
// pass over every type costs about as much as this many.
constexpr int kLookUpsBeforeOnePass = 1000;

// Calls add with the ".ext" of every plain glob of the types.
template <typename Add>
void forEachPlainExtension(const QList<QMimeType>& types, Add add) {
    for (const QMimeType& type : types) {
        for (const QString& glob : type.globPatterns()) {
            const std::string ext = plainGlobExtension(glob.toStdString());
            if (!ext.empty()) add(ext);
        }
    }
}

bool hasGlobFor(const QMimeType& type, const QString& ext) {
    const QString glob = QStringLiteral("*") + ext;
    const QStringList globs = type.globPatterns();
    return std::any_of(globs.begin(), globs.end(),
                       [&](const QString& g) { return g.compare(glob, Qt::CaseInsensitive) == 0; });
}

}  // namespace

MimeClassesRoot::MimeClassesRoot(MimeFolders mimeFolders) : mimeFolders_(std::move(mimeFolders)) {
}

std::unique_ptr<ClassesRoot::Key> MimeClassesRoot::openKey(const std::string& name) {
    if (name.empty()) return std::make_unique<DefaultValueKey>(std::string());
    const std::string* value = name[0] == '.' ? className(asciiLower(name)) : description(name);
    return value ? std::make_unique<DefaultValueKey>(*value) : nullptr;
}

// The whole database is read only here: listing every key needs it, looking
// one up does not.
std::vector<std::string> MimeClassesRoot::subkeyNames() {
    const QList<QMimeType> types = QMimeDatabase().allMimeTypes();
    std::unordered_map<std::string, std::string> extensions;  // lower-case -> spelling
    forEachPlainExtension(types, [&](const std::string& ext) { addSpelling(ext, extensions); });
    std::vector<std::string> names;
    for (const QMimeType& type : types) names.push_back(type.name().toStdString());
    for (const auto& [lower, spelling] : extensions) names.push_back(spelling);
    return names;
}

// Globs differing only in case ("*.C" and "*.c") make one key, spelled in lower
// case when one of them is.
void MimeClassesRoot::addSpelling(const std::string& ext,
                                  std::unordered_map<std::string, std::string>& spellings) {
    const std::string lower = asciiLower(ext);
    const auto [it, added] = spellings.try_emplace(lower, ext);
    if (!added && ext == lower) it->second = ext;
}

// The database weighs the globs that match a name and gives the heaviest
// types first; of those, the first that has this very glob is the class. A
// glob that minds case is found through the upper-case name. Null when no
// type has the plain glob.
const std::string* MimeClassesRoot::className(const std::string& lowerExt) {
    const auto cached = classOfExt_.find(lowerExt);
    if (cached != classOfExt_.end()) return cached->second ? &*cached->second : nullptr;
    std::optional<std::string> name;
    const QString ext = QString::fromStdString(lowerExt);
    if (!plainGlobExtension("*" + lowerExt).empty() && mayHaveGlob(lowerExt)) {
        for (const QString& spelling : {ext, ext.toUpper()}) {
            name = classWithGlob(spelling);
            if (name) break;
        }
    }
    const auto& stored = classOfExt_.emplace(lowerExt, std::move(name)).first->second;
    return stored ? &*stored : nullptr;
}

// An extension the database does not know would cost a full look-up each:
// the database's globs2 files tell them apart at once. Where they can't be
// trusted, past a number of look-ups one pass over the database does.
bool MimeClassesRoot::mayHaveGlob(const std::string& lowerExt) {
    if (!globFilesRead_) {
        globFilesRead_ = true;
        if (mimeFolders_) plainGlobs_ = plainGlobExtensions(mimeFolders_());
    }
    if (!plainGlobs_ && ++extensionsLookedUp_ > kLookUpsBeforeOnePass) {
        plainGlobs_.emplace();
        forEachPlainExtension(QMimeDatabase().allMimeTypes(), [this](const std::string& ext) {
            plainGlobs_->insert(asciiLower(ext));
        });
    }
    return !plainGlobs_ || plainGlobs_->contains(lowerExt);
}

std::optional<std::string> MimeClassesRoot::classWithGlob(const QString& ext) {
    for (const QMimeType& type : QMimeDatabase().mimeTypesForFileName(QStringLiteral("x") + ext)) {
        if (hasGlobFor(type, ext)) return type.name().toStdString();
    }
    return std::nullopt;
}

// A class is a type's own name, in any case; aliases are not classes.
const std::string* MimeClassesRoot::description(const std::string& className) {
    const std::string lower = asciiLower(className);
    const auto cached = descriptions_.find(lower);
    if (cached != descriptions_.end()) return cached->second ? &*cached->second : nullptr;
    std::optional<std::string> comment;
    for (const std::string& name : {className, lower}) {
        const QMimeType type = QMimeDatabase().mimeTypeForName(QString::fromStdString(name));
        if (type.isValid() && asciiLower(type.name().toStdString()) == lower) {
            comment = type.comment().toStdString();
            break;
        }
    }
    const auto& stored = descriptions_.emplace(lower, std::move(comment)).first->second;
    return stored ? &*stored : nullptr;
}

}  // namespace quarvo
