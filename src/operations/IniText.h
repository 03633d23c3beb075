#pragma once

#include <optional>
#include <string>
#include <string_view>

/// The text of a map's INI file in the editor, and back: each file keeps its own encoding.
namespace operations {

/// An INI file's bytes as the editor's text (UTF-8, lines broken by CR LF), and edited text as
/// bytes in the same encoding: a UTF-8 file (with its byte-order mark where it had one), a
/// UTF-16 file with its mark, a file in the game's code page (Windows-1252; on Windows the
/// ANSI code page), or a plain-ASCII or new one, which takes the game's code page where that
/// holds the text. Unchanged text is written back byte for byte as it was loaded.
class IniText {
public:
    enum class Encoding {
        Open,    ///< plain ASCII or new: the game's code page where it holds the text
        Legacy,  ///< the game's code page
        Utf8,
        Utf16Le, ///< with the mark FF FE
        Utf16Be, ///< with the mark FE FF
    };

    IniText() = default;
    /// The text of a file's bytes as read; every line break becomes CR LF (in UTF-16 files in
    /// the text only: what is written back unchanged is the file as it was).
    static IniText fromFile(std::string_view bytes);
    /// A new file's text (UTF-8), its bytes as `bytesFor` gives them; nothing when the text is
    /// no UTF-8.
    static std::optional<IniText> fromNewText(std::string_view utf8);

    Encoding encoding() const { return m_encoding; }
    /// The text for the editor: UTF-8, lines broken by CR LF.
    const std::string& text() const { return m_text; }
    /// The bytes an unchanged text is saved as.
    const std::string& bytes() const { return m_bytes; }
    /// Edited text (UTF-8, lines broken by CR LF) as bytes in this file's encoding; nothing
    /// when the encoding cannot hold one of its characters. A plain-ASCII file takes UTF-8
    /// where this system reads such a file back as UTF-8 (Linux), else UTF-16 with its mark
    /// (Windows), never look-alikes.
    std::optional<std::string> bytesFor(std::string_view utf8) const;

private:
    Encoding m_encoding = Encoding::Open;
    bool m_byteOrderMark = false; ///< a UTF-8 file that began with one
    std::string m_text;
    std::string m_bytes;
};

} // namespace operations
