#include "Lexer.h"

#include "Numbers.h"

namespace vtxpreview {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Reads the escape after a backslash at line[pos]; advances pos past it.
bool readEscape(std::string_view line, std::size_t& pos, std::string& out, std::string& error) {
    if (pos + 1 >= line.size()) {
        error = "backslash at the end of the line";
        return false;
    }
    const char code = line[pos + 1];
    pos += 2;
    switch (code) {
    case 'n':
        out += '\n';
        return true;
    case 'r':
        out += '\r';
        return true;
    case 't':
        out += '\t';
        return true;
    case '\\':
        out += '\\';
        return true;
    case '"':
        out += '"';
        return true;
    case 'x': {
        const int high = pos < line.size() ? hexDigitValue(line[pos]) : -1;
        const int low = pos + 1 < line.size() ? hexDigitValue(line[pos + 1]) : -1;
        if (high < 0 || low < 0) {
            error = "\\x needs two hex digits";
            return false;
        }
        out += static_cast<char>(high * 16 + low);
        pos += 2;
        return true;
    }
    default:
        error = std::string("unknown escape \\") + code;
        return false;
    }
}

// pos is at the opening quote; on success pos is just past the closing one.
bool readQuoted(std::string_view line, std::size_t& pos, Word& word, std::string& error) {
    ++pos;
    while (pos < line.size()) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            if (pos < line.size() && !isBlank(line[pos]) && line[pos] != '#') {
                error = "text right after a closing quote";
                return false;
            }
            return true;
        }
        if (c == '\\') {
            if (!readEscape(line, pos, word.text, error))
                return false;
        } else {
            word.text += c;
            ++pos;
        }
    }
    error = "unterminated quoted word";
    return false;
}

// Bare words are literal (no escapes), so Windows paths need no doubling.
bool readBare(std::string_view line, std::size_t& pos, Word& word, std::string& error) {
    while (pos < line.size() && !isBlank(line[pos]) && line[pos] != '#') {
        if (line[pos] == '"') {
            error = "quote inside a word (quote the whole word)";
            return false;
        }
        word.text += line[pos++];
    }
    return true;
}

} // namespace

LexResult splitLine(std::string_view line) {
    LexResult result;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1); // CRLF files
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos >= line.size() || line[pos] == '#')
            break;
        Word word;
        word.quoted = line[pos] == '"';
        const bool ok =
            word.quoted ? readQuoted(line, pos, word, result.error) : readBare(line, pos, word, result.error);
        if (!ok) {
            result.words.clear();
            return result;
        }
        result.words.push_back(std::move(word));
    }
    return result;
}

std::string quoteWord(std::string_view text) {
    static const char digits[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7f) {
                out += "\\x";
                out += digits[byte >> 4];
                out += digits[byte & 15];
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

} // namespace vtxpreview
