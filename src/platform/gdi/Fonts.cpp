#include "platform/gdi/Fonts.h"

#include <strings.h>
#include <cstring>

#include "platform/gdi/FontFaces.h"
#include "platform/gdi/FontObject.h"

namespace win {
namespace {

// The record and metrics enumeration reports for one style of a family.
int ReportStyle(const gdi::EnumeratedFamily& family, LONG weight, BYTE italic, FONTENUMPROCA callback,
                LPARAM data) {
    LOGFONTA font;
    font.lfHeight = 16;
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = 3;   // outline
    font.lfClipPrecision = 2;  // outline
    font.lfQuality = 1;
    font.lfPitchAndFamily = family.pitchAndFamily;
    std::strncpy(font.lfFaceName, family.faceName, LF_FACESIZE - 1);
    const gdi::FontMetrics& metrics = gdi::RealizeFont(font)->metrics;
    font.lfWidth = metrics.text.tmAveCharWidth;
    return callback(&font, &metrics.text, TRUETYPE_FONTTYPE, data);
}

}  // namespace

HFONT CreateFontIndirectA(const LOGFONTA* font) {
    if (!font) return nullptr;
    LOGFONTA record = *font;
    record.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>((new gdi::Font(record))->Handle());
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = static_cast<BYTE>(italic);
    font.lfUnderline = static_cast<BYTE>(underline);
    font.lfStrikeOut = static_cast<BYTE>(strikeOut);
    font.lfCharSet = static_cast<BYTE>(charSet);
    font.lfOutPrecision = static_cast<BYTE>(outPrecision);
    font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    font.lfQuality = static_cast<BYTE>(quality);
    font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

int EnumFontFamiliesA(HDC, LPCSTR family, FONTENUMPROCA callback, LPARAM data) {
    if (!callback) return 0;
    int answer = 1;
    for (const gdi::EnumeratedFamily& entry : gdi::EnumeratedFamilies()) {
        if (!family || !*family) {
            answer = ReportStyle(entry, FW_NORMAL, 0, callback, data);
            if (answer == 0) return 0;
            continue;
        }
        if (strcasecmp(family, entry.faceName) != 0) continue;
        for (const auto& [weight, italic] :
             {std::pair{FW_NORMAL, 0}, {FW_BOLD, 0}, {FW_NORMAL, 1}, {FW_BOLD, 1}}) {
            answer = ReportStyle(entry, weight, static_cast<BYTE>(italic), callback, data);
            if (answer == 0) return 0;
        }
    }
    return answer;
}

int EnumFontsA(HDC dc, LPCSTR face, FONTENUMPROCA callback, LPARAM data) {
    return EnumFontFamiliesA(dc, face, callback, data);
}

}  // namespace win
