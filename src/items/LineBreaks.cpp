#include "items/LineBreaks.h"

std::string FoldLineBreaks(const std::string& text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            folded += ' ';
        } else {
            folded += text[i];
        }
    }
    return folded;
}
