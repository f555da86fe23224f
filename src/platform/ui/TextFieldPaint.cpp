// EDIT and RICHEDIT controls: drawing text at the widths their layouts measured.

#include <vector>

#include "platform/gdi/Text.h"
#include "platform/ui/TextField.h"

namespace win::detail {

void DrawMeasuredRun(HDC dc, const TextAdvances& measure, std::string_view run, int lineLeft, int x, int y) {
    std::vector<INT> advances;
    for (std::size_t at = 0; at < run.size();) {
        if (run[at] == '\t') {
            x = measure.After('\t', x);
            ++at;
            continue;
        }
        std::size_t end = at;
        advances.clear();
        for (; end < run.size() && run[end] != '\t'; ++end) advances.push_back(measure.Width(run[end]));
        ExtTextOutA(dc, lineLeft + x, y, 0, nullptr, run.data() + at, static_cast<UINT>(end - at),
                    advances.data());
        for (INT advance : advances) x += advance;
        at = end;
    }
}

}  // namespace win::detail
