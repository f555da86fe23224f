#include "items/printing/PrintableBanner.h"

#include <algorithm>
#include <ctime>

#include "framework/graphics/GraphUser.h"
#include "items/printing/PrintableText.h"
#include "items/printing/PrintingEnvironment.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/VersionInfo.h"

namespace {

// Appends as much of the text as keeps the target below limit characters.
void AppendWithin(std::string& target, const std::string& text, std::size_t limit) {
    if (target.size() + 1 >= limit) return;
    target.append(text, 0, std::min(text.size(), limit - 1 - target.size()));
}

std::string DateAndTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[64], time[32];
    std::strftime(date, sizeof date, "%A, %B %e, %Y", &local);
    std::strftime(time, sizeof time, "%I:%M:%S %p", &local);
    std::string text = date;
    // "%e" pads the day, and "%I" the hour, with a blank or a zero.
    if (const auto pad = text.find("  "); pad != std::string::npos) text.erase(pad, 1);
    return text + " " + (time[0] == '0' ? time + 1 : time);
}

}  // namespace

std::string ProgramVersionText() {
    char program[4096];
    win::DWORD handle = 0;
    if (!win::GetModuleFileNameA(nullptr, program, sizeof program)) return {};
    const win::DWORD size = win::GetFileVersionInfoSizeA(program, &handle);
    std::string block(size, '\0');
    void* value = nullptr;
    win::UINT length = 0;
    if (size == 0 || !win::GetFileVersionInfoA(program, handle, size, block.data()) ||
        !win::VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductVersion", &value, &length))
        return {};
    return static_cast<const char*>(value);
}

PrintableBanner::PrintableBanner(PrintingEnvironment* environment, const char* text,
                                 const win::LOGFONTA& font)
    : MPrintingEnvironmentAware(environment), text_(text ? text : ""), font_(font) {}

PrintableBanner::Parts PrintableBanner::SplitBanner() {
    const std::size_t size = GetPartSize();
    Parts parts;
    std::string work;
    const char* s = text_.c_str();
    while (*s && work.size() + 2 < size) {
        if (*s != '^') {
            work.push_back(*s++);
            continue;
        }
        const char c = s[1];
        const std::size_t room = size - (work.size() + 1);
        std::size_t taken = 0;  // characters of the code after the caret
        if (SplitsParts() && (c == '<' || c == '|' || c == '>')) {
            AppendWithin(parts[c == '<' ? 0 : c == '|' ? 1 : 2], work, size);
            work.clear();
            taken = 1;
        } else if (c == 'V' || c == 'v') {
            AppendWithin(work, ProgramVersionText(), work.size() + room);
            taken = 1;
        } else if (c == '^') {
            work.push_back('^');
            taken = 1;
        } else if (c != '\0' && IsDateCode(c)) {
            AppendWithin(work, DateAndTime(), work.size() + room);
            taken = 1;
        } else if (c != '\0' && IsPageCode(c)) {
            if (room > 10) work += std::to_string(GetEnvironment()->GetPageNumber());
            taken = 1;
        } else if (c != '\0') {
            std::string expanded;
            taken = ExpandCode(s + 1, expanded, room);
            if (taken > 0) AppendWithin(work, expanded, work.size() + room);
        }
        if (taken > 0) {
            s += 1 + taken;
        } else {
            work.push_back(*s++);  // no code: the caret is text, and so is what follows it
        }
    }
    AppendWithin(parts[0], work, size);
    FinishParts(parts);
    return parts;
}

ProgressPtr PrintableBanner::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                   std::int32_t& placed) {
    progress.reset();
    PrintingEnvironment& environment = *GetEnvironment();
    const Parts parts = SplitBanner();
    size = LongPoint{Width(area), 0};
    static constexpr int kAlignments[3] = {0, 1, -1};
    for (int part = 0; part < 3; ++part) {
        if (parts[part].empty()) continue;
        ShortRect layout =
            ShortRect::MakeLTRB(0, 0, std::clamp(Width(area), 0, 32767), std::clamp(Height(area), 0, 32767));
        PrintableTextTW wrap(&environment, layout, parts[part].c_str(), font_);
        TGraphEnv& graph = *environment.GetGraph();
        const GraphUser use(graph);
        std::int32_t y = area.top;
        for (std::uint32_t line = 0; line < wrap.GetLineCount(); ++line) {
            const std::int32_t height = wrap.GetLineHeight(line);
            if (y + height > area.bottom) break;
            wrap.DrawLine(graph, ShortRect::MakeLTRB(area.left, y, area.right, y + height), line,
                          kAlignments[part], line == 0);
            y += height;
            if (wrap.HasPageBreakAfter(line)) break;
        }
        size.y = std::max(size.y, y - area.top);
    }
    placed = 1;
    return nullptr;
}
