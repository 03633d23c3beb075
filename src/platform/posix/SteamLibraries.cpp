#include "platform/posix/SteamLibraries.h"

#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <optional>

namespace platform {

namespace {

constexpr std::size_t kMostVdfBytes = 1 << 20;

/// Reads the tokens of a VDF text one at a time: a quoted string, "{" or "}".
class VdfTokens {
public:
    explicit VdfTokens(const std::string& text) : m_text(text) {}

    enum class Kind { String, Open, Close, End, Damaged };
    struct Token {
        Kind kind;
        std::string text;
    };

    Token next()
    {
        skipSpaceAndComments();
        if (m_at == m_text.size())
            return {Kind::End, {}};
        const char c = m_text[m_at++];
        if (c == '{')
            return {Kind::Open, {}};
        if (c == '}')
            return {Kind::Close, {}};
        if (c != '"')
            return {Kind::Damaged, {}};
        std::string value;
        while (m_at < m_text.size()) {
            const char d = m_text[m_at++];
            if (d == '"')
                return {Kind::String, value};
            if (d == '\n')
                break;
            if (d == '\\') {
                if (m_at == m_text.size())
                    break;
                const char escaped = m_text[m_at++];
                value += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                continue;
            }
            value += d;
        }
        return {Kind::Damaged, {}};
    }

private:
    void skipSpaceAndComments()
    {
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++m_at;
            } else if (m_text.compare(m_at, 2, "//") == 0) {
                const auto end = m_text.find('\n', m_at);
                m_at = end == std::string::npos ? m_text.size() : end;
            } else {
                return;
            }
        }
    }

    const std::string& m_text;
    std::size_t m_at = 0;
};

/// The same folder reached by two paths (a link, a second listing) counts once.
void addOnce(std::vector<std::string>& folders, std::vector<FolderIdentity>& seen, const std::string& folder)
{
    const auto identity = folderIdentity(folder);
    if (!identity)
        return;
    for (const FolderIdentity& known : seen) {
        if (known == *identity)
            return;
    }
    seen.push_back(*identity);
    folders.push_back(folder);
}

} // namespace

std::vector<std::string> libraryPathsInVdf(const std::string& text)
{
    if (text.size() > kMostVdfBytes)
        return {};
    VdfTokens tokens(text);
    std::vector<std::string> paths;
    int depth = 0;
    for (;;) {
        auto token = tokens.next();
        if (token.kind == VdfTokens::Kind::End)
            return depth == 0 ? paths : std::vector<std::string>();
        if (token.kind == VdfTokens::Kind::Close && depth > 0) {
            --depth;
            continue;
        }
        if (token.kind != VdfTokens::Kind::String)
            return {};
        // A key, then its value: a string or a block.
        auto value = tokens.next();
        if (value.kind == VdfTokens::Kind::Open)
            ++depth;
        else if (value.kind != VdfTokens::Kind::String)
            return {};
        else if (token.text == "path" && !value.text.empty() && value.text.front() == '/')
            paths.push_back(value.text);
    }
}

std::vector<std::string> steamLibraries(const std::string& home)
{
    std::vector<std::string> libraries;
    std::vector<FolderIdentity> seen;
    for (const char* install : {"/.local/share/Steam", "/.steam/steam", "/.var/app/com.valvesoftware.Steam/.local/share/Steam"}) {
        const std::string root = home + install;
        if (!folderExists(root + "/steamapps"))
            continue;
        addOnce(libraries, seen, root);
        std::string vdf;
        try {
            const std::string file = root + "/steamapps/libraryfolders.vdf";
            if (fileExists(file) && fileSize(file) <= static_cast<std::int64_t>(kMostVdfBytes))
                vdf = readWholeFile(file);
        } catch (const std::exception&) {
        }
        for (const std::string& library : libraryPathsInVdf(vdf))
            addOnce(libraries, seen, library);
    }
    return libraries;
}

} // namespace platform
