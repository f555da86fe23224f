// Item lists read from 'ITM#' bytes built by hand: every field of every class the factory makes,
// in its stored order and width, and the same bytes written back.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "foundation/ByteStream.h"
#include "foundation/ObjectFactory.h"
#include "framework/ItemObjectFactory.h"
#include "framework/graphics/FontMapping.h"
#include "items/BarGraph.h"
#include "items/CheckBox.h"
#include "items/Cluster.h"
#include "items/IconItem.h"
#include "items/ItemClasses.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/RadioBtn.h"
#include "items/StatText.h"
#include "items/TrimBox.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    unsigned value = 0;
    int digits = 0;
    for (const char c : hex) {
        if (c == ' ') continue;
        value = value * 16 + static_cast<unsigned>(std::isdigit(c) ? c - '0' : std::toupper(c) - 'A' + 10);
        if (++digits == 2) {
            bytes.push_back(static_cast<std::uint8_t>(value));
            value = 0;
            digits = 0;
        }
    }
    return bytes;
}

std::string RecordHex(const std::vector<std::uint8_t>& bytes) {
    std::string hex;
    for (const std::uint8_t byte : bytes) {
        char text[4];
        std::snprintf(text, sizeof text, hex.empty() ? "%02X" : " %02X", byte);
        hex += text;
    }
    return hex;
}

// The list record (empty name, bounds 0 0 100 200, white) with the items' records after it.
std::string ListOf(const std::string& count, const std::string& items) {
    return "00 00 00 00 00 00 00 64 00 C8 FF FF FF FF FF FF " + count + " " + items;
}

// The base item record: class, id 7, bounds 10 20 30 40, colour 1 2 3, flags, no links.
std::string Base(const std::string& classId, const std::string& flags = "00 00") {
    return classId + " 00 07 00 0A 00 14 00 1E 00 28 00 01 00 02 00 03 " + flags + " 00 00";
}

class ItemRecords : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterObjectFactory(ItemObjectFactory);
        InstallItemClasses();
    }

    // Reads the list as the store does (the factory makes it for class id 106).
    std::unique_ptr<ItemList> Read(const std::string& hex, ErrCode* error) {
        ByteStream stream(Bytes(hex));
        TObject* object = MakeObjectByFactory(stream, ItemList::kClassId, error, 0);
        return std::unique_ptr<ItemList>(static_cast<ItemList*>(object));
    }
    std::string Written(ItemList& list) {
        ByteStream out;
        EXPECT_EQ(list.WriteTo(out), kNoErr);
        EXPECT_EQ(static_cast<std::size_t>(list.GetFlattenedSize()), out.Bytes().size());
        return RecordHex(out.Bytes());
    }
};

TEST_F(ItemRecords, EveryClassReadsItsFieldsAndWritesTheSameBytes) {
    const std::string hex =
        ListOf("00 08",
               // TrimBox: pen height 2, pen width 3, fill 4, frame -4
               Base("01 F5") + " 00 02 00 03 04 FC " +
                   // StatText: font 3 size 9 italic, centred, "Hi"
                   Base("01 F6") + " 00 03 00 09 02 01 00 02 48 69 00 " +
                   // Cluster: font 5 size 10 plain, right, indent -2, frame -3, "Grp"
                   Base("01 F7") + " 00 05 00 0A 00 FF FE FD 00 03 47 72 70 00 " +
                   // BarGraph: pens 1 x 1, fill 1, frame -2, empty pattern 20, back colour
                   Base("01 FA") + " 00 01 00 01 01 FE 00 14 12 34 56 78 9A BC " +
                   // PushBtn: notification 5, styles 1 2, "&OK", command 1279, font 0 12 plain, reserved -1
                   Base("01 FB", "00 02") + " 00 05 01 02 00 03 26 4F 4B 00 04 FF 00 00 00 0C 00 FF FF " +
                   // RadioBtn: no title, font 2 14 bold, reserved 1
                   Base("01 FC") + " 00 00 00 00 00 00 00 02 00 0E 01 00 01 " +
                   // CheckBox: "Two", font 4 12 underline, reserved 0
                   Base("01 FD") + " 00 00 00 00 00 03 54 77 6F 00 00 04 00 0C 04 00 00 " +
                   // IconItem: picture 16015
                   Base("01 F9") + " 3E 8F");
    ErrCode error = -99;
    const auto list = Read(hex, &error);
    ASSERT_EQ(error, kNoErr);
    ASSERT_EQ(list->Count(), 8);

    const auto* box = static_cast<TrimBox*>(list->ItemAt(0));
    ASSERT_TRUE(box->IsKindOf(TrimBox::kClassId));
    EXPECT_EQ(box->GetItemId(), 7);
    EXPECT_EQ(box->Bounds(), ShortRect::MakeLTRB(20, 10, 40, 30));
    EXPECT_EQ(box->Color(), (RGBColor{1, 2, 3}));
    // The pen is stored height first.
    EXPECT_EQ(box->GetPenSize(), (ShortPoint{3, 2}));
    EXPECT_EQ(box->GetFillPattern(), 4);
    EXPECT_EQ(box->GetFramePattern(), kFrameEtched);

    const auto* text = static_cast<StatText*>(list->ItemAt(1));
    EXPECT_STREQ(text->GetText().CStr(), "Hi");
    EXPECT_EQ(text->GetJustification(), 1);
    win::LOGFONTA font;
    text->GetFont(font);
    EXPECT_TRUE(font.lfItalic);

    const auto* cluster = static_cast<Cluster*>(list->ItemAt(2));
    EXPECT_STREQ(cluster->GetCaption().CStr(), "Grp");
    EXPECT_EQ(cluster->GetJustification(), -1);
    EXPECT_EQ(cluster->GetIndent(), -2);
    EXPECT_EQ(cluster->GetFramePattern(), kFrameRaised);

    const auto* bar = static_cast<BarGraph*>(list->ItemAt(3));
    EXPECT_EQ(bar->GetFramePattern(), kFrameSunken);
    EXPECT_EQ(bar->GetEmptyPattern(), 20);
    EXPECT_EQ(bar->GetBackColor(), (RGBColor{0x1234, 0x5678, 0x9ABC}));

    const auto* push = static_cast<PushBtn*>(list->ItemAt(4));
    EXPECT_TRUE(push->HasFlags(TItem::kDisabled));
    EXPECT_EQ(push->GetNotification(), 5);
    EXPECT_EQ(push->GetStyle1(), 1);
    EXPECT_EQ(push->GetStyle2(), 2);
    EXPECT_STREQ(push->GetTitle().CStr(), "OK");
    EXPECT_EQ(push->GetMnemonic(), 0);
    EXPECT_EQ(push->GetCommand(), 1279);
    EXPECT_EQ(push->GetReserved(), -1);
    EXPECT_EQ(push->GetValue(), 0);
    EXPECT_EQ(push->GetMax(), 1);

    const auto* radio = static_cast<RadioBtn*>(list->ItemAt(5));
    EXPECT_EQ(radio->GetTitle().Length(), 0u);
    EXPECT_EQ(radio->GetMnemonic(), -1);
    EXPECT_EQ(radio->GetLogFont().lfWeight, win::FW_BOLD);

    const auto* check = static_cast<CheckBox*>(list->ItemAt(6));
    EXPECT_STREQ(check->GetTitle().CStr(), "Two");
    EXPECT_TRUE(check->GetLogFont().lfUnderline);

    const auto* icon = static_cast<IconItem*>(list->ItemAt(7));
    ASSERT_TRUE(icon->IsKindOf(IconItem::kClassId));
    EXPECT_EQ(icon->GetPictureId(), 16015);

    EXPECT_EQ(Written(*list), RecordHex(Bytes(hex)));
}

TEST_F(ItemRecords, ListFieldsLinksAndTheOwnColourMark) {
    // Name "W", bounds, a grey background, one StatText with two links and an empty text.
    const std::string hex =
        "00 01 57 00 00 05 00 06 00 07 00 08 C0 00 C0 00 C0 00 00 01 "
        "01 F6 FF FF 00 01 00 02 00 03 00 04 00 00 00 00 00 00 01 05 00 02 00 00 00 03 "
        "00 00 00 0C 00 FF 00 00";
    ErrCode error = -99;
    const auto list = Read(hex, &error);
    ASSERT_EQ(error, kNoErr);
    EXPECT_STREQ(list->GetName(), "W");
    EXPECT_EQ(list->GetBounds(), ShortRect::MakeLTRB(6, 5, 8, 7));
    EXPECT_TRUE(list->HasOwnColor());
    const TItem* item = list->ItemAt(0);
    EXPECT_EQ(item->GetItemId(), 0xFFFF);
    EXPECT_EQ(item->GetFlags(), 0x0105);
    ASSERT_EQ(item->LinkIndexCount(), 2);
    EXPECT_EQ(item->GetLinkIndex(0), 0);
    EXPECT_EQ(item->GetLinkIndex(1), 3);
    EXPECT_EQ(static_cast<const StatText*>(item)->GetJustification(), -1);
    EXPECT_EQ(Written(*list), RecordHex(Bytes(hex)));

    list->SetBackColor(RGBColor{0xFFFF, 0xFFFF, 0xFFFF});
    EXPECT_FALSE(list->HasOwnColor());
    list->SetBackColor(RGBColor{0xFFFF, 0xFFFF, 0xFFFE});
    EXPECT_TRUE(list->HasOwnColor());
}

TEST_F(ItemRecords, StoredValuesTheProgramNormalises) {
    // A TrimBox pen height of 60 and width of 50 read as 10; a reserved word of 200 is 1; a title
    // with the byte 201 ends in "..." there; icon pictures 127 and -2 (below 128) read as 0.
    const std::string hex =
        ListOf("00 05", Base("01 F5") + " 00 3C 00 32 00 01 " + Base("01 FC") +
                            " 00 00 00 00 00 06 50 72 69 6E 74 C9 00 00 00 00 0C 00 00 C8 " + Base("01 FD") +
                            " 00 00 00 00 00 04 41 26 26 42 00 00 00 00 0C 00 80 00 " + Base("01 F9") +
                            " 00 7F " + Base("01 F9") + " FF FE");
    ErrCode error = -99;
    const auto list = Read(hex, &error);
    ASSERT_EQ(error, kNoErr);
    EXPECT_EQ(static_cast<TrimBox*>(list->ItemAt(0))->GetPenSize(), (ShortPoint{10, 10}));
    const auto* radio = static_cast<RadioBtn*>(list->ItemAt(1));
    EXPECT_STREQ(radio->GetTitle().CStr(), "Print...");
    EXPECT_EQ(radio->GetReserved(), 1);
    // Only the first '&' marks the mnemonic.
    const auto* check = static_cast<CheckBox*>(list->ItemAt(2));
    EXPECT_STREQ(check->GetTitle().CStr(), "A&B");
    EXPECT_EQ(check->GetMnemonic(), 1);
    EXPECT_EQ(check->GetReserved(), -1);
    EXPECT_EQ(static_cast<IconItem*>(list->ItemAt(3))->GetPictureId(), 0);
    EXPECT_EQ(static_cast<IconItem*>(list->ItemAt(4))->GetPictureId(), 0);
    EXPECT_EQ(Written(*list),
              RecordHex(Bytes(ListOf(
                  "00 05", Base("01 F5") + " 00 0A 00 0A 00 01 " + Base("01 FC") +
                               " 00 00 00 00 00 08 50 72 69 6E 74 2E 2E 2E 00 00 00 00 0C 00 00 01 " +
                               Base("01 FD") + " 00 00 00 00 00 04 41 26 26 42 00 00 00 00 0C 00 FF FF " +
                               Base("01 F9") + " 00 00 " + Base("01 F9") + " 00 00"))));
}

TEST_F(ItemRecords, AClassNoFactoryMakesEndsTheReadKeepingTheItemsBefore) {
    // A TrimBox, then a Slider (504), which no factory makes, then another TrimBox.
    const std::string trim = Base("01 F5") + " 00 01 00 01 00 01 ";
    ErrCode error = 0;
    auto list = Read(ListOf("00 03", trim + Base("01 F8") + " " + trim), &error);
    EXPECT_EQ(error, -1);
    EXPECT_EQ(list->Count(), 1);
}

TEST_F(ItemRecords, ATruncatedRecordEndsTheReadWithTheStreamsError) {
    const std::string whole = ListOf("00 02", Base("01 F5") + " 00 01 00 01 00 01 " + Base("01 FD") +
                                                  " 00 00 00 00 00 03 54 77 6F 00 00 04 00 0C 04 00 00");
    const std::vector<std::uint8_t> bytes = Bytes(whole);
    // Cut inside every field of the second item: the first stays, the failed one is not kept.
    for (std::size_t cut = 18 + 28; cut < bytes.size(); ++cut) {
        ByteStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(cut)));
        ErrCode error = 0;
        std::unique_ptr<TObject> list(MakeObjectByFactory(stream, ItemList::kClassId, &error, 0));
        EXPECT_EQ(error, kEndOfFileErr) << cut;
        EXPECT_EQ(static_cast<ItemList*>(list.get())->Count(), 1) << cut;
    }
}

TEST_F(ItemRecords, AFontSetInCodeIsWrittenAsTheSpecificationItStandsFor) {
    ItemList list(nullptr);
    auto* text = new StatText(&list, nullptr, "x", 0, RGBColor(0), nullptr, 0);
    list.Append(text);
    win::LOGFONTA serif;
    MakeLogFont(serif, 2, 18, kStyleBold);
    text->SetFont(serif);
    ByteStream out;
    ASSERT_EQ(list.WriteTo(out), kNoErr);
    // After the list (18 bytes) and the item (22): font 2, size 18, bold.
    EXPECT_EQ(RecordHex(std::vector<std::uint8_t>(out.Bytes().begin() + 40, out.Bytes().begin() + 45)),
              "00 02 00 12 01");
}

}  // namespace
