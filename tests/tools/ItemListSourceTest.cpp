// Item lists compiled from sources: the item-list record and each class's fields in their stored
// order, the checks against the window, and sources that decompile back to the same bytes.

#include <gtest/gtest.h>

#include "DataSourceTestSupport.h"
#include "datafiles/Decompiler.h"

namespace {

std::string StoredHex(const CompileResult& result) {
    return result.segment ? Hex(result.segment->bytes) : "not compiled: " + result.FirstError();
}

const std::string kHeader = "items 'ITM#' 1070\nbounds (0,0)-(500,278)\n";

TEST(ItemListSource, PushButtonRecord) {
    const auto result = CompileText("about.items", kHeader +
                                                       "item PushBtn\n"
                                                       "    id 4\n"
                                                       "    bounds (270,244)-(340,266)\n"
                                                       "    color #102030\n"
                                                       "    flags disabled 0x40\n"
                                                       "    title \"OK\"\n"
                                                       "    font 5 10 bold underline\n"
                                                       "    reserved -1\n");
    ASSERT_TRUE(result.segment) << result.FirstError();
    EXPECT_EQ(result.segment->kind, kObjectSegment);
    EXPECT_EQ(result.segment->classId, 106u);
    EXPECT_EQ(StoredHex(result),
              // list: empty name, bounds top 0 left 0 bottom 278 right 500, white, one item
              "00 00 00 00 00 00 01 16 01 F4 FF FF FF FF FF FF 00 01 "
              // class 507, id 4, bounds 244 270 266 340, colour, flags 0x42, no links
              "01 FB 00 04 00 F4 01 0E 01 0A 01 54 10 10 20 20 30 30 00 42 00 00 "
              // notification, two style bytes, title "OK" and its NUL
              "00 00 00 00 00 02 4F 4B 00 "
              // command 1000 (none), font 5 size 10 bold and underline, reserved -1
              "03 E8 00 05 00 0A 05 FF FF");
}

TEST(ItemListSource, SimpleItemsAndPopupRecords) {
    const auto result = CompileText("list.items", kHeader +
                                                      "background #C000C000C000\n"
                                                      "name \"W\"\n"
                                                      "item BarGraph\n"
                                                      "    bounds (1,2)-(3,4)\n"
                                                      "    fill 1\n"
                                                      "    frame -2\n"
                                                      "    empty 20\n"
                                                      "    back-color #FFFFFF\n"
                                                      "    links 1\n"
                                                      "item Popup\n"
                                                      "    bounds (0,0)-(80,20)\n"
                                                      "    value 1\n"
                                                      "    choice \"A\"\n"
                                                      "    choice \"Bc\"\n"
                                                      "item Popup\n"
                                                      "    bounds (0,0)-(80,20)\n"
                                                      "    style 2\n"
                                                      "    value 3\n");
    EXPECT_EQ(StoredHex(result),
              "00 01 57 00 00 00 00 00 01 16 01 F4 C0 00 C0 00 C0 00 00 03 "
              // BarGraph: item fields with one link, pens 1 x 1, fill 1, frame -2, empty 20, back white
              "01 FA 00 00 00 02 00 01 00 04 00 03 00 00 00 00 00 00 00 00 00 01 00 01 "
              "00 01 00 01 01 FE 00 14 FF FF FF FF FF FF "
              // Popup: item and control fields, style 0, value 1, tri-state 0, font 0 12 plain, 2 choices
              "01 FF 00 00 00 00 00 00 00 14 00 50 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "00 00 00 00 00 01 00 00 00 00 00 0C 00 00 00 00 02 00 01 41 00 00 02 42 63 00 "
              // a typeface popup (style 2) stores no choices
              "01 FF 00 00 00 00 00 00 00 14 00 50 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "00 02 00 00 00 03 00 00 00 00 00 0C 00");
}

TEST(ItemListSource, ItemsAreCheckedAgainstTheWindowAndTheProgramsRules) {
    const auto error = [](const std::string& items) {
        return CompileText("w.items", kHeader + items).FirstError();
    };
    EXPECT_EQ(error("item StatText\n    bounds (490,0)-(510,20)\n"),
              "w.items:4: the item's bounds (490,0)-(510,20) lie outside the window (0,0)-(500,278)");
    EXPECT_EQ(error("item StatText\n    bounds (0,0)-(1,1)\n    links 0 1\n"),
              "w.items:5: link 1 names no item (the list has 1)");
    EXPECT_EQ(error("item IconItem\n    bounds (0,0)-(32,32)\n    picture 5\n"),
              "w.items:5: picture ids below 128 are read as 0 (the fallback picture 1042)");
    EXPECT_EQ(error("item TrimBox\n    pen-height 60\n"),
              "w.items:4: pen-height (a larger pen is read as 10) 60 is outside 0 to 49");
    EXPECT_EQ(error("item TrimBox\n    frame -1\n"), "w.items:4: -1 is neither a pattern nor a frame code");
    EXPECT_EQ(error("item Popup\n    bounds (0,0)-(80,20)\n    value 2\n    choice \"A\"\n"),
              "w.items:5: the chosen index 2 has no choice (there are 1)");
    EXPECT_EQ(error("item Popup\n    bounds (0,0)-(80,10)\n"),
              "w.items:4: a popup lower than 11 pixels is read as 18 high");
    EXPECT_EQ(error("item PushBtn\n    font 6 12 plain\n"), "w.items:4: the font number 6 is outside 0 to 5");
    EXPECT_EQ(error("item PushBtn\n    title \"a\"\n    title \"b\"\n"),
              "w.items:5: title is given twice for this item");
    EXPECT_EQ(error("item PushBtn\n    text \"a\"\n"),
              "w.items:4: a PushBtn has no field text; its fields are id bounds color flags links notify "
              "style1 style2 "
              "title command font reserved");
    EXPECT_EQ(
        error("item Slider\n"),
        "w.items:3: an item starts with: item <class>; the classes are TrimBox StatText Cluster IconItem "
        "BarGraph PushBtn RadioBtn CheckBox Popup EditView");
    EXPECT_EQ(CompileText("w.items", "items 'ITM#' 1\nitem PushBtn\n").FirstError(),
              "w.items:1: the list needs its bounds: the window's client area");
}

TEST(ItemListSource, IconsNeedTheirPictures) {
    const auto result = CompileText("w.items", kHeader + "item IconItem\n    picture 200\nitem IconItem\n");
    ASSERT_TRUE(result.segment) << result.FirstError();
    const auto& references = result.segment->references;
    ASSERT_EQ(references.size(), 2u);
    EXPECT_EQ(references[0].key, (PFMSegmentKey{FourCCOf("BITM"), 200}));
    EXPECT_EQ(references[0].place.line, 4);
    EXPECT_EQ(references[1].key, (PFMSegmentKey{FourCCOf("BITM"), 1042}));
}

TEST(ItemListSource, EveryClassDecompilesToTheSameBytes) {
    const auto result =
        CompileText("all.items",
                    "items 'ITM#' 7 priority 2\n"
                    "bounds (10,10)-(400,300)\nbackground #123456789ABC\nname \"All \\\"items\\\"\"\n"
                    "item TrimBox\n bounds (0,0)-(10,10)\n pen-height 2\n pen-width 3\n fill 4\n frame -4\n"
                    "item StatText\n text \"Line\\nnext\"\n justification 1\n font 3 9 italic\n"
                    "item Cluster\n caption \"Group\"\n indent 5\n frame -3\n justification -1\n"
                    "item IconItem\n picture 300\n"
                    "item BarGraph\n empty 2\n back-color #FF0000\n"
                    "item PushBtn\n command 1279\n notify 7\n style1 1\n style2 2\n flags hidden 0x8000\n"
                    "item RadioBtn\n title \"&One\"\n reserved 1\n"
                    "item CheckBox\n title \"Two\"\n id 65535\n color #000000010002\n"
                    "item Popup\n bounds (0,0)-(50,20)\n style 9\n value -1\n tristate -1\n choice \"x\"\n"
                    "item EditView\n view-flags 0xC2\n unit-height 14\n edit-flags 0x400\n alignment -1\n"
                    " text \"edit\"\n inset-top 3\n inset-left 4\n unit-width 9\n");
    ASSERT_TRUE(result.segment) << result.FirstError();
    const DecompiledSource source = DecompileSegment(*result.segment, "ITM#-7");
    EXPECT_EQ(source.name, "ITM#-7.items");
    const auto again = CompileText(source.name, source.text);
    ASSERT_TRUE(again.segment) << again.FirstError() << "\n" << source.text;
    EXPECT_EQ(Hex(again.segment->bytes), Hex(result.segment->bytes)) << source.text;
    EXPECT_EQ(again.segment->priority, 2);
    EXPECT_NE(source.text.find("    flags hidden 0x8000\n"), std::string::npos) << source.text;
}

}  // namespace
