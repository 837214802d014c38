#pragma once
// The text of an initialisation file as the Windows profile functions see it:
// "[section]" lines with "key=value" lines below them, everything else kept as
// it stands. Section and key names ignore ASCII case and their surrounding
// blanks; the first of two equal sections or keys counts. The line ends of the
// file (LF, CR LF or a lone CR) and a UTF-8 byte-order mark are kept, so a
// change rewrites only the line it must; bytes that are not UTF-8 pass through.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarvo {

class IniDocument {
public:
    explicit IniDocument(std::string_view text = {});

    using KeyValues = std::vector<std::pair<std::string, std::string>>;

    // The value of a key, without surrounding blanks or quotation marks.
    [[nodiscard]] std::optional<std::string> value(std::string_view section,
                                                   std::string_view key) const;
    // Every key of the section with its value as value() gives it, in file order.
    [[nodiscard]] KeyValues section(std::string_view section) const;
    // Replaces the key's line, or adds the key after the section's last line
    // that is not blank, or adds the section at the end. A value that reading
    // would change is written in quotation marks. Throws
    // std::invalid_argument for names or values that the format cannot hold.
    void set(const std::string& section, const std::string& key, const std::string& value);
    [[nodiscard]] std::string text() const;

private:
    struct Line {
        std::string text;
        std::string end;  // empty for a last line without a line end
    };
    // Lines [first, last) below a section's header.
    struct Range {
        std::size_t first = 0;
        std::size_t last = 0;
    };

    [[nodiscard]] std::optional<Range> findSection(std::string_view section) const;
    void insertLine(std::size_t at, std::string text);

    std::string byteOrderMark_;
    std::vector<Line> lines_;
    std::string newline_ = "\n";  // the file's own, for added lines
};

}  // namespace quarvo
