#include "present/menu_access_keys.h"

#include <set>

namespace {

char16_t Folded(char16_t letter) {
    return letter >= u'a' && letter <= u'z' ? static_cast<char16_t>(letter - u'a' + u'A') : letter;
}

// The marked key of a caption, or 0.
char16_t MarkedKey(const std::u16string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') {
                return Folded(caption[i + 1]);
            }
            ++i;  // "&&" is a plain ampersand
        }
    }
    return 0;
}

bool IsLetterOrDigit(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

}  // namespace

int ImpliedAccessKeyItem(const std::vector<std::u16string>& captions, char16_t key) {
    std::set<char16_t> claimed;
    for (const auto& caption : captions) {
        if (const char16_t marked = MarkedKey(caption)) {
            claimed.insert(marked);
        }
    }
    const char16_t wanted = Folded(key);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const std::u16string& caption = captions[i];
        if (caption.empty() || MarkedKey(caption) != 0) {
            continue;
        }
        for (const char16_t c : caption) {
            if (c == u'\t') {
                break;  // the shortcut column
            }
            if (!IsLetterOrDigit(c) || claimed.count(Folded(c))) {
                continue;
            }
            if (Folded(c) == wanted) {
                return static_cast<int>(i);
            }
            break;  // this item's letter is another
        }
    }
    return -1;
}
