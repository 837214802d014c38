#include "system/posix/mime/mime_classes_root.h"

#include <QMimeDatabase>
#include <QRegularExpression>
#include <algorithm>

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

// The ".ext" of a glob "*.ext" that names one extension: no wildcard after the
// star, and no second dot, since a file's extension begins at its last dot.
QString plainExtension(const QString& glob) {
    static const QRegularExpression plain(QStringLiteral(R"(^\*(\.[^.*?\[\]]+)$)"));
    const QRegularExpressionMatch match = plain.match(glob);
    return match.hasMatch() ? match.captured(1) : QString();
}

bool hasGlobFor(const QMimeType& type, const QString& ext) {
    const QString glob = QStringLiteral("*") + ext;
    const QStringList globs = type.globPatterns();
    return std::any_of(globs.begin(), globs.end(),
                       [&](const QString& g) { return g.compare(glob, Qt::CaseInsensitive) == 0; });
}

}  // namespace

std::unique_ptr<ClassesRoot::Key> MimeClassesRoot::openKey(const std::string& name) {
    if (name.empty()) return std::make_unique<DefaultValueKey>(std::string());
    const std::string* value = name[0] == '.' ? className(asciiLower(name)) : description(name);
    return value ? std::make_unique<DefaultValueKey>(*value) : nullptr;
}

// The whole database is read only here: listing every key needs it, looking
// one up does not.
std::vector<std::string> MimeClassesRoot::subkeyNames() {
    std::unordered_map<std::string, std::string> extensions;  // lower-case -> spelling
    std::vector<std::string> names;
    for (const QMimeType& type : QMimeDatabase().allMimeTypes()) {
        names.push_back(type.name().toStdString());
        for (const QString& glob : type.globPatterns()) {
            const QString ext = plainExtension(glob);
            if (!ext.isEmpty()) addSpelling(ext.toStdString(), extensions);
        }
    }
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
    if (!plainExtension(QStringLiteral("*") + ext).isEmpty()) {
        for (const QString& spelling : {ext, ext.toUpper()}) {
            name = classWithGlob(spelling);
            if (name) break;
        }
    }
    const auto& stored = classOfExt_.emplace(lowerExt, std::move(name)).first->second;
    return stored ? &*stored : nullptr;
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
