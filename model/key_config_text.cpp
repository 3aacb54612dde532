// The keys.cfg format. The game reads it through a C runtime in text mode, so we read and write
// the same way, by hand, to get the same bytes on every platform:
// - CR LF and a lone LF each end a line; a CR that no LF follows is ordinary text;
// - a byte 0x1A (Ctrl-Z) is the end of the file, whatever follows it;
// - every line written ends in CR LF.
// A line is the binding's name, "=", and the token of its key.
#include "key_config_text.h"

#include <cstring>

#include "key_table.h"

namespace {

constexpr char kEndOfFile = '\x1a';

struct Field {
    const char* begin;
    const char* end;
};

// Fields are kept as C strings, so a NUL byte ends the field it stands in.
Field CutAtNul(const char* begin, const char* end) {
    const void* nul = std::memchr(begin, '\0', static_cast<std::size_t>(end - begin));
    return {begin, nul != nullptr ? static_cast<const char*>(nul) : end};
}

const char* Skip(const char* at, const char* end, char c) {
    while (at != end && *at == c) {
        ++at;
    }
    return at;
}

const char* Find(const char* at, const char* end, char c) {
    const void* found = std::memchr(at, c, static_cast<std::size_t>(end - at));
    return found != nullptr ? static_cast<const char*>(found) : end;
}

// Splits one line (without its line break) at "=": "=" before the name is skipped, the name runs
// to the next "=", the run of "=" after it is skipped, and the token runs to the next "=".
// Whatever follows a further "=" is dropped.
void ParseLine(const char* begin, const char* end, CountedSlotArray& list,
               const BindingCallback& onBinding) {
    const char* nameBegin = Skip(begin, end, '=');
    const char* nameEnd = Find(nameBegin, end, '=');
    const char* tokenBegin = Skip(nameEnd, end, '=');
    const char* tokenEnd = Find(tokenBegin, end, '=');

    Field name = CutAtNul(nameBegin, nameEnd);
    // A blank line, or one made only of "=", names no action: it is skipped. (A name cut to
    // nothing by a NUL is skipped too: it would be written back as a line without a name.)
    if (name.begin == name.end) {
        return;
    }
    // A name with no token ("Fire", "Fire=") is kept as a binding without a key, so that the user
    // sees it and can give it one; it is written back as "Fire=".
    Field token = CutAtNul(tokenBegin, tokenEnd);
    std::size_t tokenLength = static_cast<std::size_t>(token.end - token.begin);
    std::int32_t key = kNoKey;
    char tokenText[kMaxTokenLength + 1];
    if (tokenLength <= kMaxTokenLength) {  // a longer one is no table token
        std::memcpy(tokenText, token.begin, tokenLength);
        tokenText[tokenLength] = '\0';
        key = FindKeyByToken(tokenText);
    }
    Binding* binding = CreateBinding(name.begin, static_cast<std::size_t>(name.end - name.begin),
                                     key, token.begin, tokenLength);
    if (list.Add(binding) < 0) {
        DestroyBinding(binding);
        return;
    }
    if (onBinding) {
        onBinding(*binding);
    }
}

}  // namespace

void ParseKeyConfig(const char* content, std::size_t size, CountedSlotArray& list,
                    const BindingCallback& onBinding) {
    const char* end = Find(content, content + size, kEndOfFile);
    for (const char* line = content; line != end;) {
        const char* lineFeed = Find(line, end, '\n');
        const char* lineEnd = lineFeed;
        if (lineEnd != line && lineEnd != end && lineEnd[-1] == '\r') {
            --lineEnd;  // CR LF is one line break
        }
        ParseLine(line, lineEnd, list, onBinding);
        line = lineFeed == end ? end : lineFeed + 1;
    }
}

bool IsSavableBindingName(const std::string& name) {
    return !name.empty() &&
           name.find_first_of(std::string("=\r\n\0", 4) + kEndOfFile) == std::string::npos;
}

std::string FormatKeyConfig(const CountedSlotArray& list) {
    std::size_t size = 0;
    for (std::int32_t i = 0; i < list.count; ++i) {
        const Binding& binding = BindingAt(list, i);
        size += std::strlen(binding.name) + std::strlen(BindingToken(binding)) + 3;
    }
    std::string content;
    content.reserve(size);
    for (std::int32_t i = 0; i < list.count; ++i) {
        const Binding& binding = BindingAt(list, i);
        content += binding.name;
        content += '=';
        content += BindingToken(binding);
        content += "\r\n";
    }
    return content;
}
