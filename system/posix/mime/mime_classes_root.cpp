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
    indexDatabase();
    if (name.empty()) return std::make_unique<DefaultValueKey>(std::string());
    const std::string lower = asciiLower(name);
    if (extensions_.contains(lower)) return std::make_unique<DefaultValueKey>(className(lower));
    if (classNames_.contains(lower)) return std::make_unique<DefaultValueKey>(description(lower));
    return nullptr;
}

std::vector<std::string> MimeClassesRoot::subkeyNames() {
    indexDatabase();
    std::vector<std::string> names;
    names.reserve(extensions_.size() + classNames_.size());
    for (const auto& [lower, ext] : extensions_) names.push_back(ext.spelling);
    for (const auto& [lower, name] : classNames_) names.push_back(name);
    return names;
}

void MimeClassesRoot::indexDatabase() {
    if (indexed_) return;
    indexed_ = true;
    for (const QMimeType& type : QMimeDatabase().allMimeTypes()) {
        const std::string typeName = type.name().toStdString();
        classNames_.emplace(asciiLower(typeName), typeName);
        for (const QString& glob : type.globPatterns()) {
            const QString ext = plainExtension(glob);
            if (!ext.isEmpty()) addExtension(ext.toStdString(), typeName);
        }
    }
}

// Globs differing only in case ("*.C" and "*.c") make one key, spelled in lower
// case when one of them is.
void MimeClassesRoot::addExtension(const std::string& ext, const std::string& typeName) {
    const std::string lower = asciiLower(ext);
    const auto [it, added] = extensions_.try_emplace(lower, Extension{ext, typeName});
    if (!added && ext == lower) it->second.spelling = ext;
}

// The database weighs the globs that match a name and gives the heaviest
// types first; of those, the first that has this very glob is the class.
const std::string& MimeClassesRoot::className(const std::string& lowerExt) {
    const auto cached = classOfExt_.find(lowerExt);
    if (cached != classOfExt_.end()) return cached->second;
    const QString ext = QString::fromStdString(lowerExt);
    std::string name = extensions_.at(lowerExt).someClass;
    for (const QMimeType& type : QMimeDatabase().mimeTypesForFileName(QStringLiteral("x") + ext)) {
        if (hasGlobFor(type, ext)) {
            name = type.name().toStdString();
            break;
        }
    }
    return classOfExt_.emplace(lowerExt, std::move(name)).first->second;
}

const std::string& MimeClassesRoot::description(const std::string& lowerClass) {
    const auto cached = descriptions_.find(lowerClass);
    if (cached != descriptions_.end()) return cached->second;
    const QString name = QString::fromStdString(classNames_.at(lowerClass));
    std::string comment = QMimeDatabase().mimeTypeForName(name).comment().toStdString();
    return descriptions_.emplace(lowerClass, std::move(comment)).first->second;
}

}  // namespace quarvo
